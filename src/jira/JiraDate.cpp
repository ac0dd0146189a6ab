#include "jira/JiraDate.h"

#include <QDate>
#include <QTime>
#include <QTimeZone>

namespace {

// Reads exactly `count` ASCII digits at `pos`; QChar::isDigit would also take other scripts' digits.
std::optional<int> digits(QStringView text, qsizetype pos, qsizetype count)
{
    if (pos + count > text.size())
        return std::nullopt;
    int value = 0;
    for (qsizetype i = pos; i < pos + count; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
    }
    return value;
}

bool hasAt(QStringView text, qsizetype pos, char16_t c)
{
    return pos < text.size() && text[pos] == c;
}

// The offset after the fraction, in seconds east of UTC: "Z", "+hhmm" or "+hh:mm".
std::optional<int> offsetSeconds(QStringView offset)
{
    if (offset == u"Z")
        return 0;
    if (offset.size() != 5 && offset.size() != 6)
        return std::nullopt;
    const char16_t sign = offset[0].unicode();
    if (sign != u'+' && sign != u'-')
        return std::nullopt;
    const bool withColon = offset.size() == 6;
    if (withColon && offset[3] != u':')
        return std::nullopt;
    const auto hours = digits(offset, 1, 2);
    const auto minutes = digits(offset, withColon ? 4 : 3, 2);
    if (!hours || !minutes || *hours > 23 || *minutes > 59)
        return std::nullopt;
    const int seconds = (*hours * 60 + *minutes) * 60;
    return sign == u'-' ? -seconds : seconds;
}

} // namespace

std::optional<QDateTime> JiraDate::parse(QStringView text)
{
    // yyyy-MM-ddTHH:mm:ss.SSS is 23 characters; the offset follows.
    constexpr qsizetype fixedLength = 23;
    if (text.size() <= fixedLength)
        return std::nullopt;
    if (!hasAt(text, 4, u'-') || !hasAt(text, 7, u'-') || !hasAt(text, 10, u'T') || !hasAt(text, 13, u':') ||
        !hasAt(text, 16, u':') || !hasAt(text, 19, u'.'))
        return std::nullopt;
    const auto year = digits(text, 0, 4);
    const auto month = digits(text, 5, 2);
    const auto day = digits(text, 8, 2);
    const auto hour = digits(text, 11, 2);
    const auto minute = digits(text, 14, 2);
    const auto second = digits(text, 17, 2);
    const auto millisecond = digits(text, 20, 3);
    const auto offset = offsetSeconds(text.mid(fixedLength));
    if (!year || !month || !day || !hour || !minute || !second || !millisecond || !offset)
        return std::nullopt;

    const QDate date(*year, *month, *day);
    const QTime time(*hour, *minute, *second, *millisecond);
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return QDateTime(date, time, QTimeZone(*offset)).toUTC();
}

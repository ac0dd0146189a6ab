#include "views/RelativeTime.h"

#include <QCoreApplication>
#include <QTimeZone>

namespace RelativeTime {
namespace {

constexpr qint64 minute = 60;
constexpr qint64 hour = 60 * minute;
constexpr qint64 day = 24 * hour;
constexpr qint64 week = 7 * day;

// Whole calendar months from earlier to later, so that "1 mo." starts on the same day of the next
// month rather than after some fixed number of days.
int wholeMonths(const QDateTime &earlier, const QDateTime &laterInAnyZone)
{
    const QDateTime later = laterInAnyZone.toTimeZone(earlier.timeZone());
    int months =
        (later.date().year() - earlier.date().year()) * 12 + later.date().month() - earlier.date().month();
    if (months > 0 && earlier.addMonths(months) > later)
        --months;
    return months;
}

// The source texts, marked for lupdate as texts with a number: each language has its plural forms.
// English has a singular only for days; the other units are abbreviations. %Ln writes the number
// in the user's locale.
struct Phrases
{
    const char *past;
    const char *pastOne;
    const char *future;
    const char *futureOne;
};

constexpr Phrases minutes{
    QT_TRANSLATE_N_NOOP("RelativeTime", "%Ln min. ago"), QT_TRANSLATE_N_NOOP("RelativeTime", "%Ln min. ago"),
    QT_TRANSLATE_N_NOOP("RelativeTime", "in %Ln min."), QT_TRANSLATE_N_NOOP("RelativeTime", "in %Ln min.")};
constexpr Phrases hours{
    QT_TRANSLATE_N_NOOP("RelativeTime", "%Ln hr. ago"), QT_TRANSLATE_N_NOOP("RelativeTime", "%Ln hr. ago"),
    QT_TRANSLATE_N_NOOP("RelativeTime", "in %Ln hr."), QT_TRANSLATE_N_NOOP("RelativeTime", "in %Ln hr.")};
constexpr Phrases days{
    QT_TRANSLATE_N_NOOP("RelativeTime", "%Ln days ago"), QT_TRANSLATE_N_NOOP("RelativeTime", "%Ln day ago"),
    QT_TRANSLATE_N_NOOP("RelativeTime", "in %Ln days"), QT_TRANSLATE_N_NOOP("RelativeTime", "in %Ln day")};
constexpr Phrases weeks{
    QT_TRANSLATE_N_NOOP("RelativeTime", "%Ln wk. ago"), QT_TRANSLATE_N_NOOP("RelativeTime", "%Ln wk. ago"),
    QT_TRANSLATE_N_NOOP("RelativeTime", "in %Ln wk."), QT_TRANSLATE_N_NOOP("RelativeTime", "in %Ln wk.")};
constexpr Phrases months{
    QT_TRANSLATE_N_NOOP("RelativeTime", "%Ln mo. ago"), QT_TRANSLATE_N_NOOP("RelativeTime", "%Ln mo. ago"),
    QT_TRANSLATE_N_NOOP("RelativeTime", "in %Ln mo."), QT_TRANSLATE_N_NOOP("RelativeTime", "in %Ln mo.")};
constexpr Phrases years{
    QT_TRANSLATE_N_NOOP("RelativeTime", "%Ln yr. ago"), QT_TRANSLATE_N_NOOP("RelativeTime", "%Ln yr. ago"),
    QT_TRANSLATE_N_NOOP("RelativeTime", "in %Ln yr."), QT_TRANSLATE_N_NOOP("RelativeTime", "in %Ln yr.")};

QString phrase(const Phrases &unit, qint64 count, bool future)
{
    const char *source =
        future ? (count == 1 ? unit.futureOne : unit.future) : (count == 1 ? unit.pastOne : unit.past);
    return QCoreApplication::translate("RelativeTime", source, nullptr, int(count));
}

} // namespace

QString string(const QDateTime &date, const QDateTime &now)
{
    if (!date.isValid() || !now.isValid())
        return {};
    const qint64 offset = now.secsTo(date);
    const bool future = offset > 0;
    const qint64 elapsed = future ? offset : -offset;
    if (elapsed < minute)
        return QCoreApplication::translate("RelativeTime", "just now");

    const int monthCount = future ? wholeMonths(now, date) : wholeMonths(date, now);
    if (monthCount >= 12)
        return phrase(years, monthCount / 12, future);
    if (monthCount >= 1)
        return phrase(months, monthCount, future);
    if (elapsed >= week)
        return phrase(weeks, elapsed / week, future);
    if (elapsed >= day)
        return phrase(days, elapsed / day, future);
    if (elapsed >= hour)
        return phrase(hours, elapsed / hour, future);
    return phrase(minutes, elapsed / minute, future);
}

} // namespace RelativeTime

#include "jira/JiraConfig.h"

namespace {

// White space and line breaks: the Unicode space separators, the tab and the line and paragraph
// separators (QChar::isSpace covers all of them).
QString trimmedOfWhitespaceAndNewlines(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).isSpace())
        ++begin;
    while (end > begin && text.at(end - 1).isSpace())
        --end;
    return text.mid(begin, end - begin);
}

bool startsWithCaseInsensitive(const QString &text, QLatin1StringView prefix)
{
    return text.startsWith(prefix, Qt::CaseInsensitive);
}

} // namespace

QString JiraConfig::normalizeSiteURL(const QString &raw)
{
    QString text = trimmedOfWhitespaceAndNewlines(raw);
    while (text.endsWith(QLatin1Char('/')))
        text.chop(1);
    if (text.isEmpty())
        return text;
    if (startsWithCaseInsensitive(text, QLatin1StringView("http://")))
        return QStringLiteral("https://") + text.mid(7);
    if (startsWithCaseInsensitive(text, QLatin1StringView("https://")))
        return text;
    return QStringLiteral("https://") + text;
}

#include "jira/JiraConfig.h"

namespace {

bool startsWithCaseInsensitive(const QString &text, QLatin1StringView prefix)
{
    return text.startsWith(prefix, Qt::CaseInsensitive);
}

} // namespace

QString JiraConfig::normalizeSiteURL(const QString &raw)
{
    QString text = raw.trimmed();
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

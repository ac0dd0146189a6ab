#include "jira/JiraConfig.h"

#include "jira/JiraSite.h"

#include <QRegularExpression>

namespace {

bool startsWithCaseInsensitive(const QString &text, QLatin1StringView prefix)
{
    return text.startsWith(prefix, Qt::CaseInsensitive);
}

// "https://host[:port]" without what follows: a path, a query or a fragment. Text without a host
// stays whole, to be refused.
QString withoutPath(const QString &text)
{
    const qsizetype end = JiraSite::authorityEnd(text);
    return end == QLatin1StringView("https://").size() ? text : text.left(end);
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
        return withoutPath(QStringLiteral("https://") + text.mid(7));
    if (startsWithCaseInsensitive(text, QLatin1StringView("https://")))
        return withoutPath(text);
    // Another scheme ("ftp://…"), or a malformed one ("https:/…"), stays as typed, to be refused
    // rather than taken for a host named after the scheme.
    static const QRegularExpression otherScheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:/"));
    if (otherScheme.match(text).hasMatch())
        return text;
    return withoutPath(QStringLiteral("https://") + text);
}

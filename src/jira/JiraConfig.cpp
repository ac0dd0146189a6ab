#include "jira/JiraConfig.h"

#include <QRegularExpression>

QString JiraConfig::normalizeSiteURL(const QString &raw)
{
    QString text = raw.trimmed();
    while (text.endsWith(QLatin1Char('/')))
        text.chop(1);
    if (text.isEmpty())
        return text;
    if (text.startsWith(QLatin1StringView("http://"), Qt::CaseInsensitive))
        return QStringLiteral("https://") + text.mid(7);
    if (text.startsWith(QLatin1StringView("https://"), Qt::CaseInsensitive))
        return text;
    // Another scheme ("ftp://…"), or a malformed one ("https:/…"), stays as typed, to be refused
    // rather than taken for a host named after the scheme.
    static const QRegularExpression otherScheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:/"));
    if (otherScheme.match(text).hasMatch())
        return text;
    return QStringLiteral("https://") + text;
}

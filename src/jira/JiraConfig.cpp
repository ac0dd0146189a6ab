#include "jira/JiraConfig.h"

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
    const qsizetype hostStart = QLatin1StringView("https://").size();
    for (qsizetype i = hostStart; i < text.size(); ++i) {
        if (QStringView(u"/?#").contains(text.at(i)))
            return i == hostStart ? text : text.left(i);
    }
    return text;
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

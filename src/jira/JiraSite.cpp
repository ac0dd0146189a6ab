#include "jira/JiraSite.h"

#include <algorithm>

namespace {

bool isHorizontalSpace(QChar c)
{
    return c == u'\t' || c.category() == QChar::Separator_Space;
}

const QString httpsOnly =
    QStringLiteral("Norrid connects only to an https:// address, such as https://your-team.atlassian.net.");
const QString userPart = QStringLiteral(
    "It holds a user name or an \u201c@\u201d before the host; enter only the site's address, such as "
    "https://your-team.atlassian.net.");
const QString noHost =
    QStringLiteral("It names no host; enter the site's address, such as https://your-team.atlassian.net.");

} // namespace

QString JiraSite::trimmed(const QString &siteURL)
{
    qsizetype begin = 0;
    qsizetype end = siteURL.size();
    while (begin < end && isHorizontalSpace(siteURL.at(begin)))
        ++begin;
    while (end > begin && isHorizontalSpace(siteURL.at(end - 1)))
        --end;
    return siteURL.mid(begin, end - begin);
}

qsizetype JiraSite::authorityEnd(QStringView httpsAddress)
{
    qsizetype end = QLatin1StringView("https://").size();
    while (end < httpsAddress.size() && !QStringView(u"/?#").contains(httpsAddress.at(end)))
        ++end;
    return std::min(end, httpsAddress.size());
}

JiraSite JiraSite::read(const QString &siteURL)
{
    const QString text = trimmed(siteURL);
    const QLatin1StringView scheme("https://");
    JiraSite site;
    if (!text.startsWith(scheme, Qt::CaseInsensitive)) {
        site.m_problem = JiraError::badURL(httpsOnly);
        return site;
    }
    // QUrl would take everything before an "@" in the authority for a user name and the rest for
    // the host.
    const qsizetype end = authorityEnd(text);
    const QStringView authority = QStringView(text).mid(scheme.size(), end - scheme.size());
    if (authority.contains(u'@')) {
        site.m_problem = JiraError::badURL(userPart);
        return site;
    }
    const QUrl parsed(text.left(end), QUrl::StrictMode);
    if (!parsed.isValid()) {
        site.m_problem = JiraError::badURL();
        return site;
    }
    if (parsed.host().isEmpty()) {
        site.m_problem = JiraError::badURL(noHost);
        return site;
    }
    site.m_origin.setScheme(QStringLiteral("https"));
    site.m_origin.setHost(parsed.host());
    site.m_origin.setPort(parsed.port());
    return site;
}

std::optional<QUrl> JiraSite::link(const QString &path, const QString &encodedQuery) const
{
    if (!isValid())
        return std::nullopt;
    return endpoint().url(path, encodedQuery);
}

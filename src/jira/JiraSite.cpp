#include "jira/JiraSite.h"

#include <QCoreApplication>
#include <QUrl>
#include <algorithm>

namespace {

bool isHorizontalSpace(QChar c)
{
    return c == u'\t' || c.category() == QChar::Separator_Space;
}

// Why an address is no site, in the words of the settings window's error.
const char *const httpsOnly = QT_TRANSLATE_NOOP(
    "JiraSite", "Norrid connects only to an https:// address, such as https://your-team.atlassian.net.");
const char *const userPart =
    QT_TRANSLATE_NOOP("JiraSite", "It holds a user name or an “@” before the host; enter "
                                  "only the site's address, such as "
                                  "https://your-team.atlassian.net.");
const char *const noHost = QT_TRANSLATE_NOOP(
    "JiraSite", "It names no host; enter the site's address, such as https://your-team.atlassian.net.");

JiraError badAddress(const char *reason)
{
    return JiraError::badURL(QCoreApplication::translate("JiraSite", reason));
}

// Whether the path segment at `index` begins one of Jira's own pages rather than the context path:
// a page a user may paste (a board, an issue, a login page) or a REST path.
bool beginsPage(const QStringList &segments, qsizetype index)
{
    static const QStringList pages{QStringLiteral("secure"),   QStringLiteral("browse"),
                                   QStringLiteral("projects"), QStringLiteral("issues"),
                                   QStringLiteral("plugins"),  QStringLiteral("login.jsp")};
    static const QStringList jiraApps{QStringLiteral("software"),    QStringLiteral("core"),
                                      QStringLiteral("servicedesk"), QStringLiteral("your-work"),
                                      QStringLiteral("for-you"),     QStringLiteral("dashboards")};
    const QString &segment = segments.at(index);
    if (pages.contains(segment))
        return true;
    return segment == u"jira" && index + 1 < segments.size() && jiraApps.contains(segments.at(index + 1));
}

struct RawSegment
{
    qsizetype end; // where it ends in the text, before the next "/"
    QString decoded;
};

// The segments of a path as typed ("/jira//x/" has "jira" and "x"), each decoded.
QList<RawSegment> segmentsOf(QStringView path)
{
    QList<RawSegment> segments;
    qsizetype position = 0;
    while (position < path.size()) {
        if (path.at(position) == u'/') {
            ++position;
            continue;
        }
        qsizetype end = path.indexOf(u'/', position);
        if (end < 0)
            end = path.size();
        segments.append({end, QUrl::fromPercentEncoding(path.mid(position, end - position).toUtf8())});
        position = end;
    }
    return segments;
}

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
        site.m_problem = badAddress(httpsOnly);
        return site;
    }
    // QUrl would take everything before an "@" in the authority for a user name and the rest for
    // the host.
    const qsizetype end = authorityEnd(text);
    const QStringView authority = QStringView(text).mid(scheme.size(), end - scheme.size());
    if (authority.contains(u'@')) {
        site.m_problem = badAddress(userPart);
        return site;
    }
    const QUrl parsed(text.left(end), QUrl::StrictMode);
    if (!parsed.isValid()) {
        site.m_problem = JiraError::badURL();
        return site;
    }
    if (parsed.host().isEmpty()) {
        site.m_problem = badAddress(noHost);
        return site;
    }
    site.m_origin.setScheme(QStringLiteral("https"));
    site.m_origin.setHost(parsed.host());
    site.m_origin.setPort(parsed.port());

    const QStringView rest = QStringView(text).mid(end);
    qsizetype pathEnd = 0;
    while (pathEnd < rest.size() && rest.at(pathEnd) != u'?' && rest.at(pathEnd) != u'#')
        ++pathEnd;
    qsizetype baseEnd = 0; // in `rest`
    if (!site.isCloud()) {
        const QList<RawSegment> segments = segmentsOf(rest.left(pathEnd));
        QStringList decoded;
        for (const RawSegment &segment : segments)
            decoded.append(segment.decoded);
        qsizetype kept = 0;
        while (kept < decoded.size() && !beginsPage(decoded, kept))
            ++kept;
        if (kept > 0) {
            site.m_path = u'/' + decoded.mid(0, kept).join(u'/');
            baseEnd = segments.at(kept - 1).end;
        }
    }
    const QStringView dropped = rest.mid(baseEnd);
    if (dropped != u"/")
        site.m_dropped = dropped.toString();
    return site;
}

QString JiraSite::baseText() const
{
    if (!isValid())
        return {};
    QUrl base = m_origin;
    base.setPath(m_path, QUrl::DecodedMode);
    return base.toString(QUrl::FullyEncoded);
}

bool JiraSite::isCloud() const
{
    return m_origin.host().endsWith(QLatin1String(".atlassian.net"), Qt::CaseInsensitive);
}

std::optional<QUrl> JiraSite::link(const QString &path, const QString &encodedQuery) const
{
    if (!isValid())
        return std::nullopt;
    return endpoint().url(path, encodedQuery);
}

std::optional<QUrl> JiraSite::cardURL(const QString &key) const
{
    return link(QStringLiteral("/browse/") + key);
}

std::optional<QUrl> JiraSite::boardURL(const QString &boardId) const
{
    return link(QStringLiteral("/secure/RapidBoard.jspa"),
                QStringLiteral("rapidView=") + QString::fromLatin1(QUrl::toPercentEncoding(boardId)));
}

std::optional<QUrl> JiraSite::personalAccessTokenPage() const
{
    return link(
        QStringLiteral("/secure/ViewProfile.jspa"),
        QStringLiteral("selectedTab=com.atlassian.pats.pats-plugin:jira-user-personal-access-tokens"));
}

bool JiraSite::holds(const QUrl &url) const
{
    return isValid() && url.isValid() && url.scheme() == u"https" && url.userInfo().isEmpty() &&
           url.host().compare(m_origin.host(), Qt::CaseInsensitive) == 0 &&
           url.port(443) == m_origin.port(443);
}

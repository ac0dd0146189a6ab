#pragma once

#include "jira/JiraEndpoint.h"
#include "jira/JiraError.h"

#include <QString>
#include <QUrl>
#include <optional>

// The Jira site an address names, read down to its base: the origin (scheme, host and port) and
// the context path a self-hosted Jira lives under ("https://jira.example.com/jira"). Users type the
// site or paste any page of it, so on Jira Cloud (*.atlassian.net) the base is the origin, and
// elsewhere the path up to the first segment that is one of Jira's own pages ("secure", "browse",
// "jira/software", …), or the whole path when none comes; the query and fragment go. Every request
// and every link Norrid makes for the site is built here, under the base; the credentials go to
// its origin only.
//
// An address whose host is not plainly the one it shows is refused before anything is sent: one
// with a user part ("acme.atlassian.net:443@evil…" has the host evil…), one that is not https, one
// with a malformed scheme or no host.
class JiraSite
{
public:
    // Reads the address as held, without spaces and tabs around it; nothing else is corrected.
    static JiraSite read(const QString &siteURL);
    // The address without spaces and tabs around it (line breaks stay).
    static QString trimmed(const QString &siteURL);
    // Where the authority (host and port, and whatever user part) of an "https://" address ends: at
    // the first "/", "?" or "#" after the scheme, else at the end of the text.
    static qsizetype authorityEnd(QStringView httpsAddress);

    bool isValid() const { return !m_problem; }
    // Why the address is refused: a badURL error whose text says what is wrong with it.
    const std::optional<JiraError> &problem() const { return m_problem; }

    // https://host[:port]; empty when the address is refused.
    const QUrl &origin() const { return m_origin; }
    // The context path, decoded, without a trailing slash: "" or such as "/jira".
    const QString &path() const { return m_path; }
    // The base as text, "https://host[:port][/path]"; empty when the address is refused.
    QString baseText() const;
    // What of the address the base leaves out, as typed: a page, a query, a fragment; empty for none.
    const QString &dropped() const { return m_dropped; }
    // A Jira Cloud site, on *.atlassian.net.
    bool isCloud() const;

    // Requests to the site's own host, under the base.
    JiraEndpoint endpoint() const { return {m_origin, m_path}; }
    // The base with this path (encoded as a path) and an already encoded query; none when the
    // address is refused or the result is no valid URL.
    std::optional<QUrl> link(const QString &path, const QString &encodedQuery = {}) const;

    // The pages Norrid opens in the browser.
    std::optional<QUrl> cardURL(const QString &key) const;
    std::optional<QUrl> boardURL(const QString &boardId) const;
    // Where a Jira Data Center user creates a personal access token.
    std::optional<QUrl> personalAccessTokenPage() const;
    // Whether a link a server sent stays on the site: https, on the site's origin.
    bool holds(const QUrl &url) const;

private:
    QUrl m_origin;
    QString m_path;
    QString m_dropped;
    std::optional<JiraError> m_problem;
};

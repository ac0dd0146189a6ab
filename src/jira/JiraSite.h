#pragma once

#include "jira/JiraEndpoint.h"
#include "jira/JiraError.h"

#include <QString>
#include <QUrl>
#include <optional>

// The Jira site a configuration names, reduced to its origin: scheme, host and port. Requests, card
// links and the board link all start from the origin, so a path in the address (a board or issue
// page pasted from the browser) plays no part. An address whose host is not plainly the one it
// shows is refused before anything is sent: one with a user part ("acme.atlassian.net:443@evil…"
// has the host evil…), one that is not https, one with a malformed scheme or no host.
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
    // https://host[:port]; empty when the address is refused.
    const QUrl &origin() const { return m_origin; }
    // Requests to the site's own host: its origin with no path prefix.
    JiraEndpoint endpoint() const { return {m_origin, {}}; }
    // Why the address is refused: a badURL error whose text says what is wrong with it.
    const std::optional<JiraError> &problem() const { return m_problem; }

    // The origin with this path (encoded as a path) and an already encoded query; none when the
    // address is refused or the result is no valid URL.
    std::optional<QUrl> link(const QString &path, const QString &encodedQuery = {}) const;

private:
    QUrl m_origin;
    std::optional<JiraError> m_problem;
};

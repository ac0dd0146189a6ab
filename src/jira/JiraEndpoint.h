#pragma once

#include <QString>
#include <QUrl>
#include <optional>

// Where Jira's REST paths are sent: the site's own origin, or Atlassian's gateway for the site
// ("https://api.atlassian.com" with the prefix "/ex/jira/<cloudId>").
struct JiraEndpoint
{
    QUrl origin; // https://host[:port]
    QString pathPrefix;

    // The origin with the prefix and this path (encoded as a path) and an already encoded query;
    // none when the result is no valid URL.
    std::optional<QUrl> url(const QString &path, const QString &encodedQuery = {}) const
    {
        QUrl url = origin;
        url.setPath(pathPrefix + path, QUrl::DecodedMode);
        if (!encodedQuery.isEmpty())
            url.setQuery(encodedQuery, QUrl::StrictMode);
        if (!url.isValid())
            return std::nullopt;
        return url;
    }

    friend bool operator==(const JiraEndpoint &, const JiraEndpoint &) = default;
};

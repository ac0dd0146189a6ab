#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// What a Jira site says about itself at /rest/api/2/serverInfo, which it tells anyone: Cloud or a
// self-hosted deployment, and its version.
struct JiraServerInfo
{
    QString deploymentType; // "Cloud", "Server" or "DataCenter"
    QString version;        // such as "9.12.2"; empty when it is not a plain version number

    // None when the body is not such a document.
    static std::optional<JiraServerInfo> decode(const QByteArray &body);

    // "Jira Cloud", "Jira Data Center 9.12.2", "Jira Server 8.20.1", or "Jira" and the version.
    QString name() const;

    friend bool operator==(const JiraServerInfo &, const JiraServerInfo &) = default;
};

#pragma once

#include "jira/JiraCredentialKind.h"

#include <QByteArray>
#include <QString>
#include <optional>

class JiraSite;
struct JiraConfig;

// The credentials of one configuration, and the Authorization header they make. An email (on a
// self-hosted site, a user name) goes with the token as HTTP Basic; without one the token is a
// personal access token and goes as a Bearer token, with no user name.
class JiraCredentials
{
public:
    using Kind = JiraCredentialKind;

    static JiraCredentials of(const JiraConfig &config, const JiraSite &site);

    Kind kind() const { return m_kind; }
    // "Basic <base64 of user:secret>" or "Bearer <token>".
    QByteArray authorization() const;
    // The same email and token for Atlassian's gateway (which serves Jira Cloud sites alone); none
    // for a personal access token, which belongs to a self-hosted site and goes nowhere else.
    std::optional<JiraCredentials> throughGateway() const;

private:
    JiraCredentials(Kind kind, QString user, QString secret);

    Kind m_kind;
    QString m_user;
    QString m_secret;
};

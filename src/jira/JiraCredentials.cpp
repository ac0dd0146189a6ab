#include "jira/JiraCredentials.h"

#include "jira/JiraConfig.h"
#include "jira/JiraSite.h"

#include <utility>

JiraCredentials::JiraCredentials(Kind kind, QString user, QString secret)
    : m_kind(kind), m_user(std::move(user)), m_secret(std::move(secret))
{
}

JiraCredentials JiraCredentials::of(const JiraConfig &config, const JiraSite &site)
{
    if (config.email.isEmpty())
        return {Kind::personalAccessToken, {}, config.token};
    return {site.isCloud() ? Kind::apiToken : Kind::password, config.email, config.token};
}

QByteArray JiraCredentials::authorization() const
{
    if (m_kind == Kind::personalAccessToken)
        return "Bearer " + m_secret.toUtf8();
    return "Basic " + (m_user + u':' + m_secret).toUtf8().toBase64();
}

std::optional<JiraCredentials> JiraCredentials::throughGateway() const
{
    if (m_kind == Kind::personalAccessToken)
        return std::nullopt;
    return JiraCredentials{Kind::gateway, m_user, m_secret};
}

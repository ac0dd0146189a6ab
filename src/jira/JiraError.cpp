#include "jira/JiraError.h"

#include <utility>

JiraError::JiraError(Kind kind, int statusCode, QString message)
    : m_kind(kind), m_statusCode(statusCode), m_message(std::move(message))
{
}

JiraError JiraError::http(int statusCode)
{
    return {Kind::http, statusCode, {}};
}
JiraError JiraError::decoding(const QString &message)
{
    return {Kind::decoding, 0, message};
}
JiraError JiraError::transport(const QString &message)
{
    return {Kind::transport, 0, message};
}
JiraError JiraError::notConfigured()
{
    return {Kind::notConfigured, 0, {}};
}
JiraError JiraError::badURL()
{
    return {Kind::badURL, 0, {}};
}
JiraError JiraError::unauthorized()
{
    return {Kind::unauthorized, 0, {}};
}

QString JiraError::errorDescription() const
{
    switch (m_kind) {
    case Kind::http:
        return QStringLiteral("Jira returned HTTP %1.").arg(m_statusCode);
    case Kind::decoding:
        return QStringLiteral("Couldn't read Jira's response: ") + m_message;
    case Kind::transport:
        return m_message;
    case Kind::notConfigured:
        return QStringLiteral("Not connected yet — add your email and API token.");
    case Kind::badURL:
        return QStringLiteral("The Jira site URL looks invalid.");
    case Kind::unauthorized:
        return QStringLiteral("Jira rejected the email/token (401). Check your API token.");
    }
    Q_UNREACHABLE();
    return {};
}

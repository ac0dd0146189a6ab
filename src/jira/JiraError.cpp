#include "jira/JiraError.h"

#include <algorithm>
#include <utility>

namespace {

// "1 second", "45 seconds", "3 minutes" (whole minutes, rounded up, from two minutes on).
QString waitText(int seconds)
{
    if (seconds == 1)
        return QStringLiteral("1 second");
    if (seconds < 120)
        return QStringLiteral("%1 seconds").arg(seconds);
    return QStringLiteral("%1 minutes").arg((seconds + 59) / 60);
}

} // namespace

JiraError::JiraError(Kind kind, int statusCode, QString message)
    : m_kind(kind), m_statusCode(statusCode), m_message(std::move(message))
{
}

JiraError JiraError::http(int statusCode, const QString &explanation)
{
    JiraError error{Kind::http, statusCode, {}};
    error.m_explanation = explanation;
    return error;
}
JiraError JiraError::rateLimited(std::optional<qint64> retryAfterSeconds)
{
    JiraError error{Kind::http, 429, {}};
    if (retryAfterSeconds)
        error.m_retryAfterSeconds = int(std::clamp<qint64>(*retryAfterSeconds, 0, maximumRetryAfterSeconds));
    return error;
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
JiraError JiraError::badURL(const QString &reason)
{
    return {Kind::badURL, 0, reason};
}
JiraError JiraError::unauthorized(bool credentialsRejected)
{
    JiraError error{Kind::unauthorized, 0, {}};
    error.m_credentialsRejected = credentialsRejected;
    return error;
}

QString JiraError::errorDescription() const
{
    switch (m_kind) {
    case Kind::http:
        if (m_statusCode == 429)
            // With a wait, the monitor adds when it asks again, which may be later than the wait.
            return m_retryAfterSeconds
                       ? QStringLiteral("Jira returned HTTP 429. Too many requests: Jira is rate limiting "
                                        "this account and asks to wait %1.")
                             .arg(waitText(*m_retryAfterSeconds))
                       : QStringLiteral("Jira returned HTTP 429. Too many requests: Jira is rate limiting "
                                        "this account for now. Norrid tries again at the next poll.");
        return QStringLiteral("Jira returned HTTP %1.").arg(m_statusCode);
    case Kind::decoding:
        return QStringLiteral("Couldn't read Jira's response: ") + m_message;
    case Kind::transport:
        return m_message;
    case Kind::notConfigured:
        return QStringLiteral("Not connected yet — add your email and API token.");
    case Kind::badURL:
        return m_message.isEmpty() ? QStringLiteral("The Jira site URL looks invalid.")
                                   : QStringLiteral("The Jira site URL looks invalid. ") + m_message;
    case Kind::unauthorized:
        return QStringLiteral("Jira rejected the email/token (401). Check your API token.");
    }
    Q_UNREACHABLE();
    return {};
}

QString JiraError::descriptionWithExplanation() const
{
    return m_explanation.isEmpty() ? errorDescription() : errorDescription() + u'\n' + m_explanation;
}

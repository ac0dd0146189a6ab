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

// The status in parentheses, when Jira sent one that says "no" (a login that failed on a 200
// names none).
QString statusNote(int status)
{
    return status >= 400 ? QStringLiteral(" (%1)").arg(status) : QString();
}

QString rejectionText(JiraCredentialKind credentials, int status)
{
    switch (credentials) {
    case JiraCredentialKind::apiToken:
    case JiraCredentialKind::gateway:
        return QStringLiteral("Jira rejected the email/token%1. Check your API token.")
            .arg(statusNote(status));
    case JiraCredentialKind::password:
        return QStringLiteral(
                   "Jira rejected the user name/password%1. Check them, or sign in with a personal "
                   "access token: paste it as the token and leave the email empty.")
            .arg(statusNote(status));
    case JiraCredentialKind::personalAccessToken:
        return QStringLiteral("Jira rejected the personal access token%1. Check that it is complete and has "
                              "not expired or been revoked.")
            .arg(statusNote(status));
    }
    Q_UNREACHABLE();
    return {};
}

QString notFoundText(const QUrl &tried)
{
    QUrl example = tried.adjusted(QUrl::RemovePath | QUrl::RemoveQuery | QUrl::RemoveFragment);
    example.setPath(QStringLiteral("/jira"));
    return QStringLiteral("Jira returned HTTP 404 for %1. Check the board ID. Self-hosted Jira sites often "
                          "live under a path such as /jira: enter the address you open Jira at, such as %2.")
        .arg(tried.toString(), example.toString());
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
JiraError JiraError::notFoundAtSite(const QUrl &tried)
{
    return {Kind::http, 404, tried.toString()};
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
JiraError JiraError::cloudNeedsEmail()
{
    return {Kind::notConfigured, 0,
            QStringLiteral("Jira Cloud signs in with the email of your Atlassian account and an API token: "
                           "enter your email. Personal access tokens work on Jira Data Center only.")};
}
JiraError JiraError::badURL(const QString &reason)
{
    return {Kind::badURL, 0, reason};
}
JiraError JiraError::unauthorized(int statusCode, JiraCredentialKind credentials, bool credentialsRejected)
{
    JiraError error{Kind::unauthorized, statusCode, {}};
    error.m_credentials = credentials;
    error.m_credentialsRejected = credentialsRejected;
    return error;
}
JiraError JiraError::basicAuthDisabled()
{
    JiraError error{Kind::basicAuthDisabled, 403, {}};
    error.m_credentialsRejected = true;
    return error;
}
JiraError JiraError::signInRequired(const std::optional<QUrl> &signIn)
{
    JiraError error{Kind::signInRequired, 0, {}};
    error.m_credentialsRejected = true;
    error.m_signInURL = signIn;
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
        if (m_statusCode == 404 && !m_message.isEmpty())
            return notFoundText(QUrl(m_message));
        return QStringLiteral("Jira returned HTTP %1.").arg(m_statusCode);
    case Kind::decoding:
        return QStringLiteral("Couldn't read Jira's response: ") + m_message;
    case Kind::transport:
        return m_message;
    case Kind::notConfigured:
        return m_message.isEmpty() ? QStringLiteral("Not connected yet — add your email and API token.")
                                   : m_message;
    case Kind::badURL:
        return m_message.isEmpty() ? QStringLiteral("The Jira site URL looks invalid.")
                                   : QStringLiteral("The Jira site URL looks invalid. ") + m_message;
    case Kind::unauthorized:
        return rejectionText(m_credentials, m_statusCode);
    case Kind::basicAuthDisabled:
        return QStringLiteral(
            "This Jira site accepts only personal access tokens: its administrator turned off sign-in with "
            "a user name and password. In Jira, open your profile, then Personal Access Tokens, create "
            "one, paste it as the token in the settings and leave the email empty.");
    case Kind::signInRequired:
        return QStringLiteral(
            "Jira wants you to sign in once in your browser: after several failed logins it asks for a "
            "CAPTCHA, which Norrid cannot answer. Sign in to Jira, then choose Refresh Now.");
    }
    Q_UNREACHABLE();
    return {};
}

QString JiraError::descriptionWithExplanation() const
{
    return m_explanation.isEmpty() ? errorDescription() : errorDescription() + u'\n' + m_explanation;
}

#include "jira/JiraError.h"

#include <QCoreApplication>
#include <algorithm>
#include <utility>

namespace {

// A rejection with the status Jira sent, when it sent one that says "no" (a login that failed on a
// 200 names none).
QString rejectionText(JiraCredentialKind credentials, int status)
{
    const bool named = status >= 400;
    switch (credentials) {
    case JiraCredentialKind::apiToken:
    case JiraCredentialKind::gateway:
        return named ? QCoreApplication::translate(
                           "JiraError", "Jira rejected the email/token (%1). Check your API token.")
                           .arg(status)
                     : QCoreApplication::translate("JiraError",
                                                   "Jira rejected the email/token. Check your API token.");
    case JiraCredentialKind::password:
        return named ? QCoreApplication::translate(
                           "JiraError",
                           "Jira rejected the user name/password (%1). Check them, or sign in with a "
                           "personal access token: paste it as the token and leave the email empty.")
                           .arg(status)
                     : QCoreApplication::translate(
                           "JiraError",
                           "Jira rejected the user name/password. Check them, or sign in with a "
                           "personal access token: paste it as the token and leave the email empty.");
    case JiraCredentialKind::personalAccessToken:
        return named
                   ? QCoreApplication::translate(
                         "JiraError", "Jira rejected the personal access token (%1). Check that it "
                                      "is complete and has not expired or been revoked.")
                         .arg(status)
                   : QCoreApplication::translate("JiraError",
                                                 "Jira rejected the personal access token. Check that it is "
                                                 "complete and has not expired or been revoked.");
    }
    Q_UNREACHABLE();
    return {};
}

// Jira's Retry-After: "1 second", "45 seconds", "3 minutes" (whole minutes, rounded up, from two
// minutes on).
QString rateLimitText(int seconds)
{
    if (seconds == 1)
        return QCoreApplication::translate("JiraError",
                                           "Jira returned HTTP 429. Too many requests: Jira is "
                                           "rate limiting this account and asks to wait 1 second.");
    if (seconds < 120)
        return QCoreApplication::translate("JiraError",
                                           "Jira returned HTTP 429. Too many requests: Jira is rate limiting "
                                           "this account and asks to wait %n seconds.",
                                           nullptr, seconds);
    return QCoreApplication::translate(
        "JiraError",
        "Jira returned HTTP 429. Too many requests: Jira is rate limiting this "
        "account and asks to wait %n minutes.",
        nullptr, (seconds + 59) / 60);
}

QString notFoundText(const QUrl &tried)
{
    QUrl example = tried.adjusted(QUrl::RemovePath | QUrl::RemoveQuery | QUrl::RemoveFragment);
    example.setPath(QStringLiteral("/jira"));
    return QCoreApplication::translate("JiraError",
                                       "Jira returned HTTP 404 for %1. Check the board ID. Self-hosted Jira "
                                       "sites often live under a path such as /jira: enter the address you "
                                       "open Jira at, such as %2.")
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
            QCoreApplication::translate(
                "JiraError", "Jira Cloud signs in with the email of your Atlassian account and an API token: "
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
                       ? rateLimitText(*m_retryAfterSeconds)
                       : QCoreApplication::translate(
                             "JiraError", "Jira returned HTTP 429. Too many requests: Jira is rate limiting "
                                          "this account for now. Norrid tries again at the next poll.");
        if (m_statusCode == 404 && !m_message.isEmpty())
            return notFoundText(QUrl(m_message));
        return QCoreApplication::translate("JiraError", "Jira returned HTTP %1.").arg(m_statusCode);
    case Kind::decoding:
        return QCoreApplication::translate("JiraError", "Couldn't read Jira's response: %1").arg(m_message);
    case Kind::transport:
        return m_message;
    case Kind::notConfigured:
        return m_message.isEmpty() ? QCoreApplication::translate(
                                         "JiraError", "Not connected yet — add your email and API token.")
                                   : m_message;
    case Kind::badURL:
        return m_message.isEmpty()
                   ? QCoreApplication::translate("JiraError", "The Jira site URL looks invalid.")
                   : QCoreApplication::translate("JiraError", "The Jira site URL looks invalid. %1")
                         .arg(m_message);
    case Kind::unauthorized:
        return rejectionText(m_credentials, m_statusCode);
    case Kind::basicAuthDisabled:
        return QCoreApplication::translate(
            "JiraError",
            "This Jira site accepts only personal access tokens: its administrator turned off sign-in with "
            "a user name and password. In Jira, open your profile, then Personal Access Tokens, create "
            "one, paste it as the token in the settings and leave the email empty.");
    case Kind::signInRequired:
        return QCoreApplication::translate(
            "JiraError",
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

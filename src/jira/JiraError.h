#pragma once

#include "jira/JiraCredentialKind.h"

#include <QString>
#include <QUrl>
#include <QtGlobal>
#include <optional>

// The only error of the Jira client. errorDescription() is the text the user sees, unchanged.
class JiraError
{
public:
    enum class Kind
    {
        http,
        decoding,
        transport,
        notConfigured,
        badURL,
        unauthorized,
        // A self-hosted site that takes no HTTP Basic credentials: only personal access tokens.
        basicAuthDisabled,
        // Jira asks for a CAPTCHA after failed logins: the user has to sign in in the browser once.
        signInRequired
    };

    // Jira's own explanation (of a 400) goes under the text, never into it.
    static JiraError http(int statusCode, const QString &explanation = {});
    // Every read of the column answered 404 at a site without a context path: the text names the
    // address that was tried and says that self-hosted sites often live under one.
    static JiraError notFoundAtSite(const QUrl &tried);
    // The longest Retry-After taken as it is; a longer one counts as this.
    static constexpr qint64 maximumRetryAfterSeconds = 24 * 60 * 60;

    // HTTP 429: Jira's rate limit, with the wait its Retry-After header asked for, when it gave one
    // (bounded to 0 … maximumRetryAfterSeconds).
    static JiraError rateLimited(std::optional<qint64> retryAfterSeconds);
    static JiraError decoding(const QString &message);
    static JiraError transport(const QString &message);
    // No site or no token.
    static JiraError notConfigured();
    // A personal access token for a Jira Cloud site, which takes none: nothing is sent.
    static JiraError cloudNeedsEmail();
    // The reason, a sentence, follows the fixed text.
    static JiraError badURL(const QString &reason = {});
    // Jira turned the request down with this status (401, 403, or a 2xx whose login failed), naming
    // what the user entered as `credentials` say. credentialsRejected is false for a 403 that only
    // refuses this resource: the same text, but the credentials themselves were not turned down.
    static JiraError unauthorized(int statusCode, JiraCredentialKind credentials, bool credentialsRejected);
    static JiraError basicAuthDisabled();
    // `signIn` is Jira's login page, kept only when it is on the site (see JiraSite::holds).
    static JiraError signInRequired(const std::optional<QUrl> &signIn);

    Kind kind() const { return m_kind; }
    int statusCode() const { return m_statusCode; }
    const QString &message() const { return m_message; }
    std::optional<int> retryAfterSeconds() const { return m_retryAfterSeconds; }
    // Jira turned the credentials down (401, Atlassian's login denial, Basic authentication turned
    // off, a CAPTCHA): asking again with them only adds failed logins.
    bool credentialsRejected() const { return m_credentialsRejected; }
    // What the user entered, for an unauthorized error.
    JiraCredentialKind credentials() const { return m_credentials; }
    // The page where the user signs in to answer Jira's CAPTCHA; none for every other error.
    const std::optional<QUrl> &signInURL() const { return m_signInURL; }
    QString errorDescription() const;
    // What Jira said about a 400 (plain text, capped); empty for every other error.
    const QString &explanation() const { return m_explanation; }
    // The description, then Jira's explanation on a line of its own when there is one.
    QString descriptionWithExplanation() const;

    friend bool operator==(const JiraError &, const JiraError &) = default;

private:
    JiraError(Kind kind, int statusCode, QString message);

    Kind m_kind;
    int m_statusCode = 0;
    QString m_message;
    std::optional<int> m_retryAfterSeconds;
    QString m_explanation;
    bool m_credentialsRejected = false;
    JiraCredentialKind m_credentials = JiraCredentialKind::apiToken;
    std::optional<QUrl> m_signInURL;
};

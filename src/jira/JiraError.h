#pragma once

#include <QString>
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
        unauthorized
    };

    // Jira's own explanation (of a 400) goes under the text, never into it.
    static JiraError http(int statusCode, const QString &explanation = {});
    // The longest Retry-After taken as it is; a longer one counts as this.
    static constexpr qint64 maximumRetryAfterSeconds = 24 * 60 * 60;

    // HTTP 429: Jira's rate limit, with the wait its Retry-After header asked for, when it gave one
    // (bounded to 0 … maximumRetryAfterSeconds).
    static JiraError rateLimited(std::optional<qint64> retryAfterSeconds);
    static JiraError decoding(const QString &message);
    static JiraError transport(const QString &message);
    static JiraError notConfigured();
    // The reason, a sentence, follows the fixed text.
    static JiraError badURL(const QString &reason = {});
    // HTTP 401 or 403. credentialsRejected is false for a 403 that only refuses this resource: the
    // same text, but the email and token themselves were not turned down.
    static JiraError unauthorized(bool credentialsRejected = true);

    Kind kind() const { return m_kind; }
    int statusCode() const { return m_statusCode; }
    const QString &message() const { return m_message; }
    std::optional<int> retryAfterSeconds() const { return m_retryAfterSeconds; }
    // Jira turned down the email and token (401, or Atlassian's login denial or CAPTCHA): asking
    // again with them only adds failed logins.
    bool credentialsRejected() const { return m_credentialsRejected; }
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
};

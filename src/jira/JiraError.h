#pragma once

#include <QString>

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

    static JiraError http(int statusCode);
    static JiraError decoding(const QString &message);
    static JiraError transport(const QString &message);
    static JiraError notConfigured();
    static JiraError badURL();
    static JiraError unauthorized();

    Kind kind() const { return m_kind; }
    int statusCode() const { return m_statusCode; }
    const QString &message() const { return m_message; }
    QString errorDescription() const;

    friend bool operator==(const JiraError &, const JiraError &) = default;

private:
    JiraError(Kind kind, int statusCode, QString message);

    Kind m_kind;
    int m_statusCode = 0;
    QString m_message;
};

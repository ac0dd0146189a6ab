#pragma once

#include <QString>
#include <QUrl>
#include <optional>
#include <utility>

// The outcome of one connection test of the settings window: the number of cards the watched column
// held and which Jira answered, or the message of the failure.
struct TestResult
{
    enum class Kind
    {
        ok,
        fail
    };

    Kind kind = Kind::ok;
    int count = 0;   // ok: cards in the watched column
    QString message; // fail: what the user reads
    QString server;  // ok: "Jira Cloud", "Jira Data Center 9.12.2"; empty when the site did not say
    std::optional<QUrl> signInURL; // fail: where Jira wants the user to sign in first
    // ok, with several columns: each column's count and title ("3 in In Review, 1 in QA")
    QString columns = {};

    static TestResult ok(int cards, QString server = {})
    {
        return {Kind::ok, cards, {}, std::move(server), {}};
    }
    static TestResult fail(QString text, std::optional<QUrl> signInURL = std::nullopt)
    {
        return {Kind::fail, 0, std::move(text), {}, std::move(signInURL)};
    }

    friend bool operator==(const TestResult &, const TestResult &) = default;
};

#pragma once

#include <QString>
#include <utility>

// The outcome of one connection test of the settings window: the number of cards the watched column
// held, or the message of the failure.
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

    static TestResult ok(int cards) { return {Kind::ok, cards, {}}; }
    static TestResult fail(QString text) { return {Kind::fail, 0, std::move(text)}; }

    friend bool operator==(const TestResult &, const TestResult &) = default;
};

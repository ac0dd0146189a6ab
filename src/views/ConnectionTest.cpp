#include "views/ConnectionTest.h"

#include "jira/JiraClient.h"

#include <QPointer>

void ConnectionTest::setRunning(bool running)
{
    m_running = running;
    Q_EMIT runningChanged();
}

void ConnectionTest::setResult(std::optional<TestResult> result)
{
    m_result = std::move(result);
    Q_EMIT resultChanged();
}

QCoro::Task<> ConnectionTest::run(SettingsDraft draft)
{
    if (m_running)
        co_return;
    setRunning(true);
    setResult(std::nullopt);
    const JiraClient client(draft.config());
    QPointer<ConnectionTest> self(this);
    // A site that does not say what it is may still serve the column: the column decides.
    const auto server = co_await client.fetchServerInfo();
    if (!self)
        co_return;
    const auto result = co_await client.fetchReviewIssues();
    if (!self)
        co_return;
    if (result.ok()) {
        setResult(
            TestResult::ok(int(result.value().size()), server.ok() ? server.value().name() : QString()));
        if (onPassed)
            onPassed(draft);
    } else {
        setResult(TestResult::fail(result.error().descriptionWithExplanation(), result.error().signInURL()));
    }
    setRunning(false);
}

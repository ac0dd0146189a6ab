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
    const auto result = co_await client.fetchReviewIssues();
    if (!self)
        co_return;
    if (result.ok()) {
        setResult(TestResult::ok(int(result.value().size())));
        if (onPassed)
            onPassed(draft);
    } else {
        setResult(TestResult::fail(result.error().errorDescription()));
    }
    setRunning(false);
}

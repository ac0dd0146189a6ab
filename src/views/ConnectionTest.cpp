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
    QPointer<ConnectionTest> self(this);
    // A site that does not say what it is may still serve the columns: the columns decide.
    const JiraClient site(draft.config());
    const auto server = co_await site.fetchServerInfo();
    if (!self)
        co_return;
    // Every column, each read as the monitor reads a column alone; the failures are named.
    const QList<WatchedColumn> columns = draft.allColumns();
    const bool several = columns.size() > 1;
    int firstCount = 0;
    QStringList counts;
    QStringList failures;
    std::optional<QUrl> signInURL;
    for (const WatchedColumn &column : columns) {
        const JiraClient client(draft.config(column));
        const auto result = co_await client.fetchReviewIssues();
        if (!self)
            co_return;
        if (result.ok()) {
            const int count = int(result.value().size());
            if (counts.isEmpty())
                firstCount = count;
            counts.append(tr("%n in %1", nullptr, count).arg(column.title()));
            continue;
        }
        const QString message = result.error().descriptionWithExplanation();
        failures.append(several ? tr("%1: %2").arg(column.title(), message) : message);
        if (!signInURL)
            signInURL = result.error().signInURL();
        // Turned-down credentials or a rate limit answer every column alike.
        if (result.error().credentialsRejected() || result.error().retryAfterSeconds())
            break;
    }
    if (failures.isEmpty()) {
        TestResult passed = TestResult::ok(firstCount, server.ok() ? server.value().name() : QString());
        if (several)
            passed.columns = counts.join(QStringLiteral(", "));
        setResult(passed);
        if (onPassed)
            onPassed(draft);
    } else {
        setResult(TestResult::fail(failures.join(u'\n'), signInURL));
    }
    setRunning(false);
}

#pragma once

#include "views/SettingsDraft.h"
#include "views/TestResult.h"

#include <QCoroTask>
#include <QObject>
#include <functional>
#include <optional>

// The settings window's "Test connection": asks the site what Jira it is (serverInfo, which needs
// no credentials), then fetches the watched column with a draft as the monitor does, keeps the
// outcome, and hands the draft on when Jira answered.
class ConnectionTest : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // Run with the draft that was tested when the test works.
    std::function<void(const SettingsDraft &)> onPassed;

    bool running() const { return m_running; }
    const std::optional<TestResult> &result() const { return m_result; }

    // Clears the last result, then asks the site and fetches the column. Does nothing while a test
    // runs.
    QCoro::Task<> run(SettingsDraft draft);

Q_SIGNALS:
    void runningChanged();
    void resultChanged();

private:
    void setRunning(bool running);
    void setResult(std::optional<TestResult> result);

    bool m_running = false;
    std::optional<TestResult> m_result;
};

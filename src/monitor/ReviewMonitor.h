#pragma once

#include "jira/ReviewIssue.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QSet>
#include <optional>

class AppSettings;
class NotificationManager;

// Polls the watched column, publishes its cards and state, and announces cards that arrive.
class ReviewMonitor : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int issueCount READ issueCount NOTIFY issuesChanged)
    Q_PROPERTY(StateKind stateKind READ stateKind NOTIFY stateChanged)
    Q_PROPERTY(QString errorMessage READ errorMessage NOTIFY stateChanged)
    Q_PROPERTY(QDateTime lastUpdated READ lastUpdatedValue NOTIFY lastUpdatedChanged)

public:
    enum class StateKind { error, needsSetup, loading, ok };
    Q_ENUM(StateKind)

    struct State
    {
        StateKind kind = StateKind::needsSetup;
        QString message; // the error's text; empty for the other kinds
        friend bool operator==(const State &, const State &) = default;
    };

    ReviewMonitor(AppSettings &settings, NotificationManager &notifier, QObject *parent = nullptr);
    ~ReviewMonitor() override;

    const QList<ReviewIssue> &issues() const { return m_issues; }
    const State &state() const { return m_state; }
    const std::optional<QDateTime> &lastUpdated() const { return m_lastUpdated; }

    int issueCount() const { return int(m_issues.size()); }
    StateKind stateKind() const { return m_state.kind; }
    QString errorMessage() const { return m_state.message; }
    QDateTime lastUpdatedValue() const { return m_lastUpdated.value_or(QDateTime()); }

    Q_INVOKABLE void start();
    Q_INVOKABLE void refreshNow();
    // Polls at once, without touching the seeding; used when the computer wakes or the network returns.
    void pollSoon();

    // The running poll timer, for inspection; inactive when polling is not scheduled.
    const QTimer &timer() const { return m_timer; }

Q_SIGNALS:
    void issuesChanged();
    void stateChanged();
    void lastUpdatedChanged();
};

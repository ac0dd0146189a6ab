#pragma once

#include "jira/ReviewIssue.h"

#include <QCoroTask>
#include <QDateTime>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <optional>

class AppSettings;
class NotificationManager;

// Polls the watched column on a timer, publishes its cards and a small state, and announces the
// cards that arrive between two polls. Everything runs on the main thread; one poll at a time.
class ReviewMonitor : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int issueCount READ issueCount NOTIFY issuesChanged)
    Q_PROPERTY(StateKind stateKind READ stateKind NOTIFY stateChanged)
    Q_PROPERTY(QString errorMessage READ errorMessage NOTIFY stateChanged)
    Q_PROPERTY(QDateTime lastUpdated READ lastUpdatedValue NOTIFY lastUpdatedChanged)

public:
    enum class StateKind
    {
        error,
        needsSetup,
        loading,
        ok
    };
    Q_ENUM(StateKind)

    struct State
    {
        StateKind kind = StateKind::needsSetup;
        QString message; // the error's text; empty for the other kinds

        static State error(const QString &message) { return {StateKind::error, message}; }
        friend bool operator==(const State &, const State &) = default;
    };

    // Polls are never closer together than this, whatever the settings say.
    static constexpr int minimumIntervalSeconds = 15;

    ReviewMonitor(AppSettings &settings, NotificationManager &notifier, QObject *parent = nullptr);

    const QList<ReviewIssue> &issues() const { return m_issues; }
    const State &state() const { return m_state; }
    const std::optional<QDateTime> &lastUpdated() const { return m_lastUpdated; }

    int issueCount() const { return int(m_issues.size()); }
    StateKind stateKind() const { return m_state.kind; }
    QString errorMessage() const { return m_state.message; }
    QDateTime lastUpdatedValue() const { return m_lastUpdated.value_or(QDateTime()); }

    // (Re)starts polling: a new timer from the current interval, a poll at once, and the next
    // successful poll only learns the column.
    Q_INVOKABLE void start();
    // Polls once now; the timer and what has been seen stay as they are.
    Q_INVOKABLE void refreshNow();

    // The poll timer and its tolerance, for whoever needs to show or check the schedule.
    const QTimer &timer() const { return m_timer; }
    int toleranceMilliseconds() const { return m_timer.interval() / 10; }

    // The browser link of a card on the site's origin; none when the site is refused.
    static std::optional<QUrl> cardURL(const QString &siteURL, const QString &key);

Q_SIGNALS:
    void issuesChanged();
    void stateChanged();
    void lastUpdatedChanged();

private:
    QCoro::Task<> poll();
    void announce(const QList<ReviewIssue> &newCards, const QString &siteURL,
                  const std::optional<QUrl> &boardURL);
    void setState(State state);

    QList<ReviewIssue> m_issues;
    State m_state;
    std::optional<QDateTime> m_lastUpdated;
    AppSettings &m_settings;
    NotificationManager &m_notifier;
    QTimer m_timer;
    QSet<QString> m_seenKeys;
    bool m_seededThisLaunch = false;
    bool m_isFetching = false;
};

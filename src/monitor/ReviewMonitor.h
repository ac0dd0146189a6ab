#pragma once

#include "jira/ColumnGroup.h"
#include "jira/JiraError.h"
#include "jira/JiraRoute.h"
#include "jira/ReviewIssue.h"
#include "monitor/PollSchedule.h"

#include <QCoroTask>
#include <QDateTime>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QUrl>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class AppSettings;
class ColumnWatch;
class NotificationManager;
struct WatchedColumn;

// Polls the watched columns on a timer, publishes their cards and a small state, and announces the
// cards that arrive between two polls. Everything runs on the main thread; one poll at a time.
//
// A poll reads the columns board by board: the columns of one board come in one read (see
// ColumnGroup), and each column keeps its own cards, state and arrivals (ColumnWatch). A column
// that fails (a board the user cannot see) fails alone; Jira turning down the credentials or
// asking to slow down concerns the connection, and so every column. The whole's cards are every
// column's, each card once, and its state is the worst of theirs.
//
// Every start() begins a generation: a fetch of an earlier one is abandoned and its result is
// neither shown nor learned from, what was learned about the site is forgotten, and the new
// configuration is fetched at once. A poll asked for while one runs is done right after it, once.
// Jira turning down the email and token pauses checking (one try an hour and after a wake-up)
// until a try succeeds, they change or the user asks to refresh; a rate limit holds the next
// automatic poll back for as long as Jira asks (at most an hour). See PollSchedule.
//
// Which cards count as new is ColumnArrivals' rule; 4 or more new cards in a column are announced
// as one batch for that column.
class ReviewMonitor : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int issueCount READ issueCount NOTIFY issuesChanged)
    Q_PROPERTY(StateKind stateKind READ stateKind NOTIFY stateChanged)
    Q_PROPERTY(QString errorMessage READ errorMessage NOTIFY stateChanged)
    Q_PROPERTY(QDateTime lastUpdated READ lastUpdatedValue NOTIFY lastUpdatedChanged)
    Q_PROPERTY(bool paused READ isPaused NOTIFY scheduleChanged)
    Q_PROPERTY(QUrl signInURL READ signInURLValue NOTIFY stateChanged)

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
        // Where the user signs in to Jira in the browser, when Jira asks them to (a CAPTCHA).
        std::optional<QUrl> signInURL;

        static State error(const QString &message, std::optional<QUrl> signInURL = std::nullopt)
        {
            return {StateKind::error, message, std::move(signInURL)};
        }
        friend bool operator==(const State &, const State &) = default;
    };

    // The poll interval of the settings, bounded to these (a hand-edited file may hold anything).
    static constexpr qint64 minimumIntervalSeconds = 15;
    static constexpr qint64 maximumIntervalSeconds = 24 * 60 * 60;
    // The longest a rate limit holds the next automatic poll back, whatever Retry-After says.
    static constexpr qint64 maximumRateLimitWaitSeconds = 60 * 60;

    ReviewMonitor(AppSettings &settings, NotificationManager &notifier, QObject *parent = nullptr);
    ~ReviewMonitor() override;

    // Every watched column's cards, each card once, newest first.
    const QList<ReviewIssue> &issues() const { return m_issues; }
    // The watched columns, in the settings' order, as the last start() found them.
    const std::vector<ColumnWatch> &columns() const { return m_columns; }
    // More than one column is watched: texts name the column.
    bool watchesSeveral() const;
    const State &state() const { return m_state; }
    const std::optional<QDateTime> &lastUpdated() const { return m_lastUpdated; }

    int issueCount() const { return int(m_issues.size()); }
    StateKind stateKind() const { return m_state.kind; }
    QString errorMessage() const { return m_state.message; }
    QDateTime lastUpdatedValue() const { return m_lastUpdated.value_or(QDateTime()); }
    QUrl signInURLValue() const { return m_state.signInURL.value_or(QUrl()); }

    // (Re)starts polling: a new generation, the columns and a new timer from the current settings,
    // a poll at once, and the next successful read of each column only learns it.
    Q_INVOKABLE void start();
    // Polls once now (right after the poll under way, if there is one); what has been seen stays.
    // The user asks for it, so it also resumes checking that was paused.
    Q_INVOKABLE void refreshNow();
    // The same without the user: after the computer woke up. While paused it is the one extra try;
    // while a rate limit holds polls back it does nothing.
    void refreshAfterWake();

    // Automatic checking slowed to one try an hour because Jira rejected the email and token.
    bool isPaused() const { return m_schedule.mode() == PollSchedule::Mode::paused; }
    // Whether a rate limit holds the next automatic poll back.
    bool isHeldBack() const { return m_schedule.mode() == PollSchedule::Mode::heldBack; }
    // What the tray and the popover add to the error while paused: when the next try is, and what
    // ends the pause. Empty otherwise. (A rate limit's error says itself when the next try is.)
    QString scheduleNote() const;

    // The poll timer and its tolerance, for whoever needs to show or check the schedule.
    const QTimer &timer() const { return m_schedule.timer(); }
    int toleranceMilliseconds() const { return timer().interval() / 10; }

    // What this generation learned about reaching the site (the board read, the gateway).
    const JiraRoute &route() const { return *m_route; }
    // When the last poll ended, successful or not; invalid before the first.
    const QDateTime &lastPolled() const { return m_lastPolled; }

    // The browser link of a card under the site's base; none when the site is refused.
    static std::optional<QUrl> cardURL(const QString &siteURL, const QString &key);

Q_SIGNALS:
    // Said when the cards or the state (of the whole or of a column) differ from before, not for
    // every poll: a poll that finds the columns as they were changes nothing the tray or the list
    // show. lastUpdatedChanged comes with
    // every success, polled() at the end of every poll.
    void issuesChanged();
    void stateChanged();
    void polled();
    void lastUpdatedChanged();
    // Paused, held back or back to the regular cadence.
    void scheduleChanged();

private:
    // A poll under way, and whether another was asked for meanwhile.
    enum class Flight
    {
        idle,
        fetching,
        fetchingThenAgain
    };

    void pollNow();
    void due();
    QCoro::Task<> poll(quint64 generation);
    void setColumns(const QList<WatchedColumn> &watched);
    void read(const ColumnGroup &group, const QList<ReviewIssue> &cards, const QString &siteURL);
    void failed(const JiraError &error);
    void setColumnState(qsizetype position, const State &state);
    void gather();
    void landed();
    void runRegularly();
    QString nextPollText() const;
    void tokenChanged();
    State incompleteState() const;
    void announce(const QList<ReviewIssue> &newCards, const ColumnWatch &column, const QString &siteURL);
    void setState(State state);

    QList<ReviewIssue> m_issues;
    State m_state;
    std::optional<QDateTime> m_lastUpdated;
    AppSettings &m_settings;
    NotificationManager &m_notifier;
    PollSchedule m_schedule;
    std::vector<ColumnWatch> m_columns;
    QList<ColumnGroup> m_groups; // the reads a poll makes, board by board
    // Set while a poll runs when a column's cards or state changed; the whole is gathered after it.
    bool m_cardsMoved = false;
    bool m_statesMoved = false;
    Flight m_flight = Flight::idle;
    bool m_waitingForSettings = true; // the last start() found the settings incomplete
    quint64 m_generation = 0;
    // The error that paused checking, for the note on what ends the pause.
    std::optional<JiraError> m_pausedBy;
    // What this generation learned about reaching the site.
    std::shared_ptr<JiraRoute> m_route = std::make_shared<JiraRoute>();
    // Lives as long as the fetch under way; destroying it abandons that fetch.
    std::unique_ptr<QObject> m_fetchScope;
    QDateTime m_lastPolled;
};

#pragma once

#include <QDateTime>
#include <QObject>
#include <QTimer>
#include <chrono>

// When the next automatic poll comes, as one state with one timer:
// - stopped: none (the settings are incomplete);
// - regular: every interval;
// - heldBack: once a rate limit's wait is over, then regular again;
// - paused: the credentials were rejected, so only one try an hour, since every try is another
//   failed login and Atlassian answers a run of them with a CAPTCHA that locks the user's other
//   tools out too.
class PollSchedule : public QObject
{
    Q_OBJECT

public:
    enum class Mode
    {
        stopped,
        regular,
        heldBack,
        paused
    };
    Q_ENUM(Mode)

    static constexpr std::chrono::seconds defaultPausedRetry{60 * 60};

    explicit PollSchedule(QObject *parent = nullptr);

    Mode mode() const { return m_mode; }
    // When the timer fires next; invalid while stopped.
    QDateTime nextPoll() const;
    const QTimer &timer() const { return m_timer; }

    void stop();
    void runRegularly(std::chrono::seconds interval);
    // Holds the next poll back by `wait`, unless the regular cadence comes later anyway.
    void holdBack(std::chrono::seconds wait);
    // One try an hour from now on (and from now, when already paused).
    void pause();

    // Tests shorten the hour between tries while paused; zero restores it.
    static void setPausedRetryForTesting(std::chrono::milliseconds retry);

Q_SIGNALS:
    // A poll is due.
    void due();
    void modeChanged();

private:
    void setMode(Mode mode);
    void fired();

    Mode m_mode = Mode::stopped;
    std::chrono::seconds m_interval{0};
    QTimer m_timer;
};

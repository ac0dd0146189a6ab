#include "monitor/PollSchedule.h"

namespace {

std::chrono::milliseconds pausedRetry = PollSchedule::defaultPausedRetry;

} // namespace

PollSchedule::PollSchedule(QObject *parent) : QObject(parent)
{
    // A coarse timer lets the system batch wake-ups: a poll may come a little early or late.
    m_timer.setTimerType(Qt::CoarseTimer);
    connect(&m_timer, &QTimer::timeout, this, &PollSchedule::fired);
}

QDateTime PollSchedule::nextPoll() const
{
    if (!m_timer.isActive())
        return {};
    return QDateTime::currentDateTime().addMSecs(m_timer.remainingTime());
}

void PollSchedule::stop()
{
    m_timer.stop();
    setMode(Mode::stopped);
}

void PollSchedule::runRegularly(std::chrono::seconds interval)
{
    m_interval = interval;
    m_timer.start(interval);
    setMode(Mode::regular);
}

void PollSchedule::holdBack(std::chrono::seconds wait)
{
    if (m_mode == Mode::regular && std::chrono::milliseconds(m_timer.remainingTime()) >= wait)
        return;
    m_timer.start(wait);
    setMode(Mode::heldBack);
}

void PollSchedule::pause()
{
    m_timer.start(pausedRetry);
    setMode(Mode::paused);
}

void PollSchedule::fired()
{
    // The wait is over: the cadence resumes from here.
    if (m_mode == Mode::heldBack)
        runRegularly(m_interval);
    Q_EMIT due();
}

void PollSchedule::setMode(Mode mode)
{
    if (mode == m_mode)
        return;
    m_mode = mode;
    Q_EMIT modeChanged();
}

void PollSchedule::setPausedRetryForTesting(std::chrono::milliseconds retry)
{
    pausedRetry = retry.count() > 0 ? retry : std::chrono::milliseconds(defaultPausedRetry);
}

#include "monitor/ReviewMonitor.h"

#include "jira/JiraClient.h"
#include "jira/JiraError.h"
#include "jira/JiraSite.h"
#include "logging/LogCategories.h"
#include "monitor/PauseNote.h"
#include "notifications/NotificationManager.h"
#include "settings/AppSettings.h"

#include <QLocale>
#include <QPointer>
#include <algorithm>
#include <utility>

namespace {

constexpr qsizetype largestGroupAnnouncedOneByOne = 3;

// Newest first; cards without a time count as the most distant past. Stable, so equal times
// (and all cards without one) keep the board's order.
void sortNewestFirst(QList<ReviewIssue> &cards)
{
    std::stable_sort(cards.begin(), cards.end(), [](const ReviewIssue &a, const ReviewIssue &b) {
        if (!a.updated)
            return false;
        if (!b.updated)
            return true;
        return *a.updated > *b.updated;
    });
}

} // namespace

ReviewMonitor::ReviewMonitor(AppSettings &settings, NotificationManager &notifier, QObject *parent)
    : QObject(parent), m_settings(settings), m_notifier(notifier)
{
    connect(&m_schedule, &PollSchedule::due, this, &ReviewMonitor::due);
    connect(this, &ReviewMonitor::polled, this, [this] { m_lastPolled = QDateTime::currentDateTime(); });
    connect(&m_schedule, &PollSchedule::modeChanged, this, &ReviewMonitor::scheduleChanged);
    // Queued: a save of the settings window assigns the token before it restarts the monitor, and
    // the restart must come first.
    connect(&settings, &AppSettings::tokenChanged, this, &ReviewMonitor::tokenChanged, Qt::QueuedConnection);
}

ReviewMonitor::~ReviewMonitor() = default;

void ReviewMonitor::start()
{
    ++m_generation;
    m_fetchScope.reset(); // abandons the fetch of the generation before
    m_flight = Flight::idle;
    m_route = std::make_shared<JiraRoute>();
    m_waitingForSettings = !m_settings.isConfigured();
    if (m_waitingForSettings) {
        m_schedule.stop();
        setState(incompleteState());
        return;
    }
    m_seededThisLaunch = false;
    m_seenKeys.clear();
    m_missedOnce.clear();
    runRegularly();
    pollNow();
}

void ReviewMonitor::runRegularly()
{
    const qint64 seconds =
        std::clamp<qint64>(m_settings.pollInterval(), minimumIntervalSeconds, maximumIntervalSeconds);
    m_schedule.runRegularly(std::chrono::seconds(seconds));
}

void ReviewMonitor::refreshNow()
{
    if (!m_settings.isConfigured()) {
        setState(incompleteState());
        return;
    }
    if (isPaused())
        runRegularly();
    pollNow();
}

void ReviewMonitor::refreshAfterWake()
{
    // A wake-up is one more try while paused; an hour of sleep may well have been the hour.
    if (isPaused())
        pollNow();
    else if (!isHeldBack())
        refreshNow();
}

void ReviewMonitor::due()
{
    // A tick while a poll runs is simply dropped: the next one comes an interval later.
    if (m_flight == Flight::idle)
        pollNow();
}

void ReviewMonitor::tokenChanged()
{
    // A new token is worth a try; a token that could not be read until now completes the settings
    // the last start() found wanting (read at launch, or the keyring was locked at login). A read
    // that found nothing ends the wait for it as well.
    if (isPaused())
        refreshNow();
    else if (m_waitingForSettings)
        start();
}

ReviewMonitor::State ReviewMonitor::incompleteState() const
{
    // The keyring is still asked for the stored token, as at every launch: that is loading, not
    // a setup to do.
    if (m_settings.tokenReading() && !m_settings.siteURL().isEmpty())
        return {StateKind::loading, {}, {}};
    return {StateKind::needsSetup, {}, {}};
}

void ReviewMonitor::pollNow()
{
    if (!m_settings.isConfigured()) {
        setState(incompleteState());
        return;
    }
    if (m_flight != Flight::idle) {
        m_flight = Flight::fetchingThenAgain;
        return;
    }
    poll(m_generation);
}

QCoro::Task<> ReviewMonitor::poll(quint64 generation)
{
    m_flight = Flight::fetching;
    if (!m_lastUpdated)
        setState({StateKind::loading, {}, {}});

    const JiraClient client(m_settings.jiraConfig(), m_route);
    m_fetchScope = std::make_unique<QObject>();
    QPointer<ReviewMonitor> self(this);
    auto result = co_await client.fetchReviewIssues(m_fetchScope.get());
    // The monitor went away, or a start() began another generation: this result belongs to
    // nobody, and the poll of the new generation is already under way.
    if (!self || generation != m_generation)
        co_return;
    m_fetchScope.reset();

    if (!result.ok()) {
        qCDebug(norridMonitor) << "poll failed:" << int(result.error().kind());
        failed(result.error());
        co_return;
    }
    QList<ReviewIssue> cards = std::move(result.value());
    sortNewestFirst(cards);
    qCDebug(norridMonitor) << "poll found" << cards.size() << "cards";
    learn(cards, client.config().siteURL, client.boardURL());
    // A column that did not change changes nothing the tray or the list draw: most polls of a day.
    if (cards != m_issues) {
        m_issues = std::move(cards);
        Q_EMIT issuesChanged();
    }
    m_lastUpdated = QDateTime::currentDateTime();
    Q_EMIT lastUpdatedChanged();
    setState({StateKind::ok, {}, {}});
    if (isPaused())
        runRegularly();
    landed();
    Q_EMIT polled();
}

void ReviewMonitor::learn(const QList<ReviewIssue> &cards, const QString &siteURL,
                          const std::optional<QUrl> &boardURL)
{
    QSet<QString> currentKeys;
    currentKeys.reserve(cards.size());
    for (const ReviewIssue &card : cards)
        currentKeys.insert(card.key);

    if (!m_seededThisLaunch) {
        m_seededThisLaunch = true;
    } else {
        QList<ReviewIssue> newCards;
        for (const ReviewIssue &card : cards) {
            if (!m_seenKeys.contains(card.key) && !m_missedOnce.contains(card.key))
                newCards.append(card);
        }
        announce(newCards, siteURL, boardURL);
    }
    m_missedOnce = m_seenKeys - currentKeys;
    m_seenKeys = std::move(currentKeys);
}

void ReviewMonitor::landed()
{
    const bool again = m_flight == Flight::fetchingThenAgain;
    m_flight = Flight::idle;
    if (again)
        pollNow();
}

void ReviewMonitor::failed(const JiraError &error)
{
    QString message = error.descriptionWithExplanation();
    if (error.credentialsRejected()) {
        // Each further try is one more failed login: the follow-up is dropped as well.
        m_flight = Flight::idle;
        m_schedule.pause();
        m_pausedBy = error;
        setState(State::error(message, error.signInURL()));
        Q_EMIT scheduleChanged(); // the next try moved, and the note says when
        Q_EMIT polled();
        return;
    }
    if (const auto wait = error.retryAfterSeconds()) {
        m_flight = Flight::idle;
        m_schedule.holdBack(std::chrono::seconds(std::clamp<qint64>(*wait, 0, maximumRateLimitWaitSeconds)));
        message += QStringLiteral(" Norrid tries again at %1.").arg(nextPollText());
        setState(State::error(message));
        Q_EMIT polled();
        return;
    }
    setState(State::error(message));
    landed();
    Q_EMIT polled();
}

QString ReviewMonitor::nextPollText() const
{
    return QLocale().toString(m_schedule.nextPoll().time(), QLocale::ShortFormat);
}

QString ReviewMonitor::scheduleNote() const
{
    if (!isPaused() || !m_pausedBy)
        return {};
    return PauseNote::text(*m_pausedBy, nextPollText());
}

void ReviewMonitor::announce(const QList<ReviewIssue> &newCards, const QString &siteURL,
                             const std::optional<QUrl> &boardURL)
{
    if (newCards.size() > largestGroupAnnouncedOneByOne) {
        QStringList keys;
        keys.reserve(newCards.size());
        for (const ReviewIssue &card : newCards)
            keys.append(card.key);
        m_notifier.notifyBatch(keys, boardURL);
        return;
    }
    for (const ReviewIssue &card : newCards)
        m_notifier.notify(card, cardURL(siteURL, card.key));
}

std::optional<QUrl> ReviewMonitor::cardURL(const QString &siteURL, const QString &key)
{
    return JiraSite::read(siteURL).cardURL(key);
}

void ReviewMonitor::setState(State state)
{
    // Said only when it changes: a poll that finds things as they were redraws nothing.
    if (state == m_state)
        return;
    m_state = std::move(state);
    Q_EMIT stateChanged();
}

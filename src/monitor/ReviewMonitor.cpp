#include "monitor/ReviewMonitor.h"

#include "jira/JiraClient.h"
#include "jira/JiraError.h"
#include "jira/JiraSite.h"
#include "notifications/NotificationManager.h"
#include "settings/AppSettings.h"

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
    // A coarse timer lets the system batch wake-ups: a poll may come a little early or late.
    m_timer.setTimerType(Qt::CoarseTimer);
    connect(&m_timer, &QTimer::timeout, this, &ReviewMonitor::tick);
    m_holdTimer.setSingleShot(true);
    connect(&m_holdTimer, &QTimer::timeout, this, [this] {
        startTimer();
        pollNow();
    });
    // Queued: a save of the settings window assigns the token before it restarts the monitor, and
    // the restart must come first.
    connect(&settings, &AppSettings::tokenChanged, this, &ReviewMonitor::tokenChanged, Qt::QueuedConnection);
}

ReviewMonitor::~ReviewMonitor() = default;

void ReviewMonitor::start()
{
    ++m_generation;
    m_fetchScope.reset(); // abandons the fetch of the generation before
    m_isFetching = false;
    m_followUp = false;
    m_timer.stop();
    m_holdTimer.stop();
    setPaused(false);
    m_waitingForSettings = !m_settings.isConfigured();
    if (m_waitingForSettings) {
        setState({StateKind::needsSetup, {}});
        return;
    }
    m_seededThisLaunch = false;
    m_seenKeys.clear();
    startTimer();
    pollNow();
}

void ReviewMonitor::startTimer()
{
    const qint64 seconds =
        std::clamp<qint64>(m_settings.pollInterval(), minimumIntervalSeconds, maximumIntervalSeconds);
    m_timer.start(std::chrono::seconds(seconds));
}

void ReviewMonitor::refreshNow()
{
    if (!m_settings.isConfigured()) {
        setState({StateKind::needsSetup, {}});
        return;
    }
    if (m_paused) {
        setPaused(false);
        startTimer();
    }
    pollNow();
}

void ReviewMonitor::refreshAfterWake()
{
    if (!m_paused && !m_holdTimer.isActive())
        refreshNow();
}

void ReviewMonitor::tick()
{
    // A tick while a poll runs is simply dropped: the next one comes an interval later.
    if (!m_isFetching)
        pollNow();
}

void ReviewMonitor::tokenChanged()
{
    // A new token is worth a try; a token that could not be read until now completes the settings
    // the last start() found wanting (the keyring was locked at login).
    if (m_paused)
        refreshNow();
    else if (m_waitingForSettings && m_settings.isConfigured())
        start();
}

void ReviewMonitor::pollNow()
{
    if (!m_settings.isConfigured()) {
        setState({StateKind::needsSetup, {}});
        return;
    }
    if (m_isFetching) {
        m_followUp = true;
        return;
    }
    poll(m_generation);
}

QCoro::Task<> ReviewMonitor::poll(quint64 generation)
{
    m_isFetching = true;
    if (!m_lastUpdated)
        setState({StateKind::loading, {}});

    const JiraClient client(m_settings.jiraConfig());
    m_fetchScope = std::make_unique<QObject>();
    QPointer<ReviewMonitor> self(this);
    auto result = co_await client.fetchReviewIssues(m_fetchScope.get());
    // The monitor went away, or a start() began another generation: this result belongs to
    // nobody, and the poll of the new generation is already under way.
    if (!self || generation != m_generation)
        co_return;
    m_fetchScope.reset();

    if (!result.ok()) {
        failed(result.error());
        co_return;
    }

    QList<ReviewIssue> cards = std::move(result.value());
    sortNewestFirst(cards);
    QSet<QString> currentKeys;
    currentKeys.reserve(cards.size());
    for (const ReviewIssue &card : std::as_const(cards))
        currentKeys.insert(card.key);

    if (!m_seededThisLaunch) {
        m_seededThisLaunch = true;
    } else {
        QList<ReviewIssue> newCards;
        for (const ReviewIssue &card : std::as_const(cards)) {
            if (!m_seenKeys.contains(card.key))
                newCards.append(card);
        }
        announce(newCards, client.config().siteURL, client.boardURL());
    }

    m_seenKeys = std::move(currentKeys);
    m_issues = std::move(cards);
    Q_EMIT issuesChanged();
    m_lastUpdated = QDateTime::currentDateTime();
    Q_EMIT lastUpdatedChanged();
    setState({StateKind::ok, {}});
    m_isFetching = false;
    if (std::exchange(m_followUp, false))
        pollNow();
}

void ReviewMonitor::failed(const JiraError &error)
{
    setState(State::error(error.descriptionWithExplanation()));
    m_isFetching = false;
    if (error.credentialsRejected()) {
        // Each further try is one more failed login, and Atlassian answers those with a CAPTCHA
        // that locks the user's other tools out too.
        m_followUp = false;
        m_timer.stop();
        m_holdTimer.stop();
        setPaused(true);
        return;
    }
    if (const auto wait = error.retryAfterSeconds()) {
        const qint64 seconds = std::clamp<qint64>(*wait, 0, maximumRateLimitWaitSeconds);
        m_followUp = false;
        if (seconds * 1000 > m_timer.remainingTime()) {
            m_timer.stop();
            m_holdTimer.start(std::chrono::seconds(seconds));
        }
        return;
    }
    if (std::exchange(m_followUp, false))
        pollNow();
}

void ReviewMonitor::setPaused(bool paused)
{
    if (paused == m_paused)
        return;
    m_paused = paused;
    Q_EMIT pausedChanged();
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
    return JiraSite::read(siteURL).link(QStringLiteral("/browse/") + key);
}

void ReviewMonitor::setState(State state)
{
    m_state = std::move(state);
    Q_EMIT stateChanged();
}

#include "monitor/ReviewMonitor.h"

#include "jira/JiraClient.h"
#include "jira/JiraSite.h"
#include "notifications/NotificationManager.h"
#include "settings/AppSettings.h"

#include <QPointer>
#include <algorithm>

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
    connect(&m_timer, &QTimer::timeout, this, [this] { poll(); });
}

void ReviewMonitor::start()
{
    m_timer.stop();
    if (!m_settings.isConfigured()) {
        setState({StateKind::needsSetup, {}});
        return;
    }
    m_seededThisLaunch = false;
    m_seenKeys.clear();
    const qint64 seconds = std::max<qint64>(m_settings.pollInterval(), minimumIntervalSeconds);
    m_timer.start(std::chrono::seconds(seconds));
    poll();
}

void ReviewMonitor::refreshNow()
{
    if (m_settings.isConfigured())
        poll();
    else
        setState({StateKind::needsSetup, {}});
}

QCoro::Task<> ReviewMonitor::poll()
{
    if (!m_settings.isConfigured()) {
        setState({StateKind::needsSetup, {}});
        co_return;
    }
    if (m_isFetching)
        co_return;
    m_isFetching = true;
    if (!m_lastUpdated)
        setState({StateKind::loading, {}});

    const JiraClient client(m_settings.jiraConfig());
    QPointer<ReviewMonitor> self(this);
    auto result = co_await client.fetchReviewIssues();
    if (!self)
        co_return; // the monitor went away while Jira answered: nothing to update

    if (!result.ok()) {
        setState(State::error(result.error().descriptionWithExplanation()));
        m_isFetching = false;
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

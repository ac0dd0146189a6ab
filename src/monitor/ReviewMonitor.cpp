#include "monitor/ReviewMonitor.h"

#include "jira/ColumnGroup.h"
#include "jira/JiraClient.h"
#include "jira/JiraError.h"
#include "jira/JiraSite.h"
#include "logging/LogCategories.h"
#include "monitor/ColumnWatch.h"
#include "monitor/PauseNote.h"
#include "notifications/NotificationManager.h"
#include "settings/AppSettings.h"

#include <QLocale>
#include <QPointer>
#include <algorithm>
#include <utility>

namespace {

constexpr qsizetype largestGroupAnnouncedOneByOne = 3;

const char *const incompleteColumnText =
    QT_TRANSLATE_NOOP("ReviewMonitor", "This column needs a board and a status. Add them in Settings.");

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

bool ReviewMonitor::watchesSeveral() const
{
    return m_columns.size() > 1;
}

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
    setColumns(m_settings.columns());
    runRegularly();
    pollNow();
}

void ReviewMonitor::setColumns(const QList<WatchedColumn> &watched)
{
    // A column that stays keeps its cards and state until its next read; a new one starts loading.
    std::vector<ColumnWatch> columns;
    columns.reserve(size_t(watched.size()));
    for (const WatchedColumn &column : watched) {
        const auto kept = std::find_if(m_columns.begin(), m_columns.end(),
                                       [&](const ColumnWatch &watch) { return watch.column() == column; });
        columns.push_back(kept == m_columns.end() ? ColumnWatch(column) : std::move(*kept));
        columns.back().restart();
    }
    m_columns = std::move(columns);
    // Which reads serve the columns changes only with the settings; a column without a board or a
    // status is read by none and says so until they change.
    m_groups = ColumnGroup::of(watched);
    for (qsizetype position = 0; position < watched.size(); ++position) {
        if (!watched[position].isComplete())
            setColumnState(position, State::error(tr(incompleteColumnText)));
    }
    m_cardsMoved = m_statesMoved = true;
    gather();
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

    const JiraConfig config = m_settings.jiraConfig();
    const QList<ColumnGroup> groups = m_groups; // a start() meanwhile replaces the member
    m_fetchScope = std::make_unique<QObject>();
    QPointer<ReviewMonitor> self(this);
    bool anyRead = false;
    for (const ColumnGroup &group : groups) {
        const JiraClient client(config, m_route);
        auto result = co_await client.fetchColumns(group, m_fetchScope.get());
        // The monitor went away, or a start() began another generation: this result belongs to
        // nobody, and the poll of the new generation is already under way.
        if (!self || generation != m_generation)
            co_return;
        if (result.ok()) {
            qCDebug(norridMonitor) << "board" << group.boardId << "read:" << result.value().size() << "cards";
            read(group, result.value(), config.siteURL);
            anyRead = true;
            continue;
        }
        const JiraError &error = result.error();
        qCDebug(norridMonitor) << "board" << group.boardId << "failed:" << int(error.kind());
        if (error.credentialsRejected() || error.retryAfterSeconds()) {
            // The connection's answer, not the board's: it stands for every column, and the reads
            // still to come would only meet it again.
            m_fetchScope.reset();
            failed(error);
            co_return;
        }
        for (const qsizetype position : group.positions)
            setColumnState(position, State::error(error.descriptionWithExplanation()));
    }
    m_fetchScope.reset();
    gather();
    if (anyRead) {
        m_lastUpdated = QDateTime::currentDateTime();
        Q_EMIT lastUpdatedChanged();
        if (isPaused())
            runRegularly();
    }
    landed();
    Q_EMIT polled();
}

void ReviewMonitor::read(const ColumnGroup &group, const QList<ReviewIssue> &cards, const QString &siteURL)
{
    qsizetype unmatched = 0;
    const QList<QList<ReviewIssue>> byColumn = group.split(cards, &unmatched);
    if (unmatched > 0)
        qCWarning(norridMonitor) << "board" << group.boardId << "sent" << unmatched
                                 << "cards of a status no column watches";
    for (qsizetype i = 0; i < group.positions.size(); ++i) {
        ColumnWatch &column = m_columns[size_t(group.positions[i])];
        bool changed = false;
        const QList<ReviewIssue> arrived = column.read(byColumn[i], &changed);
        m_cardsMoved = m_cardsMoved || changed;
        m_statesMoved = true;
        announce(arrived, column, siteURL);
    }
}

void ReviewMonitor::setColumnState(qsizetype position, const State &state)
{
    if (m_columns[size_t(position)].setState(state))
        m_statesMoved = true;
}

void ReviewMonitor::gather()
{
    if (m_cardsMoved) {
        m_cardsMoved = false;
        QList<ReviewIssue> cards;
        QSet<QString> keys;
        for (const ColumnWatch &column : m_columns) {
            for (const ReviewIssue &card : column.cards()) {
                if (!keys.contains(card.key)) {
                    keys.insert(card.key);
                    cards.append(card);
                }
            }
        }
        if (watchesSeveral())
            ColumnWatch::sortNewestFirst(cards);
        // A column that did not change changes nothing the tray or the list draw: most polls of a
        // day. With several, the same cards may still have moved between columns.
        const bool wholeChanged = cards != m_issues;
        if (wholeChanged)
            m_issues = std::move(cards);
        if (wholeChanged || watchesSeveral())
            Q_EMIT issuesChanged();
    }
    // The whole's state is the worst of the columns': the first error, else loading, else ok.
    State whole{StateKind::ok, {}, {}};
    for (const ColumnWatch &column : m_columns) {
        if (column.state().kind == StateKind::error) {
            whole = column.state();
            break;
        }
        if (column.state().kind == StateKind::loading)
            whole = {StateKind::loading, {}, {}};
    }
    const bool columnsMoved = m_statesMoved;
    m_statesMoved = false;
    if (whole != m_state)
        setState(std::move(whole));
    else if (columnsMoved && watchesSeveral())
        Q_EMIT stateChanged();
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
    // Every column that is read; one without a board or a status keeps saying so.
    const auto everyColumn = [this](const State &state) {
        for (const ColumnGroup &group : std::as_const(m_groups))
            for (const qsizetype position : group.positions)
                setColumnState(position, state);
        gather();
    };
    QString message = error.descriptionWithExplanation();
    if (error.credentialsRejected()) {
        // Each further try is one more failed login: the follow-up is dropped as well.
        m_flight = Flight::idle;
        m_schedule.pause();
        m_pausedBy = error;
        everyColumn(State::error(message, error.signInURL()));
        Q_EMIT scheduleChanged(); // the next try moved, and the note says when
        Q_EMIT polled();
        return;
    }
    const auto wait = error.retryAfterSeconds();
    m_flight = Flight::idle;
    m_schedule.holdBack(
        std::chrono::seconds(std::clamp<qint64>(wait.value_or(0), 0, maximumRateLimitWaitSeconds)));
    message = tr("%1 Norrid tries again at %2.").arg(message, nextPollText());
    everyColumn(State::error(message));
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

void ReviewMonitor::announce(const QList<ReviewIssue> &newCards, const ColumnWatch &column,
                             const QString &siteURL)
{
    if (newCards.isEmpty())
        return;
    // With one column watched, every text stays as it always was.
    const QString columnTitle = watchesSeveral() ? column.column().title() : QString();
    const JiraSite site = JiraSite::read(siteURL);
    if (newCards.size() > largestGroupAnnouncedOneByOne) {
        QStringList keys;
        keys.reserve(newCards.size());
        for (const ReviewIssue &card : newCards)
            keys.append(card.key);
        m_notifier.notifyBatch(keys, site.boardURL(column.column().boardId.trimmed()), columnTitle);
        return;
    }
    for (const ReviewIssue &card : newCards)
        m_notifier.notify(card, site.cardURL(card.key), columnTitle);
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

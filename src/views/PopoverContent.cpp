#include "views/PopoverContent.h"

#include "monitor/ColumnWatch.h"
#include "monitor/ReviewMonitor.h"
#include "notifications/NotificationManager.h"
#include "settings/AppSettings.h"
#include "settings/KeyringText.h"
#include "updates/UpdateState.h"
#include "views/IssueListModel.h"
#include "views/PopoverMetrics.h"
#include "views/RelativeTime.h"
#include "views/WatchSummary.h"

using StateKind = ReviewMonitor::StateKind;

PopoverContent::PopoverContent(ReviewMonitor &monitor, NotificationManager &notifier,
                               const UpdateState &updateState, const AppSettings &settings, QObject *parent)
    : QObject(parent), m_monitor(monitor), m_notifier(notifier), m_settings(settings),
      m_updateState(updateState), m_issues(new IssueListModel(monitor, settings, this)),
      m_metrics(new PopoverMetrics(this))
{
    connect(m_metrics, &PopoverMetrics::changed, this, &PopoverContent::changed);
    connect(&monitor, &ReviewMonitor::scheduleChanged, this, &PopoverContent::changed);
    connect(&settings, &AppSettings::tokenUnavailableChanged, this, &PopoverContent::changed);
    connect(&monitor, &ReviewMonitor::issuesChanged, this, &PopoverContent::changed);
    connect(&monitor, &ReviewMonitor::stateChanged, this, &PopoverContent::changed);
    connect(&monitor, &ReviewMonitor::lastUpdatedChanged, this, &PopoverContent::changed);
    connect(&notifier, &NotificationManager::authorizationDeniedChanged, this, &PopoverContent::changed);
    connect(&updateState, &UpdateState::availableVersionChanged, this, &PopoverContent::changed);
}

int PopoverContent::count() const
{
    return m_monitor.issueCount();
}

QString PopoverContent::countAccessibleName() const
{
    return tr("%n cards to review", nullptr, count());
}

QString PopoverContent::subtitle() const
{
    switch (m_monitor.state().kind) {
    case StateKind::needsSetup:
        return tr("Not connected");
    case StateKind::error:
        // One failing column of several is that column's problem, said in its section.
        if (!m_monitor.watchesSeveral() || everyColumnFails() || !m_monitor.lastUpdated())
            return tr("Connection problem");
        break;
    case StateKind::loading:
    case StateKind::ok:
        break;
    }
    if (const auto &updated = m_monitor.lastUpdated())
        return tr("Updated %1").arg(RelativeTime::string(*updated));
    return tr("Loading…");
}

bool PopoverContent::everyColumnFails() const
{
    const auto &columns = m_monitor.columns();
    return std::all_of(columns.cbegin(), columns.cend(),
                       [](const ColumnWatch &column) { return column.state().kind == StateKind::error; });
}

PopoverContent::MainArea PopoverContent::mainArea() const
{
    const bool empty = m_monitor.issues().isEmpty();
    // With several columns each section says how its column fares (empty, failing); only what
    // concerns them all takes the whole area.
    switch (m_monitor.state().kind) {
    case StateKind::needsSetup:
        return MainArea::setup;
    case StateKind::loading:
        return empty ? MainArea::loading : MainArea::list;
    case StateKind::ok:
        return empty && !m_monitor.watchesSeveral() ? MainArea::empty : MainArea::list;
    case StateKind::error:
        return empty && everyColumnFails() ? MainArea::error : MainArea::list;
    }
    return MainArea::setup;
}

QString PopoverContent::errorMessage() const
{
    return m_monitor.state().kind == StateKind::error ? WatchSummary::of(m_monitor, m_settings, {}).message
                                                      : QString();
}

bool PopoverContent::keyringBlocks() const
{
    // A first run has nothing stored to read: what it lacks is the setup, whatever the keyring does.
    // The email may be empty (a personal access token); a stored site says that setup was done.
    return m_settings.keyringState().owed == KeyringState::Owed::read && !m_settings.siteURL().isEmpty();
}

QString PopoverContent::setupTitle() const
{
    return keyringBlocks() ? KeyringText::title(m_settings.keyringState()) : tr("Connect to Jira");
}

QString PopoverContent::setupText() const
{
    if (keyringBlocks())
        return KeyringText::sentence(m_settings.keyringState());
    const QString setup = tr("Add your Jira email and API token to start watching the To review column.");
    // An old token that waits to be deleted is worth a word; it does not keep the setup from going on.
    const QString keyring = KeyringText::sentence(m_settings.keyringState());
    return keyring.isEmpty() ? setup : setup + u' ' + keyring;
}

QString PopoverContent::keyringNote() const
{
    return keyringBlocks() ? KeyringText::trayNote(m_settings.keyringState()) : QString();
}

bool PopoverContent::showsFooterError() const
{
    // With several columns, a failing column says so in its section; the footer speaks only for all.
    return m_monitor.state().kind == StateKind::error && !m_monitor.issues().isEmpty() &&
           (!m_monitor.watchesSeveral() || everyColumnFails());
}

bool PopoverContent::canSignIn() const
{
    return m_monitor.state().kind == StateKind::error && m_monitor.state().signInURL.has_value();
}

bool PopoverContent::showsUpdate() const
{
    return m_updateState.availableVersion().has_value();
}

QString PopoverContent::updateText() const
{
    return tr("Version %1 is available").arg(m_updateState.availableVersionText());
}

QString PopoverContent::updateTooltip() const
{
    return tr("Download and install Norrid %1").arg(m_updateState.availableVersionText());
}

QString PopoverContent::updateAccessibleName() const
{
    return tr("Norrid %1 is available. Install the update.").arg(m_updateState.availableVersionText());
}

bool PopoverContent::showsWarning() const
{
    return m_notifier.authorizationDenied();
}

double PopoverContent::height() const
{
    if (m_monitor.watchesSeveral()) {
        if (mainArea() != MainArea::list)
            return m_metrics->height(0, showsWarning(), showsUpdate());
        return m_metrics->height(m_issues->cardRows(), m_issues->headingRows(), m_issues->noteRows(),
                                 showsWarning(), showsUpdate());
    }
    return m_metrics->height(count(), showsWarning(), showsUpdate());
}

void PopoverContent::refresh()
{
    m_monitor.refreshNow();
}
void PopoverContent::installUpdate()
{
    run(onInstallUpdate);
}
void PopoverContent::openBoard()
{
    run(onOpenBoard);
}
void PopoverContent::openSettings()
{
    run(onOpenSettings);
}
void PopoverContent::quit()
{
    run(onQuit);
}
void PopoverContent::enableNotifications()
{
    m_notifier.openNotificationSettings();
}

void PopoverContent::openIssue(const QUrl &url)
{
    if (!url.isValid() || (url.scheme() != QLatin1String("https") && url.scheme() != QLatin1String("http")))
        return;
    if (openURL)
        openURL(url);
}

void PopoverContent::refreshTimes()
{
    m_issues->refreshAges();
    Q_EMIT changed();
}

void PopoverContent::run(const std::function<void()> &action)
{
    if (action)
        action();
}

void PopoverContent::signIn()
{
    if (canSignIn())
        openIssue(*m_monitor.state().signInURL);
}

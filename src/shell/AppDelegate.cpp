#include "shell/AppDelegate.h"

#include "BuildInfo.h"
#include "jira/ColumnGroup.h"
#include "jira/JiraClient.h"
#include "jira/JiraRoute.h"
#include "jira/JiraSite.h"
#include "monitor/ReviewMonitor.h"
#include "monitor/WakeWatcher.h"
#include "notifications/NotificationManager.h"
#include "notifications/NotificationSnooze.h"
#include "settings/AppSettings.h"
#include "settings/KeyringText.h"
#include "settings/SystemLog.h"
#include "shell/PopoverWindow.h"
#include "shell/SettingsWindowController.h"
#include "shell/StatusPresentation.h"
#include "shell/TrayIcon.h"
#include "shell/TrayWatcher.h"
#include "shell/UpdateWindowController.h"
#include "updates/GentleUpdateReminder.h"
#include "updates/Updater.h"
#include "updates/UpdaterFactory.h"
#include "views/DiagnosticReport.h"
#include "views/PopoverContent.h"
#include "views/PopoverMetrics.h"
#include "views/SettingsForm.h"
#include "views/WatchSummary.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMessageBox>
#include <QNetworkProxyFactory>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QTimer>

namespace {

bool isWebLink(const QUrl &url)
{
    return url.isValid() && (url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http"));
}

StatusPresentation::StateKind presentationKind(ReviewMonitor::StateKind kind)
{
    switch (kind) {
    case ReviewMonitor::StateKind::error:
        return StatusPresentation::StateKind::error;
    case ReviewMonitor::StateKind::needsSetup:
        return StatusPresentation::StateKind::needsSetup;
    case ReviewMonitor::StateKind::loading:
        return StatusPresentation::StateKind::loading;
    case ReviewMonitor::StateKind::ok:
        return StatusPresentation::StateKind::ok;
    }
    return StatusPresentation::StateKind::needsSetup;
}

} // namespace

AppDelegate::AppDelegate(AppSettings &settings, NotificationManager &notifier, QObject *parent)
    : QObject(parent), m_settings(settings), m_notifier(notifier)
{
    openURL = [](const QUrl &url) { QDesktopServices::openUrl(url); };
}

AppDelegate::~AppDelegate() = default;

NotificationSnooze &AppDelegate::notificationSnooze()
{
    if (!m_snooze) {
        m_snooze = std::make_unique<NotificationSnooze>(m_settings.fileName());
        m_notifier.setSnooze(m_snooze.get());
    }
    return *m_snooze;
}

bool AppDelegate::snooze(const QString &length)
{
    if (length == u"off") {
        notificationSnooze().resume();
        return true;
    }
    const auto end = NotificationSnooze::endFor(length, notificationSnooze().now());
    if (!end)
        return false;
    notificationSnooze().snoozeUntil(*end);
    return true;
}

void AppDelegate::showSnooze()
{
    if (m_tray)
        m_tray->setSnoozedUntil(notificationSnooze().until());
}

ReviewMonitor &AppDelegate::monitor()
{
    if (!m_monitor)
        m_monitor = std::make_unique<ReviewMonitor>(m_settings, m_notifier);
    return *m_monitor;
}

void AppDelegate::applicationDidFinishLaunching()
{
    // An update found in the background shows as a dot, a banner and one notification.
    m_updateReminder = std::make_unique<GentleUpdateReminder>(
        m_updateState, [this](const QString &version) { m_notifier.notifyUpdateAvailable(version); },
        [this] { m_notifier.removeUpdateNotification(); });
    m_updater = makeUpdater(m_settings.fileName());
    if (m_updater) {
        m_updater->setDelegate(m_updateReminder.get());
        m_updateWindow = std::make_unique<UpdateWindowController>(*m_updater);
    }

    notificationSnooze(); // a snooze kept from the last run holds from the start
    m_notifier.requestAuthorization();
    m_notifier.onUpdateNotificationClick = weakly(&AppDelegate::checkForUpdates);
    m_notifier.openURL = weakly(&AppDelegate::open);

    setupStatusItem();
    setupPopover();
    bindState();

    m_wakeWatcher = std::make_unique<WakeWatcher>();
    connect(m_wakeWatcher.get(), &WakeWatcher::woke, this, [this] { monitor().refreshAfterWake(); });

    monitor().start();
}

void AppDelegate::setupStatusItem()
{
    TrayIcon::Actions actions;
    actions.showCards = weakly(&AppDelegate::togglePopover);
    actions.refreshNow = weakly([](AppDelegate &delegate) { delegate.monitor().refreshNow(); });
    actions.openBoard = weakly(&AppDelegate::openBoard);
    actions.openSettings = weakly(&AppDelegate::openSettings);
    actions.checkForUpdates = weakly(&AppDelegate::checkForUpdates);
    actions.quit = weakly(&AppDelegate::quit);
    actions.snooze = weakly([](AppDelegate &delegate, const QString &length) { delegate.snooze(length); });
    m_tray = std::make_unique<TrayIcon>(std::move(actions));
    connect(m_tray.get(), &TrayIcon::clicked, this, &AppDelegate::togglePopover);
    auto applyAppearance = [this] {
        m_tray->setAppearance(TrayIconAppearance::fromSetting(m_settings.trayIconAppearance()));
    };
    applyAppearance();
    connect(&m_settings, &AppSettings::trayIconAppearanceChanged, this, applyAppearance);
    m_tray->setLook(StatusPresentation::look(
        {StatusPresentation::StateKind::loading, {}, false, m_settings.statusName(), {}}));
    m_tray->show();
    // Without a tray Norrid would run unseen. Tray hosts start late at login and restart now and
    // then: the user hears of a missing tray once it has stayed away, and the word is taken back
    // when one appears.
    m_trayWatcher = std::make_unique<TrayWatcher>([] { return QSystemTrayIcon::isSystemTrayAvailable(); });
    connect(m_trayWatcher.get(), &TrayWatcher::missing, this, &AppDelegate::showNoTrayMessage);
    connect(m_trayWatcher.get(), &TrayWatcher::back, this, &AppDelegate::withdrawNoTrayMessage);
    m_trayWatcher->start();
}

void AppDelegate::showNoTrayMessage()
{
    const char *const source =
        QT_TR_NOOP("Norrid runs in the tray, but this desktop shows none. On GNOME, turn on the AppIndicator "
                   "extension; elsewhere, add a system tray or status notifier area to your panel.");
    // The system log is read by developers: it keeps the English text.
    SystemLog::write(QStringLiteral("tray icon unavailable"), QString::fromUtf8(source));
    const QString text = tr(source);
    // A notification where a notification service answers; a window only where none does.
    if (!m_notifier.authorizationDenied()) {
        m_notifier.notifyNoTray(text);
        return;
    }
    auto *box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Norrid"), text, QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->show();
    m_noTrayBox = box;
}

void AppDelegate::withdrawNoTrayMessage()
{
    m_notifier.removeNoTrayNotification();
    if (m_noTrayBox)
        m_noTrayBox->close();
}

void AppDelegate::setupPopover()
{
    m_popoverContent = std::make_unique<PopoverContent>(monitor(), m_notifier, m_updateState, m_settings);
    m_popoverContent->onInstallUpdate = weakly(&AppDelegate::checkForUpdates);
    m_popoverContent->onOpenBoard = weakly(&AppDelegate::openBoard);
    m_popoverContent->onOpenSettings = weakly(&AppDelegate::openSettings);
    m_popoverContent->onQuit = [] { QCoreApplication::quit(); };
    m_popoverContent->openURL = weakly(&AppDelegate::open);
    m_popover = std::make_unique<PopoverWindow>(*m_popoverContent);
    // Each opening asks again whether notifications are allowed, so the banner follows a change
    // made in the desktop's settings meanwhile.
    connect(m_popover.get(), &PopoverWindow::aboutToShow, this,
            [this] { m_notifier.refreshAuthorizationStatus(); });
    connect(&m_popoverContent->metrics(), &PopoverMetrics::changed, this, &AppDelegate::updatePopoverSize);
    updatePopoverSize();
}

void AppDelegate::bindState()
{
    // Each handler runs on a later turn of the event loop, once for the current value and then
    // for every change, so it always reads the values as they are after the change.
    auto deliver = [this](auto *sender, auto signal, void (AppDelegate::*handler)()) {
        connect(sender, signal, this, handler, Qt::QueuedConnection);
        QMetaObject::invokeMethod(this, handler, Qt::QueuedConnection);
    };
    deliver(&monitor(), &ReviewMonitor::issuesChanged, &AppDelegate::showIssueCount);
    deliver(&monitor(), &ReviewMonitor::issuesChanged,
            &AppDelegate::refreshStatusButton); // a count per column
    deliver(&monitor(), &ReviewMonitor::stateChanged, &AppDelegate::refreshStatusButton);
    deliver(&monitor(), &ReviewMonitor::scheduleChanged, &AppDelegate::refreshStatusButton);
    deliver(&m_settings, &AppSettings::tokenUnavailableChanged, &AppDelegate::refreshStatusButton);
    deliver(&m_notifier, &NotificationManager::authorizationDeniedChanged, &AppDelegate::updatePopoverSize);
    deliver(&m_updateState, &UpdateState::availableVersionChanged, &AppDelegate::refreshStatusButton);
    deliver(&notificationSnooze(), &NotificationSnooze::changed, &AppDelegate::showSnooze);
}

void AppDelegate::showIssueCount()
{
    if (m_tray)
        m_tray->setCount(monitor().issueCount());
    updatePopoverSize();
}

void AppDelegate::refreshStatusButton()
{
    if (m_tray) {
        // The tooltip says what the popover and the bus say: the error, and whether checking is paused.
        const WatchSummary summary = WatchSummary::of(monitor(), m_settings, {});
        StatusPresentation::Input input{presentationKind(summary.kind),
                                        summary.message,
                                        m_updateState.availableVersion().has_value(),
                                        m_settings.statusName(),
                                        m_popoverContent ? m_popoverContent->keyringNote() : QString(),
                                        summary.several() ? summary.columnLines() : QStringList()};
        m_tray->setLook(StatusPresentation::look(input));
    }
    updatePopoverSize();
}

void AppDelegate::updatePopoverSize()
{
    if (!m_popover)
        return;
    m_popover->setHeight(int(m_popoverContent->height()));
}

QVariantMap AppDelegate::diagnosticFacts()
{
    QVariantMap facts;
    const TrayIcon *tray = m_tray.get();
    facts.insert(QStringLiteral("Tray"), !tray ? QStringLiteral("none")
                                         : tray->hasStatusNotifierHost()
                                             ? QStringLiteral("StatusNotifierItem host")
                                             : QStringLiteral("XEmbed (no StatusNotifierItem host)"));
    const KeyringState keyring = m_settings.keyringState();
    facts.insert(QStringLiteral("Keyring"),
                 m_settings.tokenReading() ? QStringLiteral("Secret Service, reading")
                 : !keyring.isBlocked()    ? QStringLiteral("Secret Service, ready")
                                        : QStringLiteral("Secret Service, ") + KeyringText::title(keyring));
    // The site's kind and host only: a context path or a pasted board page may name a project.
    const JiraSite site = JiraSite::read(JiraConfig::normalizeSiteURL(m_settings.siteURL()));
    const QString host = site.origin().host();
    facts.insert(QStringLiteral("Jira site"),
                 m_settings.siteURL().isEmpty() ? QStringLiteral("not set")
                 : !site.isValid()              ? QStringLiteral("refused")
                 : site.isCloud()               ? QStringLiteral("Jira Cloud (%1)").arg(host)
                 : site.path().isEmpty()
                     ? QStringLiteral("Jira Data Center / Server (%1)").arg(host)
                     : QStringLiteral("Jira Data Center / Server (%1, under a context path)").arg(host));
    facts.insert(QStringLiteral("Sign-in"), m_settings.email().isEmpty()
                                                ? QStringLiteral("personal access token (Bearer)")
                                                : QStringLiteral("email or user name with a token (Basic)"));
    const JiraRoute &route = monitor().route();
    facts.insert(QStringLiteral("Jira read"),
                 route.boardRead == JiraRoute::BoardRead::software ? QStringLiteral("software 1.0")
                 : route.boardRead == JiraRoute::BoardRead::agile  ? QStringLiteral("agile 1.0")
                                                                   : QStringLiteral("not known yet"));
    facts.insert(QStringLiteral("Gateway"),
                 route.gateway ? QStringLiteral("yes (api.atlassian.com)") : QStringLiteral("no"));
    const QList<QNetworkProxy> proxies =
        QNetworkProxyFactory::systemProxyForQuery(QNetworkProxyQuery(site.origin()));
    const QNetworkProxy proxy = proxies.value(0);
    facts.insert(QStringLiteral("Proxy"), proxy.type() == QNetworkProxy::NoProxy || proxy.hostName().isEmpty()
                                              ? QStringLiteral("none")
                                              : proxy.hostName());
    const QList<WatchedColumn> columns = m_settings.columns();
    facts.insert(QStringLiteral("Columns"), QStringLiteral("%1, read in %2 requests a poll")
                                                .arg(columns.size())
                                                .arg(ColumnGroup::of(columns).size()));
    facts.insert(QStringLiteral("Last poll"), monitor().lastPolled().isValid()
                                                  ? monitor().lastPolled().toString(Qt::ISODate)
                                                  : QStringLiteral("none yet"));
    const ReviewMonitor::StateKind kind = monitor().state().kind;
    facts.insert(QStringLiteral("Last poll result"),
                 kind == ReviewMonitor::StateKind::ok        ? QStringLiteral("ok")
                 : kind == ReviewMonitor::StateKind::loading ? QStringLiteral("loading")
                 : kind == ReviewMonitor::StateKind::error
                     ? (monitor().isPaused() ? QStringLiteral("paused") : QStringLiteral("error"))
                     : QStringLiteral("setup"));
    facts.insert(QStringLiteral("Last poll error"), monitor().state().kind == ReviewMonitor::StateKind::error
                                                        ? monitor().state().message
                                                        : QString());
    const QDateTime snoozedUntil = notificationSnooze().until();
    facts.insert(QStringLiteral("Snoozed until"),
                 snoozedUntil.isValid() ? snoozedUntil.toString(Qt::ISODate) : QString());
    return facts;
}

void AppDelegate::copyDiagnostics()
{
    // The notification server is asked asynchronously; the report goes to the clipboard with its
    // answer.
    const QString service = QStringLiteral("org.freedesktop.Notifications");
    QDBusMessage call =
        QDBusMessage::createMethodCall(service, QStringLiteral("/org/freedesktop/Notifications"), service,
                                       QStringLiteral("GetServerInformation"));
    call.setAutoStartService(false);
    auto *answer = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(call, 2000), this);
    connect(answer, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *done) {
        done->deleteLater();
        DiagnosticReport report;
        report.addLocal(
            QStringLiteral("%1 (build %2)")
                .arg(QLatin1StringView(BuildInfo::shortVersion), QLatin1StringView(BuildInfo::buildNumber)));
        const QDBusMessage reply = done->reply();
        const QVariantList info = reply.arguments();
        report.add(
            QStringLiteral("Notification server"),
            reply.type() == QDBusMessage::ReplyMessage && info.size() >= 3
                ? QStringLiteral("%1, %2, %3").arg(info[0].toString(), info[1].toString(), info[2].toString())
                : QStringLiteral("none answers"));
        report.addNorrid(diagnosticFacts());
        QGuiApplication::clipboard()->setText(report.text());
    });
}

void AppDelegate::togglePopover()
{
    if (!m_popover || !m_tray)
        return;
    m_popover->toggle(m_tray->geometry());
}

void AppDelegate::openBoard()
{
    if (const auto url = JiraClient(m_settings.jiraConfig()).boardURL())
        open(*url);
}

void AppDelegate::openSettings()
{
    if (m_popover)
        m_popover->close();
    if (!m_settingsWindow) {
        m_settingsWindow = std::make_unique<SettingsWindowController>(
            m_settings, m_notifier, m_updater.get(), weakly(&AppDelegate::checkForUpdates),
            weakly([](AppDelegate &delegate) { delegate.monitor().start(); }));
        m_settingsWindow->form().onCopyDiagnostics = weakly(&AppDelegate::copyDiagnostics);
    }
    m_settingsWindow->show();
}

void AppDelegate::checkForUpdates()
{
    if (m_popover)
        m_popover->close();
    if (m_updater)
        m_updater->checkForUpdates();
    else
        showUpdatesComeFromPackageManager();
}

void AppDelegate::showUpdatesComeFromPackageManager()
{
    // A build without an update feed is a distribution's package: its updates come from there.
    auto *box =
        new QMessageBox(QMessageBox::Information, QStringLiteral("Norrid"),
                        tr("Updates for Norrid come from your system's package manager."), QMessageBox::Ok);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->show();
    box->raise();
    box->activateWindow();
}

void AppDelegate::quit()
{
    QCoreApplication::quit();
}

void AppDelegate::open(const QUrl &url)
{
    if (isWebLink(url) && openURL)
        openURL(url);
}

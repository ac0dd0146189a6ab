#include "shell/SessionService.h"

#include "monitor/ReviewMonitor.h"
#include "notifications/NotificationSnooze.h"
#include "settings/AppSettings.h"
#include "settings/SystemLog.h"
#include "shell/AppDelegate.h"
#include "shell/PopoverWindow.h"
#include "views/PopoverContent.h"
#include "views/WatchSummary.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QThread>

namespace {

QString iso(const std::optional<QDateTime> &time)
{
    return time && time->isValid() ? time->toString(Qt::ISODate) : QString();
}

QList<StateReport::Card> reportCards(const QList<ReviewIssue> &issues, const QString &site)
{
    QList<StateReport::Card> cards;
    cards.reserve(issues.size());
    for (const ReviewIssue &issue : issues) {
        const auto url = ReviewMonitor::cardURL(site, issue.key);
        cards.append({issue.key, issue.summary, issue.assignee.value_or(QString()), iso(issue.updated),
                      url ? url->toString() : QString()});
    }
    return cards;
}

} // namespace

SessionService::Claim SessionService::claimName()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        SystemLog::write(QStringLiteral("session bus unavailable"), bus.lastError().message());
        return Claim::noBus;
    }
    // Not queued: of two launches at the same instant, the bus gives the name to one, and the
    // other hands over. A name whose owner died is free again.
    const auto reply =
        bus.interface()->registerService(serviceName, QDBusConnectionInterface::DontQueueService,
                                         QDBusConnectionInterface::DontAllowReplacement);
    return reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered ? Claim::owned
                                                                                           : Claim::taken;
}

bool SessionService::handOver(bool openPopover)
{
    QDBusMessage call = QDBusMessage::createMethodCall(serviceName, objectPath, interfaceName,
                                                       openPopover ? QStringLiteral("OpenPopover")
                                                                   : QStringLiteral("Refresh"));
    call.setAutoStartService(false);
    if (!openPopover) // from the autostart entry: only make sure it answers
        call = QDBusMessage::createMethodCall(
            serviceName, objectPath, QStringLiteral("org.freedesktop.DBus.Peer"), QStringLiteral("Ping"));
    // The owner may have taken the name a moment ago and not yet put its object up.
    for (int attempt = 0; attempt < 20; ++attempt) {
        const QDBusMessage reply = QDBusConnection::sessionBus().call(call, QDBus::Block, 2000);
        if (reply.type() == QDBusMessage::ReplyMessage)
            return true;
        if (reply.errorName() != u"org.freedesktop.DBus.Error.UnknownObject" &&
            reply.errorName() != u"org.freedesktop.DBus.Error.UnknownMethod")
            return false;
        QThread::msleep(100);
    }
    return false;
}

SessionService::SessionService(AppDelegate &delegate, AppSettings &settings, QObject *parent)
    : QObject(parent), m_delegate(delegate), m_monitor(delegate.monitor()), m_settings(settings)
{
    new ApplicationAdaptor(*this);
    m_coalesce.setSingleShot(true);
    m_coalesce.setInterval(0);
    connect(&m_coalesce, &QTimer::timeout, this, &SessionService::recompute);
    const auto later = [this] { m_coalesce.start(); };
    // The cards are turned into their D-Bus form when they change, not on every poll.
    const auto cardsLater = [this] {
        m_cardsStale = true;
        m_coalesce.start();
    };
    connect(&m_monitor, &ReviewMonitor::issuesChanged, this, cardsLater);
    connect(&settings, &AppSettings::siteURLChanged, this, cardsLater);
    connect(&m_monitor, &ReviewMonitor::stateChanged, this, later);
    connect(&m_monitor, &ReviewMonitor::lastUpdatedChanged, this, later);
    connect(&m_monitor, &ReviewMonitor::scheduleChanged, this, later);
    connect(&settings, &AppSettings::statusNameChanged, this, later);
    connect(&settings, &AppSettings::columnsChanged, this, later);
    connect(&settings, &AppSettings::tokenUnavailableChanged, this, later);
    connect(&delegate.notificationSnooze(), &NotificationSnooze::changed, this, later);
    m_report = currentReport();
    m_cardsStale = false;
}

bool SessionService::publish()
{
    return QDBusConnection::sessionBus().registerObject(objectPath, this,
                                                        QDBusConnection::ExportAllProperties |
                                                            QDBusConnection::ExportAllSlots |
                                                            QDBusConnection::ExportAdaptors);
}

QVariantList SessionService::cards() const
{
    return m_report.cardsProperty();
}

QVariantList SessionService::columns() const
{
    return m_report.columnsProperty();
}

StateReport SessionService::currentReport() const
{
    const ReviewMonitor &monitor = m_monitor;
    const PopoverContent *content = m_delegate.popoverContent();
    const WatchSummary summary =
        WatchSummary::of(monitor, m_settings, content ? content->setupText() : m_settings.tokenProblem());
    StateReport report;
    report.count = summary.count;
    report.status = m_settings.statusName();
    report.lastUpdated = iso(monitor.lastUpdated());
    const QString site = JiraConfig::normalizeSiteURL(m_settings.siteURL());
    report.cards = m_cardsStale ? reportCards(monitor.issues(), site) : m_report.cards;
    report.columns.reserve(summary.columns.size());
    for (const WatchSummary::Column &column : summary.columns) {
        const qsizetype i = report.columns.size();
        const bool keepCards = !m_cardsStale && i < m_report.columns.size();
        report.columns.append({column.title, column.boardId, column.status, int(column.cards.size()),
                               column.state, column.message,
                               keepCards ? m_report.columns[i].cards : reportCards(column.cards, site)});
    }
    report.state = summary.state;
    // While all is well, the message says what the columns hold (without the snooze, set below).
    report.message = summary.kind == ReviewMonitor::StateKind::ok ? report.humanLine() : summary.message;
    const QDateTime snoozedUntil = m_delegate.notificationSnooze().until();
    report.snoozedUntil = snoozedUntil.isValid() ? snoozedUntil.toString(Qt::ISODate) : QString();
    return report;
}

void SessionService::recompute()
{
    StateReport next = currentReport();
    m_cardsStale = false;
    if (next == m_report)
        return;
    // Only what differs goes on the bus (a poll that changed nothing: the time of the last update).
    QVariantMap changed;
    if (next.count != m_report.count)
        changed.insert(QStringLiteral("Count"), next.count);
    if (next.status != m_report.status)
        changed.insert(QStringLiteral("Status"), next.status);
    if (next.state != m_report.state)
        changed.insert(QStringLiteral("State"), next.state);
    if (next.message != m_report.message)
        changed.insert(QStringLiteral("Message"), next.message);
    if (next.lastUpdated != m_report.lastUpdated)
        changed.insert(QStringLiteral("LastUpdated"), next.lastUpdated);
    if (next.snoozedUntil != m_report.snoozedUntil)
        changed.insert(QStringLiteral("SnoozedUntil"), next.snoozedUntil);
    if (next.cards != m_report.cards)
        changed.insert(QStringLiteral("Cards"), next.cardsProperty());
    if (next.columns != m_report.columns)
        changed.insert(QStringLiteral("Columns"), next.columnsProperty());
    m_report = std::move(next);
    QDBusMessage signal = QDBusMessage::createSignal(
        objectPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"));
    signal << QString(interfaceName) << changed << QStringList();
    QDBusConnection::sessionBus().send(signal);
}

void SessionService::Refresh()
{
    m_monitor.refreshNow();
}

void SessionService::TogglePopover()
{
    m_delegate.togglePopover();
}

void SessionService::OpenPopover()
{
    if (!m_delegate.popover() || !m_delegate.popover()->isShown())
        m_delegate.togglePopover();
}

void SessionService::OpenSettings()
{
    m_delegate.openSettings();
}

void SessionService::Quit()
{
    // After the reply has gone out.
    QMetaObject::invokeMethod(&m_delegate, &AppDelegate::quit, Qt::QueuedConnection);
}

bool SessionService::SetSnoozedUntil(const QString &until)
{
    if (until.isEmpty()) {
        m_delegate.notificationSnooze().resume();
        return true;
    }
    const QDateTime end = QDateTime::fromString(until, Qt::ISODate);
    if (!end.isValid())
        return false;
    m_delegate.notificationSnooze().snoozeUntil(end);
    return true;
}

QVariantMap SessionService::Diagnostics()
{
    return m_delegate.diagnosticFacts();
}

bool SessionService::Snooze(const QString &length)
{
    return m_delegate.snooze(length);
}

ApplicationAdaptor::ApplicationAdaptor(SessionService &service)
    : QDBusAbstractAdaptor(&service), m_service(service)
{
}

void ApplicationAdaptor::Activate(const QVariantMap &)
{
    m_service.OpenPopover();
}

void ApplicationAdaptor::Open(const QStringList &, const QVariantMap &)
{
    m_service.OpenPopover();
}

void ApplicationAdaptor::ActivateAction(const QString &name, const QVariantList &, const QVariantMap &)
{
    if (name == u"refresh")
        m_service.Refresh();
    else if (name == u"settings")
        m_service.OpenSettings();
    else if (name == u"quit")
        m_service.Quit();
}

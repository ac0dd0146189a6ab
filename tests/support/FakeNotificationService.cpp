#include "support/FakeNotificationService.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>

namespace {
const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString path = QStringLiteral("/org/freedesktop/Notifications");
int connectionCount = 0;
} // namespace

FakeNotificationService::FakeNotificationService(QStringList capabilities, QObject *parent)
    : QObject(parent), m_capabilities(std::move(capabilities))
{
}

FakeNotificationService::~FakeNotificationService()
{
    stop();
}

bool FakeNotificationService::start()
{
    if (m_running)
        return true;
    m_connectionName = QStringLiteral("norrid-fake-notifications-%1").arg(++connectionCount);
    QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, m_connectionName);
    if (!bus.isConnected() ||
        !bus.registerObject(path, this,
                            QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties) ||
        !bus.registerService(service)) {
        QDBusConnection::disconnectFromBus(m_connectionName);
        return false;
    }
    m_running = true;
    m_nextId = 1;
    return true;
}

void FakeNotificationService::stop()
{
    if (!m_running)
        return;
    QDBusConnection bus(m_connectionName);
    bus.unregisterService(service);
    bus.unregisterObject(path);
    QDBusConnection::disconnectFromBus(m_connectionName);
    m_running = false;
}

void FakeNotificationService::invokeAction(uint id, const QString &actionKey)
{
    sendSignal(QStringLiteral("ActionInvoked"), {id, actionKey});
}

void FakeNotificationService::sendActivationToken(uint id, const QString &token)
{
    sendSignal(QStringLiteral("ActivationToken"), {id, token});
}

void FakeNotificationService::setInhibited(bool inhibited)
{
    m_inhibited = inhibited;
    QDBusMessage message = QDBusMessage::createSignal(path, QStringLiteral("org.freedesktop.DBus.Properties"),
                                                      QStringLiteral("PropertiesChanged"));
    message << service << QVariantMap{{QStringLiteral("Inhibited"), inhibited}} << QStringList();
    QDBusConnection(m_connectionName).send(message);
}

void FakeNotificationService::emitClosed(uint id, uint reason)
{
    sendSignal(QStringLiteral("NotificationClosed"), {id, reason});
}

void FakeNotificationService::sendSignal(const QString &name, const QVariantList &arguments)
{
    QDBusMessage message = QDBusMessage::createSignal(path, service, name);
    message.setArguments(arguments);
    QDBusConnection(m_connectionName).send(message);
}

QStringList FakeNotificationService::GetCapabilities()
{
    return m_capabilities;
}

uint FakeNotificationService::Notify(const QString &appName, uint replacesId, const QString &appIcon,
                                     const QString &summary, const QString &body, const QStringList &actions,
                                     const QVariantMap &hints, int expireTimeout)
{
    // As the freedesktop notifications protocol has it: a replacement keeps the id it replaces.
    const uint id = replacesId != 0 ? replacesId : m_nextId++;
    notifyCalls.append({appName, replacesId, appIcon, summary, body, actions, hints, expireTimeout, id});
    return id;
}

void FakeNotificationService::CloseNotification(uint id)
{
    closeCalls.append(id);
    emitClosed(id, 3);
}

QString FakeNotificationService::GetServerInformation(QString &vendor, QString &version, QString &specVersion)
{
    vendor = QStringLiteral("Norrid tests");
    version = QStringLiteral("1.0");
    specVersion = QStringLiteral("1.2");
    return QStringLiteral("FakeNotificationService");
}

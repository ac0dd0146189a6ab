#include "settings/SecretServiceProbe.h"

#include "settings/KeyringBackend.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDBusVariant>

namespace {

// A local question to a running daemon: it answers at once or not at all.
constexpr int kCallTimeoutMs = 2000;

QDBusMessage call(const QString &path, const QString &interface, const QString &method,
                  const QVariantList &arguments)
{
    QDBusMessage message =
        QDBusMessage::createMethodCall(SecretServiceProbe::service, path, interface, method);
    message.setArguments(arguments);
    // Asking must not start a keyring daemon that nobody else started.
    message.setAutoStartService(false);
    return QDBusConnection::sessionBus().call(message, QDBus::Block, kCallTimeoutMs);
}

} // namespace

namespace SecretServiceProbe {

bool isRunning()
{
    const QDBusConnectionInterface *bus = QDBusConnection::sessionBus().interface();
    return bus && bus->isServiceRegistered(service).value();
}

bool isInstalled()
{
    const QDBusConnectionInterface *bus = QDBusConnection::sessionBus().interface();
    if (!bus)
        return false;
    if (bus->isServiceRegistered(service).value())
        return true;
    const QDBusReply<QStringList> activatable = bus->activatableServiceNames();
    if (activatable.isValid() && activatable.value().contains(service))
        return true;
    // KWallet without its Secret Service interface is a keyring all the same.
    for (const auto kind : {KeyringBackend::Kind::kwallet5, KeyringBackend::Kind::kwallet6}) {
        const QString name = KeyringBackend::kwalletService(kind);
        if (bus->isServiceRegistered(name).value() ||
            (activatable.isValid() && activatable.value().contains(name)))
            return true;
    }
    return false;
}

bool hasLockedItem(const QMap<QString, QString> &attributes)
{
    static const QMetaType registered = qDBusRegisterMetaType<QMap<QString, QString>>();
    Q_UNUSED(registered)
    const QDBusMessage reply =
        call(servicePath, serviceInterface, QStringLiteral("SearchItems"), {QVariant::fromValue(attributes)});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 2)
        return false;
    const auto locked = qdbus_cast<QList<QDBusObjectPath>>(reply.arguments().at(1));
    return !locked.isEmpty();
}

bool defaultCollectionLocked()
{
    const QDBusMessage alias =
        call(servicePath, serviceInterface, QStringLiteral("ReadAlias"), {QStringLiteral("default")});
    if (alias.type() != QDBusMessage::ReplyMessage || alias.arguments().size() != 1)
        return false;
    const QString collection = qdbus_cast<QDBusObjectPath>(alias.arguments().at(0)).path();
    if (collection.isEmpty() || collection == QStringLiteral("/"))
        return false;
    const QDBusMessage locked =
        call(collection, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"),
             {QStringLiteral("org.freedesktop.Secret.Collection"), QStringLiteral("Locked")});
    if (locked.type() != QDBusMessage::ReplyMessage || locked.arguments().size() != 1)
        return false;
    return qdbus_cast<QDBusVariant>(locked.arguments().at(0)).variant().toBool();
}

} // namespace SecretServiceProbe

#include "settings/SecretServiceProbe.h"

#include "settings/KeyringBackend.h"

#include <QCoroDBusPendingCall>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>

namespace {

// A local question to a running daemon: it answers at once or not at all.
constexpr int kCallTimeoutMs = 2000;

QCoro::Task<QDBusMessage> ask(const QString &destination, const QString &path, const QString &interface,
                              const QString &method, const QVariantList &arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(destination, path, interface, method);
    message.setArguments(arguments);
    // Asking must not start a keyring daemon that nobody else started.
    message.setAutoStartService(false);
    const QDBusPendingCall call = QDBusConnection::sessionBus().asyncCall(message, kCallTimeoutMs);
    co_return co_await call;
}

QCoro::Task<QDBusMessage> askBus(const QString &method, const QVariantList &arguments = {})
{
    return ask(QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
               QStringLiteral("org.freedesktop.DBus"), method, arguments);
}

// GCC 12 miscompiles a braced list or a QStringLiteral inside a co_await expression, so the names
// are kept here and the argument lists are built before each call.
const QString getNameOwner = QStringLiteral("GetNameOwner");
const QString nameHasOwner = QStringLiteral("NameHasOwner");
const QString listActivatableNames = QStringLiteral("ListActivatableNames");
const QString searchItems = QStringLiteral("SearchItems");
const QString readAlias = QStringLiteral("ReadAlias");
const QString defaultAlias = QStringLiteral("default");
const QString propertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
const QString getProperty = QStringLiteral("Get");
const QString collectionInterface = QStringLiteral("org.freedesktop.Secret.Collection");
const QString lockedProperty = QStringLiteral("Locked");

bool firstIsTrue(const QDBusMessage &reply)
{
    return reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
           reply.arguments().constFirst().toBool();
}

} // namespace

namespace SecretServiceProbe {

QCoro::Task<QString> owner(QString name)
{
    const QVariantList arguments{name};
    const QDBusMessage reply = co_await askBus(getNameOwner, arguments);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        co_return QString();
    co_return reply.arguments().constFirst().toString();
}

QCoro::Task<bool> isRunning()
{
    const QVariantList arguments{service};
    const QDBusMessage reply = co_await askBus(nameHasOwner, arguments);
    co_return firstIsTrue(reply);
}

QCoro::Task<bool> isInstalled()
{
    const bool running = co_await isRunning();
    if (running)
        co_return true;
    const QDBusMessage activatable = co_await askBus(listActivatableNames);
    const QStringList names =
        activatable.type() == QDBusMessage::ReplyMessage && !activatable.arguments().isEmpty()
            ? activatable.arguments().constFirst().toStringList()
            : QStringList();
    if (names.contains(service))
        co_return true;
    // KWallet without its Secret Service interface is a keyring all the same.
    static const QList<KeyringBackend::Kind> kwallets{KeyringBackend::Kind::kwallet5,
                                                      KeyringBackend::Kind::kwallet6};
    for (const auto kind : kwallets) {
        const QString name = KeyringBackend::kwalletService(kind);
        if (names.contains(name))
            co_return true;
        const QVariantList arguments{name};
        const QDBusMessage reply = co_await askBus(nameHasOwner, arguments);
        if (firstIsTrue(reply))
            co_return true;
    }
    co_return false;
}

QCoro::Task<bool> hasLockedItem(QMap<QString, QString> attributes)
{
    static const QMetaType registered = qDBusRegisterMetaType<QMap<QString, QString>>();
    Q_UNUSED(registered)
    const QVariantList arguments{QVariant::fromValue(attributes)};
    const QDBusMessage reply = co_await ask(service, servicePath, serviceInterface, searchItems, arguments);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 2)
        co_return false;
    co_return !qdbus_cast<QList<QDBusObjectPath>>(reply.arguments().at(1)).isEmpty();
}

QCoro::Task<bool> defaultCollectionLocked()
{
    const QVariantList aliasArguments{defaultAlias};
    const QDBusMessage alias =
        co_await ask(service, servicePath, serviceInterface, readAlias, aliasArguments);
    if (alias.type() != QDBusMessage::ReplyMessage || alias.arguments().size() != 1)
        co_return false;
    const QString collection = qdbus_cast<QDBusObjectPath>(alias.arguments().at(0)).path();
    if (collection.isEmpty() || collection == QStringLiteral("/"))
        co_return false;
    const QVariantList lockedArguments{collectionInterface, lockedProperty};
    const QDBusMessage locked =
        co_await ask(service, collection, propertiesInterface, getProperty, lockedArguments);
    if (locked.type() != QDBusMessage::ReplyMessage || locked.arguments().size() != 1)
        co_return false;
    co_return qdbus_cast<QDBusVariant>(locked.arguments().at(0)).variant().toBool();
}

} // namespace SecretServiceProbe

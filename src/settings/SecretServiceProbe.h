#pragma once

#include <QCoroTask>
#include <QMap>
#include <QString>

// Asks the Secret Service on the session bus what QtKeychain cannot tell: whether an item exists
// but is locked, and whether the collection that new items go to is locked. It never prompts, never
// reads a secret and never starts a service that is not running. Every question is an asynchronous
// D-Bus call.
namespace SecretServiceProbe {

// The Secret Service's name on the session bus, and its own object and interface.
inline const QString service = QStringLiteral("org.freedesktop.secrets");
inline const QString servicePath = QStringLiteral("/org/freedesktop/secrets");
inline const QString serviceInterface = QStringLiteral("org.freedesktop.Secret.Service");

// The unique name of the process that owns the name on the session bus; empty when none does.
QCoro::Task<QString> owner(QString name);

// True when some process owns the Secret Service's name on the session bus right now.
QCoro::Task<bool> isRunning();

// True when a Secret Service runs or the bus can start one: false on a desktop without a keyring.
QCoro::Task<bool> isInstalled();

// True when a locked item matches every attribute.
QCoro::Task<bool> hasLockedItem(QMap<QString, QString> attributes);

// True when the collection behind the "default" alias exists and is locked.
QCoro::Task<bool> defaultCollectionLocked();

} // namespace SecretServiceProbe

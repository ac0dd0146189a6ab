#pragma once

#include <QMap>
#include <QString>

// Asks the Secret Service on the session bus what QtKeychain cannot tell: whether an item exists
// but is locked, and whether the collection that new items go to is locked. It never prompts, never
// reads a secret and never starts a service that is not running.
namespace SecretServiceProbe {

// The Secret Service's name on the session bus, and its own object and interface.
inline const QString service = QStringLiteral("org.freedesktop.secrets");
inline const QString servicePath = QStringLiteral("/org/freedesktop/secrets");
inline const QString serviceInterface = QStringLiteral("org.freedesktop.Secret.Service");

// True when some process owns the Secret Service's name on the session bus right now.
bool isRunning();

// True when a Secret Service runs or the bus can start one: false on a desktop without a keyring.
bool isInstalled();

// True when a locked item matches every attribute.
bool hasLockedItem(const QMap<QString, QString> &attributes);

// True when the collection behind the "default" alias exists and is locked.
bool defaultCollectionLocked();

} // namespace SecretServiceProbe

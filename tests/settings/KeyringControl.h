#pragma once

#include <QByteArray>
#include <QString>

// Drives the real gnome-keyring of a test session over the Secret Service API: locks and unlocks
// the login collection the way a screen lock and a login do, and counts items.
namespace KeyringControl {

bool lockLogin();
// Unlocks with the password the test session created the collection with.
bool unlockLogin();
// Ends the running keyring daemon, as a crash or a restarted session would. The bus can start it
// again on demand, in the test's home, with the login collection locked.
bool stopDaemon();
// The items, locked or not, with QtKeychain's attributes for this service and account.
int itemCount(const QString &service, const QString &account);

} // namespace KeyringControl

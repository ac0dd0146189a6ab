#pragma once

#include <QCoroTask>
#include <QString>

// Which keyring QtKeychain talks to on this desktop, found the way it finds it: on Plasma it takes
// KWallet's own D-Bus interface (kwalletd5 or kwalletd6) when that answers, elsewhere the Secret
// Service (GNOME Keyring, KeePassXC, KWallet's Secret Service…), and KWallet only when no Secret
// Service library is there. Norrid watches that keyring for the token becoming readable.
namespace KeyringBackend {

enum class Kind
{
    secretService,
    kwallet5,
    kwallet6
};

// Asks KWallet asynchronously whether it answers; never blocks the thread.
QCoro::Task<Kind> detect();

// KWallet's bus name and object for a KWallet kind ("org.kde.kwalletd5", "/modules/kwalletd5").
QString kwalletService(Kind kind);
QString kwalletPath(Kind kind);
inline const QString kwalletInterface = QStringLiteral("org.kde.KWallet");

} // namespace KeyringBackend

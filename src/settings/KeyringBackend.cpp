#include "settings/KeyringBackend.h"

#include <QDBusConnection>
#include <QDBusMessage>

namespace {

// Asked as QtKeychain asks: KWallet's interface may be started on demand, so a call tells more
// than the name on the bus.
bool kwalletAnswers(KeyringBackend::Kind kind)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    const QDBusMessage call = QDBusMessage::createMethodCall(
        KeyringBackend::kwalletService(kind), KeyringBackend::kwalletPath(kind),
        KeyringBackend::kwalletInterface, QStringLiteral("networkWallet"));
    return bus.call(call, QDBus::Block, 500).type() == QDBusMessage::ReplyMessage;
}

} // namespace

KeyringBackend::Kind KeyringBackend::detect()
{
    const QByteArray desktop = qgetenv("XDG_CURRENT_DESKTOP");
    const QByteArray session = qgetenv("DESKTOP_SESSION");
    const bool plasma = desktop == "KDE" || (desktop.isEmpty() && session == "kde") ||
                        (desktop.isEmpty() && session.isEmpty() && !qgetenv("KDE_FULL_SESSION").isEmpty());
    if (plasma) {
        const QByteArray version = qgetenv("KDE_SESSION_VERSION");
        if (version == "6" && kwalletAnswers(Kind::kwallet6))
            return Kind::kwallet6;
        if (version == "5" && kwalletAnswers(Kind::kwallet5))
            return Kind::kwallet5;
    }
    // Elsewhere libsecret comes first, and Norrid's package brings it.
    return Kind::secretService;
}

QString KeyringBackend::kwalletService(Kind kind)
{
    return kind == Kind::kwallet6 ? QStringLiteral("org.kde.kwalletd6") : QStringLiteral("org.kde.kwalletd5");
}

QString KeyringBackend::kwalletPath(Kind kind)
{
    return kind == Kind::kwallet6 ? QStringLiteral("/modules/kwalletd6")
                                  : QStringLiteral("/modules/kwalletd5");
}

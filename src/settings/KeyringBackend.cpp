#include "settings/KeyringBackend.h"

#include <QCoroDBusPendingCall>
#include <QDBusConnection>
#include <QDBusMessage>

namespace {

// Asked as QtKeychain asks: KWallet's interface may be started on demand, so a call tells more
// than the name on the bus.
QCoro::Task<bool> kwalletAnswers(KeyringBackend::Kind kind)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        co_return false;
    const QDBusMessage call = QDBusMessage::createMethodCall(
        KeyringBackend::kwalletService(kind), KeyringBackend::kwalletPath(kind),
        KeyringBackend::kwalletInterface, QStringLiteral("networkWallet"));
    const QDBusMessage reply = co_await bus.asyncCall(call, 500);
    co_return reply.type() == QDBusMessage::ReplyMessage;
}

} // namespace

QCoro::Task<KeyringBackend::Kind> KeyringBackend::detect()
{
    const QByteArray desktop = qgetenv("XDG_CURRENT_DESKTOP");
    const QByteArray session = qgetenv("DESKTOP_SESSION");
    const bool plasma = desktop == "KDE" || (desktop.isEmpty() && session == "kde") ||
                        (desktop.isEmpty() && session.isEmpty() && !qgetenv("KDE_FULL_SESSION").isEmpty());
    if (plasma) {
        const QByteArray version = qgetenv("KDE_SESSION_VERSION");
        // Asked before the test: GCC 12 mishandles a co_await inside a condition.
        const Kind kwallet = version == "6" ? Kind::kwallet6 : Kind::kwallet5;
        if (version == "6" || version == "5") {
            const bool answers = co_await kwalletAnswers(kwallet);
            if (answers)
                co_return kwallet;
        }
    }
    // Elsewhere libsecret comes first, and Norrid's package brings it.
    co_return Kind::secretService;
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

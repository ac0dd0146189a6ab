#include "settings/SecretServiceWatcher.h"

#include "settings/KeyringBackend.h"
#include "settings/SecretServiceProbe.h"

#include <QDBusConnection>
#include <QDBusServiceWatcher>
#include <QPointer>

SecretServiceWatcher::SecretServiceWatcher(QObject *parent)
    : QObject(parent),
      m_serviceWatcher(new QDBusServiceWatcher(SecretServiceProbe::service, QDBusConnection::sessionBus(),
                                               QDBusServiceWatcher::WatchForRegistration, this))
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(settleTime);
    connect(&m_settle, &QTimer::timeout, this, &SecretServiceWatcher::changed);
    m_fallback.setTimerType(Qt::VeryCoarseTimer);
    connect(&m_fallback, &QTimer::timeout, this, &SecretServiceWatcher::changed);
    m_fallback.start(fallbackInterval);

    connect(m_serviceWatcher, &QDBusServiceWatcher::serviceRegistered, this,
            &SecretServiceWatcher::noteSignal);
    // The Service's own signals on its path; the collections' and the objects' signals on any path
    // (a keyring announces a lock or an unlock as a change of the collection's Locked property).
    using namespace SecretServiceProbe;
    QDBusConnection bus = QDBusConnection::sessionBus();
    for (const char *signal : {"CollectionCreated", "CollectionDeleted", "CollectionChanged"})
        bus.connect(service, servicePath, serviceInterface, QLatin1String(signal), this, SLOT(noteSignal()));
    for (const char *signal : {"ItemCreated", "ItemDeleted", "ItemChanged"})
        bus.connect(service, {}, QStringLiteral("org.freedesktop.Secret.Collection"), QLatin1String(signal),
                    this, SLOT(noteSignal()));
    bus.connect(service, {}, QStringLiteral("org.freedesktop.DBus.Properties"),
                QStringLiteral("PropertiesChanged"), this, SLOT(noteSignal()));

    watchKWallet();
}

QCoro::Task<> SecretServiceWatcher::watchKWallet()
{
    // On Plasma QtKeychain talks to KWallet itself, whose wallet opening is no Secret Service signal.
    QPointer<SecretServiceWatcher> self(this);
    const KeyringBackend::Kind backend = co_await KeyringBackend::detect();
    if (!self || backend == KeyringBackend::Kind::secretService)
        co_return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    const QString kwallet = KeyringBackend::kwalletService(backend);
    m_serviceWatcher->addWatchedService(kwallet);
    for (const char *signal : {"walletOpened", "walletAsyncOpened", "walletCreated", "allWalletsClosed"})
        bus.connect(kwallet, KeyringBackend::kwalletPath(backend), KeyringBackend::kwalletInterface,
                    QLatin1String(signal), this, SLOT(noteSignal()));
}

void SecretServiceWatcher::noteSignal()
{
    m_settle.start();
}

#include "settings/SecretServiceWatcher.h"

#include <QDBusConnection>
#include <QDBusServiceWatcher>

namespace {

const QString kService = QStringLiteral("org.freedesktop.secrets");

struct Subscription
{
    QString path; // empty: any object of the service
    QString interface;
    QString signal;
};

// The Service's own signals on its path; the collections' and the objects' properties on any path
// (a keyring announces a lock or an unlock as a change of the collection's Locked property).
const Subscription kSubscriptions[] = {
    {QStringLiteral("/org/freedesktop/secrets"), QStringLiteral("org.freedesktop.Secret.Service"),
     QStringLiteral("CollectionCreated")},
    {QStringLiteral("/org/freedesktop/secrets"), QStringLiteral("org.freedesktop.Secret.Service"),
     QStringLiteral("CollectionDeleted")},
    {QStringLiteral("/org/freedesktop/secrets"), QStringLiteral("org.freedesktop.Secret.Service"),
     QStringLiteral("CollectionChanged")},
    {{}, QStringLiteral("org.freedesktop.Secret.Collection"), QStringLiteral("ItemCreated")},
    {{}, QStringLiteral("org.freedesktop.Secret.Collection"), QStringLiteral("ItemDeleted")},
    {{}, QStringLiteral("org.freedesktop.Secret.Collection"), QStringLiteral("ItemChanged")},
    {{}, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged")},
};

} // namespace

SecretServiceWatcher::SecretServiceWatcher(QObject *parent)
    : QObject(parent),
      m_serviceWatcher(new QDBusServiceWatcher(kService, QDBusConnection::sessionBus(),
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
    QDBusConnection bus = QDBusConnection::sessionBus();
    for (const Subscription &subscription : kSubscriptions)
        bus.connect(kService, subscription.path, subscription.interface, subscription.signal, this,
                    SLOT(noteSignal()));
}

void SecretServiceWatcher::noteSignal()
{
    m_settle.start();
}

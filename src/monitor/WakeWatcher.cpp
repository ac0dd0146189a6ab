#include "monitor/WakeWatcher.h"

#include <QDBusConnection>
#include <QNetworkInformation>

WakeWatcher::WakeWatcher(QObject *parent) : QObject(parent)
{
    QDBusConnection::systemBus().connect(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"), this,
        SLOT(prepareForSleep(bool)));

    if (QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability)) {
        const QNetworkInformation *info = QNetworkInformation::instance();
        connect(info, &QNetworkInformation::reachabilityChanged, this,
                [this, previous = info->reachability()](QNetworkInformation::Reachability now) mutable {
                    using R = QNetworkInformation::Reachability;
                    const bool cameBack = now == R::Online && previous != R::Online && previous != R::Unknown;
                    previous = now;
                    if (cameBack)
                        Q_EMIT woke();
                });
    }
}

void WakeWatcher::prepareForSleep(bool goingToSleep)
{
    if (!goingToSleep)
        Q_EMIT woke();
}

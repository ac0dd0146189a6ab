#include "notifications/BannerSettingWatcher.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace {
const QString service = QStringLiteral("org.freedesktop.portal.Desktop");
const QString path = QStringLiteral("/org/freedesktop/portal/desktop");
const QString interface = QStringLiteral("org.freedesktop.portal.Settings");
const QString group = QStringLiteral("org.gnome.desktop.notifications");
const QString key = QStringLiteral("show-banners");
} // namespace

BannerSettingWatcher::BannerSettingWatcher(QDBusConnection bus, QObject *parent) : QObject(parent), m_bus(bus)
{
    m_bus.connect(service, path, interface, QStringLiteral("SettingChanged"), this,
                  SLOT(settingChanged(QString, QString, QDBusVariant)));
    read(QStringLiteral("ReadOne"));
}

void BannerSettingWatcher::read(const QString &method)
{
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, method);
    call.setArguments({group, key});
    call.setAutoStartService(false);
    auto *pending = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this, [this, pending, method] {
        pending->deleteLater();
        const QDBusPendingReply<QDBusVariant> reply = *pending;
        if (!reply.isError())
            take(reply.value().variant());
        else if (method == QLatin1String("ReadOne") && reply.error().type() == QDBusError::UnknownMethod)
            read(QStringLiteral("Read")); // portals before version 2 only have Read
    });
}

void BannerSettingWatcher::settingChanged(const QString &changedGroup, const QString &changedKey,
                                          const QDBusVariant &value)
{
    if (changedGroup == group && changedKey == key)
        take(value.variant());
}

void BannerSettingWatcher::take(const QVariant &value)
{
    // Read wraps the value in one more variant than ReadOne does.
    QVariant inner = value;
    while (inner.metaType() == QMetaType::fromType<QDBusVariant>())
        inner = inner.value<QDBusVariant>().variant();
    m_shown = inner.metaType() != QMetaType::fromType<bool>() || inner.toBool();
}

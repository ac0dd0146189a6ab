#include "settings/PortalSetting.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <utility>

namespace {
const QString service = QStringLiteral("org.freedesktop.portal.Desktop");
const QString path = QStringLiteral("/org/freedesktop/portal/desktop");
const QString interface = QStringLiteral("org.freedesktop.portal.Settings");
} // namespace

PortalSetting::PortalSetting(QDBusConnection bus, QString group, QString key, bool startPortal,
                             QObject *parent)
    : QObject(parent), m_bus(std::move(bus)), m_group(std::move(group)), m_key(std::move(key)),
      m_startPortal(startPortal)
{
    m_bus.connect(service, path, interface, QStringLiteral("SettingChanged"), this,
                  SLOT(settingChanged(QString, QString, QDBusVariant)));
    read(QStringLiteral("ReadOne"));
}

void PortalSetting::read(const QString &method)
{
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, method);
    call.setArguments({m_group, m_key});
    call.setAutoStartService(m_startPortal);
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

void PortalSetting::settingChanged(const QString &group, const QString &key, const QDBusVariant &value)
{
    if (group == m_group && key == m_key)
        take(value.variant());
}

void PortalSetting::take(const QVariant &value)
{
    // Read wraps the value in one more variant than ReadOne does.
    QVariant inner = value;
    while (inner.metaType() == QMetaType::fromType<QDBusVariant>())
        inner = inner.value<QDBusVariant>().variant();
    Q_EMIT valueChanged(inner);
}

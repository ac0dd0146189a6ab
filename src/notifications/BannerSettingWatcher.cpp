#include "notifications/BannerSettingWatcher.h"

#include "settings/PortalSetting.h"

#include <QVariant>
#include <utility>

BannerSettingWatcher::BannerSettingWatcher(QDBusConnection bus, QObject *parent) : QObject(parent)
{
    auto *setting = new PortalSetting(std::move(bus), QStringLiteral("org.gnome.desktop.notifications"),
                                      QStringLiteral("show-banners"), false, this);
    connect(setting, &PortalSetting::valueChanged, this, &BannerSettingWatcher::take);
}

void BannerSettingWatcher::take(const QVariant &value)
{
    m_shown = value.metaType() != QMetaType::fromType<bool>() || value.toBool();
}

#pragma once

#include <QDBusConnection>
#include <QObject>

class QVariant;

// GNOME's do-not-disturb: the setting org.gnome.desktop.notifications show-banners, read through the
// desktop portal (PortalSetting) and followed as it changes. Elsewhere the portal has no such
// setting and banners count as shown.
class BannerSettingWatcher : public QObject
{
    Q_OBJECT

public:
    explicit BannerSettingWatcher(QDBusConnection bus, QObject *parent = nullptr);

    // False while GNOME holds banners back.
    bool bannersShown() const { return m_shown; }

private:
    void take(const QVariant &value);

    bool m_shown = true;
};

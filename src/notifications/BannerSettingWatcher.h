#pragma once

#include <QDBusConnection>
#include <QDBusVariant>
#include <QObject>
#include <QString>

// GNOME's do-not-disturb: the setting org.gnome.desktop.notifications show-banners, read through the
// desktop portal's Settings interface (asynchronously) and followed as it changes. Elsewhere the
// portal has no such setting and banners count as shown.
class BannerSettingWatcher : public QObject
{
    Q_OBJECT

public:
    explicit BannerSettingWatcher(QDBusConnection bus, QObject *parent = nullptr);

    // False while GNOME holds banners back.
    bool bannersShown() const { return m_shown; }

private Q_SLOTS:
    void settingChanged(const QString &group, const QString &key, const QDBusVariant &value);

private:
    void read(const QString &method);
    void take(const QVariant &value);

    QDBusConnection m_bus;
    bool m_shown = true;
};

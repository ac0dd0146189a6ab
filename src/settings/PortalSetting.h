#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QVariant>

class QDBusVariant;

// One setting of the desktop as the XDG desktop portal's Settings interface tells it: read once,
// asynchronously (ReadOne, or Read on portals before version 2), then followed through the
// portal's SettingChanged signal. Without a portal, or without the setting, nothing is said.
class PortalSetting : public QObject
{
    Q_OBJECT

public:
    // With startPortal false, a portal that is not running is not started for this setting.
    PortalSetting(QDBusConnection bus, QString group, QString key, bool startPortal,
                  QObject *parent = nullptr);

Q_SIGNALS:
    // The value read or changed, without the variants the portal wraps it in.
    void valueChanged(const QVariant &value);

private Q_SLOTS:
    void settingChanged(const QString &group, const QString &key, const QDBusVariant &value);

private:
    void read(const QString &method);
    void take(const QVariant &value);

    QDBusConnection m_bus;
    QString m_group;
    QString m_key;
    bool m_startPortal;
};

#pragma once

#include <QDBusConnection>
#include <QObject>

class QDBusVariant;

// The desktop's colour scheme as the XDG desktop portal tells it (org.freedesktop.appearance
// color-scheme): read once at start, then followed through the portal's SettingChanged signal.
// Without a portal the scheme stays "no preference".
class ColorSchemeWatcher : public QObject
{
    Q_OBJECT

public:
    // The portal's values.
    enum class Scheme
    {
        noPreference = 0,
        dark = 1,
        light = 2
    };

    explicit ColorSchemeWatcher(QDBusConnection bus = QDBusConnection::sessionBus(),
                                QObject *parent = nullptr);

    Scheme scheme() const { return m_scheme; }

Q_SIGNALS:
    void schemeChanged();

private Q_SLOTS:
    void settingChanged(const QString &group, const QString &key, const QDBusVariant &value);

private:
    void read(const QString &method);
    void take(const QVariant &value);

    QDBusConnection m_bus;
    Scheme m_scheme = Scheme::noPreference;
};

#pragma once

#include <QDBusConnection>
#include <QObject>

class QVariant;

// The desktop's colour scheme as the XDG desktop portal tells it (org.freedesktop.appearance
// color-scheme, through PortalSetting): read once at start, then followed as it changes.
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

private:
    void take(const QVariant &value);

    Scheme m_scheme = Scheme::noPreference;
};

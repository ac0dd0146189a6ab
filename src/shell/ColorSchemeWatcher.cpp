#include "shell/ColorSchemeWatcher.h"

#include "settings/PortalSetting.h"

#include <QVariant>
#include <utility>

ColorSchemeWatcher::ColorSchemeWatcher(QDBusConnection bus, QObject *parent) : QObject(parent)
{
    auto *setting = new PortalSetting(std::move(bus), QStringLiteral("org.freedesktop.appearance"),
                                      QStringLiteral("color-scheme"), true, this);
    connect(setting, &PortalSetting::valueChanged, this, &ColorSchemeWatcher::take);
}

void ColorSchemeWatcher::take(const QVariant &value)
{
    bool ok = false;
    const uint number = value.toUInt(&ok);
    const Scheme scheme = ok && number <= 2 ? Scheme(number) : Scheme::noPreference;
    if (scheme == m_scheme)
        return;
    m_scheme = scheme;
    Q_EMIT schemeChanged();
}

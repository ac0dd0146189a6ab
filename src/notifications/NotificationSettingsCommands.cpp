#include "notifications/NotificationSettingsCommands.h"

namespace {
QStringList gnome()
{
    return {QStringLiteral("gnome-control-center"), QStringLiteral("notifications")};
}
QStringList kde()
{
    return {QStringLiteral("systemsettings"), QStringLiteral("kcm_notifications")};
}
QStringList xfce()
{
    return {QStringLiteral("xfce4-notifyd-config")};
}
QStringList mate()
{
    return {QStringLiteral("mate-notification-properties")};
}
QStringList cinnamon()
{
    return {QStringLiteral("cinnamon-settings"), QStringLiteral("notifications")};
}
} // namespace

QList<QStringList> NotificationSettingsCommands::forDesktop(const QString &currentDesktop)
{
    QList<QStringList> commands;
    for (const QString &desktop : currentDesktop.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        const QString name = desktop.trimmed().toUpper();
        if (name == QLatin1String("GNOME") || name == QLatin1String("UNITY") ||
            name == QLatin1String("BUDGIE"))
            commands << gnome();
        else if (name == QLatin1String("X-CINNAMON"))
            commands << cinnamon();
        else if (name == QLatin1String("KDE"))
            commands << kde();
        else if (name == QLatin1String("XFCE"))
            commands << xfce();
        else if (name == QLatin1String("MATE"))
            commands << mate();
    }
    for (const QStringList &fallback : {gnome(), kde(), xfce(), mate()}) {
        if (!commands.contains(fallback))
            commands << fallback;
    }
    return commands;
}

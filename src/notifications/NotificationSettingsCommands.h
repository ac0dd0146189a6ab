#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The programs that show the desktop's notification settings.
namespace NotificationSettingsCommands {

// Candidate commands (program, then arguments), best first, for the desktops named in
// XDG_CURRENT_DESKTOP (a colon-separated list such as "ubuntu:GNOME"). The desktop's own settings
// page comes first; the others follow, so that some settings program opens on any desktop.
QList<QStringList> forDesktop(const QString &currentDesktop);

} // namespace NotificationSettingsCommands

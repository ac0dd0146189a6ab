#pragma once

#include <QString>

// Starting Norrid at login, through an XDG autostart entry:
// $XDG_CONFIG_HOME/autostart/app.norrid.Norrid.desktop, whose Exec is the running executable.
namespace LaunchAtLogin {

// Where the entry lives.
QString entryPath();

// True when the entry exists and the desktop has not been told to skip it (Hidden=true or
// X-GNOME-Autostart-enabled=false, as desktops' startup settings write).
bool isEnabled();

// Writes or removes the entry. Enabling an entry that already starts this executable changes
// nothing; removing an entry that is not there is success. A failure is logged and gives false.
bool setEnabled(bool enabled);

// The Exec value that starts the given program as at login (--autostart), quoted and escaped by
// the Desktop Entry rules.
QString execValue(const QString &program);

} // namespace LaunchAtLogin

#pragma once

#include <variant>

// Norrid's command line. `norrid` (and `norrid --autostart`, as the autostart entry runs it)
// launches the tray application; the commands talk to the Norrid that runs, over the session bus,
// from a QCoreApplication: no display, no platform plugin, no QML, and never a second Norrid.
//
//   norrid --version | --help
//   norrid status [--json | --waybar] [--follow]
//   norrid refresh | popover | settings | quit
//   norrid snooze 30m | 1h | 4h | tomorrow | off
//   norrid diagnose
//
// Exit statuses: 0 done, 2 a usage error, 3 "Norrid is not running."
namespace CommandLine {

inline constexpr int usageError = 2;
inline constexpr int notRunning = 3;

// What a launch of the application needs to know.
struct Launch
{
    bool autostart = false;
};

// Runs a command and gives its exit status, or gives what the launch needs when the arguments ask
// for the application itself.
std::variant<int, Launch> run(int argc, char *argv[]);

} // namespace CommandLine

#pragma once

#include <QString>

class JiraError;

// What the tray and the popover add to the error that paused checking: when the next try is, and
// what ends the pause sooner, in the words of what the user entered.
namespace PauseNote {

QString text(const JiraError &pausedBy, const QString &nextTry);

} // namespace PauseNote

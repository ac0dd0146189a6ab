#pragma once

#include <QString>

struct SettingsDraft;

// The rules a draft must meet before Norrid asks Jira anything with it.
namespace SettingsValidation {

// Trims white space and line breaks at both ends.
QString trimmed(const QString &text);

// Every connection field holds more than white space; the team filter may stay empty.
bool canConnect(const SettingsDraft &draft);

} // namespace SettingsValidation

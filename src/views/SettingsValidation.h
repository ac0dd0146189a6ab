#pragma once

#include <QString>

struct SettingsDraft;

// The rules a draft must meet before Norrid asks Jira anything with it.
namespace SettingsValidation {

// Trims white space and line breaks at both ends.
QString trimmed(const QString &text);

// Every connection field holds more than white space, and the site is one Norrid connects to; the
// email (empty for a personal access token) and the team filter may stay empty.
bool canConnect(const SettingsDraft &draft);

// Why Norrid refuses the site address, for under its field; empty when it is fine or not typed yet.
QString siteProblem(const SettingsDraft &draft);

// The connection field the user should type into first: "siteURL" while it is empty, then "email"
// or "token" while the token is (the email first, when it is empty too); empty when the site and
// the token hold something, since the email may stay empty.
QString firstEmptyConnectionField(const SettingsDraft &draft);

} // namespace SettingsValidation

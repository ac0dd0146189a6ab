#pragma once

#include "jira/JiraConfig.h"

#include <QString>

class AppSettings;

// What the settings window edits: a copy of the stored settings, as the user types them. Nothing
// reaches the store until store().
struct SettingsDraft
{
    QString siteURL;
    QString email;
    QString token;
    QString boardId;
    QString statusName;
    QString extraJQL;
    qint64 pollInterval = 60;
    QString soundName = QStringLiteral("Default");
    bool launchAtLogin = false;

    // The stored settings, and whether Norrid starts at login now.
    static SettingsDraft stored(const AppSettings &settings);

    // The draft as a connection configuration: the site URL normalised, the rest trimmed.
    JiraConfig config() const;

    // Stores the draft (the site URL normalised, the rest trimmed) and sets launch at login. Returns
    // why launch at login could not be set, or nothing.
    QString store(AppSettings &settings) const;

    friend bool operator==(const SettingsDraft &, const SettingsDraft &) = default;
};

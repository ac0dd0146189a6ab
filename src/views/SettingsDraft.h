#pragma once

#include "jira/JiraConfig.h"
#include "jira/WatchedColumn.h"

#include <QList>
#include <QString>

class AppSettings;

// What the settings window edits: a copy of the stored settings, as the user types them. Nothing
// reaches the store until store().
struct SettingsDraft
{
    QString siteURL;
    QString email;
    QString token;
    // The column being edited; the other watched columns are in `columns`.
    QString boardId;
    QString statusName;
    QString extraJQL;
    qint64 pollInterval = 60;
    QString soundName = QStringLiteral("Default");
    bool launchAtLogin = false;
    // Every watched column as it was when the one at `current` began to be edited.
    QList<WatchedColumn> columns = {{}};
    qsizetype current = 0;
    QString columnName; // the name of the column being edited

    // Every watched column, the one being edited as its fields read now, trimmed.
    QList<WatchedColumn> allColumns() const;
    // The stored settings, and whether Norrid starts at login now.
    static SettingsDraft stored(const AppSettings &settings);

    // The draft as a connection configuration: the site URL normalised, the rest trimmed; the column
    // is the one being edited, or the one given.
    JiraConfig config() const;
    JiraConfig config(const WatchedColumn &column) const;

    // Stores the draft (the site URL normalised, the rest trimmed) and sets launch at login. Returns
    // why launch at login could not be set, or nothing.
    QString store(AppSettings &settings) const;

    friend bool operator==(const SettingsDraft &, const SettingsDraft &) = default;
};

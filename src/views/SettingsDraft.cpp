#include "views/SettingsDraft.h"

#include "settings/AppSettings.h"
#include "settings/LaunchAtLogin.h"
#include "views/SettingsValidation.h"

#include <QCoreApplication>

using SettingsValidation::trimmed;

SettingsDraft SettingsDraft::stored(const AppSettings &settings)
{
    SettingsDraft draft{settings.siteURL(),
                        settings.email(),
                        settings.token(),
                        settings.boardId(),
                        settings.statusName(),
                        settings.extraJQL(),
                        settings.pollInterval(),
                        settings.notificationSound(),
                        LaunchAtLogin::isEnabled(),
                        settings.columns(),
                        0,
                        {}};
    draft.columnName = draft.columns.first().name;
    return draft;
}

QList<WatchedColumn> SettingsDraft::allColumns() const
{
    QList<WatchedColumn> all = columns;
    if (current >= 0 && current < all.size()) {
        WatchedColumn &edited = all[current];
        edited.boardId = boardId;
        edited.statusName = statusName;
        edited.extraJQL = extraJQL;
        edited.name = columnName;
    }
    for (WatchedColumn &column : all) {
        column.boardId = trimmed(column.boardId);
        column.statusName = trimmed(column.statusName);
        column.extraJQL = trimmed(column.extraJQL);
        column.name = trimmed(column.name);
    }
    return all;
}

JiraConfig SettingsDraft::config() const
{
    return config({boardId, statusName, extraJQL, columnName, {}});
}

JiraConfig SettingsDraft::config(const WatchedColumn &column) const
{
    return JiraConfig{JiraConfig::normalizeSiteURL(siteURL),
                      trimmed(email),
                      trimmed(token),
                      trimmed(column.boardId),
                      trimmed(column.statusName),
                      trimmed(column.extraJQL)};
}

QString SettingsDraft::store(AppSettings &settings) const
{
    const JiraConfig connection = config();
    settings.setSiteURL(connection.siteURL);
    settings.setEmail(connection.email);
    settings.setToken(connection.token);
    settings.setColumns(allColumns());
    settings.setPollInterval(pollInterval);
    settings.setNotificationSound(soundName);
    if (LaunchAtLogin::setEnabled(launchAtLogin))
        return {};
    return launchAtLogin
               ? QCoreApplication::translate("SettingsDraft",
                                             "Norrid could not set itself to start at login.")
               : QCoreApplication::translate("SettingsDraft", "Norrid could not stop starting at login.");
}

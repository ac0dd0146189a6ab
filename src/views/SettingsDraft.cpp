#include "views/SettingsDraft.h"

#include "settings/AppSettings.h"
#include "settings/LaunchAtLogin.h"
#include "views/SettingsValidation.h"

using SettingsValidation::trimmed;

SettingsDraft SettingsDraft::stored(const AppSettings &settings)
{
    return SettingsDraft{
        settings.siteURL(),        settings.email(),    settings.token(),        settings.boardId(),
        settings.statusName(),     settings.extraJQL(), settings.pollInterval(), settings.notificationSound(),
        LaunchAtLogin::isEnabled()};
}

JiraConfig SettingsDraft::config() const
{
    return JiraConfig{JiraConfig::normalizeSiteURL(siteURL),
                      trimmed(email),
                      trimmed(token),
                      trimmed(boardId),
                      trimmed(statusName),
                      trimmed(extraJQL)};
}

QString SettingsDraft::store(AppSettings &settings) const
{
    const JiraConfig connection = config();
    settings.setSiteURL(connection.siteURL);
    settings.setEmail(connection.email);
    settings.setToken(connection.token);
    settings.setBoardId(connection.boardId);
    settings.setStatusName(connection.statusName);
    settings.setExtraJQL(connection.extraJQL);
    settings.setPollInterval(pollInterval);
    settings.setNotificationSound(soundName);
    if (LaunchAtLogin::setEnabled(launchAtLogin))
        return {};
    return launchAtLogin ? QStringLiteral("Norrid could not set itself to start at login.")
                         : QStringLiteral("Norrid could not stop starting at login.");
}

#pragma once

#include <QString>

// The connection settings as one value.
struct JiraConfig
{
    QString siteURL;
    QString email;
    QString token;
    QString boardId;
    QString statusName;
    QString extraJQL;

    // Trims, drops trailing slashes and forces https ("http://x" becomes "https://x").
    static QString normalizeSiteURL(const QString &raw);
};

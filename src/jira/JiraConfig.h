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

    // The site's origin as typed: trims, forces https ("http://x" becomes "https://x", "x" becomes
    // "https://x") and drops the path, query and fragment of a pasted page address. An address with
    // another or a malformed scheme comes back trimmed, for JiraSite to refuse.
    static QString normalizeSiteURL(const QString &raw);
};

#pragma once

#include <QString>

// The connection settings as one value.
struct JiraConfig
{
    QString siteURL;
    QString email; // empty for a personal access token
    QString token;
    QString boardId;
    QString statusName;
    QString extraJQL;

    // The site address as typed, made an https address: trims white space and trailing slashes,
    // and forces https ("http://x" becomes "https://x", "x" becomes "https://x"). A path stays, and
    // so does the rest of a pasted page address: JiraSite reads the site's base from it. An address
    // with another or a malformed scheme comes back trimmed, for JiraSite to refuse.
    static QString normalizeSiteURL(const QString &raw);
};

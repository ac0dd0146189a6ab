#pragma once

#include "jira/ColumnPages.h"
#include "jira/JiraEndpoint.h"

#include <QHash>
#include <QString>
#include <optional>

// What Norrid has learned about reaching one site's columns, so that an ordinary poll is one
// request and costs little: which board read the site serves, whether the credentials work only
// through Atlassian's gateway (a scoped API token), and the pages the columns last came in. The
// monitor keeps one until the settings change; a client without one starts from nothing each time.
struct JiraRoute
{
    enum class BoardRead
    {
        unknown,
        software, // /rest/software/1.0, paged by token: today's Jira Cloud
        agile     // /rest/agile/1.0, paged by startAt: Jira Data Center, and Cloud until it retires it
    };

    BoardRead boardRead = BoardRead::unknown;
    // Set once the gateway accepted credentials that the site's own host turned down.
    std::optional<JiraEndpoint> gateway;
    // The pages of the last read of each board's columns that succeeded (by ColumnRequest::readKey):
    // an unchanged column is not decoded again.
    QHash<QString, ColumnPages> lastReads;
};

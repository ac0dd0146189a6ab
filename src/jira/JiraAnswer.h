#pragma once

#include <QByteArray>

// What a Jira server answered to one request, after its redirects: the status, the headers that
// decide what the answer means, and the body of a 2xx (or of a 400 or 403, which explain themselves
// there).
// JiraVerdict turns it into a result or an error.
struct JiraAnswer
{
    int status = 0;
    QByteArray body;
    QByteArray retryAfter;   // Retry-After
    QByteArray loginReason;  // X-Seraph-LoginReason
    QByteArray deniedReason; // X-Authentication-Denied-Reason
};

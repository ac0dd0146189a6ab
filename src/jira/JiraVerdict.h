#pragma once

#include "jira/JiraAnswer.h"
#include "jira/JiraResult.h"

#include <QByteArray>

// What Jira's answer means: the body of a success, or the error its status and headers name.
// Atlassian's login reason outranks the status: a request whose credentials failed on a board that
// anonymous users may browse comes back 200 with an empty column, and only
// X-Seraph-LoginReason tells that the email or token was turned down.
namespace JiraVerdict {

JiraResult<QByteArray> read(JiraAnswer answer);

} // namespace JiraVerdict

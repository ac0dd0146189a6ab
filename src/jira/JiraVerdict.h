#pragma once

#include "jira/JiraAnswer.h"
#include "jira/JiraCredentialKind.h"
#include "jira/JiraResult.h"

#include <QByteArray>

class JiraSite;

// What Jira's answer means: the body of a success, or the error its status and headers name.
// Atlassian's login reason outranks the status: a request whose credentials failed on a board that
// anonymous users may browse comes back 200 with an empty column, and only
// X-Seraph-LoginReason tells that the email or token was turned down. A CAPTCHA that Jira Server
// and Data Center ask for after failed logins (X-Authentication-Denied-Reason) outranks both.
namespace JiraVerdict {

// `credentials` names what was sent, for the texts; `site` is the site asked, whose login page
// alone is offered for a CAPTCHA.
JiraResult<QByteArray> read(JiraAnswer answer, JiraCredentialKind credentials, const JiraSite &site);

} // namespace JiraVerdict

#pragma once

#include "jira/JiraEndpoint.h"
#include "jira/JiraRequest.h"
#include "jira/JiraResult.h"

#include <QCoroTask>
#include <QString>
#include <QUrl>

class JiraSite;

// Atlassian's API gateway. A scoped API token is refused on the site's own host and works only
// at https://api.atlassian.com/ex/jira/<cloudId>/…, where the site's cloudId is what
// https://<site>/_edge/tenant_info says (asked without credentials). Only Jira Cloud sites, on
// *.atlassian.net, have one.
namespace JiraGateway {

// Whether the site is a Cloud site that the gateway serves.
bool serves(const JiraSite &site);

// The gateway's endpoint for the site, after asking the site for its cloudId.
QCoro::Task<JiraResult<JiraEndpoint>> endpointFor(JiraSite site, JiraRequest::Limits limits);

// Tests put a fake gateway at this origin and let every site count as a Cloud site; an empty URL
// restores Atlassian's.
void setOriginForTesting(const QUrl &origin);

} // namespace JiraGateway

#pragma once

#include "jira/JiraEndpoint.h"
#include "jira/JiraRequest.h"
#include "jira/JiraResult.h"

#include <QCoroTask>
#include <QString>
#include <QUrl>

// Atlassian's API gateway. A scoped API token is refused on the site's own host and works only
// at https://api.atlassian.com/ex/jira/<cloudId>/…, where the site's cloudId is what
// https://<site>/_edge/tenant_info says (asked without credentials). Only Jira Cloud sites, on
// *.atlassian.net, have one.
namespace JiraGateway {

// Whether the site at this origin is a Cloud site that the gateway serves.
bool serves(const QUrl &siteOrigin);

// The gateway's endpoint for the site, after asking the site for its cloudId.
QCoro::Task<JiraResult<JiraEndpoint>> endpointFor(QUrl siteOrigin, JiraRequest::Limits limits);

// Tests put a fake gateway at this origin and let every site count as a Cloud site; an empty URL
// restores Atlassian's.
void setOriginForTesting(const QUrl &origin);

} // namespace JiraGateway

#pragma once

#include "jira/JiraConfig.h"
#include "jira/JiraRequest.h"
#include "jira/JiraResult.h"
#include "jira/JiraRoute.h"

#include <QByteArray>
#include <QCoroTask>
#include <QList>
#include <QString>
#include <memory>
#include <utility>

// One authenticated GET of a Jira REST path: it checks the configuration, sends the credentials to
// the site's origin (or to Atlassian's gateway once the route has learned that only the gateway
// takes them) and hands back the body of a success or the error the answer names.
//
// When the site's own host turns the credentials down and the site is a Cloud site, the same
// request is tried once through the gateway; if the gateway takes them, the route remembers it.
// The credentials go to no other host than these two, and over https only.
namespace JiraConnection {

using QueryItems = QList<std::pair<QString, QString>>;

// The route is read and updated as the request learns; the configuration is copied, so the caller
// may go away while the request runs.
QCoro::Task<JiraResult<QByteArray>> get(JiraConfig config, std::shared_ptr<JiraRoute> route, QString path,
                                        QueryItems query, JiraRequest::Limits limits);

} // namespace JiraConnection

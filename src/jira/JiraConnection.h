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

// One authenticated GET of a Jira REST path under the site's base: it checks the configuration,
// sends the credentials (JiraCredentials) to the site's origin (or to Atlassian's gateway once the
// route has learned that only the gateway takes them) and hands back the body of a success or the
// error the answer names.
//
// When the site's own host turns an email and token down and the site is a Cloud site, the same
// request is tried once through the gateway; if the gateway takes them, the route remembers it. The
// credentials go to no other host than these two, and over https only; a personal access token
// goes to the site alone, and never to a Cloud site, which takes none.
namespace JiraConnection {

using QueryItems = QList<std::pair<QString, QString>>;

// The route is read and updated as the request learns; the configuration is copied, so the caller
// may go away while the request runs.
QCoro::Task<JiraResult<QByteArray>> get(JiraConfig config, std::shared_ptr<JiraRoute> route, QString path,
                                        QueryItems query, JiraRequest::Limits limits);

// A GET under the site's base without credentials, for what Jira tells anyone (serverInfo).
QCoro::Task<JiraResult<QByteArray>> getAnonymous(JiraConfig config, QString path, JiraRequest::Limits limits);

} // namespace JiraConnection

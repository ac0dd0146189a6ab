#pragma once

#include "support/FakeJiraServer.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// Bodies in the shape Jira sends them, for scripting FakeJiraServer.
namespace FakeJiraDocuments {

struct Issue
{
    QString key;
    QString summary;
    std::optional<QString> assignee;
    std::optional<QString> updated;     // sent as text, e.g. "2024-03-05T14:07:09.123+0100"
    std::optional<QString> status = {}; // sent as fields.status.name
};

struct Filter
{
    qint64 id = 0;
    QString name;
    QString jql;
};

// The column's read on today's Jira Cloud (/rest/software/1.0/…/issue), and the agile read that
// Jira Data Center serves (/rest/agile/1.0/…/issue).
QString issuesPath(const QString &boardId);
QString agileIssuesPath(const QString &boardId);
QString quickFiltersPath(const QString &boardId);

// The agile read's document, with the paging members Jira adds; `total` defaults to the count. The
// software read ignores those, so one page of it serves on either path.
QByteArray issues(const QList<Issue> &issues, qint64 startAt = 0, std::optional<qint64> total = std::nullopt);
// The software read's document: no total, and a token for the next page unless this is the last.
QByteArray tokenPage(const QList<Issue> &issues, const std::optional<QString> &nextPageToken);
// `count` cards AB-1 … AB-<count>, without times.
QList<Issue> numberedIssues(int count);
// Serves `issues` the way the agile read does: from startAt, at most min(maxResults, pageSize) per
// page, with the column's total; a server that ignores startAt answers every request with the
// first page.
FakeJiraServer::Handler agilePages(QList<Issue> issues, int pageSize = 100, bool honoursStartAt = true);
// Serves `issues` the way the software read does: at most min(maxResults, pageSize) per page, each
// page naming the next by an opaque token, the last one with isLast. With `repeatToken`, every page
// names the same token (a server that loops).
FakeJiraServer::Handler tokenPages(QList<Issue> issues, int pageSize = 100, bool repeatToken = false);
// A board as Jira's search serves it: the cards whose status the JQL names (status = "X",
// status in ("A", "B"), or such terms joined by OR), compared ignoring case, on one page.
FakeJiraServer::Handler boardByStatus(QList<Issue> board);
// What /rest/api/2/serverInfo says: deploymentType "Cloud", "Server" or "DataCenter".
QByteArray serverInfo(const QString &deploymentType, const QString &version);
// A Data Center site with Basic authentication turned off: `handler` answers a request that brings
// this personal access token as its Bearer token; any other request gets what Jira sends then, a
// 403 for Basic credentials and a 401 for a wrong token.
FakeJiraServer::Handler bearerOnly(const QByteArray &token, FakeJiraServer::Handler handler);
// What such a site answers to Basic credentials.
FakeResponse basicAuthDisabled();
// Jira Server's answer after repeated failed logins: the CAPTCHA it wants, and where to sign in.
FakeResponse captcha(const QByteArray &loginURL, int status = 403);
// One quick-filter page; `isLast` none leaves the member out.
QByteArray quickFilterPage(const QList<Filter> &values, qint64 startAt, std::optional<bool> isLast);
// `count` filters with ids 1..count, named "Filter <id>" with JQL "team = <id>".
QList<Filter> numberedFilters(int count);
// Serves `filters` the way Jira does: from startAt, at most min(maxResults, pageSize) per page.
FakeJiraServer::Handler quickFilterPages(QList<Filter> filters, int pageSize = 50);

} // namespace FakeJiraDocuments

#pragma once

#include "jira/ColumnGroup.h"
#include "jira/JiraConfig.h"
#include "jira/JiraResult.h"
#include "jira/JiraRoute.h"
#include "jira/JiraServerInfo.h"
#include "jira/QuickFilter.h"
#include "jira/ReviewIssue.h"

#include <QCoroTask>
#include <QList>
#include <QObject>
#include <QUrl>
#include <memory>
#include <optional>

// Talks to one Jira site with one configuration. Callers build one when they need it; what it
// learns about the site (which board read it serves, whether the token needs Atlassian's gateway)
// goes into the route it is given, which a caller may keep for the next client. The fetches copy
// the configuration when they start, so the client may go away while they run.
//
// The column is read through Jira Cloud's software read first; a site that answers it with 404
// (Jira Data Center, or a Cloud site without it) is read through the agile read, and a site whose
// agile read answers 410 Gone through the software one. Every request goes under the site's base
// (JiraSite), context path included.
class JiraClient
{
public:
    // Jira sends at most 50 quick filters a page, so this bound allows 10,000 of them; it only
    // stops a server that keeps answering "not the last page" with new values.
    static constexpr int maximumQuickFilterPages = 200;
    // Without a route, the client learns afresh what it needs for each fetch.
    explicit JiraClient(JiraConfig config, std::shared_ptr<JiraRoute> route = {});

    const JiraConfig &config() const { return m_config; }

    // The board's page in the browser, under the site's base; none when the site is refused.
    std::optional<QUrl> boardURL() const;

    // The cards in the watched status, every page of them, in the order Jira sent them. The fetch
    // is abandoned (a transport error) when cancelScope, if given, is destroyed meanwhile.
    QCoro::Task<JiraResult<QList<ReviewIssue>>> fetchReviewIssues(const QObject *cancelScope = nullptr) const;

    // The cards of a group's columns on the group's board, every page of them, in the order Jira
    // sent them (ColumnGroup::split tells them apart); the configuration's own column plays no part.
    QCoro::Task<JiraResult<QList<ReviewIssue>>> fetchColumns(const ColumnGroup &group,
                                                             const QObject *cancelScope = nullptr) const;

    // What the site says it is, asked without credentials.
    QCoro::Task<JiraResult<JiraServerInfo>> fetchServerInfo() const;

    // Every quick filter of the board, across all pages.
    QCoro::Task<JiraResult<QList<QuickFilter>>> fetchQuickFilters() const;

private:
    JiraConfig m_config;
    std::shared_ptr<JiraRoute> m_route;
};

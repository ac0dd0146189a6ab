#pragma once

#include "jira/JiraConfig.h"
#include "jira/JiraResult.h"
#include "jira/QuickFilter.h"
#include "jira/ReviewIssue.h"

#include <QCoroTask>
#include <QList>
#include <QObject>
#include <QUrl>
#include <optional>

// Talks to one Jira Cloud site with one configuration. Stateless: callers build one when they need
// it. The fetches copy the configuration when they start, so the client may go away while they run.
class JiraClient
{
public:
    // Jira sends at most 50 quick filters a page, so this bound allows 10,000 of them; it only
    // stops a server that keeps answering "not the last page" with new values.
    static constexpr int maximumQuickFilterPages = 200;
    // The watched column is read in pages of this many cards, up to this many cards in all.
    static constexpr int reviewIssuesPageSize = 100;
    static constexpr int maximumReviewIssues = 1000;

    explicit JiraClient(JiraConfig config);

    const JiraConfig &config() const { return m_config; }

    // The board's page in the browser, on the site's origin; none when the site is refused.
    std::optional<QUrl> boardURL() const;

    // The cards in the watched status, every page of them, in the order Jira sent them. The fetch
    // is abandoned (a transport error) when cancelScope, if given, is destroyed meanwhile.
    QCoro::Task<JiraResult<QList<ReviewIssue>>> fetchReviewIssues(const QObject *cancelScope = nullptr) const;

    // Every quick filter of the board, across all pages.
    QCoro::Task<JiraResult<QList<QuickFilter>>> fetchQuickFilters() const;

private:
    JiraConfig m_config;
};

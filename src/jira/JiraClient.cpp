#include "jira/JiraClient.h"

#include "jira/AgileBoardRead.h"
#include "jira/JiraConnection.h"
#include "jira/JiraDocuments.h"
#include "jira/JiraSite.h"
#include "jira/SoftwareBoardRead.h"

#include <utility>

namespace {

bool isStatus(const JiraResult<QList<ReviewIssue>> &result, int status)
{
    return !result.ok() && result.error().kind() == JiraError::Kind::http &&
           result.error().statusCode() == status;
}

using BoardRead = JiraRoute::BoardRead;

// Free coroutines taking their arguments by value: the copies live in the coroutine frame, so the
// client that started them may be destroyed while they wait.
QCoro::Task<JiraResult<QList<ReviewIssue>>> readColumn(ColumnRequest request)
{
    const std::shared_ptr<JiraRoute> route = request.route;
    if (route->boardRead == BoardRead::software) {
        auto software = co_await SoftwareBoardRead::fetch(std::move(request));
        co_return software;
    }
    if (route->boardRead == BoardRead::agile) {
        auto agile = co_await AgileBoardRead::fetch(request);
        if (!isStatus(agile, 410))
            co_return agile;
        // Atlassian retired the agile read on this site since it was learned.
        auto software = co_await SoftwareBoardRead::fetch(std::move(request));
        if (software.ok())
            route->boardRead = BoardRead::software;
        co_return software;
    }

    auto software = co_await SoftwareBoardRead::fetch(request);
    if (!isStatus(software, 404)) {
        if (software.ok())
            route->boardRead = BoardRead::software;
        co_return software;
    }
    const JiraConfig config = request.config;
    auto agile = co_await AgileBoardRead::fetch(std::move(request));
    if (agile.ok())
        route->boardRead = BoardRead::agile;
    // Both failed: the software read's 404 only says that this site does not serve it, unless the
    // agile read is gone too, when that 404 is about the board.
    if (isStatus(agile, 410))
        co_return software;
    // Nothing answers at either read: on a self-hosted site typed without its context path, that
    // is the web server in front of Jira speaking.
    if (isStatus(agile, 404)) {
        const JiraSite site = JiraSite::read(config.siteURL);
        if (site.path().isEmpty() && !site.isCloud()) {
            if (const auto tried = site.link(ColumnRequest::path(AgileBoardRead::api, config.boardId)))
                co_return JiraError::notFoundAtSite(*tried);
        }
    }
    co_return agile;
}

QCoro::Task<JiraResult<QList<ReviewIssue>>> fetchReviewIssuesWith(ColumnRequest request)
{
    const std::shared_ptr<JiraRoute> route = request.route;
    const std::shared_ptr<ColumnPages> received = request.received;
    const QString readKey = request.readKey();
    auto column = co_await readColumn(std::move(request));
    if (column.ok())
        route->lastReads.insert(readKey, std::move(*received));
    co_return column;
}

QCoro::Task<JiraResult<JiraServerInfo>> fetchServerInfoWith(JiraConfig config)
{
    auto body = co_await JiraConnection::getAnonymous(config, QStringLiteral("/rest/api/2/serverInfo"),
                                                      JiraRequest::Limits::fromNow());
    if (!body.ok())
        co_return body.error();
    if (auto info = JiraServerInfo::decode(body.value()))
        co_return *info;
    co_return JiraError::decoding(QStringLiteral("the site's serverInfo is not Jira's"));
}

QCoro::Task<JiraResult<QList<QuickFilter>>> fetchQuickFiltersWith(JiraConfig config,
                                                                  std::shared_ptr<JiraRoute> route)
{
    const QString path =
        QStringLiteral("/rest/agile/1.0/board/") + config.boardId + QStringLiteral("/quickfilter");
    QList<QuickFilter> filters;
    QList<QuickFilter> previousPage;
    for (int page = 0;; ++page) {
        if (page == JiraClient::maximumQuickFilterPages)
            co_return JiraError::decoding(
                QStringLiteral("the quick filters did not end after %1 pages").arg(page));
        // The next offset is the count gathered so far, so shorter pages still get consecutive ones.
        JiraConnection::QueryItems query{{QStringLiteral("startAt"), QString::number(filters.size())},
                                         {QStringLiteral("maxResults"), QStringLiteral("50")}};
        auto body = co_await JiraConnection::get(config, route, path, std::move(query),
                                                 JiraRequest::Limits::fromNow());
        if (!body.ok())
            co_return body.error();
        auto result = JiraDocuments::decodeQuickFilterPage(body.value());
        if (!result.ok())
            co_return result.error();
        QuickFilterPage &current = result.value();
        // A server that ignores startAt answers every request with the first page.
        if (page > 0 && !current.values.isEmpty() && current.values == previousPage)
            co_return JiraError::decoding(
                QStringLiteral("Jira sent the same page of quick filters twice (at %1)").arg(filters.size()));
        filters += current.values;
        if (current.isLast.value_or(true) || current.values.isEmpty())
            co_return filters;
        previousPage = std::move(current.values);
    }
}

} // namespace

JiraClient::JiraClient(JiraConfig config, std::shared_ptr<JiraRoute> route)
    : m_config(std::move(config)), m_route(route ? std::move(route) : std::make_shared<JiraRoute>())
{
}

std::optional<QUrl> JiraClient::boardURL() const
{
    return JiraSite::read(m_config.siteURL).boardURL(m_config.boardId);
}

QCoro::Task<JiraResult<JiraServerInfo>> JiraClient::fetchServerInfo() const
{
    return fetchServerInfoWith(m_config);
}

QCoro::Task<JiraResult<QList<ReviewIssue>>> JiraClient::fetchReviewIssues(const QObject *cancelScope) const
{
    const WatchedColumn column{m_config.boardId, m_config.statusName, m_config.extraJQL, {}, {}};
    return fetchColumns(ColumnGroup{m_config.boardId, {0}, {column}}, cancelScope);
}

QCoro::Task<JiraResult<QList<ReviewIssue>>> JiraClient::fetchColumns(const ColumnGroup &group,
                                                                     const QObject *cancelScope) const
{
    JiraConfig config = m_config;
    config.boardId = group.boardId;
    ColumnRequest request{std::move(config), m_route, group.jql(), JiraRequest::Limits::fromNow(cancelScope)};
    if (group.needsStatus())
        request.fields += QStringLiteral(",status");
    return fetchReviewIssuesWith(std::move(request));
}

QCoro::Task<JiraResult<QList<QuickFilter>>> JiraClient::fetchQuickFilters() const
{
    return fetchQuickFiltersWith(m_config, m_route);
}

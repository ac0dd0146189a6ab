#include "jira/BoardColumn.h"

QCoro::Task<JiraResult<BoardIssuesResponse>> ColumnRequest::page(QStringView api,
                                                                 JiraConnection::QueryItems paging) const
{
    const QString path = QStringLiteral("/rest/") + api.toString() + QStringLiteral("/board/") +
                         config.boardId + QStringLiteral("/issue");
    JiraConnection::QueryItems query{{QStringLiteral("jql"), jql},
                                     {QStringLiteral("fields"), QStringLiteral("summary,assignee,updated")}};
    query += paging;
    auto body = co_await JiraConnection::get(config, route, path, std::move(query), limits);
    if (!body.ok())
        co_return body.error();
    co_return JiraDocuments::decodeBoardIssues(body.value());
}

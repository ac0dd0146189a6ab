#include "jira/AgileBoardRead.h"

QCoro::Task<JiraResult<QList<ReviewIssue>>> AgileBoardRead::fetch(ColumnRequest request)
{
    const QString path = request.path(api);
    BoardColumn column;
    while (!column.isFull()) {
        JiraConnection::QueryItems query{
            {QStringLiteral("jql"), request.jql},
            {QStringLiteral("fields"), QStringLiteral("summary,assignee,updated")},
            {QStringLiteral("startAt"), QString::number(column.size())},
            {QStringLiteral("maxResults"), QString::number(pageSize)}};
        auto body = co_await JiraConnection::get(request.config, request.route, path, query, request.limits);
        if (!body.ok())
            co_return body.error();
        auto page = JiraDocuments::decodeBoardIssues(body.value());
        if (!page.ok())
            co_return page.error();
        if (column.add(page.value().issues) == 0 || column.size() >= page.value().total.value_or(0))
            break;
    }
    co_return column.take();
}

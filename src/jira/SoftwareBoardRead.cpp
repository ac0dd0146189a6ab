#include "jira/SoftwareBoardRead.h"

QCoro::Task<JiraResult<QList<ReviewIssue>>> SoftwareBoardRead::fetch(ColumnRequest request)
{
    const QString path = request.path(api);
    BoardColumn column;
    QSet<QString> tokensSeen;
    std::optional<QString> token;
    while (!column.isFull()) {
        JiraConnection::QueryItems query{
            {QStringLiteral("jql"), request.jql},
            {QStringLiteral("fields"), QStringLiteral("summary,assignee,updated")},
            {QStringLiteral("maxResults"), QString::number(BoardColumn::maximumCards)}};
        if (token)
            query.append({QStringLiteral("nextPageToken"), *token});
        auto body = co_await JiraConnection::get(request.config, request.route, path, query, request.limits);
        if (!body.ok())
            co_return body.error();
        auto page = JiraDocuments::decodeBoardIssues(body.value());
        if (!page.ok())
            co_return page.error();
        const qsizetype added = column.add(page.value().issues);
        token = page.value().nextPageToken;
        if (page.value().isLast.value_or(false) || !token || token->isEmpty() || added == 0 ||
            tokensSeen.contains(*token))
            break;
        tokensSeen.insert(*token);
    }
    co_return column.take();
}

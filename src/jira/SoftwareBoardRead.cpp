#include "jira/SoftwareBoardRead.h"

QCoro::Task<JiraResult<QList<ReviewIssue>>> SoftwareBoardRead::fetch(ColumnRequest request)
{
    BoardColumn column;
    QSet<QString> tokensSeen;
    std::optional<QString> token;
    while (!column.isFull()) {
        JiraConnection::QueryItems paging{
            {QStringLiteral("maxResults"), QString::number(BoardColumn::maximumCards)}};
        if (token)
            paging.append({QStringLiteral("nextPageToken"), *token});
        auto page = co_await request.page(api, std::move(paging));
        if (!page.ok())
            co_return page.error();
        const qsizetype added = column.add(page.value().cards);
        token = page.value().nextPageToken;
        if (page.value().isLast.value_or(false) || !token || token->isEmpty() || added == 0 ||
            tokensSeen.contains(*token))
            break;
        tokensSeen.insert(*token);
    }
    co_return column.take();
}

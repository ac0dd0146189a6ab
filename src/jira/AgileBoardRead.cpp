#include "jira/AgileBoardRead.h"

QCoro::Task<JiraResult<QList<ReviewIssue>>> AgileBoardRead::fetch(ColumnRequest request)
{
    BoardColumn column;
    while (!column.isFull()) {
        JiraConnection::QueryItems paging{{QStringLiteral("startAt"), QString::number(column.size())},
                                          {QStringLiteral("maxResults"), QString::number(pageSize)}};
        auto page = co_await request.page(api, std::move(paging));
        if (!page.ok())
            co_return page.error();
        if (column.add(page.value().cards) == 0 || column.size() >= page.value().total.value_or(0))
            break;
    }
    co_return column.take();
}

#include "jira/BoardColumn.h"

QString ColumnRequest::path(QStringView api, const QString &boardId)
{
    return QStringLiteral("/rest/") + api.toString() + QStringLiteral("/board/") + boardId +
           QStringLiteral("/issue");
}

QCoro::Task<JiraResult<ColumnPage>> ColumnRequest::page(QStringView api,
                                                        JiraConnection::QueryItems paging) const
{
    const QString path = ColumnRequest::path(api, config.boardId);
    JiraConnection::QueryItems query{{QStringLiteral("jql"), jql},
                                     {QStringLiteral("fields"), QStringLiteral("summary,assignee,updated")}};
    query += paging;
    auto body = co_await JiraConnection::get(config, route, path, std::move(query), limits);
    if (!body.ok())
        co_return body.error();
    const QByteArray &bytes = body.value();
    ColumnPage page;
    if (const ColumnPage *known = route->lastRead.find(bytes)) {
        page = *known;
    } else {
        auto decoded = JiraDocuments::decodeBoardIssues(bytes);
        if (!decoded.ok())
            co_return decoded.error();
        page = ColumnPage::from(decoded.value());
    }
    received->keep(bytes, page);
    co_return page;
}

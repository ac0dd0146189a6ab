#include "jira/BoardColumn.h"

QString ColumnRequest::path(QStringView api, const QString &boardId)
{
    return QStringLiteral("/rest/") + api.toString() + QStringLiteral("/board/") + boardId +
           QStringLiteral("/issue");
}

QString ColumnRequest::readKey() const
{
    return config.boardId + u'\n' + jql + u'\n' + fields;
}

QCoro::Task<JiraResult<ColumnPage>> ColumnRequest::page(QStringView api,
                                                        JiraConnection::QueryItems paging) const
{
    const QString path = ColumnRequest::path(api, config.boardId);
    JiraConnection::QueryItems query{{QStringLiteral("jql"), jql}, {QStringLiteral("fields"), fields}};
    query += paging;
    auto body = co_await JiraConnection::get(config, route, path, std::move(query), limits);
    if (!body.ok())
        co_return body.error();
    const QByteArray &bytes = body.value();
    ColumnPage page;
    const auto kept = route->lastReads.constFind(readKey());
    const ColumnPage *known = kept == route->lastReads.cend() ? nullptr : kept->find(bytes);
    if (known) {
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

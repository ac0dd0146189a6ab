#include "support/FakeJiraDocuments.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

QString FakeJiraDocuments::issuesPath(const QString &boardId)
{
    return QStringLiteral("/rest/agile/1.0/board/") + boardId + QStringLiteral("/issue");
}

QString FakeJiraDocuments::quickFiltersPath(const QString &boardId)
{
    return QStringLiteral("/rest/agile/1.0/board/") + boardId + QStringLiteral("/quickfilter");
}

QByteArray FakeJiraDocuments::issues(const QList<Issue> &issues, qint64 startAt, std::optional<qint64> total)
{
    QJsonArray array;
    for (const Issue &issue : issues) {
        QJsonObject fields{{QStringLiteral("summary"), issue.summary}};
        if (issue.updated)
            fields.insert(QStringLiteral("updated"), *issue.updated);
        if (issue.assignee)
            fields.insert(QStringLiteral("assignee"),
                          QJsonObject{{QStringLiteral("displayName"), *issue.assignee},
                                      {QStringLiteral("active"), true}});
        else
            fields.insert(QStringLiteral("assignee"), QJsonValue::Null);
        array.append(QJsonObject{{QStringLiteral("id"), QString::number(10000 + array.size())},
                                 {QStringLiteral("key"), issue.key},
                                 {QStringLiteral("fields"), fields}});
    }
    const QJsonObject document{{QStringLiteral("expand"), QStringLiteral("schema,names")},
                               {QStringLiteral("startAt"), startAt},
                               {QStringLiteral("maxResults"), 100},
                               {QStringLiteral("total"), total.value_or(array.size())},
                               {QStringLiteral("issues"), array}};
    return QJsonDocument(document).toJson(QJsonDocument::Compact);
}

QByteArray FakeJiraDocuments::quickFilterPage(const QList<Filter> &values, qint64 startAt,
                                              std::optional<bool> isLast)
{
    QJsonArray array;
    for (const Filter &filter : values)
        array.append(QJsonObject{{QStringLiteral("id"), filter.id},
                                 {QStringLiteral("boardId"), 7},
                                 {QStringLiteral("name"), filter.name},
                                 {QStringLiteral("jql"), filter.jql},
                                 {QStringLiteral("position"), 0}});
    QJsonObject document{{QStringLiteral("maxResults"), 50},
                         {QStringLiteral("startAt"), startAt},
                         {QStringLiteral("values"), array}};
    if (isLast)
        document.insert(QStringLiteral("isLast"), *isLast);
    return QJsonDocument(document).toJson(QJsonDocument::Compact);
}

QList<FakeJiraDocuments::Filter> FakeJiraDocuments::numberedFilters(int count)
{
    QList<Filter> filters;
    for (int id = 1; id <= count; ++id)
        filters.append({id, QStringLiteral("Filter %1").arg(id), QStringLiteral("team = %1").arg(id)});
    return filters;
}

FakeJiraServer::Handler FakeJiraDocuments::quickFilterPages(QList<Filter> filters, int pageSize)
{
    return [filters = std::move(filters), pageSize](const RecordedRequest &request) {
        const qsizetype startAt =
            std::clamp<qsizetype>(request.queryValue(u"startAt").toLongLong(), 0, filters.size());
        bool ok = false;
        const int asked = request.queryValue(u"maxResults").toInt(&ok);
        const qsizetype size = std::min<qsizetype>(ok && asked > 0 ? asked : 50, pageSize);
        const QList<Filter> page = filters.mid(startAt, size);
        return FakeResponse::json(quickFilterPage(page, startAt, startAt + page.size() >= filters.size()));
    };
}

QList<FakeJiraDocuments::Issue> FakeJiraDocuments::numberedIssues(int count)
{
    QList<Issue> list;
    for (int number = 1; number <= count; ++number)
        list.append({QStringLiteral("AB-%1").arg(number), QStringLiteral("Card %1").arg(number), std::nullopt,
                     std::nullopt});
    return list;
}

FakeJiraServer::Handler FakeJiraDocuments::issuePages(QList<Issue> issues, int pageSize, bool honoursStartAt)
{
    return [issues = std::move(issues), pageSize, honoursStartAt](const RecordedRequest &request) {
        const qsizetype startAt =
            honoursStartAt
                ? std::clamp<qsizetype>(request.queryValue(u"startAt").toLongLong(), 0, issues.size())
                : 0;
        bool ok = false;
        const int asked = request.queryValue(u"maxResults").toInt(&ok);
        const qsizetype size = std::min<qsizetype>(ok && asked > 0 ? asked : 50, pageSize);
        return FakeResponse::json(
            FakeJiraDocuments::issues(issues.mid(startAt, size), startAt, issues.size()));
    };
}

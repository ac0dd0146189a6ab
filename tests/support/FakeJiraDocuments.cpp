#include "support/FakeJiraDocuments.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

using namespace Qt::StringLiterals;

QString FakeJiraDocuments::issuesPath(const QString &boardId)
{
    return u"/rest/software/1.0/board/"_s + boardId + u"/issue"_s;
}

QString FakeJiraDocuments::agileIssuesPath(const QString &boardId)
{
    return u"/rest/agile/1.0/board/"_s + boardId + u"/issue"_s;
}

QString FakeJiraDocuments::quickFiltersPath(const QString &boardId)
{
    return u"/rest/agile/1.0/board/"_s + boardId + u"/quickfilter"_s;
}

namespace {

QJsonArray issueArray(const QList<FakeJiraDocuments::Issue> &issues)
{
    QJsonArray array;
    for (const FakeJiraDocuments::Issue &issue : issues) {
        QJsonObject fields{{u"summary"_s, issue.summary}};
        if (issue.updated)
            fields.insert(u"updated"_s, *issue.updated);
        if (issue.status)
            fields.insert(u"status"_s, QJsonObject{{u"name"_s, *issue.status}, {u"id"_s, u"10001"_s}});
        if (issue.assignee)
            fields.insert(u"assignee"_s,
                          QJsonObject{{u"displayName"_s, *issue.assignee}, {u"active"_s, true}});
        else
            fields.insert(u"assignee"_s, QJsonValue::Null);
        array.append(QJsonObject{
            {u"id"_s, QString::number(10000 + array.size())}, {u"key"_s, issue.key}, {u"fields"_s, fields}});
    }
    return array;
}

} // namespace

QByteArray FakeJiraDocuments::issues(const QList<Issue> &issues, qint64 startAt, std::optional<qint64> total)
{
    const QJsonArray array = issueArray(issues);
    const QJsonObject document{{u"expand"_s, u"schema,names"_s},
                               {u"startAt"_s, startAt},
                               {u"maxResults"_s, 100},
                               {u"total"_s, total.value_or(array.size())},
                               {u"issues"_s, array}};
    return QJsonDocument(document).toJson(QJsonDocument::Compact);
}

QByteArray FakeJiraDocuments::tokenPage(const QList<Issue> &issues,
                                        const std::optional<QString> &nextPageToken)
{
    QJsonObject document{{u"issues"_s, issueArray(issues)}, {u"isLast"_s, !nextPageToken}};
    if (nextPageToken)
        document.insert(u"nextPageToken"_s, *nextPageToken);
    return QJsonDocument(document).toJson(QJsonDocument::Compact);
}

QByteArray FakeJiraDocuments::quickFilterPage(const QList<Filter> &values, qint64 startAt,
                                              std::optional<bool> isLast)
{
    QJsonArray array;
    for (const Filter &filter : values)
        array.append(QJsonObject{{u"id"_s, filter.id},
                                 {u"boardId"_s, 7},
                                 {u"name"_s, filter.name},
                                 {u"jql"_s, filter.jql},
                                 {u"position"_s, 0}});
    QJsonObject document{{u"maxResults"_s, 50}, {u"startAt"_s, startAt}, {u"values"_s, array}};
    if (isLast)
        document.insert(u"isLast"_s, *isLast);
    return QJsonDocument(document).toJson(QJsonDocument::Compact);
}

QList<FakeJiraDocuments::Filter> FakeJiraDocuments::numberedFilters(int count)
{
    QList<Filter> filters;
    for (int id = 1; id <= count; ++id)
        filters.append({id, u"Filter %1"_s.arg(id), u"team = %1"_s.arg(id)});
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
        list.append({u"AB-%1"_s.arg(number), u"Card %1"_s.arg(number), std::nullopt, std::nullopt});
    return list;
}

FakeJiraServer::Handler FakeJiraDocuments::agilePages(QList<Issue> issues, int pageSize, bool honoursStartAt)
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

FakeJiraServer::Handler FakeJiraDocuments::tokenPages(QList<Issue> issues, int pageSize, bool repeatToken)
{
    return [issues = std::move(issues), pageSize, repeatToken](const RecordedRequest &request) {
        // The token is the offset, written so that nobody mistakes it for a number to count with.
        const QString token = request.queryValue(u"nextPageToken");
        const qsizetype start = std::clamp<qsizetype>(token.mid(5).toLongLong(), 0, issues.size());
        bool ok = false;
        const int asked = request.queryValue(u"maxResults").toInt(&ok);
        const qsizetype size = std::min<qsizetype>(ok && asked > 0 ? asked : 50, pageSize);
        const qsizetype end = std::min<qsizetype>(start + size, issues.size());
        std::optional<QString> next;
        if (end < issues.size())
            next = u"page-%1"_s.arg(repeatToken ? size : end);
        return FakeResponse::json(tokenPage(issues.mid(start, end - start), next));
    };
}

QByteArray FakeJiraDocuments::serverInfo(const QString &deploymentType, const QString &version)
{
    return QJsonDocument(QJsonObject{{u"baseUrl"_s, u"https://jira.example.com/jira"_s},
                                     {u"version"_s, version},
                                     {u"deploymentType"_s, deploymentType},
                                     {u"buildNumber"_s, 912002},
                                     {u"serverTitle"_s, u"Jira"_s}})
        .toJson(QJsonDocument::Compact);
}

FakeJiraServer::Handler FakeJiraDocuments::bearerOnly(const QByteArray &token,
                                                      FakeJiraServer::Handler handler)
{
    return [token, handler = std::move(handler)](const RecordedRequest &request) {
        const QByteArray authorization = request.header("Authorization");
        if (authorization.startsWith("Basic "))
            return basicAuthDisabled();
        if (authorization != "Bearer " + token)
            return FakeResponse::json(R"({"errorMessages":["You are not authenticated."]})", 401);
        return handler(request);
    };
}

FakeResponse FakeJiraDocuments::basicAuthDisabled()
{
    return FakeResponse::json(R"({"message":"Basic Authentication has been disabled on this instance."})",
                              403);
}

FakeResponse FakeJiraDocuments::captcha(const QByteArray &loginURL, int status)
{
    return FakeResponse::json("{}", status)
        .withHeader("X-Seraph-LoginReason", "AUTHENTICATION_DENIED")
        .withHeader("X-Authentication-Denied-Reason", "CAPTCHA_CHALLENGE; login-url=" + loginURL);
}

FakeJiraServer::Handler FakeJiraDocuments::boardByStatus(QList<Issue> board)
{
    return [board = std::move(board)](const RecordedRequest &request) {
        // Every quoted name after "status =" or inside "status in (…)".
        const QString jql = request.queryValue(u"jql");
        QStringList statuses;
        static const QRegularExpression term(
            uR"re(status\s*(=|in\s*\()\s*((?:"(?:[^"\\]|\\.)*"\s*,?\s*)+))re"_s,
            QRegularExpression::CaseInsensitiveOption);
        static const QRegularExpression name(uR"re("((?:[^"\\]|\\.)*)")re"_s);
        for (auto terms = term.globalMatch(jql); terms.hasNext();) {
            for (auto names = name.globalMatch(terms.next().captured(2)); names.hasNext();)
                statuses.append(names.next().captured(1).replace(u"\\\""_s, u"\""_s));
        }
        QList<Issue> matching;
        for (const Issue &issue : board) {
            const QString status = issue.status.value_or(QString());
            if (std::any_of(statuses.cbegin(), statuses.cend(), [&](const QString &wanted) {
                    return wanted.compare(status, Qt::CaseInsensitive) == 0;
                }))
                matching.append(issue);
        }
        return FakeResponse::json(issues(matching));
    };
}

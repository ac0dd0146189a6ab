#include "jira/JiraClient.h"

#include "jira/JiraDocuments.h"
#include "jira/JiraRequest.h"
#include "jira/JiraSite.h"

#include <QSet>
#include <utility>

namespace {

// status = "<name>" with the backslashes, then the double quotes, escaped (in that order, so the
// backslash of an escaped quote is not doubled), then the extra filter in parentheses.
QString reviewJQL(const JiraConfig &config)
{
    QString name = config.statusName;
    name.replace(u'\\', QStringLiteral("\\\\"));
    name.replace(u'"', QStringLiteral("\\\""));
    QString jql = QStringLiteral("status = \"") + name + u'"';
    const QString extra = config.extraJQL.trimmed();
    if (!extra.isEmpty())
        jql += QStringLiteral(" AND (") + extra + u')';
    return jql;
}

QString boardPath(const JiraConfig &config, QStringView leaf)
{
    return QStringLiteral("/rest/agile/1.0/board/") + config.boardId + u'/' + leaf.toString();
}

// One GET decoded as the document `decode` reads.
template<typename Document>
QCoro::Task<JiraResult<Document>> getJSON(JiraConfig config, QString path, JiraRequest::QueryItems query,
                                          JiraResult<Document> (*decode)(const QByteArray &),
                                          JiraRequest::Limits limits = JiraRequest::Limits::fromNow())
{
    JiraResult<QByteArray> body =
        co_await JiraRequest::get(std::move(config), std::move(path), std::move(query), limits);
    if (!body.ok())
        co_return body.error();
    co_return decode(body.value());
}

// Free coroutines taking the configuration by value: the copy lives in the coroutine frame, so the
// client that started them may be destroyed while they wait.
// The column page by page: each page starts where the cards gathered so far end, until Jira's
// total is reached, a page brings no card not seen before (a server that ignores startAt, or a
// column that shrank meanwhile), or the bound is reached. One deadline covers every page.
QCoro::Task<JiraResult<QList<ReviewIssue>>> fetchReviewIssuesWith(JiraConfig config,
                                                                  JiraRequest::Limits limits)
{
    const QString path = boardPath(config, u"issue");
    const QString jql = reviewJQL(config);
    QList<ReviewIssue> issues;
    QSet<QString> keys;
    while (issues.size() < JiraClient::maximumReviewIssues) {
        JiraRequest::QueryItems query{
            {QStringLiteral("jql"), jql},
            {QStringLiteral("fields"), QStringLiteral("summary,assignee,updated")},
            {QStringLiteral("startAt"), QString::number(issues.size())},
            {QStringLiteral("maxResults"), QString::number(JiraClient::reviewIssuesPageSize)}};
        auto page =
            co_await getJSON(config, path, std::move(query), &JiraDocuments::decodeBoardIssues, limits);
        if (!page.ok())
            co_return page.error();
        const qsizetype before = issues.size();
        for (const RawIssue &raw : std::as_const(page.value().issues)) {
            if (issues.size() == JiraClient::maximumReviewIssues)
                break;
            if (!keys.contains(raw.key)) {
                keys.insert(raw.key);
                issues.append(raw.toReviewIssue());
            }
        }
        if (issues.size() == before || issues.size() >= page.value().total.value_or(0))
            break;
    }
    co_return issues;
}

QCoro::Task<JiraResult<QList<QuickFilter>>> fetchQuickFiltersWith(JiraConfig config)
{
    const QString path = boardPath(config, u"quickfilter");
    QList<QuickFilter> filters;
    QList<QuickFilter> previousPage;
    for (int page = 0;; ++page) {
        if (page == JiraClient::maximumQuickFilterPages)
            co_return JiraError::decoding(
                QStringLiteral("the quick filters did not end after %1 pages").arg(page));
        // The next offset is the count gathered so far, so shorter pages still get consecutive ones.
        JiraRequest::QueryItems query{{QStringLiteral("startAt"), QString::number(filters.size())},
                                      {QStringLiteral("maxResults"), QStringLiteral("50")}};
        auto result = co_await getJSON(config, path, std::move(query), &JiraDocuments::decodeQuickFilterPage);
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

JiraClient::JiraClient(JiraConfig config) : m_config(std::move(config)) {}

std::optional<QUrl> JiraClient::boardURL() const
{
    return JiraSite::read(m_config.siteURL)
        .link(QStringLiteral("/secure/RapidBoard.jspa"),
              QStringLiteral("rapidView=") + QString::fromLatin1(QUrl::toPercentEncoding(m_config.boardId)));
}

QCoro::Task<JiraResult<QList<ReviewIssue>>> JiraClient::fetchReviewIssues(const QObject *cancelScope) const
{
    return fetchReviewIssuesWith(m_config, JiraRequest::Limits::fromNow(cancelScope));
}

QCoro::Task<JiraResult<QList<QuickFilter>>> JiraClient::fetchQuickFilters() const
{
    return fetchQuickFiltersWith(m_config);
}

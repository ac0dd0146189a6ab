// Loading every quick filter of a board, page by page, from a fake Jira over TLS.
#include "jira/JiraClient.h"
#include "jira/Network.h"
#include "support/AwaitTask.h"
#include "support/FakeJiraDocuments.h"
#include "support/FakeJiraServer.h"

#include <QNetworkAccessManager>
#include <QTest>

using namespace Qt::StringLiterals;
using FakeJiraDocuments::Filter;

namespace {

const QString path = FakeJiraDocuments::quickFiltersPath(u"7"_s);

QList<QuickFilter> expected(const QList<Filter> &filters)
{
    QList<QuickFilter> result;
    for (const Filter &filter : filters)
        result.append({filter.id, filter.name, filter.jql});
    return result;
}

FakeResponse page(const QList<Filter> &values, std::optional<bool> isLast)
{
    return FakeResponse::json(FakeJiraDocuments::quickFilterPage(values, 0, isLast));
}

} // namespace

class TestQuickFilters : public QObject
{
    Q_OBJECT

    FakeJiraServer m_jira;

    JiraResult<QList<QuickFilter>> fetch()
    {
        JiraConfig config;
        config.siteURL = m_jira.siteURL();
        config.email = u"ann@example.com"_s;
        config.token = u"token"_s;
        config.boardId = u"7"_s;
        return awaitTask(JiraClient(config).fetchQuickFilters());
    }

    static QString describe(const JiraResult<QList<QuickFilter>> &result)
    {
        return result.ok() ? u"ok"_s : result.error().errorDescription();
    }

    QStringList startIndexes() const
    {
        QStringList indexes;
        for (const RecordedRequest &request : m_jira.requests())
            indexes.append(request.queryValue(u"startAt"));
        return indexes;
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY2(m_jira.start(), qPrintable(m_jira.errorString())); }
    void init() { m_jira.reset(); }
    void cleanupTestCase() { Network::shared().clearConnectionCache(); }

    void pagesEndAsJiraSays_data()
    {
        QTest::addColumn<QList<FakeResponse>>("pages");
        QTest::addColumn<QStringList>("startIndexes");
        QTest::addColumn<QList<Filter>>("filters");
        const QList<Filter> all = FakeJiraDocuments::numberedFilters(70);
        QTest::newRow("no filters") << QList{page({}, true)} << QStringList{u"0"_s} << QList<Filter>();
        QTest::newRow("full page, then the rest")
            << QList{page(all.mid(0, 50), false), page(all.mid(50), true)} << QStringList{u"0"_s, u"50"_s}
            << all;
        QTest::newRow("short pages") << QList{page(all.mid(0, 20), false), page(all.mid(20, 20), false),
                                              page(all.mid(40, 5), true)}
                                     << QStringList{u"0"_s, u"20"_s, u"40"_s} << all.mid(0, 45);
        QTest::newRow("not last but empty")
            << QList{page(all.mid(0, 50), false), page({}, false), page(all.mid(50), true)}
            << QStringList{u"0"_s, u"50"_s} << all.mid(0, 50);
        QTest::newRow("listed twice, kept twice")
            << QList{page(all.mid(0, 2), false), page(all.mid(1, 2), true)} << QStringList{u"0"_s, u"2"_s}
            << QList{all[0], all[1], all[1], all[2]};
    }

    void pagesEndAsJiraSays()
    {
        QFETCH(QList<FakeResponse>, pages);
        QFETCH(QStringList, startIndexes);
        QFETCH(QList<Filter>, filters);
        m_jira.setResponses(path, pages);
        const auto result = fetch();
        QVERIFY2(result.ok(), qPrintable(describe(result)));
        QCOMPARE(result.value(), expected(filters));
        QCOMPARE(this->startIndexes(), startIndexes);
        for (const RecordedRequest &request : m_jira.requests())
            QCOMPARE(request.queryNames(), (QStringList{u"startAt"_s, u"maxResults"_s}));
        QCOMPARE(m_jira.requests().first().queryValue(u"maxResults"), u"50"_s);
    }

    void failingPageDropsEverything()
    {
        m_jira.setResponses(path,
                            {page(FakeJiraDocuments::numberedFilters(50), false), FakeResponse::noBody(500)});
        QCOMPARE(describe(fetch()), u"Jira returned HTTP 500."_s);
    }

    // Jira's own paging: every page of the largest board the guard allows arrives.
    void largestBoardLoadsCompletely()
    {
        const int count = JiraClient::maximumQuickFilterPages * 50;
        m_jira.setHandler(path,
                          FakeJiraDocuments::quickFilterPages(FakeJiraDocuments::numberedFilters(count)));
        const auto result = fetch();
        QVERIFY2(result.ok(), qPrintable(describe(result)));
        QCOMPARE(result.value().size(), count);
        QCOMPARE(result.value().last().id, count);
        QCOMPARE(m_jira.requests().size(), JiraClient::maximumQuickFilterPages);
    }

    void serverIgnoringStartAtIsStopped()
    {
        m_jira.setResponse(path, page(FakeJiraDocuments::numberedFilters(50), false));
        QCOMPARE(describe(fetch()),
                 u"Couldn't read Jira's response: Jira sent the same page of quick filters twice (at 50)"_s);
        QCOMPARE(m_jira.requests().size(), 2);
    }

    void endlessPagesAreStopped()
    {
        // Always new values, never the last page.
        m_jira.setHandler(path, [](const RecordedRequest &request) {
            const qint64 start = request.queryValue(u"startAt").toLongLong();
            return page({{start + 1, u"n"_s, u"j"_s}}, false);
        });
        QCOMPARE(describe(fetch()),
                 u"Couldn't read Jira's response: the quick filters did not end after %1 pages"_s.arg(
                     JiraClient::maximumQuickFilterPages));
        QCOMPARE(m_jira.requests().size(), JiraClient::maximumQuickFilterPages);
    }
};

QTEST_GUILESS_MAIN(TestQuickFilters)
#include "tst_quickfilters.moc"

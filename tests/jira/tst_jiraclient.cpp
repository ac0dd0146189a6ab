// JiraClient against a fake Jira over real TLS on loopback: the exact request, every error and its
// text, redirects, the timeout, the body cap and the lifetime of replies.
#include "jira/JiraClient.h"
#include "jira/JiraRequest.h"
#include "jira/Network.h"
#include "support/AwaitTask.h"
#include "support/FakeJiraDocuments.h"
#include "support/FakeJiraServer.h"

#include <QCoroTask>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;

namespace {

const QString issuesPath = FakeJiraDocuments::issuesPath(u"7"_s);

JiraConfig configFor(const FakeJiraServer &server)
{
    JiraConfig config;
    config.siteURL = server.siteURL();
    config.email = u"ann@example.com"_s;
    config.token = u"s3cr3t:token"_s;
    config.boardId = u"7"_s;
    config.statusName = u"To review"_s;
    return config;
}

JiraResult<QList<ReviewIssue>> fetch(const JiraConfig &config)
{
    return awaitTask(JiraClient(config).fetchReviewIssues());
}

template<typename T> QString describe(const JiraResult<T> &result)
{
    return result.ok() ? u"ok"_s : result.error().errorDescription();
}

const QByteArray twoIssues = FakeJiraDocuments::issues(
    {{u"AB-2"_s, u"Second"_s, u"Bo"_s, u"2024-03-05T14:07:09.123+0100"_s}, {u"AB-1"_s, u"First"_s, {}, {}}});

} // namespace

class TestJiraClient : public QObject
{
    Q_OBJECT

    FakeJiraServer m_jira;

private Q_SLOTS:
    void initTestCase() { QVERIFY2(m_jira.start(), qPrintable(m_jira.errorString())); }
    void init() { m_jira.reset(); }
    // Qt closes cached connections from thread-local storage after the application object is
    // gone, and warns; close them while it still exists.
    void cleanupTestCase() { Network::shared().clearConnectionCache(); }
    void cleanup() { JiraRequest::setTransferTimeoutForTesting(0ms); }

    void sendsOneExactRequest()
    {
        m_jira.setResponse(issuesPath, FakeResponse::json(twoIssues));
        JiraConfig config = configFor(m_jira);
        config.statusName = u"Needs \"QA\" & more #1 +x=é\\z"_s;
        config.extraJQL = u" project = ABC\n"_s;

        const auto result = fetch(config);
        QVERIFY2(result.ok(), qPrintable(describe(result)));
        QCOMPARE(m_jira.requests().size(), 1);
        const RecordedRequest request = m_jira.requests().first();
        QCOMPARE(request.method, "GET");
        QCOMPARE(request.path, issuesPath);
        QCOMPARE(request.queryNames(), (QStringList{u"jql"_s, u"fields"_s, u"maxResults"_s}));
        QCOMPARE(request.queryValue(u"jql"),
                 u"status = \"Needs \\\"QA\\\" & more #1 +x=é\\z\" AND (project = ABC)"_s);
        QVERIFY2(request.rawQuery.contains("status%20%3D%20"), request.rawQuery.constData());
        QVERIFY(!request.rawQuery.contains('+'));
        QCOMPARE(request.header("Authorization"),
                 "Basic " + QByteArray("ann@example.com:s3cr3t:token").toBase64());
        QCOMPARE(request.header("Accept"), "application/json");

        // Blank extra JQL adds nothing, the status name is not trimmed, blank credentials count,
        // a path in the site URL is dropped with the blanks around it, the board id is encoded.
        config.statusName = u" Review "_s;
        config.extraJQL = u" \n\t"_s;
        config.email = config.token = u" "_s;
        config.siteURL = u"\t"_s + m_jira.siteURL() + u"/jira/ "_s;
        config.boardId = u"1 2"_s;
        QCOMPARE(fetch(config).error(), JiraError::http(404));
        QCOMPARE(m_jira.requests()[1].rawPath, "/rest/agile/1.0/board/1%202/issue");
        QCOMPARE(m_jira.requests()[1].queryValue(u"jql"), u"status = \" Review \""_s);
        QCOMPARE(m_jira.requests()[1].header("Authorization"), "Basic " + QByteArray(" : ").toBase64());
    }

    void answersBecomeErrors_data()
    {
        QTest::addColumn<FakeResponse>("response");
        QTest::addColumn<QString>("description");
        const auto row = [](const char *name, const FakeResponse &response, const QString &description) {
            QTest::newRow(name) << response << description;
        };
        const QString unauthorized = u"Jira rejected the email/token (401). Check your API token."_s;
        const QString unreadable = u"Couldn't read Jira's response: "_s;
        const QString tooLarge = unreadable + u"the response is larger than 4 MiB"_s;
        row("401", FakeResponse::json("{}", 401).withHeader("WWW-Authenticate", "Basic realm=\"x\""),
            unauthorized);
        row("403 captcha",
            FakeResponse::json("{}", 403).withHeader("X-Seraph-LoginReason", "AUTHENTICATION_DENIED"),
            unauthorized);
        row("500 with huge body", FakeResponse::json(QByteArray(JiraRequest::maximumBodySize + 10, 'x'), 500),
            u"Jira returned HTTP 500."_s);
        row("200 html", FakeResponse::json("<html>Log in</html>"),
            unreadable + u"the response is not valid JSON (illegal value at offset 1)"_s);
        row("200 cut off", FakeResponse::json(twoIssues).cutOff(), u"Connection closed"_s);
        QByteArray atTheCap = twoIssues;
        atTheCap.append(QByteArray(JiraRequest::maximumBodySize - atTheCap.size(), ' '));
        row("body at the cap", FakeResponse::json(atTheCap), u"ok"_s);
        row("body over the cap", FakeResponse::json(atTheCap + ' '), tooLarge);
        // No length announced: the client has to stop reading on its own.
        row("endless body", FakeResponse::json({}).endless(), tooLarge);
    }

    void answersBecomeErrors()
    {
        QFETCH(FakeResponse, response);
        QFETCH(QString, description);
        m_jira.setResponse(issuesPath, response);
        QCOMPARE(describe(fetch(configFor(m_jira))), description);
    }

    void incompleteConfigurationSendsNothing_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("description");
        const QString notConfigured = u"Not connected yet — add your email and API token."_s;
        const QString badURL = u"The Jira site URL looks invalid."_s;
        const auto site = [&](const char *name, const QString &url, const QString &description) {
            QTest::newRow(name) << u"siteURL"_s << url << description;
        };
        QTest::newRow("no email") << u"email"_s << QString() << notConfigured;
        site("site of blanks", u" \t "_s, notConfigured);
        site("no scheme", u"acme.atlassian.net"_s, badURL);
        // Never send the credentials in the clear, whatever was stored.
        site("plain http", u"http://127.0.0.1:1"_s, badURL);
    }

    void incompleteConfigurationSendsNothing()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, description);
        JiraConfig config = configFor(m_jira);
        (field == u"email" ? config.email : config.siteURL) = value;
        QCOMPARE(describe(fetch(config)), description);
        QCOMPARE(describe(awaitTask(JiraClient(config).fetchQuickFilters())), description);
        QCOMPARE(m_jira.requests().size(), 0);
    }

    void sameOriginRedirectsAreFollowedUpToALimit()
    {
        const QString moved = u"/moved/issue"_s;
        m_jira.setResponse(issuesPath, FakeResponse::redirect(m_jira.url(moved), 301));
        m_jira.setResponse(moved, FakeResponse::json(twoIssues));
        QCOMPARE(describe(fetch(configFor(m_jira))), u"ok"_s);
        QCOMPARE(m_jira.requests()[1].header("Authorization"), m_jira.requests()[0].header("Authorization"));
        m_jira.setResponse(moved, FakeResponse::redirect(m_jira.url(moved)));
        QCOMPARE(describe(fetch(configFor(m_jira))), u"Jira redirected the request too many times."_s);
        QCOMPARE(m_jira.requests().size(), 2 + JiraRequest::maximumRedirects + 1);
    }

    void credentialsNeverLeaveTheOrigin_data()
    {
        QTest::addColumn<FakeJiraServer::Transport>("transport");
        QTest::addColumn<QString>("description");
        QTest::newRow("other https origin") << FakeJiraServer::Transport::tls
                                            << u"Jira redirected the request to another site "
                                               u"(https://127.0.0.1:%1). If your Jira site has moved, "
                                               "enter its new address."_s;
        QTest::newRow("plain http") << FakeJiraServer::Transport::plain
                                    << u"Jira redirected the request to an address that is not secure "
                                       u"(http://127.0.0.1:%1). Norrid sends "
                                       "your credentials over HTTPS only."_s;
    }

    void credentialsNeverLeaveTheOrigin()
    {
        QFETCH(FakeJiraServer::Transport, transport);
        QFETCH(QString, description);
        FakeJiraServer elsewhere(transport);
        QVERIFY(elsewhere.start());
        elsewhere.setResponse(issuesPath, FakeResponse::json(twoIssues));
        m_jira.setResponse(issuesPath, FakeResponse::redirect(elsewhere.url(issuesPath), 307));
        QCOMPARE(describe(fetch(configFor(m_jira))), description.arg(elsewhere.port()));
        QCOMPARE(elsewhere.requests().size(), 0);
    }

    // The timeout counts silence, not the whole transfer.
    void silenceTimesOut()
    {
        JiraRequest::setTransferTimeoutForTesting(800ms);
        m_jira.setResponse(issuesPath, FakeResponse::json(twoIssues).dripped(8, 200ms));
        QCOMPARE(describe(fetch(configFor(m_jira))), u"ok"_s);
        m_jira.setResponse(issuesPath, FakeResponse::json(twoIssues).withDelay(5s));
        QCOMPARE(describe(fetch(configFor(m_jira))), u"The request to Jira timed out."_s);
    }

    void repliesAreReleased()
    {
        // Whatever the outcome, no reply outlives its request.
        JiraRequest::setTransferTimeoutForTesting(300ms);
        m_jira.setResponses(issuesPath,
                            {FakeResponse::json(twoIssues), FakeResponse::noBody(500),
                             FakeResponse::json({}).endless(), FakeResponse::json("{}").withDelay(2s),
                             FakeResponse::redirect(m_jira.url(u"/x"_s))});
        for (int i = 0; i < 5; ++i)
            fetch(configFor(m_jira));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(Network::shared().findChildren<QNetworkReply *>().size(), 0);
    }
};

QTEST_GUILESS_MAIN(TestJiraClient)
#include "tst_jiraclient.moc"

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
        QCOMPARE(request.queryValue(u"fields"), u"summary,assignee,updated"_s);
        QCOMPARE(request.queryValue(u"maxResults"), u"100"_s);
        QVERIFY2(request.rawQuery.contains("status%20%3D%20"), request.rawQuery.constData());
        QVERIFY(!request.rawQuery.contains('+'));
        QCOMPARE(request.header("Authorization"),
                 "Basic " + QByteArray("ann@example.com:s3cr3t:token").toBase64());
        QCOMPARE(request.header("Accept"), "application/json");

        const QList<ReviewIssue> issues = result.value();
        QCOMPARE(issues.size(), 2);
        QCOMPARE(issues[0].key, u"AB-2"_s);
        QCOMPARE(issues[0].assignee, std::optional(u"Bo"_s));
        QCOMPARE(issues[0].updated,
                 std::optional(QDateTime(QDate(2024, 3, 5), QTime(13, 7, 9, 123), Qt::UTC)));
        QCOMPARE(issues[1], (ReviewIssue{u"AB-1"_s, u"First"_s, std::nullopt, std::nullopt}));
    }

    void composesJQL_data()
    {
        QTest::addColumn<QString>("statusName");
        QTest::addColumn<QString>("extraJQL");
        QTest::addColumn<QString>("jql");
        QTest::newRow("no extra") << u"To review"_s << u" \n\t"_s << u"status = \"To review\""_s;
        QTest::newRow("extra trimmed")
            << u"To review"_s << u"project = ABC\n"_s << u"status = \"To review\" AND (project = ABC)"_s;
        QTest::newRow("quotes escaped")
            << u"Needs \"QA\""_s << QString() << u"status = \"Needs \\\"QA\\\"\""_s;
        QTest::newRow("name not trimmed") << u" Review "_s << QString() << u"status = \" Review \""_s;
    }

    void composesJQL()
    {
        QFETCH(QString, statusName);
        QFETCH(QString, extraJQL);
        QFETCH(QString, jql);
        m_jira.setResponse(issuesPath, FakeResponse::json(R"({"issues":[]})"));
        JiraConfig config = configFor(m_jira);
        config.statusName = statusName;
        config.extraJQL = extraJQL;
        QVERIFY(fetch(config).ok());
        QCOMPARE(m_jira.requests().first().queryValue(u"jql"), jql);
    }

    void requestPathFromSiteAndBoard()
    {
        m_jira.setHandler(u"/rest/agile/1.0/board//issue"_s,
                          [](const RecordedRequest &) { return FakeResponse::json(R"({"issues":[]})"); });
        JiraConfig config = configFor(m_jira);
        // A path in the site URL is dropped for API requests; spaces and tabs around it go.
        config.siteURL = u"\t"_s + m_jira.siteURL() + u"/jira/ "_s;
        config.boardId.clear();
        QVERIFY(fetch(config).ok());
        config.boardId = u"1 2"_s;
        QCOMPARE(fetch(config).error(), JiraError::http(404));
        QCOMPARE(m_jira.requests().size(), 2);
        QCOMPARE(m_jira.requests()[0].rawPath, "/rest/agile/1.0/board//issue");
        QCOMPARE(m_jira.requests()[1].rawPath, "/rest/agile/1.0/board/1%202/issue");
    }

    void answersBecomeErrors_data()
    {
        QTest::addColumn<FakeResponse>("response");
        QTest::addColumn<QString>("description");
        const QString httpText = u"Jira returned HTTP %1."_s;
        const QString unauthorized = u"Jira rejected the email/token (401). Check your API token."_s;
        QTest::newRow("400 bad JQL") << FakeResponse::json(
                                            R"({"errorMessages":["Error in the JQL Query"],"errors":{}})",
                                            400)
                                     << httpText.arg(400);
        QTest::newRow("401") << FakeResponse::json("{}", 401).withHeader("WWW-Authenticate",
                                                                         "Basic realm=\"x\"")
                             << unauthorized;
        QTest::newRow("403 captcha") << FakeResponse::json("{}", 403).withHeader("X-Seraph-LoginReason",
                                                                                 "AUTHENTICATION_DENIED")
                                     << unauthorized;
        QTest::newRow("404") << FakeResponse::noBody(404) << httpText.arg(404);
        QTest::newRow("429")
            << FakeResponse::noBody(429).withHeader("Retry-After", "30")
            << u"Jira returned HTTP 429. Too many requests: Jira is rate limiting this account "
               u"and asks to wait 30 seconds. Norrid tries again at the next poll."_s;
        QTest::newRow("500") << FakeResponse::json(R"({"message":"oops"})", 500) << httpText.arg(500);
        QTest::newRow("503") << FakeResponse::noBody(503) << httpText.arg(503);
        QTest::newRow("300 final") << FakeResponse::noBody(300) << httpText.arg(300);
        QTest::newRow("302 without Location") << FakeResponse::noBody(302) << httpText.arg(302);
        QTest::newRow("500 with huge body")
            << FakeResponse::json(QByteArray(JiraRequest::maximumBodySize + 10, 'x'), 500)
            << httpText.arg(500);
        const QString unreadable = u"Couldn't read Jira's response: "_s;
        QTest::newRow("200 html") << FakeResponse::json("<html>Log in</html>")
                                  << unreadable +
                                         u"the response is not valid JSON (illegal value at offset 1)"_s;
        QTest::newRow("200 empty") << FakeResponse::json({}) << unreadable + u"the response is empty"_s;
        QTest::newRow("204") << FakeResponse::noBody(204) << unreadable + u"the response is empty"_s;
        QTest::newRow("200 without summary")
            << FakeResponse::json(R"({"issues":[{"key":"A-1","fields":{}}]})")
            << unreadable + u"issues[0].fields.summary is missing"_s;
        QTest::newRow("200 cut off") << FakeResponse::json(twoIssues).cutOff() << u"Connection closed"_s;
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
        QTest::newRow("no email") << u"email"_s << QString() << notConfigured;
        QTest::newRow("no token") << u"token"_s << QString() << notConfigured;
        QTest::newRow("site of blanks") << u"siteURL"_s << u" \t "_s << notConfigured;
        QTest::newRow("site with a space") << u"siteURL"_s << u"https://acme atlassian.net"_s << badURL;
        QTest::newRow("scheme only") << u"siteURL"_s << u"https://"_s << badURL;
        QTest::newRow("no scheme") << u"siteURL"_s << u"acme.atlassian.net"_s << badURL;
        // Never send the credentials in the clear, whatever was stored.
        QTest::newRow("plain http") << u"siteURL"_s << u"http://127.0.0.1:1"_s << badURL;
    }

    void incompleteConfigurationSendsNothing()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, description);
        JiraConfig config = configFor(m_jira);
        if (field == u"email")
            config.email = value;
        else if (field == u"token")
            config.token = value;
        else
            config.siteURL = value;
        QCOMPARE(describe(fetch(config)), description);
        QCOMPARE(describe(awaitTask(JiraClient(config).fetchQuickFilters())), description);
        QCOMPARE(m_jira.requests().size(), 0);
    }

    void blankCredentialsCountAsPresent()
    {
        m_jira.setResponse(issuesPath, FakeResponse::json(R"({"issues":[]})"));
        JiraConfig config = configFor(m_jira);
        config.email = u" "_s;
        config.token = u" "_s;
        QVERIFY(fetch(config).ok());
        QCOMPARE(m_jira.requests().first().header("Authorization"), "Basic " + QByteArray(" : ").toBase64());
    }

    void sameOriginRedirectIsFollowed()
    {
        const QString moved = u"/moved/issue"_s;
        m_jira.setResponse(issuesPath, FakeResponse::redirect(m_jira.url(moved), 301));
        m_jira.setResponse(moved, FakeResponse::json(twoIssues));
        const auto result = fetch(configFor(m_jira));
        QVERIFY2(result.ok(), qPrintable(describe(result)));
        QCOMPARE(m_jira.requests().size(), 2);
        QCOMPARE(m_jira.requests()[1].header("Authorization"), m_jira.requests()[0].header("Authorization"));
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

    void redirectLoopEnds()
    {
        m_jira.setResponse(issuesPath, FakeResponse::redirect(m_jira.url(issuesPath)));
        QCOMPARE(describe(fetch(configFor(m_jira))), u"Jira redirected the request too many times."_s);
        QCOMPARE(m_jira.requests().size(), JiraRequest::maximumRedirects + 1);
    }

    void silenceTimesOut()
    {
        JiraRequest::setTransferTimeoutForTesting(300ms);
        m_jira.setResponse(issuesPath, FakeResponse::json(twoIssues).withDelay(5s));
        QCOMPARE(describe(fetch(configFor(m_jira))), u"The request to Jira timed out."_s);
    }

    void slowButSteadyBodyArrives()
    {
        // The timeout counts silence, not the whole transfer.
        JiraRequest::setTransferTimeoutForTesting(800ms);
        m_jira.setResponse(issuesPath, FakeResponse::json(twoIssues).dripped(8, 200ms));
        const auto result = fetch(configFor(m_jira));
        QVERIFY2(result.ok(), qPrintable(describe(result)));
        QCOMPARE(result.value().size(), 2);
    }

    void bodyIsCapped_data()
    {
        QTest::addColumn<FakeResponse>("response");
        QTest::newRow("announced") << FakeResponse::json(QByteArray(JiraRequest::maximumBodySize + 1, ' '));
        // No length announced: the client has to stop reading on its own.
        QTest::newRow("endless") << FakeResponse::json({}).endless();
    }

    void bodyIsCapped()
    {
        QFETCH(FakeResponse, response);
        m_jira.setResponse(issuesPath, response);
        QCOMPARE(describe(fetch(configFor(m_jira))),
                 u"Couldn't read Jira's response: the response is larger than 4 MiB"_s);
    }

    void bodyAtTheCapIsRead()
    {
        QByteArray body = twoIssues;
        body.append(QByteArray(JiraRequest::maximumBodySize - body.size(), ' '));
        m_jira.setResponse(issuesPath, FakeResponse::json(body));
        const auto result = fetch(configFor(m_jira));
        QVERIFY2(result.ok(), qPrintable(describe(result)));
    }

    void unreachableHost()
    {
        quint16 closedPort = 0;
        {
            FakeJiraServer gone;
            QVERIFY(gone.start());
            closedPort = gone.port();
        }
        JiraConfig config = configFor(m_jira);
        config.siteURL = u"https://127.0.0.1:%1"_s.arg(closedPort);
        const auto result = fetch(config);
        QVERIFY(!result.ok());
        QCOMPARE(result.error().kind(), JiraError::Kind::transport);
        QCOMPARE(result.error().errorDescription(), u"Connection refused"_s);
    }

    void clientMayGoAwayMidRequest()
    {
        m_jira.setResponse(issuesPath, FakeResponse::json(twoIssues).withDelay(200ms));
        auto client = std::make_unique<JiraClient>(configFor(m_jira));
        auto first = client->fetchReviewIssues();
        auto second = client->fetchReviewIssues();
        client.reset();
        const auto a = awaitTask(std::move(first));
        const auto b = awaitTask(std::move(second));
        QVERIFY(a.ok() && b.ok());
        QCOMPARE(a.value(), b.value());
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

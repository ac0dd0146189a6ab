// JiraClient against a fake Jira over real TLS on loopback: the exact request, every error and its
// text, redirects, the timeout, the body cap, the lifetime of replies, the two reads of the column
// and what a site teaches about them, Atlassian's gateway for scoped tokens, and the quick filters
// of a board loaded page by page.
#include "jira/BoardColumn.h"
#include "jira/JiraClient.h"
#include "jira/JiraGateway.h"
#include "jira/JiraRequest.h"
#include "jira/JiraSite.h"
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
using FakeJiraDocuments::Filter;

namespace {

const QString issuesPath = FakeJiraDocuments::issuesPath(u"7"_s);
const QString agilePath = FakeJiraDocuments::agileIssuesPath(u"7"_s);
const QString filtersPath = FakeJiraDocuments::quickFiltersPath(u"7"_s);

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

JiraResult<QList<ReviewIssue>> fetch(const JiraConfig &config, std::shared_ptr<JiraRoute> route = {})
{
    return awaitTask(JiraClient(config, std::move(route)).fetchReviewIssues());
}

QStringList paths(const QList<RecordedRequest> &requests)
{
    QStringList found;
    for (const RecordedRequest &request : requests)
        found.append(request.path);
    return found;
}

template<typename T> QString describe(const JiraResult<T> &result)
{
    return result.ok() ? u"ok"_s : result.error().descriptionWithExplanation();
}

FakeResponse page(const QList<Filter> &values, std::optional<bool> isLast)
{
    return FakeResponse::json(FakeJiraDocuments::quickFilterPage(values, 0, isLast));
}

const QByteArray twoIssues = FakeJiraDocuments::issues(
    {{u"AB-2"_s, u"Second"_s, u"Bo"_s, u"2024-03-05T14:07:09.123+0100"_s}, {u"AB-1"_s, u"First"_s, {}, {}}});

} // namespace

class TestJiraClient : public QObject
{
    Q_OBJECT

    FakeJiraServer m_jira;
    FakeJiraServer m_otherSite;
    FakeJiraServer m_insecureSite{FakeJiraServer::Transport::plain};
    // m_otherSite doubles as Atlassian's gateway where a test says so.

    JiraResult<QList<QuickFilter>> fetchFilters()
    {
        return awaitTask(JiraClient(configFor(m_jira)).fetchQuickFilters());
    }

    // The quick-filter requests the server received. A request an earlier test gave up on (a short
    // timeout on a slow build) can still be read by the server later; it is not one of these.
    QList<RecordedRequest> filterRequests() const
    {
        QList<RecordedRequest> found = m_jira.requests();
        found.removeIf([](const RecordedRequest &request) { return request.path != filtersPath; });
        return found;
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(m_jira.start() && m_otherSite.start() && m_insecureSite.start()); }
    void init()
    {
        m_jira.reset();
        m_otherSite.reset();
    }
    // Qt closes cached connections from thread-local storage after the application object is
    // gone, and warns; close them while it still exists.
    void cleanupTestCase() { Network::shared().clearConnectionCache(); }
    void cleanup()
    {
        JiraRequest::setTransferTimeoutForTesting(0ms);
        JiraRequest::setTotalDeadlineForTesting(0ms);
        JiraGateway::setOriginForTesting({});
    }

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
        QCOMPARE(request.queryValue(u"fields"), u"summary,assignee,updated"_s);
        QCOMPARE(request.queryValue(u"maxResults"), u"1000"_s);
        QCOMPARE(request.queryValue(u"jql"),
                 u"status = \"Needs \\\"QA\\\" & more #1 +x=é\\\\z\" AND (project = ABC)"_s);
        QVERIFY2(request.rawQuery.contains("status%20%3D%20"), request.rawQuery.constData());
        QVERIFY(!request.rawQuery.contains('+'));
        QCOMPARE(request.header("Authorization"),
                 "Basic " + QByteArray("ann@example.com:s3cr3t:token").toBase64());
        QCOMPARE(request.header("Accept"), "application/json");

        // Blank extra JQL adds nothing, the status name is not trimmed, blank credentials count,
        // a path in the site URL is the site's context path, the board id is encoded.
        config.statusName = u" Review "_s;
        config.extraJQL = u" \n\t"_s;
        config.email = config.token = u" "_s;
        config.siteURL = u"\t"_s + m_jira.siteURL() + u"/jira/ "_s;
        config.boardId = u"1 2"_s;
        QCOMPARE(fetch(config).error(), JiraError::http(404));
        QCOMPARE(m_jira.requests()[1].rawPath, "/jira/rest/software/1.0/board/1%202/issue");
        QCOMPARE(m_jira.requests()[2].rawPath, "/jira/rest/agile/1.0/board/1%202/issue");
        QCOMPARE(m_jira.requests()[2].queryNames(),
                 (QStringList{u"jql"_s, u"fields"_s, u"startAt"_s, u"maxResults"_s}));
        QCOMPARE(m_jira.requests()[2].queryValue(u"jql"), u"status = \" Review \""_s);
        QCOMPARE(m_jira.requests()[2].header("Authorization"), "Basic " + QByteArray(" : ").toBase64());
    }

    void answersBecomeErrors_data()
    {
        QTest::addColumn<FakeResponse>("response");
        QTest::addColumn<QString>("description");
        const auto row = [](const char *name, const FakeResponse &response, const QString &description) {
            QTest::newRow(name) << response << description;
        };
        const QString unreadable = u"Couldn't read Jira's response: "_s;
        const QString tooLarge = unreadable + u"the response is larger than 4 MiB"_s;
        row("500 with huge body", FakeResponse::json(QByteArray(JiraRequest::maximumBodySize + 10, 'x'), 500),
            u"Jira returned HTTP 500."_s);
        // Jira's reason goes under the message, which stays as it is.
        row("400 errorMessages",
            FakeResponse::json(
                R"({"errorMessages":["Field 'lables' does not exist or you do not have permission to view it."],"errors":{}})",
                400),
            u"Jira returned HTTP 400.\nField 'lables' does not exist or you do not have permission to view it."_s);
        row("400 errors",
            FakeResponse::json(
                R"({"errorMessages":[],"errors":{"rapidViewId":"The board 7 does not exist."}})", 400),
            u"Jira returned HTTP 400.\nThe board 7 does not exist."_s);
        row("200 html", FakeResponse::json("<html>Log in</html>"),
            unreadable + u"the response is not valid JSON (illegal value at offset 1)"_s);
        row("200 cut off", FakeResponse::json(twoIssues).cutOff(), u"Connection closed"_s);
        QByteArray atTheCap = twoIssues;
        atTheCap.append(QByteArray(JiraRequest::maximumBodySize - atTheCap.size(), ' '));
        row("body at the cap", FakeResponse::json(atTheCap), u"ok"_s);
        row("body over the cap", FakeResponse::json(atTheCap + ' '), tooLarge);
        // No length announced: the client has to stop reading on its own.
        row("endless body", FakeResponse::json({}).endless(), tooLarge);
        // The credentials never leave the site.
        row("redirect to another site", FakeResponse::redirect(m_otherSite.url(issuesPath), 307),
            u"Jira redirected the request to another site (%1). If your Jira site has moved, enter its new "
            u"address."_s.arg(m_otherSite.siteURL()));
        row("redirect to http", FakeResponse::redirect(m_insecureSite.url(issuesPath), 307),
            u"Jira redirected the request to an address that is not secure (%1). Norrid sends your "
            u"credentials over HTTPS only."_s.arg(m_insecureSite.siteURL()));
    }

    void answersBecomeErrors()
    {
        QFETCH(FakeResponse, response);
        QFETCH(QString, description);
        m_jira.setResponse(issuesPath, response);
        QCOMPARE(describe(fetch(configFor(m_jira))), description);
        QVERIFY(m_otherSite.requests().isEmpty() && m_insecureSite.requests().isEmpty());
    }

    // Only Atlassian's login denial, a CAPTCHA and Basic authentication turned off make a 403 a
    // rejection of the credentials; any other 403 refuses the resource. The text names the status
    // that came and what the user entered (this self-hosted site takes a user name, or a personal
    // access token when the email is empty); a CAPTCHA's sign-in page is offered only on the site.
    void whichAnswersRejectTheCredentials_data()
    {
        QTest::addColumn<FakeResponse>("response");
        QTest::addColumn<QString>("email");
        QTest::addColumn<QString>("description");
        QTest::addColumn<bool>("rejected");
        QTest::addColumn<QString>("signIn");
        const auto row = [](const char *name, const FakeResponse &response, const QString &text,
                            bool rejected, const QString &email = u"ann"_s, const QString &signIn = {}) {
            QTest::newRow(name) << response << email << text << rejected << signIn;
        };
        const QString password = u"Jira rejected the user name/password%1. Check them, or sign in with a "
                                 u"personal access token: paste it as the token and leave the email empty."_s;
        const QString captcha =
            u"Jira wants you to sign in once in your browser: after several failed logins "
            u"it asks for a CAPTCHA, which Norrid cannot answer. Sign in to Jira, then "
            u"choose Refresh Now."_s;
        const QByteArray login = m_jira.url(u"/login.jsp"_s).toEncoded();
        row("401", FakeResponse::json("{}", 401).withHeader("WWW-Authenticate", "Basic realm=\"x\""),
            password.arg(u" (401)"_s), true);
        row("403 login denied",
            FakeResponse::json("{}", 403).withHeader("X-Seraph-LoginReason", "AUTHENTICATION_DENIED"),
            password.arg(u" (403)"_s), true);
        row("403 no permission", FakeResponse::json("{}", 403), password.arg(u" (403)"_s), false);
        // An expired token on a board anonymous users may browse: 200, an empty column, and only
        // the login reason tells.
        row("200 login failed",
            FakeResponse::json(FakeJiraDocuments::issues({}))
                .withHeader("X-Seraph-LoginReason", "AUTHENTICATED_FAILED"),
            password.arg(QString()), true);
        row("404 login denied",
            FakeResponse::json("{}", 404).withHeader("X-Seraph-LoginReason", "AUTHENTICATION_DENIED"),
            password.arg(u" (404)"_s), true);
        row("personal access token", FakeResponse::json("{}", 401),
            u"Jira rejected the personal access token (401). Check that it is complete and has not expired "
            u"or been revoked."_s,
            true, QString());
        row("Basic turned off", FakeJiraDocuments::basicAuthDisabled(),
            u"This Jira site accepts only personal access tokens: its administrator turned off sign-in with "
            u"a "
            u"user name and password. In Jira, open your profile, then Personal Access Tokens, create one, "
            u"paste it as the token in the settings and leave the email empty."_s,
            true);
        row("captcha", FakeJiraDocuments::captcha(login), captcha, true, u"ann"_s,
            QString::fromLatin1(login));
        row("captcha on a 401", FakeJiraDocuments::captcha(login, 401), captcha, true, u"ann"_s,
            QString::fromLatin1(login));
        row("captcha, login elsewhere",
            FakeJiraDocuments::captcha(m_otherSite.url(u"/login.jsp"_s).toEncoded()), captcha, true);
        row("captcha, login over http",
            FakeJiraDocuments::captcha("http://127.0.0.1:" + QByteArray::number(m_jira.port()) +
                                       "/login.jsp"),
            captcha, true);
    }

    void whichAnswersRejectTheCredentials()
    {
        QFETCH(FakeResponse, response);
        QFETCH(QString, email);
        QFETCH(QString, description);
        QFETCH(bool, rejected);
        QFETCH(QString, signIn);
        m_jira.setResponse(issuesPath, response);
        JiraConfig config = configFor(m_jira);
        config.email = email;
        const auto result = fetch(config);
        QCOMPARE(describe(result), description);
        QCOMPARE(result.error().credentialsRejected(), rejected);
        QCOMPARE(result.error().signInURL().value_or(QUrl()).toString(), signIn);
        QCOMPARE(m_jira.requests().size(), 1);
    }

    // A session cookie must not stand in for the credentials: none is kept or sent.
    void cookiesAreNeitherKeptNorSent()
    {
        m_jira.setResponse(issuesPath, FakeResponse::json(twoIssues)
                                           .withHeader("Set-Cookie", "JSESSIONID=abc123; Path=/; Secure")
                                           .withHeader("Set-Cookie", "atlassian.xsrf.token=x; Path=/"));
        QCOMPARE(describe(fetch(configFor(m_jira))), u"ok"_s);
        QCOMPARE(describe(fetch(configFor(m_jira))), u"ok"_s);
        QVERIFY(!m_jira.requests().last().hasHeader("Cookie"));
    }

    void incompleteConfigurationSendsNothing_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("description");
        const QString notConfigured = u"Not connected yet — add your email and API token."_s;
        const QString badURL = u"The Jira site URL looks invalid."_s;
        QTest::newRow("no token") << u"token"_s << QString() << notConfigured;
        QTest::newRow("site of blanks") << u"siteURL"_s << u" \t "_s << notConfigured;
        const QString httpsOnly =
            badURL +
            u" Norrid connects only to an https:// address, such as https://your-team.atlassian.net."_s;
        QTest::newRow("no scheme") << u"siteURL"_s << u"acme.atlassian.net"_s << httpsOnly;
        // Never send the credentials in the clear, whatever was stored.
        QTest::newRow("plain http") << u"siteURL"_s << u"http://127.0.0.1:1"_s << httpsOnly;
        QTest::newRow("malformed scheme")
            << u"siteURL"_s << u"https:/"_s + m_jira.siteURL().mid(8) << httpsOnly;
        // The address shows this Jira, but QUrl would read the other site as its host.
        QTest::newRow("user part")
            << u"siteURL"_s << m_jira.siteURL() + u"@"_s + m_otherSite.siteURL().mid(8)
            << badURL + u" It holds a user name or an \u201c@\u201d before the host; enter "
                        u"only the site's address, such as https://your-team.atlassian.net."_s;
    }

    void incompleteConfigurationSendsNothing()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(QString, description);
        JiraConfig config = configFor(m_jira);
        (field == u"token" ? config.token : config.siteURL) = value;
        QCOMPARE(describe(fetch(config)), description);
        QCOMPARE(describe(awaitTask(JiraClient(config).fetchQuickFilters())), description);
        QCOMPARE(m_jira.requests().size() + m_otherSite.requests().size(), 0);
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

    // The transfer timeout counts silence; the deadline bounds the whole request, so a server that
    // drips a byte now and then cannot hold it for ever.
    void silenceAndDrippingTimeOut()
    {
        const QString timedOut = u"The request to Jira timed out."_s;
        JiraRequest::setTransferTimeoutForTesting(800ms);
        m_jira.setResponse(issuesPath, FakeResponse::json(twoIssues).dripped(8, 200ms));
        QCOMPARE(describe(fetch(configFor(m_jira))), u"ok"_s);
        m_jira.setResponse(issuesPath, FakeResponse::json(twoIssues).withDelay(5s));
        QCOMPARE(describe(fetch(configFor(m_jira))), timedOut);
        JiraRequest::setTotalDeadlineForTesting(1500ms);
        m_jira.setResponse(issuesPath, FakeResponse::json(twoIssues).dripped(40, 200ms));
        QCOMPARE(describe(fetch(configFor(m_jira))), timedOut);
    }

    // Today's Cloud pages by token, Data Center by startAt; both up to the bound, and neither for
    // ever when a server loops. Each request is written "<read>@<where it starts>".
    void theColumnIsReadWholeOnEitherRead_data()
    {
        QTest::addColumn<FakeJiraServer::Handler>("software"); // none: the site answers 404
        QTest::addColumn<FakeJiraServer::Handler>("agile");
        QTest::addColumn<QStringList>("sent");
        QTest::addColumn<int>("read");
        using namespace FakeJiraDocuments;
        const FakeJiraServer::Handler none;
        QStringList tenPages{u"software@"_s};
        for (int start = 100; start < 1000; start += 100)
            tenPages.append(u"software@page-%1"_s.arg(start));
        QTest::newRow("Cloud, 150 cards in one request")
            << tokenPages(numberedIssues(150), 1000) << none << QStringList{u"software@"_s} << 150;
        QTest::newRow("Cloud, pages of 100")
            << tokenPages(numberedIssues(250)) << none
            << QStringList{u"software@"_s, u"software@page-100"_s, u"software@page-200"_s} << 250;
        QTest::newRow("Cloud, bounded")
            << tokenPages(numberedIssues(2500)) << none << tenPages << BoardColumn::maximumCards;
        QTest::newRow("Cloud, token repeats") << tokenPages(numberedIssues(300), 100, true) << none
                                              << QStringList{u"software@"_s, u"software@page-100"_s} << 200;
        QTest::newRow("Data Center, 150 cards")
            << none << agilePages(numberedIssues(150))
            << QStringList{u"software@"_s, u"agile@0"_s, u"agile@100"_s} << 150;
        QTest::newRow("Data Center ignoring startAt")
            << none << agilePages(numberedIssues(150), 100, false)
            << QStringList{u"software@"_s, u"agile@0"_s, u"agile@100"_s} << 100;
        QTest::newRow("both reads served")
            << tokenPages(numberedIssues(150), 1000) << agilePages(numberedIssues(150))
            << QStringList{u"software@"_s} << 150;
    }

    void theColumnIsReadWholeOnEitherRead()
    {
        QFETCH(FakeJiraServer::Handler, software);
        QFETCH(FakeJiraServer::Handler, agile);
        QFETCH(QStringList, sent);
        QFETCH(int, read);
        if (software)
            m_jira.setHandler(issuesPath, software);
        if (agile)
            m_jira.setHandler(agilePath, agile);
        const auto result = fetch(configFor(m_jira));
        QVERIFY2(result.ok(), qPrintable(describe(result)));
        QCOMPARE(result.value().size(), read);
        QCOMPARE(result.value().last().key, u"AB-%1"_s.arg(read));
        QStringList requests;
        for (const RecordedRequest &request : m_jira.requests())
            requests.append(request.path == issuesPath ? u"software@"_s + request.queryValue(u"nextPageToken")
                                                       : u"agile@"_s + request.queryValue(u"startAt"));
        QCOMPARE(requests, sent);
    }

    // A route keeps what a site taught: an ordinary poll is one request, a read Atlassian retires
    // (410) gives way to the other, and when both fail the error tells about the board, not about
    // the read the site does not serve.
    void whatASiteTeachesIsKept()
    {
        auto route = std::make_shared<JiraRoute>();
        m_jira.setResponse(agilePath, FakeResponse::json(twoIssues));
        QCOMPARE(describe(fetch(configFor(m_jira), route)), u"ok"_s);
        QCOMPARE(describe(fetch(configFor(m_jira), route)), u"ok"_s);
        QCOMPARE(paths(m_jira.requests()), (QStringList{issuesPath, agilePath, agilePath}));

        m_jira.reset();
        m_jira.setResponse(agilePath, FakeResponse::json(R"({"errorMessages":["Gone"]})", 410));
        m_jira.setResponse(issuesPath, FakeResponse::json(twoIssues));
        QCOMPARE(describe(fetch(configFor(m_jira), route)), u"ok"_s);
        QCOMPARE(describe(fetch(configFor(m_jira), route)), u"ok"_s);
        QCOMPARE(paths(m_jira.requests()), (QStringList{agilePath, issuesPath, issuesPath}));
        QCOMPARE(route->boardRead, JiraRoute::BoardRead::software);

        // Without a route, every fetch asks afresh.
        const auto cases = {std::tuple{FakeResponse::noBody(404), FakeResponse::noBody(410), 404, 2},
                            {FakeResponse::noBody(404), FakeResponse::noBody(503), 503, 2},
                            {FakeResponse::noBody(500), FakeResponse::json(twoIssues), 500, 1}};
        for (const auto &[software, agile, status, requests] : cases) {
            m_jira.reset();
            m_jira.setResponse(issuesPath, software);
            m_jira.setResponse(agilePath, agile);
            QCOMPARE(fetch(configFor(m_jira)).error(), JiraError::http(status));
            QCOMPARE(m_jira.requests().size(), requests);
        }
    }

    // The pages a route remembers spare decoding a column that came back unchanged, and never stand
    // in for one that changed, however little: each read equals a fresh decoding of what was sent.
    void aRememberedPageNeverHidesAChange()
    {
        const auto column = [](const QString &summary, const QString &assignee) {
            return FakeJiraDocuments::issues(
                {{u"AB-2"_s, summary, assignee, u"2024-03-05T14:07:09.123+0100"_s},
                 {u"AB-1"_s, u"First"_s, {}, {}}});
        };
        const QList<FakeResponse> answers{FakeResponse::json(twoIssues),
                                          FakeResponse::json(twoIssues),
                                          FakeResponse::json(column(u"Secand"_s, u"Bo"_s)),
                                          FakeResponse::noBody(500),
                                          FakeResponse::json(column(u"Secand"_s, u"Bo"_s)),
                                          FakeResponse::json(column(u"Secand"_s, u"Cy"_s)),
                                          FakeResponse::json(twoIssues)};
        auto route = std::make_shared<JiraRoute>();
        for (const FakeResponse &answer : answers) {
            m_jira.setResponse(issuesPath, answer);
            const auto read = fetch(configFor(m_jira), route);
            if (answer.status != 200) {
                QCOMPARE(read.error(), JiraError::http(answer.status));
                continue;
            }
            const auto decoded = JiraDocuments::decodeBoardIssues(answer.body);
            QList<ReviewIssue> fresh;
            for (const RawIssue &raw : decoded.value().issues)
                fresh.append(raw.toReviewIssue());
            QCOMPARE(read.value(), fresh);
        }
    }

    // A scoped token: the site turns it down, Atlassian's gateway (found through the site's
    // tenant_info, asked without credentials) takes it and is kept. The token reaches no third
    // host, not even one the gateway redirects to; a gateway that turns it down too changes nothing.
    void aScopedTokenGoesThroughTheGateway()
    {
        FakeJiraServer third;
        QVERIFY(third.start());
        JiraGateway::setOriginForTesting(m_otherSite.url());
        const QString cloudId = u"0f3c9a47-8d5e-4b1f-a2c6-7e9d0b1a2c3d"_s;
        const QString prefix = u"/ex/jira/"_s + cloudId;
        m_jira.setResponse(issuesPath, FakeResponse::json("{}", 401));
        m_jira.setResponse(filtersPath, FakeResponse::json("{}", 401));
        m_jira.setResponse(u"/_edge/tenant_info"_s,
                           FakeResponse::json("{\"cloudId\":\"" + cloudId.toUtf8() + "\"}"));
        m_otherSite.setResponse(prefix + issuesPath, FakeResponse::json(twoIssues));
        m_otherSite.setResponse(prefix + filtersPath, FakeResponse::redirect(third.url(filtersPath), 307));

        auto route = std::make_shared<JiraRoute>();
        QCOMPARE(describe(fetch(configFor(m_jira), route)), u"ok"_s);
        QCOMPARE(describe(fetch(configFor(m_jira), route)), u"ok"_s);
        QCOMPARE(paths(m_jira.requests()), (QStringList{issuesPath, u"/_edge/tenant_info"_s}));
        QVERIFY(!m_jira.requests()[1].hasHeader("Authorization"));
        QCOMPARE(paths(m_otherSite.requests()), (QStringList{prefix + issuesPath, prefix + issuesPath}));
        QCOMPARE(m_otherSite.requests()[0].header("Authorization"),
                 m_jira.requests()[0].header("Authorization"));
        QVERIFY(route->gateway.has_value());
        QVERIFY(describe(awaitTask(JiraClient(configFor(m_jira), route).fetchQuickFilters()))
                    .startsWith(u"Jira redirected the request to another site"_s));
        QVERIFY(third.requests().isEmpty());

        m_otherSite.reset();
        m_otherSite.setResponse(prefix + issuesPath, FakeResponse::json("{}", 401));
        route = std::make_shared<JiraRoute>();
        const auto refused = fetch(configFor(m_jira), route);
        QVERIFY(!refused.ok() && refused.error().credentialsRejected());
        QVERIFY(!route->gateway);
    }

    // A Data Center site under /jira that takes personal access tokens alone. A pasted board page
    // names it; serverInfo is asked without credentials; every request and link goes under the path;
    // the token goes as Bearer to the site alone, never to the gateway and never to a Cloud site;
    // Basic credentials learn that the site takes only tokens; typed without its path, the site's
    // 404s say where to look.
    void aSelfHostedSiteUnderAPath()
    {
        const QByteArray token = "pat-0123456789";
        const QString under = u"/jira"_s;
        m_jira.setHandler(under + agilePath,
                          FakeJiraDocuments::bearerOnly(
                              token, FakeJiraDocuments::agilePages(FakeJiraDocuments::numberedIssues(3))));
        m_jira.setResponse(under + u"/rest/api/2/serverInfo"_s,
                           FakeResponse::json(FakeJiraDocuments::serverInfo(u"DataCenter"_s, u"9.12.2"_s)));
        m_jira.setResponse(u"/_edge/tenant_info"_s, FakeResponse::json(R"({"cloudId":"0f3c"})"));
        JiraGateway::setOriginForTesting(m_otherSite.url()); // every site may use the gateway
        JiraConfig config = configFor(m_jira);
        config.siteURL = m_jira.siteURL() + under + u"/secure/RapidBoard.jspa?rapidView=7"_s;
        config.email.clear();
        config.token = QString::fromLatin1(token);

        const JiraClient client(config);
        const auto info = awaitTask(client.fetchServerInfo());
        QCOMPARE(info.ok() ? info.value().name() : describe(info), u"Jira Data Center 9.12.2"_s);
        const auto column = fetch(config);
        QVERIFY2(column.ok(), qPrintable(describe(column)));
        QCOMPARE(column.value().size(), 3);
        const QStringList sent{under + u"/rest/api/2/serverInfo"_s, under + issuesPath, under + agilePath};
        QCOMPARE(paths(m_jira.requests()), sent);
        QVERIFY(!m_jira.requests().first().hasHeader("Authorization"));
        QCOMPARE(m_jira.requests().last().header("Authorization"), "Bearer " + token);
        const QString base = m_jira.siteURL() + under;
        QCOMPARE(client.boardURL()->toString(), base + u"/secure/RapidBoard.jspa?rapidView=7"_s);
        QCOMPARE(JiraSite::read(config.siteURL).cardURL(u"AB-1"_s)->toString(), base + u"/browse/AB-1"_s);

        config.token = u"expired"_s;
        QVERIFY(fetch(config).error().credentialsRejected());
        QVERIFY(m_otherSite.requests().isEmpty() && m_jira.requests(u"/_edge/tenant_info"_s).isEmpty());
        JiraGateway::setOriginForTesting({});
        config.email = u"ann"_s;
        config.token = QString::fromLatin1(token);
        const auto basic = fetch(config);
        QCOMPARE(basic.error().kind(), JiraError::Kind::basicAuthDisabled);
        QVERIFY(basic.error().credentialsRejected());

        m_jira.reset();
        config.email.clear();
        config.siteURL = u"https://acme.atlassian.net"_s;
        QCOMPARE(fetch(config).error(), JiraError::cloudNeedsEmail());
        config.siteURL = m_jira.siteURL();
        QCOMPARE(
            describe(fetch(config)),
            u"Jira returned HTTP 404 for %1/rest/agile/1.0/board/7/issue. Check the board ID. Self-hosted "
            u"Jira sites often live under a path such as /jira: enter the address you open Jira at, such as "
            u"%1/jira."_s.arg(m_jira.siteURL()));
        QCOMPARE(m_jira.requests().size(), 2);
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

    void quickFilterPagesEndAsJiraSays_data()
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
    }

    void quickFilterPagesEndAsJiraSays()
    {
        QFETCH(QList<FakeResponse>, pages);
        QFETCH(QStringList, startIndexes);
        QFETCH(QList<Filter>, filters);
        m_jira.setResponses(filtersPath, pages);
        const auto result = fetchFilters();
        QVERIFY2(result.ok(), qPrintable(describe(result)));
        QList<QuickFilter> expected;
        for (const Filter &filter : filters)
            expected.append({filter.id, filter.name, filter.jql});
        QCOMPARE(result.value(), expected);
        QStringList sent;
        for (const RecordedRequest &request : filterRequests()) {
            QCOMPARE(request.queryNames(), (QStringList{u"startAt"_s, u"maxResults"_s}));
            QCOMPARE(request.queryValue(u"maxResults"), u"50"_s);
            sent.append(request.queryValue(u"startAt"));
        }
        QCOMPARE(sent, startIndexes);
    }

    // The largest board the guard allows loads completely; a failing page, a server that ignores
    // startAt and pages that never end are stopped.
    void quickFilterPagingGuards_data()
    {
        QTest::addColumn<FakeJiraServer::Handler>("handler");
        QTest::addColumn<QString>("description");
        QTest::addColumn<int>("requests");
        const int maxPages = JiraClient::maximumQuickFilterPages;
        const QList<Filter> fifty = FakeJiraDocuments::numberedFilters(50);
        const QString unreadable = u"Couldn't read Jira's response: "_s;
        QTest::newRow("largest board")
            << FakeJiraDocuments::quickFilterPages(FakeJiraDocuments::numberedFilters(maxPages * 50))
            << u"ok"_s << maxPages;
        QTest::newRow("failing page") << FakeJiraServer::Handler([fifty](const RecordedRequest &request) {
            return request.queryValue(u"startAt") == u"0" ? page(fifty, false) : FakeResponse::noBody(500);
        }) << u"Jira returned HTTP 500."_s
                                      << 2;
        QTest::newRow("startAt ignored")
            << FakeJiraServer::Handler([fifty](const RecordedRequest &) { return page(fifty, false); })
            << unreadable + u"Jira sent the same page of quick filters twice (at 50)"_s << 2;
        QTest::newRow("never the last page") << FakeJiraServer::Handler([](const RecordedRequest &request) {
            return page({{request.queryValue(u"startAt").toLongLong() + 1, u"n"_s, u"j"_s}}, false);
        }) << unreadable + u"the quick filters did not end after %1 pages"_s.arg(maxPages)
                                             << maxPages;
    }

    void quickFilterPagingGuards()
    {
        QFETCH(FakeJiraServer::Handler, handler);
        QFETCH(QString, description);
        QFETCH(int, requests);
        m_jira.setHandler(filtersPath, handler);
        const auto result = fetchFilters();
        QCOMPARE(describe(result), description);
        if (result.ok()) // ids 1, 2, 3, …: each once and in order
            QCOMPARE(result.value().size(), result.value().last().id);
        QCOMPARE(filterRequests().size(), requests);
    }
};

QTEST_GUILESS_MAIN(TestJiraClient)
#include "tst_jiraclient.moc"

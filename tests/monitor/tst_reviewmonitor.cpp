// A real monitor against the fake Jira over TLS, and what the real notification manager hands to
// the desktop.
#include "MonitorRig.h"
#include "monitor/ColumnArrivals.h"
#include "monitor/ColumnWatch.h"
#include "support/FakeJiraDocuments.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QLoggingCategory>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <limits>
#include <memory>

using namespace std::chrono_literals;
using namespace Qt::StringLiterals;
using Issue = FakeJiraDocuments::Issue;
using StateKind = ReviewMonitor::StateKind;

namespace {

QStringList capturedLog;
void capture(QtMsgType, const QMessageLogContext &context, const QString &message)
{
    capturedLog.append(QString::fromLatin1(context.category ? context.category : "") + u' ' + message);
}

// A card updated at 10:<minute> (later minutes are newer), or without a time.
Issue card(const char *key, std::optional<int> minute = std::nullopt)
{
    const QString name = QString::fromLatin1(key);
    return {name, u"Summary of "_s + name, std::nullopt,
            minute ? std::optional(u"2024-03-05T10:%1:00.000+0000"_s.arg(*minute, 2, 10, QChar(u'0')))
                   : std::nullopt};
}

} // namespace

class ReviewMonitorTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    FakeJiraServer m_jira;
    AppSettings m_settings{m_dir.filePath(u"norrid.conf"_s)};
    std::unique_ptr<MonitorRig> m_rig;
    QList<StateKind> m_states;

    void serve(const QList<Issue> &cards, std::chrono::milliseconds delay = 0ms)
    {
        m_jira.setResponse(FakeJiraDocuments::issuesPath(u"7"_s),
                           FakeResponse::json(FakeJiraDocuments::issues(cards)).withDelay(delay));
    }

    // As MonitorRig::poll, and the poll reached Jira.
    void poll(bool start = false)
    {
        const qsizetype before = m_jira.requests().size();
        m_rig->poll(start);
        QVERIFY(m_jira.requests().size() > before);
    }

    QStringList notified() const { return m_rig->notified(); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(m_jira.start(), qPrintable(m_jira.errorString()));
        MonitorRig::configure(m_settings, m_jira, u"7"_s);
    }

    void init()
    {
        m_jira.reset();
        m_states.clear();
        m_rig = std::make_unique<MonitorRig>(m_settings);
        connect(&*m_rig->monitor, &ReviewMonitor::stateChanged, this,
                [this] { m_states.append(m_rig->monitor->state().kind); });
    }

    void cleanup() { m_rig.reset(); }

    void launchLearnsTheColumnThenAnnouncesUpToThreeCardsOneByOne()
    {
        // Newest first; cards without a time last, in board order.
        QList<Issue> column{card("X-1"), card("A-1", 1), card("A-2", 5), card("X-2"), card("A-3", 3)};
        serve(column);
        poll(true);
        QCOMPARE(m_states, (QList<StateKind>{StateKind::loading, StateKind::ok}));
        QStringList keys;
        for (const ReviewIssue &issue : m_rig->monitor->issues())
            keys.append(issue.key);
        QCOMPARE(keys, (QStringList{u"A-2"_s, u"A-3"_s, u"A-1"_s, u"X-1"_s, u"X-2"_s}));
        QVERIFY(m_rig->center.added.isEmpty());

        // Two arrive: one notification each, newest first, each with its card link.
        column << card("B-1", 10) << card("B-2", 20);
        serve(column);
        poll();
        QCOMPARE(notified(), (QStringList{u"B-2"_s, u"B-1"_s}));
        QCOMPARE(m_rig->center.added.at(0).userInfo.value(u"url"_s), m_jira.siteURL() + u"/browse/B-2"_s);
        QCOMPARE(m_rig->monitor->issues().size(), 7);
        QVERIFY(!m_states.mid(2).contains(StateKind::loading)); // loading only before the first success

        // Four or more make one batch, newest first, linking the board; three do not.
        m_rig->center.added.clear();
        column << card("C-1", 21) << card("C-2", 24) << card("C-3", 22) << card("C-4", 23);
        serve(column);
        poll();
        QCOMPARE(m_rig->center.added.size(), 1);
        QCOMPARE(m_rig->center.added[0].title, u"4 cards ready for review"_s);
        QCOMPARE(m_rig->center.added[0].body, u"C-2, C-4, C-3, C-1"_s);
        QCOMPARE(m_rig->center.added[0].userInfo.value(u"url"_s),
                 m_jira.siteURL() + u"/secure/RapidBoard.jspa?rapidView=7"_s);
        m_rig->center.added.clear();
        serve({card("D-1"), card("D-2"), card("D-3")});
        poll();
        QCOMPARE(notified(), (QStringList{u"D-1"_s, u"D-2"_s, u"D-3"_s}));
    }

    // A card missing from one poll only (a lagging answer) is not announced again when it shows up
    // in the next; one gone for two polls is. A restart, as after a save in the settings window,
    // learns the column afresh.
    // A whole poll, with every category's debug lines on: the request is there as method, path,
    // status and time, and neither the token, nor the email, nor a card's text is anywhere.
    void debugLinesCarryNoCredential()
    {
        serve({card("AB-1", 1)});
        QLoggingCategory::setFilterRules(u"norrid.*.debug=true"_s);
        capturedLog.clear();
        const QtMessageHandler previous = qInstallMessageHandler(capture);
        poll(true);
        m_settings.setToken(u"secret-token"_s); // a keyring write, logged too
        QTRY_VERIFY(!m_settings.keyringBusy());
        qInstallMessageHandler(previous);
        QLoggingCategory::setFilterRules(QString());
        const QString log = capturedLog.join(u'\n');
        QVERIFY2(log.contains(u"norrid.jira GET /rest/"_s) && log.contains(u"status 200"_s), qPrintable(log));
        QVERIFY(log.contains(u"norrid.keyring"_s) && log.contains(u"norrid.monitor"_s));
        const QString basic = QString::fromLatin1("me@example.com:secret-token"_ba.toBase64());
        for (const QString &secret :
             {u"secret-token"_s, u"me@example.com"_s, u"Summary of AB-1"_s, basic, u"jql"_s})
            QVERIFY2(!log.contains(secret, Qt::CaseInsensitive), qPrintable(secret));
    }

    // The arrival rule on its own: the first poll only learns; a card is new when it was in
    // neither of the last two polls; a reset learns afresh.
    void columnArrivals()
    {
        const struct
        {
            QList<QStringList> polls; // "reset" forgets
            QStringList arrived;      // in the order they arrived, over all polls
        } cases[]{
            {{{}, {u"R-1"_s}, {}, {u"R-1"_s}, {}, {}, {u"R-1"_s}}, {u"R-1"_s, u"R-1"_s}},
            {{{u"A"_s, u"B"_s}, {u"B"_s, u"A"_s, u"C"_s}, {u"C"_s}, {u"A"_s, u"C"_s}}, {u"C"_s}},
            {{{u"A"_s}, {u"reset"_s}, {u"A"_s, u"B"_s}, {u"A"_s, u"B"_s, u"N"_s}}, {u"N"_s}},
        };
        for (const auto &[polls, expected] : cases) {
            ColumnArrivals arrivals;
            QStringList arrived;
            for (const QStringList &keys : polls) {
                if (keys == QStringList{u"reset"_s}) {
                    arrivals.reset();
                    continue;
                }
                QList<ReviewIssue> cards;
                for (const QString &key : keys)
                    cards.append({key, {}, {}, {}});
                for (const ReviewIssue &card : arrivals.learn(cards))
                    arrived.append(card.key);
            }
            QCOMPARE(arrived, expected);
        }
    }

    // A card leaves while a 150-card column is read page by page by startAt: the next card slips
    // over the page boundary for that poll, and is not announced when the next poll sees it.
    void aCardSkippedByAPageShiftIsNotAnnounced()
    {
        auto column = std::make_shared<QList<Issue>>(FakeJiraDocuments::numberedIssues(150));
        auto leaveBetweenPages = std::make_shared<bool>(false);
        m_jira.setHandler(FakeJiraDocuments::agileIssuesPath(u"7"_s),
                          [column, leaveBetweenPages](const RecordedRequest &request) {
                              if (*leaveBetweenPages && request.queryValue(u"startAt") == u"100") {
                                  column->removeFirst();
                                  *leaveBetweenPages = false;
                              }
                              return FakeJiraDocuments::agilePages(*column)(request);
                          });
        poll(true);
        QCOMPARE(m_rig->monitor->issueCount(), 150);
        *leaveBetweenPages = true;
        poll();
        QCOMPARE(m_rig->monitor->issueCount(), 149); // AB-1 read before it left, AB-101 slipped
        QVERIFY(std::none_of(m_rig->monitor->issues().begin(), m_rig->monitor->issues().end(),
                             [](const ReviewIssue &issue) { return issue.key == u"AB-101"; }));
        poll();
        QCOMPARE(m_rig->monitor->issueCount(), 149);
        QVERIFY(m_rig->center.added.isEmpty());
        // Data Center's read was learned at the start: each later poll asks it alone, page by page.
        QCOMPARE(m_jira.requests().size(), 3 + 2 + 2);
    }

    void aFirstPollThatFailsLeavesTheMonitorUnseeded()
    {
        m_jira.setResponses(FakeJiraDocuments::issuesPath(u"7"_s),
                            {FakeResponse::noBody(500), FakeResponse::json(FakeJiraDocuments::issues(
                                                            {card("A-1"), card("A-2"), card("A-3")}))});
        poll(true);
        QCOMPARE(m_rig->monitor->state(), ReviewMonitor::State::error(u"Jira returned HTTP 500."_s));
        QVERIFY(!m_rig->monitor->lastUpdated());
        poll();
        QCOMPARE(m_states,
                 (QList<StateKind>{StateKind::loading, StateKind::error, StateKind::loading, StateKind::ok}));
        QVERIFY(m_rig->center.added.isEmpty());
        QCOMPARE(m_rig->monitor->issues().size(), 3);
    }

    // The interval is bounded to 15 s … 24 h in 64 bits, whatever a hand-edited file holds, and
    // the file keeps what it holds.
    // Four columns on two boards and one on a board the user cannot see: a request per board, each
    // column seeded on its own and announcing its own arrivals under its name, the failing one
    // failing alone; then back to one column, whose texts are as ever.
    void severalColumnsAreReadByBoardAndAnnounceOnTheirOwn()
    {
        const auto on = [](const char *key, const char *status, int minute) {
            Issue issue = card(key, minute);
            issue.status = QString::fromLatin1(status);
            return issue;
        };
        auto board7 = std::make_shared<QList<Issue>>(
            QList<Issue>{on("A-1", "In Review", 1), on("A-2", "Ready for QA", 2), on("A-3", "Done", 3)});
        m_jira.setHandler(FakeJiraDocuments::issuesPath(u"7"_s), [board7](const RecordedRequest &request) {
            return FakeJiraDocuments::boardByStatus(*board7)(request);
        });
        m_jira.setResponse(FakeJiraDocuments::issuesPath(u"8"_s),
                           FakeResponse::json(FakeJiraDocuments::issues({card("B-1", 4)})));
        m_jira.setResponse(FakeJiraDocuments::issuesPath(u"9"_s), FakeResponse::noBody(404));
        m_jira.setResponse(FakeJiraDocuments::agileIssuesPath(u"9"_s), FakeResponse::noBody(404));
        m_settings.setColumns({{u"7"_s, u"In Review"_s, {}, {}, {}},
                               {u"7"_s, u"ready for qa"_s, {}, u"QA"_s, {}},
                               {u"8"_s, u"In Review"_s, {}, u"Board 8"_s, {}},
                               {u"9"_s, u"In Review"_s, {}, u"Hidden"_s, {}}});
        poll(true);
        const ReviewMonitor &monitor = *m_rig->monitor;
        QCOMPARE(m_jira.requests(FakeJiraDocuments::issuesPath(u"7"_s)).size(), 1);
        QCOMPARE(m_jira.requests(FakeJiraDocuments::issuesPath(u"8"_s)).size(), 1);
        const RecordedRequest &read7 = m_jira.requests(FakeJiraDocuments::issuesPath(u"7"_s)).first();
        QCOMPARE(read7.queryValue(u"jql"), u"status in (\"In Review\", \"ready for qa\")"_s);
        QCOMPARE(read7.queryValue(u"fields"), u"summary,assignee,updated,status"_s);
        QCOMPARE(monitor.issueCount(), 3);
        QCOMPARE(monitor.state().kind, StateKind::error); // the worst of the columns
        QVERIFY(m_rig->center.added.isEmpty());

        // Arrivals in two columns: each named by its column; the failing column fails on alone.
        board7->append({on("A-4", "Ready for QA", 5), on("A-5", "Done", 6)});
        m_jira.setResponse(FakeJiraDocuments::issuesPath(u"8"_s),
                           FakeResponse::json(FakeJiraDocuments::issues({card("B-1", 4), card("B-2", 7)})));
        poll();
        QStringList titles;
        for (const NotificationRequest &request : m_rig->center.added)
            titles.append(request.title + u' ' + request.subtitle);
        QCOMPARE(titles,
                 (QStringList{u"Ready for review in QA A-4"_s, u"Ready for review in Board 8 B-2"_s}));
        QStringList states;
        for (const ColumnWatch &column : monitor.columns())
            states.append(column.column().title() + u'=' + QString::number(column.cards().size()) +
                          (column.state().kind == StateKind::error ? u"!"_s : u""_s));
        QCOMPARE(states, (QStringList{u"In Review=1"_s, u"QA=2"_s, u"Board 8=2"_s, u"Hidden=0!"_s}));
        QCOMPARE(monitor.state().message, monitor.columns()[3].state().message);
        QCOMPARE(monitor.issueCount(), 5);

        // One column again: today's JQL, fields and texts.
        m_settings.setColumns({{u"7"_s, u"In Review"_s, {}, {}, {}}});
        poll(true);
        board7->append(on("A-6", "In Review", 8));
        m_rig->center.added.clear();
        poll();
        QCOMPARE(m_rig->center.added.size(), 1);
        QCOMPARE(m_rig->center.added[0].title, u"Ready for review"_s);
        QCOMPARE(m_jira.requests().last().queryValue(u"fields"), u"summary,assignee,updated"_s);
        QCOMPARE(m_jira.requests().last().queryValue(u"jql"), u"status = \"In Review\""_s);
        QCOMPARE(monitor.state().kind, StateKind::ok);
    }

    void theIntervalIsBoundedAndHasATenthAsTolerance()
    {
        serve({});
        for (const auto &[setting, intervalMs] : {std::pair<qint64, int>{5, 15000},
                                                  {-30, 15000},
                                                  {60, 60000},
                                                  {4294968, 86400000},
                                                  {2592000, 86400000},
                                                  {std::numeric_limits<qint64>::max(), 86400000}}) {
            m_settings.setPollInterval(setting);
            poll(true);
            QCOMPARE(m_rig->monitor->timer().interval(), intervalMs);
            QVERIFY(m_rig->monitor->timer().isActive());
            QCOMPARE(m_rig->monitor->toleranceMilliseconds(), intervalMs / 10);
            QCOMPARE(
                QSettings(m_settings.fileName(), QSettings::IniFormat).value(u"pollInterval"_s).toLongLong(),
                setting);
        }
        m_settings.setPollInterval(60);
    }

    // Polls asked for while one runs are done once, right after it; a monitor destroyed
    // mid-fetch announces nothing.
    void pollsAskedForDuringAFetchRunOnceAfterIt()
    {
        serve({card("A-1")});
        poll(true);
        serve({card("A-1"), card("Z-1")}, 2s);
        QSignalSpy polled(&*m_rig->monitor, &ReviewMonitor::polled);
        m_rig->monitor->refreshNow();
        QTRY_COMPARE(m_jira.requests().size(), 2);
        m_rig->monitor->refreshNow();
        m_rig->monitor->refreshAfterWake();
        m_rig->monitor->refreshNow();
        QTRY_COMPARE_WITH_TIMEOUT(m_jira.requests().size(), 3, 10000);
        QTRY_COMPARE_WITH_TIMEOUT(polled.size(), 2, 10000);
        QCOMPARE(m_jira.requests().size(), 3);
        QCOMPARE(notified(), QStringList{u"Z-1"_s});

        serve({card("A-1"), card("Z-1"), card("Y-1")}, 300ms);
        m_rig->monitor->refreshNow();
        QTRY_COMPARE(m_jira.requests().size(), 4);
        m_rig->monitor.reset();
        QTest::qWait(500); // the answer would arrive for a monitor that is gone
        QCOMPARE(m_rig->center.added.size(), 1);
    }

    // A save while a slow poll of the old board runs: the new board is fetched at once, the old
    // board's poll is neither shown nor learned from, and the new board is learned before
    // anything is announced.
    void aStartDuringASlowFetchFetchesTheNewConfigurationAtOnce()
    {
        const QString newBoard = FakeJiraDocuments::issuesPath(u"8"_s);
        serve({card("OLD-1")});
        poll(true);
        serve({card("OLD-1"), card("OLD-2"), card("OLD-3"), card("OLD-4")}, 20s);
        m_jira.setResponse(newBoard,
                           FakeResponse::json(FakeJiraDocuments::issues({card("NEW-1"), card("NEW-2")})));
        m_rig->monitor->refreshNow();
        QTRY_COMPARE(m_jira.requests().size(), 2);
        QSignalSpy polled(&*m_rig->monitor, &ReviewMonitor::polled);
        m_settings.setBoardId(u"8"_s);
        m_rig->monitor->start();
        QTRY_COMPARE(m_jira.requests(newBoard).size(), 1);
        QTRY_COMPARE(polled.size(), 1);
        QCOMPARE(m_rig->monitor->state().kind, StateKind::ok);
        QCOMPARE(m_rig->monitor->issues().size(), 2);
        QCOMPARE(m_rig->monitor->issues().first().key.left(4), u"NEW-"_s);

        m_jira.setResponse(newBoard, FakeResponse::json(FakeJiraDocuments::issues(
                                         {card("NEW-1"), card("NEW-2"), card("NEW-3")})));
        poll();
        QCOMPARE(notified(), QStringList{u"NEW-3"_s});
        QCOMPARE(m_jira.requests().size(), 4);
        m_settings.setBoardId(u"7"_s);
    }

    // Jira turning the credentials down (also in a 200 that carries Atlassian's login reason)
    // slows checking to one try an hour and one after a wake-up, and the popover says when; a try
    // that succeeds, a new token or Refresh Now resume the cadence. Other failures keep polling.
    void rejectedCredentialsPauseCheckingToHourlyTries_data()
    {
        QTest::addColumn<FakeResponse>("answer");
        QTest::addColumn<bool>("pauses");
        QTest::addColumn<QString>("note"); // what ends the pause sooner
        const QString password = u"or as soon as the user name or password changes."_s;
        QTest::newRow("401") << FakeResponse::json("{}", 401) << true << password;
        QTest::newRow("403 login denied")
            << FakeResponse::json("{}", 403).withHeader("X-Seraph-LoginReason", "AUTHENTICATION_DENIED")
            << true << password;
        QTest::newRow("200 login failed") << FakeResponse::json(FakeJiraDocuments::issues({}))
                                                 .withHeader("X-Seraph-LoginReason", "AUTHENTICATED_FAILED")
                                          << true << password;
        QTest::newRow("Basic turned off") << FakeJiraDocuments::basicAuthDisabled() << true
                                          << u"or as soon as the email or token changes."_s;
        QTest::newRow("CAPTCHA") << FakeJiraDocuments::captcha(m_jira.url(u"/login.jsp"_s).toEncoded())
                                 << true << u"or as soon as you choose Refresh Now after signing in."_s;
        QTest::newRow("403 no permission") << FakeResponse::json("{}", 403) << false << QString();
        QTest::newRow("500") << FakeResponse::noBody(500) << false << QString();
    }

    void rejectedCredentialsPauseCheckingToHourlyTries()
    {
        QFETCH(FakeResponse, answer);
        QFETCH(bool, pauses);
        QFETCH(QString, note);
        const QString path = FakeJiraDocuments::issuesPath(u"7"_s);
        serve({card("A-1")});
        poll(true);
        m_jira.setResponse(path, answer);
        poll();
        QCOMPARE(m_rig->monitor->state().kind, StateKind::error);
        QCOMPARE(m_rig->monitor->issueCount(), 1); // never an empty column
        QCOMPARE(m_rig->monitor->isPaused(), pauses);
        QCOMPARE(m_rig->monitor->timer().interval(), pauses ? 3600 * 1000 : 60 * 1000);
        QCOMPARE(m_rig->monitor->scheduleNote().isEmpty(), !pauses);
        if (!pauses)
            return;
        QVERIFY2(m_rig->monitor->scheduleNote().endsWith(note), qPrintable(m_rig->monitor->scheduleNote()));
        // Only a CAPTCHA offers Jira's sign-in page, and only on the site.
        QCOMPARE(m_rig->monitor->state().signInURL.has_value(), note.contains(u"signing in"_s));
        m_rig->monitor->refreshAfterWake();
        QTRY_COMPARE(m_jira.requests().size(), 3);
        QTest::qWait(300);
        QCOMPARE(m_jira.requests().size(), 3);
        QVERIFY(m_rig->monitor->isPaused());

        // The hourly try (an hour made short here) that succeeds resumes the cadence.
        PollSchedule::setPausedRetryForTesting(500ms);
        m_rig->monitor->refreshAfterWake(); // fails again, and the next try is the short hour away
        QTRY_COMPARE(m_jira.requests().size(), 4);
        serve({card("A-1"), card("B-1")});
        QTRY_COMPARE_WITH_TIMEOUT(m_rig->monitor->state().kind, StateKind::ok, 5000);
        PollSchedule::setPausedRetryForTesting(0ms);
        QVERIFY(!m_rig->monitor->isPaused() && m_rig->monitor->timer().interval() == 60 * 1000);
        QCOMPARE(notified(), QStringList{u"B-1"_s});

        // A new token resumes checking with one request.
        m_jira.setResponse(path, answer);
        poll();
        QVERIFY(m_rig->monitor->isPaused());
        const qsizetype before = m_jira.requests().size();
        serve({card("A-1"), card("B-1")});
        m_settings.setToken(u"another-token"_s);
        QTRY_COMPARE(m_rig->monitor->state().kind, StateKind::ok);
        QCOMPARE(m_jira.requests().size(), before + 1);
        QVERIFY(!m_rig->monitor->isPaused());
        QCOMPARE(m_jira.requests().last().header("Authorization"),
                 "Basic " + QByteArray("me@example.com:another-token").toBase64());

        // So does Refresh Now.
        m_jira.setResponse(path, answer);
        poll();
        QVERIFY(m_rig->monitor->isPaused());
        serve({card("A-1"), card("B-1")});
        poll();
        QVERIFY(!m_rig->monitor->isPaused());
        m_settings.setToken(u"secret-token"_s);
    }

    // Retry-After holds the next automatic poll back (a wake-up included), the error says until
    // when, then the cadence resumes.
    void aRateLimitHoldsTheNextAutomaticPollBack()
    {
        m_settings.setPollInterval(15);
        serve({card("A-1")});
        poll(true);
        m_jira.setResponse(FakeJiraDocuments::issuesPath(u"7"_s),
                           FakeResponse::json("{}", 429).withHeader("Retry-After", "20"));
        poll();
        QElapsedTimer clock;
        clock.start();
        QVERIFY(m_rig->monitor->isHeldBack());
        // The time it names is the end of the wait, give or take the second the poll took.
        QStringList around;
        for (const int seconds : {19, 20, 21})
            around.append(QLocale().toString(QDateTime::currentDateTime().addSecs(seconds).time(),
                                             QLocale::ShortFormat));
        QVERIFY2(
            m_rig->monitor->state().message.startsWith(
                u"Jira returned HTTP 429. Too many requests: Jira is rate limiting this account and asks "
                u"to wait 20 seconds. Norrid tries again at "_s),
            qPrintable(m_rig->monitor->state().message));
        QVERIFY2(std::any_of(around.cbegin(), around.cend(),
                             [this](const QString &at) {
                                 return m_rig->monitor->state().message.endsWith(at + u'.');
                             }),
                 qPrintable(around.join(u", ")));
        serve({card("A-1"), card("B-1")});
        m_rig->monitor->refreshAfterWake();
        QTRY_COMPARE_WITH_TIMEOUT(m_jira.requests().size(), 3, 90000);
        QVERIFY2(clock.elapsed() >= 19000, qPrintable(QString::number(clock.elapsed())));
        QTRY_COMPARE(m_rig->monitor->state().kind, StateKind::ok);
        QVERIFY(m_rig->monitor->timer().isActive() && !m_rig->monitor->isHeldBack());
        QCOMPARE(notified(), QStringList{u"B-1"_s});
        m_settings.setPollInterval(60);
    }

    // More cards than one page holds: all of them count, and a new board order announces nothing.
    void aLongColumnIsReadWholeAndItsOrderDoesNotMatter()
    {
        QList<Issue> column = FakeJiraDocuments::numberedIssues(150);
        m_jira.setHandler(FakeJiraDocuments::issuesPath(u"7"_s), FakeJiraDocuments::tokenPages(column));
        poll(true);
        QCOMPARE(m_rig->monitor->issueCount(), 150);
        std::reverse(column.begin(), column.end());
        m_jira.setHandler(FakeJiraDocuments::issuesPath(u"7"_s), FakeJiraDocuments::tokenPages(column));
        poll();
        QCOMPARE(m_rig->monitor->issueCount(), 150);
        QVERIFY(m_rig->center.added.isEmpty());
    }
};

QTEST_GUILESS_MAIN(ReviewMonitorTest)
#include "tst_reviewmonitor.moc"

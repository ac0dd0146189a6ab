#include "RecordingNotificationCenter.h"
#include "monitor/ReviewMonitor.h"
#include "notifications/NotificationManager.h"
#include "settings/AppSettings.h"
#include "support/FakeJiraDocuments.h"
#include "support/FakeJiraServer.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace std::chrono_literals;
using namespace Qt::StringLiterals;
using Issue = FakeJiraDocuments::Issue;
using StateKind = ReviewMonitor::StateKind;

namespace {

const QString boardId = QStringLiteral("7");

Issue card(const char *key, const std::optional<QString> &updated = std::nullopt)
{
    return {QString::fromLatin1(key), QStringLiteral("Summary of ") + QString::fromLatin1(key), std::nullopt,
            updated};
}

// "2024-03-05T10:00:00.000+0000" plus the given minutes: later minutes are newer cards.
QString at(int minutes)
{
    return QStringLiteral("2024-03-05T%1:%2:00.000+0000")
        .arg(10 + minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

// Drives a real monitor against the fake Jira over TLS and looks at what the real notification
// manager hands to the desktop.
class ReviewMonitorTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<FakeJiraServer> m_jira;
    std::unique_ptr<AppSettings> m_settings;
    std::unique_ptr<RecordingNotificationCenter> m_center;
    std::unique_ptr<NotificationManager> m_notifier;
    std::unique_ptr<ReviewMonitor> m_monitor;
    QList<StateKind> m_states;

    void serve(const QList<Issue> &cards, std::chrono::milliseconds delay = 0ms)
    {
        m_jira->setResponse(FakeJiraDocuments::issuesPath(boardId),
                            FakeResponse::json(FakeJiraDocuments::issues(cards)).withDelay(delay));
    }

    qsizetype fetches() const { return m_jira->requests(FakeJiraDocuments::issuesPath(boardId)).size(); }

    // Polls now and waits until that poll has published its result.
    void pollAndWait()
    {
        const qsizetype before = fetches();
        QSignalSpy done(m_monitor.get(), &ReviewMonitor::stateChanged);
        m_monitor->refreshNow();
        QTRY_VERIFY(fetches() > before);
        QTRY_VERIFY(!done.isEmpty() && m_monitor->state().kind != StateKind::loading);
    }

    void startAndWait()
    {
        const qsizetype before = fetches();
        m_monitor->start();
        QTRY_VERIFY(fetches() > before);
        QTRY_VERIFY(m_monitor->state().kind == StateKind::ok || m_monitor->state().kind == StateKind::error);
    }

    QStringList keys() const
    {
        QStringList result;
        for (const ReviewIssue &issue : m_monitor->issues())
            result.append(issue.key);
        return result;
    }

    QStringList notifiedSubtitles() const
    {
        QStringList result;
        for (const NotificationRequest &request : m_center->added)
            result.append(request.subtitle);
        return result;
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_jira = std::make_unique<FakeJiraServer>();
        QVERIFY2(m_jira->start(), qPrintable(m_jira->errorString()));
        m_settings = std::make_unique<AppSettings>(m_dir.filePath(QStringLiteral("norrid.conf")));
        m_settings->setSiteURL(m_jira->siteURL());
        m_settings->setEmail(QStringLiteral("me@example.com"));
        m_settings->setToken(QStringLiteral("secret-token"));
        m_settings->setBoardId(boardId);
        m_settings->setStatusName(QStringLiteral("To review"));
        m_center = std::make_unique<RecordingNotificationCenter>();
        m_notifier = std::make_unique<NotificationManager>(*m_settings, *m_center);
        m_notifier->attachmentPath.clear();
        m_monitor = std::make_unique<ReviewMonitor>(*m_settings, *m_notifier);
        m_states.clear();
        connect(m_monitor.get(), &ReviewMonitor::stateChanged, this,
                [this] { m_states.append(m_monitor->state().kind); });
    }

    void cleanup()
    {
        m_monitor.reset();
        m_notifier.reset();
        m_center.reset();
        m_settings.reset();
        m_jira.reset();
    }

    void launchOnlyLearnsTheColumnThenAnnouncesNewCardsOneByOne()
    {
        // Newest first; cards without a time last, in board order.
        serve({card("X-1"), card("A-1", at(1)), card("A-2", at(5)), card("X-2"), card("A-3", at(3))});
        startAndWait();
        QCOMPARE(m_states, (QList<StateKind>{StateKind::loading, StateKind::ok}));
        QCOMPARE(keys(), (QStringList{u"A-2"_s, u"A-3"_s, u"A-1"_s, u"X-1"_s, u"X-2"_s}));
        QVERIFY(m_center->added.isEmpty());

        // Two arrive: one notification each, newest first, each with its card link.
        serve({card("X-1"), card("A-1", at(1)), card("A-2", at(5)), card("X-2"), card("A-3", at(3)),
               card("B-1", at(10)), card("B-2", at(20))});
        pollAndWait();
        QCOMPARE(notifiedSubtitles(), (QStringList{u"B-2"_s, u"B-1"_s}));
        QCOMPARE(m_center->added.at(0).userInfo.value(QStringLiteral("url")),
                 m_jira->siteURL() + QStringLiteral("/browse/B-2"));
        QCOMPARE(m_monitor->issues().size(), 7);
        QVERIFY(!m_states.mid(2).contains(StateKind::loading)); // loading only before the first success
    }

    void fourOrMoreNewCardsMakeOneBatchButThreeDoNot()
    {
        serve({card("A-1")});
        startAndWait();

        serve({card("A-1"), card("C-1", at(1)), card("C-2", at(4)), card("C-3", at(2)), card("C-4", at(3))});
        pollAndWait();
        QCOMPARE(m_center->added.size(), 1);
        const NotificationRequest &batch = m_center->added.first();
        QCOMPARE(batch.title, QStringLiteral("4 cards ready for review"));
        QCOMPARE(batch.body, QStringLiteral("C-2, C-4, C-3, C-1"));
        QCOMPARE(batch.userInfo.value(QStringLiteral("url")),
                 m_jira->siteURL() + QStringLiteral("/secure/RapidBoard.jspa?rapidView=7"));

        m_center->added.clear();
        serve({card("D-1"), card("D-2"), card("D-3")});
        pollAndWait();
        QCOMPARE(notifiedSubtitles(), (QStringList{u"D-1"_s, u"D-2"_s, u"D-3"_s}));
    }

    void aCardThatLeavesAndReturnsIsAnnouncedAgainButNotAfterARestart()
    {
        serve({});
        startAndWait(); // an empty column seeds with nothing
        serve({card("R-1")});
        pollAndWait();
        QCOMPARE(notifiedSubtitles(), QStringList{u"R-1"_s});
        serve({});
        pollAndWait();
        serve({card("R-1")});
        pollAndWait();
        QCOMPARE(notifiedSubtitles(), (QStringList{u"R-1"_s, u"R-1"_s}));

        // A restart, as after a save in the settings window, learns the column afresh.
        serve({card("R-1"), card("N-1")});
        startAndWait();
        serve({card("R-1"), card("N-1"), card("N-2")});
        pollAndWait();
        QCOMPARE(notifiedSubtitles(), (QStringList{u"R-1"_s, u"R-1"_s, u"N-2"_s}));
    }

    void aFirstPollThatFailsLeavesTheMonitorUnseeded()
    {
        m_jira->setResponses(FakeJiraDocuments::issuesPath(boardId),
                             {FakeResponse::noBody(500), FakeResponse::json(FakeJiraDocuments::issues(
                                                             {card("A-1"), card("A-2"), card("A-3")}))});
        startAndWait();
        QCOMPARE(m_monitor->state(), ReviewMonitor::State::error(QStringLiteral("Jira returned HTTP 500.")));
        QVERIFY(!m_monitor->lastUpdated());
        pollAndWait();
        QCOMPARE(m_states,
                 (QList<StateKind>{StateKind::loading, StateKind::error, StateKind::loading, StateKind::ok}));
        QVERIFY(m_center->added.isEmpty());
        QCOMPARE(m_monitor->issues().size(), 3);
    }

    void theIntervalHasAFloorAndATenthAsTolerance()
    {
        serve({});
        for (const auto &[setting, intervalMs] :
             {std::pair<qint64, int>{5, 15000}, {-30, 15000}, {60, 60000}}) {
            m_settings->setPollInterval(setting);
            startAndWait();
            QCOMPARE(m_monitor->timer().interval(), intervalMs);
            QCOMPARE(m_monitor->toleranceMilliseconds(), intervalMs / 10);
        }
    }

    // A poll while one is fetching is dropped; a monitor destroyed mid-fetch announces nothing.
    void oneFetchAtATimeAndNoneAfterDestruction()
    {
        serve({card("A-1")});
        startAndWait();
        serve({card("A-1"), card("Z-1")}, 300ms);
        const qsizetype before = fetches();
        m_monitor->refreshNow();
        m_monitor->refreshNow();
        QTRY_COMPARE(fetches(), before + 1);
        m_monitor.reset();
        QTest::qWait(500); // the answer arrives for a monitor that is gone
        QCOMPARE(fetches(), before + 1);
        QVERIFY(m_center->added.isEmpty());
    }
};

QTEST_GUILESS_MAIN(ReviewMonitorTest)
#include "tst_reviewmonitor.moc"

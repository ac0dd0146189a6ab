// A running build 100 ("1.0") against a feed on a fake HTTPS server, with the application's gentle
// reminder recording what it would show; and the way of an update from the feed through a
// notification server on a private session bus to the update window.
#include "notifications/FreedesktopNotificationCenter.h"
#include "notifications/NotificationManager.h"
#include "settings/AppSettings.h"
#include "support/FakeJiraServer.h"
#include "support/FakeNotificationService.h"
#include "updates/FeedUpdater.h"
#include "updates/GentleUpdateReminder.h"
#include "updates/UpdateSession.h"
#include "updates/UpdateState.h"

#include <QDBusConnection>
#include <QNetworkAccessManager>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace std::chrono_literals;
using namespace Qt::StringLiterals;
using State = UpdateSession::State;

namespace {

const QString feedPath = u"/appcast.xml"_s;

// Releases as {build, display version}, each downloaded from <scheme>://dl.example/norrid-<display>.
FakeResponse feed(const QList<std::pair<const char *, const char *>> &releases,
                  const QByteArray &scheme = "https")
{
    QByteArray xml = "<?xml version=\"1.0\"?>\n<rss version=\"2.0\" "
                     "xmlns:sparkle=\"http://www.andymatuschak.org/xml-namespaces/sparkle\"><channel>";
    for (const auto &[version, display] : releases) {
        xml += QByteArray("<item><title>Norrid ") + display + "</title><sparkle:version>" + version +
               "</sparkle:version><sparkle:shortVersionString>" + display +
               "</sparkle:shortVersionString><enclosure url=\"" + scheme + "://dl.example/norrid-" + display +
               "\" length=\"10\"/></item>";
    }
    FakeResponse response = FakeResponse::json(xml + "</channel></rss>");
    response.contentType = "application/rss+xml";
    return response;
}

} // namespace

class FeedUpdaterTest : public QObject
{
    Q_OBJECT

    FakeJiraServer m_server;
    QNetworkAccessManager m_network;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<UpdateState> m_state;
    std::unique_ptr<GentleUpdateReminder> m_reminder;
    QStringList m_notified;
    QList<QUrl> m_opened;

    QSettings settings() const { return QSettings(m_dir->filePath(u"norrid.ini"_s), QSettings::IniFormat); }

    std::unique_ptr<FeedUpdater> makeFeedUpdater(QUrl feedURL = {},
                                                 std::chrono::milliseconds launchDelay = 1h,
                                                 std::chrono::milliseconds timeout = 10s)
    {
        FeedUpdater::Options options;
        options.feedURL = feedURL.isEmpty() ? m_server.url(feedPath) : feedURL;
        options.runningVersion = u"100"_s;
        options.runningDisplayVersion = u"1.0"_s;
        options.launchDelay = launchDelay;
        options.transferTimeout = timeout;
        auto updater = std::make_unique<FeedUpdater>(
            options, m_network,
            std::make_unique<QSettings>(m_dir->filePath(u"norrid.ini"_s), QSettings::IniFormat));
        updater->setDelegate(m_reminder.get());
        updater->session()->openURL = [this](const QUrl &url) {
            m_opened.append(url);
            return true;
        };
        return updater;
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY2(m_server.start(), qPrintable(m_server.errorString())); }
    void init()
    {
        m_server.reset();
        m_dir = std::make_unique<QTemporaryDir>();
        m_state = std::make_unique<UpdateState>();
        m_notified.clear();
        m_opened.clear();
        m_reminder = std::make_unique<GentleUpdateReminder>(
            *m_state, [this](const QString &version) { m_notified.append(version); }, [] {});
    }

    void userCheckShowsTheWindowOnly()
    {
        m_server.setResponse(feedPath, feed({{"100", "1.0"}, {"99", "0.9"}}));
        auto updater = makeFeedUpdater();
        UpdateSession *session = updater->session();
        updater->checkForUpdates();
        QVERIFY(session->presented());
        QTRY_COMPARE(session->state(), State::upToDate);
        session->close();

        m_server.setResponse(feedPath, feed({{"101", "1.1"}}));
        updater->checkForUpdates();
        QTRY_COMPARE(session->state(), State::updateAvailable);
        QVERIFY(!m_state->availableVersion() && m_notified.isEmpty());
        session->download();
        QCOMPARE(m_opened, QList<QUrl>{QUrl(u"https://dl.example/norrid-1.1"_s)});
        QCOMPARE(session->state(), State::idle);
        QCOMPARE(m_server.requests(feedPath).first().header("User-Agent"), QByteArray("Norrid/1.0 (100)"));

        // A plain http download is refused.
        m_server.setResponse(feedPath, feed({{"101", "1.1"}}, "http"));
        updater->checkForUpdates();
        QTRY_COMPARE(session->state(), State::updateAvailable);
        session->download();
        QCOMPARE(m_opened.size(), 1);
        QCOMPARE(session->state(), State::error);
        QVERIFY(session->errorText().contains(u"not a secure https link"_s));
    }

    // A scheduled check reminds once per version; a skipped version is left out of scheduled checks
    // but offered when asked for; once the window is up, scheduled checks leave it alone.
    void scheduledChecksRemindGently()
    {
        m_server.setResponse(feedPath, feed({{"101", "1.1"}}));
        auto updater = makeFeedUpdater();
        UpdateSession *session = updater->session();
        updater->checkForUpdatesInBackground();
        QTRY_COMPARE(m_state->availableVersionText(), u"1.1"_s);
        QVERIFY(!session->presented());
        updater->checkForUpdatesInBackground();
        QTRY_COMPARE(m_server.requests(feedPath).size(), 2);
        QTest::qWait(50);
        QCOMPARE(m_notified, QStringList{u"1.1"_s});

        session->skipThisVersion();
        QVERIFY(!m_state->availableVersion());
        QCOMPARE(settings().value(u"updates/skippedVersion"_s).toString(), u"101"_s);
        updater->checkForUpdatesInBackground();
        QTRY_COMPARE(m_server.requests(feedPath).size(), 3);
        QTest::qWait(50);
        QCOMPARE(session->state(), State::idle);
        QCOMPARE(m_notified, QStringList{u"1.1"_s});
        updater->checkForUpdates();
        QTRY_COMPARE(session->state(), State::updateAvailable);
        session->close();

        m_server.setResponse(feedPath, feed({{"101", "1.1"}, {"102", "1.2"}}));
        updater->checkForUpdatesInBackground();
        QTRY_COMPARE(m_state->availableVersionText(), u"1.2"_s);
        QCOMPARE(m_notified, (QStringList{u"1.1"_s, u"1.2"_s}));
        updater->checkForUpdates(); // shows the waiting update without asking the feed again
        QVERIFY(session->presented());
        m_server.setResponse(feedPath, feed({{"103", "1.3"}}));
        updater->checkForUpdatesInBackground();
        QTest::qWait(100);
        QCOMPARE(m_server.requests(feedPath).size(), 5);
        QCOMPARE(session->displayVersion(), u"1.2"_s);
    }

    void failingChecks_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("message");
        QTest::newRow("HTTP 404") << u"/gone"_s << u"The update feed answered with HTTP 404"_s;
        QTest::newRow("too large") << u"/huge"_s << u"The update feed is larger than 1024 KB"_s;
        QTest::newRow("too slow") << u"/slow"_s << u"The update feed did not answer within 2 seconds."_s;
        QTest::newRow("unreachable") << QString() << u"Norrid could not reach the update feed: "_s;
    }

    void failingChecks()
    {
        QFETCH(QString, path);
        QFETCH(QString, message);
        m_server.setResponse(u"/gone"_s, FakeResponse::noBody(404));
        m_server.setResponse(u"/huge"_s, FakeResponse::json({}).endless());
        m_server.setResponse(u"/slow"_s, feed({}).withDelay(5s));
        // Port 9 (discard) on loopback: nothing listens there.
        const QUrl url = path.isEmpty() ? QUrl(u"https://127.0.0.1:9/appcast.xml"_s) : m_server.url(path);
        // Only the slow feed should run into the timeout, also on a busy machine.
        auto updater = makeFeedUpdater(url, 1h, path == u"/slow" ? 2s : 10s);
        UpdateSession *session = updater->session();

        // Scheduled: silent, and counted as a check, so the next try is a whole interval away.
        QSignalSpy sessionChanges(session, &UpdateSession::changed);
        updater->checkForUpdatesInBackground();
        QVERIFY(updater->lastCheck().isValid());
        QCOMPARE(updater->nextScheduledCheck(), updater->lastCheck().addDays(1));
        QTest::qWait(path == u"/slow" ? 2500 : 300);
        QCOMPARE(sessionChanges.count(), 0);

        // Asked for: the reason, worded for the user.
        updater->checkForUpdates();
        QTRY_COMPARE_WITH_TIMEOUT(session->state(), State::error, 5000);
        QVERIFY2(session->errorText().startsWith(message), qPrintable(session->errorText()));
        QVERIFY(session->presented());
    }

    void schedule()
    {
        m_server.setResponse(feedPath, feed({{"101", "1.1"}}));
        settings().setValue(u"updates/lastCheck"_s,
                            QDateTime::currentDateTimeUtc().addSecs(-25 * 3600).toString(Qt::ISODateWithMs));
        {
            // Overdue at launch: the schedule checks by itself.
            auto updater = makeFeedUpdater({}, 0ms);
            QVERIFY(updater->automaticallyChecksForUpdates());
            QTRY_COMPARE(m_state->availableVersionText(), u"1.1"_s);
            QCOMPARE(updater->nextScheduledCheck(), updater->lastCheck().addDays(1));
            updater->setAutomaticallyChecksForUpdates(false);
            QVERIFY(!updater->nextScheduledCheck().isValid());
        }
        // The switch is kept across launches, and with it off nothing is fetched.
        settings().setValue(u"updates/lastCheck"_s,
                            QDateTime::currentDateTimeUtc().addDays(-3).toString(Qt::ISODateWithMs));
        auto updater = makeFeedUpdater({}, 0ms);
        QVERIFY(!updater->automaticallyChecksForUpdates());
        QTest::qWait(200);
        QCOMPARE(m_server.requests(feedPath).size(), 1);
    }

    // Wired as the application wires it: the reminder sets the update state (dot and banner) and
    // posts through the notification manager, whose click opens the window on that update and
    // takes the notification away; the dot and the banner stay until the session ends.
    void reminderReachesTheNotificationServer()
    {
        m_server.setResponse(feedPath, feed({{"99", "0.9"}, {"101", "1.1"}, {"100", "1.0"}}));
        FakeNotificationService notificationServer;
        QVERIFY(notificationServer.start());
        AppSettings appSettings(m_dir->filePath(u"norrid.conf"_s));
        FreedesktopNotificationCenter center(QDBusConnection::sessionBus(), nullptr);
        NotificationManager notifier(appSettings, center);
        GentleUpdateReminder reminder(
            *m_state, [&notifier](const QString &version) { notifier.notifyUpdateAvailable(version); },
            [&notifier] { notifier.removeUpdateNotification(); });
        auto updater = makeFeedUpdater();
        updater->setDelegate(&reminder);
        notifier.onUpdateNotificationClick = [&updater] { updater->checkForUpdates(); };

        updater->checkForUpdatesInBackground();
        QTRY_COMPARE(notificationServer.notifyCalls.size(), 1);
        QCOMPARE(m_state->availableVersionText(), u"1.1"_s);
        QVERIFY(!updater->session()->presented());

        notificationServer.invokeAction(notificationServer.notifyCalls[0].id);
        QTRY_VERIFY(updater->session()->presented());
        QCOMPARE(updater->session()->displayVersion(), u"1.1"_s);
        QTRY_COMPARE(notificationServer.closeCalls.size(), 1);
        QCOMPARE(m_state->availableVersionText(), u"1.1"_s);
        QCOMPARE(m_server.requests().size(), 1);

        updater->session()->remindMeLater();
        QVERIFY(!m_state->availableVersion());
    }
};

QTEST_GUILESS_MAIN(FeedUpdaterTest)
#include "tst_FeedUpdater.moc"

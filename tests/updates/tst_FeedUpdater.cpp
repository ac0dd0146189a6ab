#include "support/FakeJiraServer.h"
#include "updates/FeedUpdater.h"
#include "updates/GentleUpdateReminder.h"
#include "updates/UpdateSession.h"
#include "updates/UpdateState.h"

#include <QNetworkAccessManager>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace std::chrono_literals;
using State = UpdateSession::State;

namespace {

const QString feedPath = QStringLiteral("/appcast.xml");

struct Release
{
    const char *version;
    const char *display;
    const char *download;
};

FakeResponse feed(std::initializer_list<Release> releases)
{
    QByteArray xml = "<?xml version=\"1.0\"?>\n<rss version=\"2.0\" "
                     "xmlns:sparkle=\"http://www.andymatuschak.org/xml-namespaces/sparkle\"><channel>";
    for (const Release &release : releases) {
        xml += QByteArray("<item><title>Norrid ") + release.display + "</title><sparkle:version>" +
               release.version + "</sparkle:version><sparkle:shortVersionString>" + release.display +
               "</sparkle:shortVersionString><enclosure url=\"" + release.download +
               "\" length=\"10\"/></item>";
    }
    FakeResponse response = FakeResponse::json(xml + "</channel></rss>");
    response.contentType = "application/rss+xml";
    return response;
}

} // namespace

// A running build 100 ("1.0") against a feed on a fake HTTPS server, with the application's gentle
// reminder recording what it would show.
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

    QSettings settings() const { return QSettings(m_dir->filePath(u"norrid.ini"_qs), QSettings::IniFormat); }

    std::unique_ptr<FeedUpdater> makeFeedUpdater(QUrl feedURL = {},
                                                 std::chrono::milliseconds launchDelay = 1h,
                                                 std::chrono::milliseconds timeout = 10s)
    {
        FeedUpdater::Options options;
        options.feedURL = feedURL.isEmpty() ? m_server.url(feedPath) : feedURL;
        options.runningVersion = u"100"_qs;
        options.runningDisplayVersion = u"1.0"_qs;
        options.launchDelay = launchDelay;
        options.transferTimeout = timeout;
        auto updater = std::make_unique<FeedUpdater>(
            options, m_network,
            std::make_unique<QSettings>(m_dir->filePath(u"norrid.ini"_qs), QSettings::IniFormat));
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

    void cleanup()
    {
        m_reminder.reset();
        m_state.reset();
    }

    void laterScheduledCheckReplacesTheReminder()
    {
        m_server.setResponse(feedPath, feed({{"101", "1.1", "https://dl.example/1.1"}}));
        auto updater = makeFeedUpdater();
        updater->checkForUpdatesInBackground();
        QTRY_COMPARE(m_state->availableVersionText(), u"1.1"_qs);

        // The same version again: no second notification.
        updater->checkForUpdatesInBackground();
        QTRY_COMPARE(m_server.requests(feedPath).size(), 2);
        QTest::qWait(50);
        QCOMPARE(m_notified, QStringList{u"1.1"_qs});

        m_server.setResponse(feedPath, feed({{"102", "1.2", "https://dl.example/1.2"}}));
        updater->checkForUpdatesInBackground();
        QTRY_COMPARE(m_state->availableVersionText(), u"1.2"_qs);
        QCOMPARE(m_notified, (QStringList{u"1.1"_qs, u"1.2"_qs}));

        // Once the window is up, scheduled checks leave it alone.
        updater->checkForUpdates();
        m_server.setResponse(feedPath, feed({{"103", "1.3", "https://dl.example/1.3"}}));
        updater->checkForUpdatesInBackground();
        QTest::qWait(100);
        QCOMPARE(m_server.requests(feedPath).size(), 3);
        QCOMPARE(updater->session()->displayVersion(), u"1.2"_qs);
    }

    void userCheckShowsTheWindowOnly()
    {
        m_server.setResponse(feedPath, feed({{"101", "1.1", "https://dl.example/norrid-1.1.tar.gz"}}));
        auto updater = makeFeedUpdater();
        UpdateSession *session = updater->session();

        updater->checkForUpdates();
        QVERIFY(session->presented());
        QTRY_COMPARE(session->state(), State::updateAvailable);
        QVERIFY(!m_state->availableVersion() && m_notified.isEmpty());

        session->download();
        QCOMPARE(m_opened, QList<QUrl>{QUrl(u"https://dl.example/norrid-1.1.tar.gz"_qs)});
        QCOMPARE(session->state(), State::idle);
        QCOMPARE(m_server.requests(feedPath).first().header("User-Agent"), QByteArray("Norrid/1.0 (100)"));

        // A plain http download is refused.
        m_server.setResponse(feedPath, feed({{"101", "1.1", "http://dl.example/1.1"}}));
        updater->checkForUpdates();
        QTRY_COMPARE(session->state(), State::updateAvailable);
        session->download();
        QCOMPARE(m_opened.size(), 1);
        QCOMPARE(session->state(), State::error);
        QVERIFY(session->errorText().contains(u"not a secure https link"_qs));
    }

    void noNewerVersion()
    {
        m_server.setResponse(feedPath, feed({{"100", "1.0", "https://dl.example/1.0"},
                                             {"99", "0.9", "https://dl.example/0.9"}}));
        auto updater = makeFeedUpdater();
        updater->checkForUpdates();
        QTRY_COMPARE(updater->session()->state(), State::upToDate);
    }

    void skippedVersionIsNotOfferedByScheduledChecks()
    {
        m_server.setResponse(feedPath, feed({{"101", "1.1", "https://dl.example/1.1"}}));
        auto updater = makeFeedUpdater();
        updater->checkForUpdatesInBackground();
        QTRY_COMPARE(updater->session()->state(), State::updateAvailable);
        updater->session()->skipThisVersion();
        QVERIFY(!m_state->availableVersion());
        QCOMPARE(settings().value(u"updates/skippedVersion"_qs).toString(), u"101"_qs);

        updater->checkForUpdatesInBackground();
        QTRY_COMPARE(m_server.requests(feedPath).size(), 2);
        QTest::qWait(50);
        QCOMPARE(updater->session()->state(), State::idle);
        QCOMPARE(m_notified, QStringList{u"1.1"_qs});

        // Asked for, a skipped version is offered again; a newer one is offered by the schedule too.
        updater->checkForUpdates();
        QTRY_COMPARE(updater->session()->state(), State::updateAvailable);
        updater->session()->close();
        m_server.setResponse(feedPath, feed({{"101", "1.1", "https://dl.example/1.1"},
                                             {"102", "1.2", "https://dl.example/1.2"}}));
        updater->checkForUpdatesInBackground();
        QTRY_COMPARE(m_state->availableVersionText(), u"1.2"_qs);
    }

    void failingChecks_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("message");
        QTest::newRow("HTTP 404") << u"/gone"_qs << u"The update feed answered with HTTP 404"_qs;
        QTest::newRow("too large") << u"/huge"_qs << u"The update feed is larger than 1024 KB"_qs;
        QTest::newRow("too slow") << u"/slow"_qs << u"The update feed did not answer within 2 seconds."_qs;
        QTest::newRow("unreachable") << QString() << u"Norrid could not reach the update feed: "_qs;
    }

    void failingChecks()
    {
        QFETCH(QString, path);
        QFETCH(QString, message);
        m_server.setResponse(u"/gone"_qs, FakeResponse::noBody(404));
        m_server.setResponse(u"/huge"_qs, FakeResponse::json({}).endless());
        m_server.setResponse(u"/slow"_qs, feed({}).withDelay(5s));
        // Port 9 (discard) on loopback: nothing listens there.
        const QUrl url = path.isEmpty() ? QUrl(u"https://127.0.0.1:9/appcast.xml"_qs) : m_server.url(path);
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
        m_server.setResponse(feedPath, feed({{"101", "1.1", "https://dl.example/1.1"}}));
        settings().setValue(u"updates/lastCheck"_qs,
                            QDateTime::currentDateTimeUtc().addSecs(-25 * 3600).toString(Qt::ISODateWithMs));
        {
            // Overdue at launch: the schedule checks by itself.
            auto updater = makeFeedUpdater({}, 0ms);
            QVERIFY(updater->automaticallyChecksForUpdates());
            QTRY_COMPARE(m_state->availableVersionText(), u"1.1"_qs);
            QCOMPARE(updater->nextScheduledCheck(), updater->lastCheck().addDays(1));
            updater->setAutomaticallyChecksForUpdates(false);
            QVERIFY(!updater->nextScheduledCheck().isValid());
        }
        // The switch is kept across launches, and with it off nothing is fetched.
        settings().setValue(u"updates/lastCheck"_qs,
                            QDateTime::currentDateTimeUtc().addDays(-3).toString(Qt::ISODateWithMs));
        auto updater = makeFeedUpdater({}, 0ms);
        QVERIFY(!updater->automaticallyChecksForUpdates());
        QTest::qWait(200);
        QCOMPARE(m_server.requests(feedPath).size(), 1);
    }
};

QTEST_GUILESS_MAIN(FeedUpdaterTest)
#include "tst_FeedUpdater.moc"

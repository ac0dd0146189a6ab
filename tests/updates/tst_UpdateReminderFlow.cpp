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
#include <QTemporaryDir>
#include <QTest>

using namespace std::chrono_literals;

// The path of an update from the feed to the user, wired as the application wires it: the feed on a
// fake HTTPS server, the reminder setting the update state (dot and banner) and posting through the
// notification manager to a notification server on a private session bus, whose click starts the
// user's check.
class UpdateReminderFlowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void scheduledUpdateRemindsThroughDotBannerAndNotification();

private:
    void scriptFeed();

    QTemporaryDir m_dir;
    FakeJiraServer m_feedServer;
    QNetworkAccessManager m_network;
    std::unique_ptr<FakeNotificationService> m_notificationServer;
    std::unique_ptr<AppSettings> m_settings;
    std::unique_ptr<FreedesktopNotificationCenter> m_center;
    std::unique_ptr<NotificationManager> m_notifier;
    std::unique_ptr<UpdateState> m_state;
    std::unique_ptr<GentleUpdateReminder> m_reminder;
    std::unique_ptr<FeedUpdater> m_updater;
};

void UpdateReminderFlowTest::initTestCase()
{
    QVERIFY2(m_feedServer.start(), qPrintable(m_feedServer.errorString()));
}

void UpdateReminderFlowTest::scriptFeed()
{
    const QByteArray xml =
        "<rss version=\"2.0\" xmlns:s=\"http://www.andymatuschak.org/xml-namespaces/sparkle\">"
        "<channel><item><s:version>99</s:version></item>"
        "<item><s:version>101</s:version><s:shortVersionString>1.1</s:shortVersionString>"
        "<enclosure url=\"https://dl.example/norrid-1.1.tar.gz\"/></item>"
        "<item><s:version>100</s:version></item></channel></rss>";
    m_feedServer.setResponse(QStringLiteral("/appcast.xml"), FakeResponse::json(xml));
}

void UpdateReminderFlowTest::init()
{
    m_notificationServer = std::make_unique<FakeNotificationService>();
    QVERIFY(m_notificationServer->start());
    m_settings = std::make_unique<AppSettings>(m_dir.filePath(QStringLiteral("norrid.conf")));
    m_center = std::make_unique<FreedesktopNotificationCenter>(QDBusConnection::sessionBus(), nullptr);
    m_notifier = std::make_unique<NotificationManager>(*m_settings, *m_center);
    m_state = std::make_unique<UpdateState>();
    NotificationManager *notifier = m_notifier.get();
    m_reminder = std::make_unique<GentleUpdateReminder>(
        *m_state, [notifier](const QString &version) { notifier->notifyUpdateAvailable(version); },
        [notifier] { notifier->removeUpdateNotification(); });

    FeedUpdater::Options options;
    options.feedURL = m_feedServer.url(QStringLiteral("/appcast.xml"));
    options.runningVersion = QStringLiteral("100");
    options.runningDisplayVersion = QStringLiteral("1.0");
    options.launchDelay = 1h;
    m_updater = std::make_unique<FeedUpdater>(
        options, m_network,
        std::make_unique<QSettings>(m_dir.filePath(QStringLiteral("norrid.conf")), QSettings::IniFormat));
    m_updater->setDelegate(m_reminder.get());
    FeedUpdater *updater = m_updater.get();
    m_notifier->onUpdateNotificationClick = [updater] { updater->checkForUpdates(); };
    m_feedServer.reset();
    scriptFeed();
}

void UpdateReminderFlowTest::cleanup()
{
    m_updater.reset();
    m_reminder.reset();
    m_notifier.reset();
    m_center.reset();
    m_notificationServer.reset();
    m_settings.reset();
    QFile::remove(m_dir.filePath(QStringLiteral("norrid.conf")));
}

void UpdateReminderFlowTest::scheduledUpdateRemindsThroughDotBannerAndNotification()
{
    m_updater->checkForUpdatesInBackground();
    QTRY_COMPARE(m_notificationServer->notifyCalls.size(), 1);
    QCOMPARE(m_notificationServer->notifyCalls[0].body,
             QStringLiteral("Norrid 1.1 is ready to install. Click to update."));
    QCOMPARE(m_state->availableVersionText(), QStringLiteral("1.1"));
    QVERIFY(!m_updater->session()->presented());

    // A click on the notification opens the window on that update and takes the notification away;
    // the dot and the banner stay until the session ends.
    m_notificationServer->invokeAction(m_notificationServer->notifyCalls[0].id);
    QTRY_VERIFY(m_updater->session()->presented());
    QCOMPARE(m_updater->session()->displayVersion(), QStringLiteral("1.1"));
    QTRY_COMPARE(m_notificationServer->closeCalls.size(), 1);
    QCOMPARE(m_state->availableVersionText(), QStringLiteral("1.1"));
    QCOMPARE(m_feedServer.requests().size(), 1);

    m_updater->session()->remindMeLater();
    QVERIFY(!m_state->availableVersion());
}

QTEST_GUILESS_MAIN(UpdateReminderFlowTest)
#include "tst_UpdateReminderFlow.moc"

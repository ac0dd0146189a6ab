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

    QTemporaryDir m_dir;
    FakeJiraServer m_feedServer;
    QNetworkAccessManager m_network;

private Q_SLOTS:
    void scheduledUpdateRemindsThroughDotBannerAndNotification()
    {
        QVERIFY2(m_feedServer.start(), qPrintable(m_feedServer.errorString()));
        m_feedServer.setResponse(
            QStringLiteral("/appcast.xml"),
            FakeResponse::json(
                "<rss version=\"2.0\" xmlns:s=\"http://www.andymatuschak.org/xml-namespaces/sparkle\">"
                "<channel><item><s:version>99</s:version></item>"
                "<item><s:version>101</s:version><s:shortVersionString>1.1</s:shortVersionString>"
                "<enclosure url=\"https://dl.example/norrid-1.1.tar.gz\"/></item>"
                "<item><s:version>100</s:version></item></channel></rss>"));
        FakeNotificationService notificationServer;
        QVERIFY(notificationServer.start());
        const QString settingsFile = m_dir.filePath(QStringLiteral("norrid.conf"));
        AppSettings settings(settingsFile);
        FreedesktopNotificationCenter center(QDBusConnection::sessionBus(), nullptr);
        NotificationManager notifier(settings, center);
        UpdateState state;
        GentleUpdateReminder reminder(
            state, [&notifier](const QString &version) { notifier.notifyUpdateAvailable(version); },
            [&notifier] { notifier.removeUpdateNotification(); });
        FeedUpdater::Options options;
        options.feedURL = m_feedServer.url(QStringLiteral("/appcast.xml"));
        options.runningVersion = QStringLiteral("100");
        options.runningDisplayVersion = QStringLiteral("1.0");
        options.launchDelay = 1h;
        FeedUpdater updater(options, m_network,
                            std::make_unique<QSettings>(settingsFile, QSettings::IniFormat));
        updater.setDelegate(&reminder);
        notifier.onUpdateNotificationClick = [&updater] { updater.checkForUpdates(); };

        updater.checkForUpdatesInBackground();
        QTRY_COMPARE(notificationServer.notifyCalls.size(), 1);
        QCOMPARE(state.availableVersionText(), QStringLiteral("1.1"));
        QVERIFY(!updater.session()->presented());

        // A click on the notification opens the window on that update and takes the notification
        // away; the dot and the banner stay until the session ends.
        notificationServer.invokeAction(notificationServer.notifyCalls[0].id);
        QTRY_VERIFY(updater.session()->presented());
        QCOMPARE(updater.session()->displayVersion(), QStringLiteral("1.1"));
        QTRY_COMPARE(notificationServer.closeCalls.size(), 1);
        QCOMPARE(state.availableVersionText(), QStringLiteral("1.1"));
        QCOMPARE(m_feedServer.requests().size(), 1);

        updater.session()->remindMeLater();
        QVERIFY(!state.availableVersion());
    }
};

QTEST_GUILESS_MAIN(UpdateReminderFlowTest)
#include "tst_UpdateReminderFlow.moc"

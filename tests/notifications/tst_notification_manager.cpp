#include "RecordingSoundPlayer.h"
#include "monitor/RecordingNotificationCenter.h"
#include "notifications/FreedesktopNotificationCenter.h"
#include "notifications/NotificationManager.h"
#include "settings/AppSettings.h"
#include "support/FakeNotificationService.h"

#include <QDBusConnection>
#include <QTemporaryDir>
#include <QTest>

// The notification manager end to end: composition, posting through the freedesktop center to a
// notification server on a private session bus, and the handling of clicks.
class TestNotificationManager : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<FakeNotificationService> m_server;
    std::unique_ptr<AppSettings> m_settings;
    std::unique_ptr<RecordingSoundPlayer> m_player;
    std::unique_ptr<FreedesktopNotificationCenter> m_center;
    std::unique_ptr<NotificationManager> m_manager;
    QList<QUrl> m_opened;
    int m_updateClicks = 0;

    FakeNotificationService::NotifyCall lastCall() const { return m_server->notifyCalls.constLast(); }

    void click(uint id)
    {
        m_server->invokeAction(id);
        QTest::qWait(100); // a click that does something is awaited by the caller with QTRY
    }

private Q_SLOTS:
    void init()
    {
        m_server = std::make_unique<FakeNotificationService>();
        QVERIFY(m_server->start());
        m_settings = std::make_unique<AppSettings>(m_dir.filePath(QStringLiteral("norrid.conf")));
        m_player = std::make_unique<RecordingSoundPlayer>();
        m_center =
            std::make_unique<FreedesktopNotificationCenter>(QDBusConnection::sessionBus(), m_player.get());
        m_manager = std::make_unique<NotificationManager>(*m_settings, *m_center);
        m_opened.clear();
        m_updateClicks = 0;
        m_manager->openURL = [this](const QUrl &url) { m_opened.append(url); };
        m_manager->onUpdateNotificationClick = [this] { ++m_updateClicks; };
    }

    void cleanup()
    {
        m_manager.reset();
        m_center.reset();
        m_server.reset();
        m_settings.reset();
        QFile::remove(m_dir.filePath(QStringLiteral("norrid.conf")));
    }

    void cardNotification()
    {
        QVERIFY2(!m_manager->attachmentPath.isEmpty(), "the shipped notification picture is found");
        m_settings->setNotificationSound(QStringLiteral("Submarine"));
        m_manager->notify({QStringLiteral("CLS-12"), QStringLiteral("Fix login"),
                           QStringLiteral("Ada Lovelace"), std::nullopt},
                          QUrl(QStringLiteral("https://acme.atlassian.net/browse/CLS-12")));
        QTRY_COMPARE(m_server->notifyCalls.size(), 1);
        const auto call = lastCall();
        QCOMPARE(call.summary, QStringLiteral("Ready for review"));
        QCOMPARE(call.body, QStringLiteral("CLS-12 \u00B7 Ada Lovelace\nFix login"));
        QCOMPARE(call.hints.value(QStringLiteral("image-path")).toString(),
                 QUrl::fromLocalFile(m_manager->attachmentPath).toString());
        QCOMPARE(call.hints.value(QStringLiteral("category")).toString(), QStringLiteral("x-norrid.card"));
        QTRY_COMPARE(m_player->played, QStringList{QStringLiteral("Submarine")});

        click(call.id);
        QTRY_COMPARE(m_opened, QList<QUrl>{QUrl(QStringLiteral("https://acme.atlassian.net/browse/CLS-12"))});
        QCOMPARE(m_updateClicks, 0);

        // No assignee: the key alone. No link: a click does nothing.
        m_manager->notify({QStringLiteral("K-1"), QStringLiteral("One"), std::nullopt, std::nullopt},
                          std::nullopt);
        QTRY_COMPARE(m_server->notifyCalls.size(), 2);
        QCOMPARE(m_server->notifyCalls[1].body, QStringLiteral("K-1\nOne"));
        click(m_server->notifyCalls[1].id);
        QCOMPARE(m_opened.size(), 1);
    }

    void batchNotification()
    {
        m_settings->setNotificationSound(QStringLiteral("None"));
        m_manager->notifyBatch({QStringLiteral("A-5"), QStringLiteral("A-1"), QStringLiteral("C-9")},
                               QUrl(QStringLiteral("https://acme.atlassian.net/boards/7")));
        QTRY_COMPARE(m_server->notifyCalls.size(), 1);
        const auto call = lastCall();
        QCOMPARE(call.summary, QStringLiteral("3 cards ready for review"));
        QCOMPARE(call.body, QStringLiteral("A-5, A-1, C-9"));
        QCOMPARE(call.hints.value(QStringLiteral("category")).toString(), QStringLiteral("x-norrid.batch"));

        click(call.id);
        QTRY_COMPARE(m_opened, QList<QUrl>{QUrl(QStringLiteral("https://acme.atlassian.net/boards/7"))});
        QVERIFY(m_player->played.isEmpty()); // "None" is silent
    }

    void testNotifications()
    {
        m_settings->setNotificationSound(QStringLiteral("Glass"));
        m_manager->sendTest(QStringLiteral("Tink")); // the sound picked, not yet saved
        m_manager->sendTest(QStringLiteral("Default"));
        QTRY_COMPARE(m_server->notifyCalls.size(), 2);
        for (const auto &call : std::as_const(m_server->notifyCalls)) {
            QCOMPARE(call.summary, QStringLiteral("Ready for review"));
            QCOMPARE(call.body, QStringLiteral("CLS-0000 \u00B7 Test Ping\n"
                                               "This is how a new review card will look and sound."));
            QCOMPARE(call.replacesId, 0u); // two separate notifications
        }
        QTRY_COMPARE(m_player->played, (QStringList{QStringLiteral("Tink"), QString()}));
    }

    void updateNotification()
    {
        m_settings->setNotificationSound(QString());
        m_manager->notifyUpdateAvailable(QStringLiteral("1.5.0"));
        QTRY_COMPARE(m_server->notifyCalls.size(), 1);
        const auto call = lastCall();
        QCOMPARE(call.summary, QStringLiteral("Update available"));
        QCOMPARE(call.body, QStringLiteral("Norrid 1.5.0 is ready to install. Click to update."));
        QVERIFY(!call.hints.contains(QStringLiteral("image-path")));
        QCOMPARE(call.hints.value(QStringLiteral("category")).toString(), QStringLiteral("x-norrid.update"));
        QTRY_COMPARE(m_player->played, QStringList{QString()});

        click(call.id);
        QTRY_COMPARE(m_updateClicks, 1);
        QVERIFY(m_opened.isEmpty());
    }

    // Every card, batch and test notification stands on its own; the update one has a fixed
    // identifier so that a newer one replaces it.
    void identifiers()
    {
        RecordingNotificationCenter center;
        NotificationManager manager(*m_settings, center);
        manager.notify({QStringLiteral("CLS-7"), QStringLiteral("x"), std::nullopt, std::nullopt},
                       std::nullopt);
        manager.notifyBatch({QStringLiteral("A-1")}, std::nullopt);
        manager.sendTest(QStringLiteral("None"));
        manager.sendTest(QStringLiteral("None"));
        manager.notifyUpdateAvailable(QStringLiteral("2.0"));
        QCOMPARE(center.added.size(), 5);
        QStringList identifiers;
        for (const NotificationRequest &request : std::as_const(center.added))
            identifiers.append(request.identifier.section(QLatin1Char('-'), 0, -6));
        QCOMPARE(identifiers, (QStringList{QStringLiteral("CLS-7"), QStringLiteral("batch"),
                                           QStringLiteral("test"), QStringLiteral("test"), QString()}));
        QVERIFY(center.added[2].identifier != center.added[3].identifier);
        QCOMPARE(center.added[4].identifier, QStringLiteral("norrid-update"));
    }

    void onlyWebLinksAreOpened_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("opened");
        QTest::newRow("update action wins") << QStringLiteral("https://x.test") << false;
        QTest::newRow("https") << QStringLiteral("https://acme.atlassian.net/browse/K-1") << true;
        QTest::newRow("upper-case scheme") << QStringLiteral("HTTPS://acme.atlassian.net/browse/K-1") << true;
        QTest::newRow("file") << QStringLiteral("file:///etc/passwd") << false;
        QTest::newRow("javascript") << QStringLiteral("javascript:alert(1)") << false;
        QTest::newRow("not a URL") << QStringLiteral("https://exa mple.com/%zz") << false;
    }

    void onlyWebLinksAreOpened()
    {
        QFETCH(QString, url);
        QFETCH(bool, opened);
        // A link as the center hands it over, whatever text a card's link may have become.
        const bool update = QByteArray(QTest::currentDataTag()) == "update action wins";
        QMap<QString, QString> userInfo{{QStringLiteral("url"), url}};
        if (update)
            userInfo.insert(QStringLiteral("action"), QStringLiteral("update"));
        Q_EMIT m_center->clicked(userInfo);
        QCOMPARE(m_opened.size(), opened ? 1 : 0);
        QCOMPARE(m_updateClicks, update ? 1 : 0);
    }
};

QTEST_GUILESS_MAIN(TestNotificationManager)
#include "tst_notification_manager.moc"

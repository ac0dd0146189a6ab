#include "RecordingSoundPlayer.h"
#include "notifications/FreedesktopNotificationCenter.h"
#include "notifications/NotificationManager.h"
#include "settings/AppSettings.h"
#include "support/FakeNotificationService.h"

#include <QDBusConnection>
#include <QRegularExpression>
#include <QSignalSpy>
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

    static const QRegularExpression &uuidTail()
    {
        static const QRegularExpression pattern(
            QStringLiteral("-[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}$"));
        return pattern;
    }

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
        m_manager->notify({QStringLiteral("CLS-12"), QStringLiteral("Fix <b>login</b> & logout"),
                           QStringLiteral("Ada Lovelace"), std::nullopt},
                          QUrl(QStringLiteral("https://acme.atlassian.net/browse/CLS-12")));
        QTRY_COMPARE(m_server->notifyCalls.size(), 1);
        const auto call = lastCall();
        QCOMPARE(call.summary, QStringLiteral("Ready for review"));
        QCOMPARE(call.body,
                 QStringLiteral("CLS-12 \u00B7 Ada Lovelace\nFix &lt;b&gt;login&lt;/b&gt; &amp; logout"));
        QCOMPARE(call.hints.value(QStringLiteral("image-path")).toString(),
                 QUrl::fromLocalFile(m_manager->attachmentPath).toString());
        QVERIFY(QFile::exists(m_manager->attachmentPath));
        QCOMPARE(call.hints.value(QStringLiteral("category")).toString(), QStringLiteral("x-norrid.card"));
        QTRY_COMPARE(m_player->played, QStringList{QStringLiteral("Submarine")});

        click(call.id);
        QTRY_COMPARE(m_opened, QList<QUrl>{QUrl(QStringLiteral("https://acme.atlassian.net/browse/CLS-12"))});
        QCOMPARE(m_updateClicks, 0);
    }

    void cardSubtitleAndLinkVariants()
    {
        // No assignee: the key alone. An empty display name still gets the separator. No link:
        // a click does nothing.
        m_manager->notify({QStringLiteral("K-1"), QStringLiteral("One"), std::nullopt, std::nullopt},
                          std::nullopt);
        m_manager->notify({QStringLiteral("K-2"), QStringLiteral("Two"), QString(), std::nullopt},
                          std::nullopt);
        QTRY_COMPARE(m_server->notifyCalls.size(), 2);
        QCOMPARE(m_server->notifyCalls[0].body, QStringLiteral("K-1\nOne"));
        QCOMPARE(m_server->notifyCalls[1].body, QStringLiteral("K-2 \u00B7 \nTwo"));
        click(m_server->notifyCalls[0].id);
        QVERIFY(m_opened.isEmpty());
    }

    void batchNotification()
    {
        m_settings->setNotificationSound(QStringLiteral("None"));
        const QStringList keys{QStringLiteral("A-5"), QStringLiteral("A-1"), QStringLiteral("B-3"),
                               QStringLiteral("A-2"), QStringLiteral("C-9")};
        m_manager->notifyBatch(
            keys, QUrl(QStringLiteral("https://acme.atlassian.net/jira/software/c/projects/A/boards/7")));
        QTRY_COMPARE(m_server->notifyCalls.size(), 1);
        const auto call = lastCall();
        QCOMPARE(call.summary, QStringLiteral("5 cards ready for review"));
        QCOMPARE(call.body, QStringLiteral("A-5, A-1, B-3, A-2, C-9"));
        QVERIFY(call.hints.contains(QStringLiteral("image-path")));
        QCOMPARE(call.hints.value(QStringLiteral("category")).toString(), QStringLiteral("x-norrid.batch"));

        click(call.id);
        QTRY_COMPARE(m_opened.size(), 1);
        QCOMPARE(m_opened[0].toString(),
                 QStringLiteral("https://acme.atlassian.net/jira/software/c/projects/A/boards/7"));
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
            click(call.id);
        }
        QTRY_COMPARE(m_player->played, (QStringList{QStringLiteral("Tink"), QString()}));
        QVERIFY(m_opened.isEmpty());
        QCOMPARE(m_updateClicks, 0);
    }

    void updateNotification()
    {
        m_settings->setNotificationSound(QString());
        m_manager->notifyUpdateAvailable(QStringLiteral("1.4.0"));
        m_manager->notifyUpdateAvailable(QStringLiteral("1.5.0"));
        QTRY_COMPARE(m_server->notifyCalls.size(), 2);
        const auto first = m_server->notifyCalls[0];
        const auto second = m_server->notifyCalls[1];
        QCOMPARE(second.summary, QStringLiteral("Update available"));
        QCOMPARE(second.body, QStringLiteral("Norrid 1.5.0 is ready to install. Click to update."));
        QCOMPARE(second.replacesId, first.id); // only the newest one stays
        QVERIFY(!second.hints.contains(QStringLiteral("image-path")));
        QCOMPARE(second.hints.value(QStringLiteral("category")).toString(),
                 QStringLiteral("x-norrid.update"));
        QTRY_COMPARE(m_player->played, (QStringList{QString(), QString()}));

        click(second.id);
        QTRY_COMPARE(m_updateClicks, 1);
        QVERIFY(m_opened.isEmpty());

        m_manager->removeUpdateNotification();
        QTRY_COMPARE(m_server->closeCalls, QList<uint>{first.id});

        // Without a hook a click on it does nothing, and nothing breaks.
        m_manager->onUpdateNotificationClick = nullptr;
        m_manager->notifyUpdateAvailable(QStringLiteral("1.6.0"));
        QTRY_COMPARE(m_server->notifyCalls.size(), 3);
        click(lastCall().id);
        QCOMPARE(m_updateClicks, 1);
    }

    void identifiers()
    {
        // The identifiers are not on the wire; a recording center shows them.
        class RecordingCenter : public NotificationCenter
        {
        public:
            QList<NotificationRequest> added;
            void add(const NotificationRequest &request) override { added.append(request); }
            void remove(const QString &) override {}
            void requestAuthorization(RequestCallback) override {}
            void queryAuthorization(QueryCallback) override {}
        } center;
        NotificationManager manager(*m_settings, center);
        manager.notify({QStringLiteral("CLS-7"), QStringLiteral("x"), std::nullopt, std::nullopt},
                       std::nullopt);
        manager.notifyBatch({QStringLiteral("A-1")}, std::nullopt);
        manager.sendTest(QStringLiteral("None"));
        manager.sendTest(QStringLiteral("None"));
        manager.notifyUpdateAvailable(QStringLiteral("2.0"));

        QCOMPARE(center.added.size(), 5);
        const QStringList bases{QStringLiteral("CLS-7"), QStringLiteral("batch"), QStringLiteral("test"),
                                QStringLiteral("test")};
        for (int i = 0; i < 4; ++i) {
            const QString &id = center.added[i].identifier;
            QVERIFY2(id.startsWith(bases[i] + QLatin1Char('-')) && uuidTail().match(id).hasMatch(),
                     qPrintable(id));
            QCOMPARE(id.size(), bases[i].size() + 37);
            QCOMPARE(center.added[i].threadIdentifier, QStringLiteral("norrid"));
            QVERIFY(center.added[i].userInfo.isEmpty()); // no links given
        }
        QVERIFY(center.added[2].identifier != center.added[3].identifier);
        QCOMPARE(center.added[4].identifier, QStringLiteral("norrid-update"));
        QCOMPARE(center.added[4].threadIdentifier, QStringLiteral("norrid"));
        QVERIFY(center.added[4].attachmentPath.isEmpty());

        // With the picture missing every notification is still posted, without one, silently.
        manager.attachmentPath.clear();
        manager.notify({QStringLiteral("CLS-8"), QStringLiteral("y"), std::nullopt, std::nullopt},
                       std::nullopt);
        QCOMPARE(center.added.size(), 6);
        QVERIFY(center.added[5].attachmentPath.isEmpty());
    }

    void onlyWebLinksAreOpened_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("opened");
        QTest::newRow("https") << QStringLiteral("https://acme.atlassian.net/browse/K-1") << true;
        QTest::newRow("http") << QStringLiteral("http://jira.local:8080/browse/K-1") << true;
        QTest::newRow("upper-case scheme") << QStringLiteral("HTTPS://acme.atlassian.net/browse/K-1") << true;
        QTest::newRow("file") << QStringLiteral("file:///etc/passwd") << false;
        QTest::newRow("javascript") << QStringLiteral("javascript:alert(1)") << false;
        QTest::newRow("custom scheme") << QStringLiteral("steam://run/1") << false;
        QTest::newRow("relative") << QStringLiteral("/browse/K-1") << false;
        QTest::newRow("not a URL") << QStringLiteral("https://exa mple.com/%zz") << false;
    }

    void onlyWebLinksAreOpened()
    {
        QFETCH(QString, url);
        QFETCH(bool, opened);
        // A link as the center hands it over, whatever text a card's link may have become.
        Q_EMIT m_center->clicked({{QStringLiteral("url"), url}});
        QCOMPARE(m_opened.size(), opened ? 1 : 0);
    }

    void updateActionWinsOverLink()
    {
        Q_EMIT m_center->clicked({{QStringLiteral("action"), QStringLiteral("update")},
                                  {QStringLiteral("url"), QStringLiteral("https://x.test")}});
        QCOMPARE(m_updateClicks, 1);
        QVERIFY(m_opened.isEmpty());
    }

    void authorizationFollowsTheServer()
    {
        QSignalSpy changed(m_manager.get(), &NotificationManager::authorizationDeniedChanged);
        m_manager->requestAuthorization();
        QTRY_COMPARE(changed.size(), 1);
        QCOMPARE(m_manager->authorizationDenied(), false);

        m_server->stop();
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("^Norrid: notification auth error — .+")));
        m_manager->requestAuthorization();
        QTRY_COMPARE_WITH_TIMEOUT(changed.size(), 2, 30000);
        QCOMPARE(m_manager->authorizationDenied(), true);

        // Posting without a server is a no-op, and nothing breaks.
        m_manager->notify({QStringLiteral("K-1"), QStringLiteral("x"), std::nullopt, std::nullopt},
                          std::nullopt);
        m_manager->notifyUpdateAvailable(QStringLiteral("2.0"));
        m_manager->removeUpdateNotification();
        QTRY_VERIFY_WITH_TIMEOUT(!m_center->isBusy(), 30000);
        QVERIFY(m_server->notifyCalls.isEmpty());

        QVERIFY(m_server->start());
        m_manager->refreshAuthorizationStatus();
        QTRY_COMPARE_WITH_TIMEOUT(changed.size(), 3, 30000);
        QCOMPARE(m_manager->authorizationDenied(), false);
        QVERIFY(m_player->played.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestNotificationManager)
#include "tst_notification_manager.moc"

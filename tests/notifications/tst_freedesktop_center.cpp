#include "RecordingSoundPlayer.h"
#include "notifications/FreedesktopNotificationCenter.h"
#include "support/FakeNotificationService.h"

#include <QDBusConnection>
#include <QSignalSpy>
#include <QTest>

using UserInfo = QMap<QString, QString>;

// The freedesktop center against a notification server on a private session bus.
class TestFreedesktopCenter : public QObject
{
    Q_OBJECT

private:
    static NotificationRequest card(const QString &identifier, const QString &url = QString())
    {
        NotificationRequest request;
        request.identifier = identifier;
        request.title = QStringLiteral("Ready for review");
        request.subtitle = QStringLiteral("CLS-1 · Ada");
        request.body = QStringLiteral("Fix the login");
        request.sound = QString(); // the default sound
        if (!url.isEmpty())
            request.userInfo.insert(QStringLiteral("url"), url);
        return request;
    }

    static NotificationRequest update() { return card(QStringLiteral("norrid-update")); }

private Q_SLOTS:
    void notifyCarriesEveryArgument()
    {
        FakeNotificationService server;
        QVERIFY(server.start());
        RecordingSoundPlayer player;
        FreedesktopNotificationCenter center(QDBusConnection::sessionBus(), &player);

        NotificationRequest request = card(QStringLiteral("CLS-1-A"));
        request.attachmentPath = QStringLiteral("/usr/share/norrid/notification-icon.png");
        request.sound = QStringLiteral("Glass");
        center.add(request);
        QTRY_COMPARE(server.notifyCalls.size(), 1);

        const auto &call = server.notifyCalls.constFirst();
        QCOMPARE(call.replacesId, 0u);
        QCOMPARE(call.actions, (QStringList{QStringLiteral("default"), QStringLiteral("Open")}));
        QCOMPARE(call.hints.value(QStringLiteral("image-path")).toString(),
                 QStringLiteral("file:///usr/share/norrid/notification-icon.png"));
        QCOMPARE(call.hints.value(QStringLiteral("suppress-sound")), QVariant(true));
        // Norrid plays the sound itself, once the server has shown the notification.
        QTRY_COMPARE(player.played, QStringList{QStringLiteral("Glass")});
    }

    void bodyIsEscapedOnlyForMarkupServers_data()
    {
        QTest::addColumn<QStringList>("capabilities");
        QTest::addColumn<QString>("body");
        const QString typed = QStringLiteral("<b>x</b> & <img src=\"a.png\">");
        QTest::newRow("body-markup") << QStringList{QStringLiteral("body"), QStringLiteral("body-markup")}
                                     << QStringLiteral(
                                            "K-1 · &lt;i&gt;Bo&lt;/i&gt;\n&lt;b&gt;x&lt;/b&gt; &amp; "
                                            "&lt;img src=\"a.png\"&gt;");
        QTest::newRow("plain text") << QStringList{QStringLiteral("body")}
                                    << QStringLiteral("K-1 · <i>Bo</i>\n") + typed;
    }

    void bodyIsEscapedOnlyForMarkupServers()
    {
        QFETCH(QStringList, capabilities);
        QFETCH(QString, body);
        FakeNotificationService server(capabilities);
        QVERIFY(server.start());
        FreedesktopNotificationCenter center(QDBusConnection::sessionBus(), nullptr);

        NotificationRequest request = card(QStringLiteral("K-1-A"));
        request.title = QStringLiteral("<b>title</b>"); // the summary is never markup
        request.subtitle = QStringLiteral("K-1 · <i>Bo</i>");
        request.body = QStringLiteral("<b>x</b> & <img src=\"a.png\">");
        center.add(request);
        QTRY_COMPARE(server.notifyCalls.size(), 1);
        QCOMPARE(server.notifyCalls[0].summary, QStringLiteral("<b>title</b>"));
        QCOMPARE(server.notifyCalls[0].body, body);
    }

    void clickReportsTheUserInfoOfThatNotification()
    {
        FakeNotificationService server;
        QVERIFY(server.start());
        FreedesktopNotificationCenter center(QDBusConnection::sessionBus(), nullptr);
        QSignalSpy clicks(&center, &NotificationCenter::clicked);

        center.add(card(QStringLiteral("A-1-X"), QStringLiteral("https://x.atlassian.net/browse/A-1")));
        center.add(card(QStringLiteral("A-2-X"), QStringLiteral("https://x.atlassian.net/browse/A-2")));
        QTRY_COMPARE(server.notifyCalls.size(), 2);
        const uint second = server.notifyCalls[1].id;

        server.invokeAction(second);
        QTRY_COMPARE(clicks.size(), 1);
        QCOMPARE(clicks[0][0].value<UserInfo>().value(QStringLiteral("url")),
                 QStringLiteral("https://x.atlassian.net/browse/A-2"));

        // Other actions, unknown ids and closed notifications are no clicks.
        server.invokeAction(second, QStringLiteral("dismiss"));
        server.invokeAction(999);
        server.emitClosed(second);
        server.invokeAction(second);
        QTest::qWait(100);
        QCOMPARE(clicks.size(), 1);
        QCOMPARE(center.knownCount(), 1);
    }

    void updateNotificationIsReplacedAndRemoved()
    {
        FakeNotificationService server;
        QVERIFY(server.start());
        FreedesktopNotificationCenter center(QDBusConnection::sessionBus(), nullptr);

        // Posted back to back: the second still replaces the first, whose id it cannot know
        // before the server answered.
        center.add(update());
        center.add(update());
        center.add(card(QStringLiteral("C-1-X")));
        center.remove(QStringLiteral("norrid-update"));
        QTRY_COMPARE(server.closeCalls.size(), 1);
        QCOMPARE(server.notifyCalls.size(), 3);
        const uint updateId = server.notifyCalls[0].id;
        QCOMPARE(server.notifyCalls[1].replacesId, updateId);
        QCOMPARE(server.notifyCalls[2].replacesId, 0u);
        QCOMPARE(server.closeCalls, QList<uint>{updateId});

        // Once removed, it is shown anew rather than replacing the closed one; removing what
        // was never shown asks nothing of the server.
        center.add(update());
        center.remove(QStringLiteral("CLS-404"));
        QTRY_COMPARE(server.notifyCalls.size(), 4);
        QCOMPARE(server.notifyCalls[3].replacesId, 0u);
        QTest::qWait(50);
        QCOMPARE(server.closeCalls.size(), 1);
    }

    void withoutServerNothingIsShownOrPlayed()
    {
        RecordingSoundPlayer player;
        FreedesktopNotificationCenter center(QDBusConnection::sessionBus(), &player);
        std::optional<QString> requestError;
        std::optional<NotificationCenter::Authorization> status;
        center.requestAuthorization([&](const QString &error) { requestError = error; });
        center.queryAuthorization([&](NotificationCenter::Authorization answer) { status = answer; });
        center.add(card(QStringLiteral("K-1-X")));
        center.add(update());
        center.remove(QStringLiteral("norrid-update"));
        QTRY_VERIFY_WITH_TIMEOUT(status.has_value(), 30000);
        QCOMPARE(*status, NotificationCenter::Authorization::denied);
        QVERIFY(requestError.has_value() && !requestError->isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(!center.isBusy(), 30000);

        // The queue keeps going: a server that appears later gets the next notification.
        FakeNotificationService server;
        QVERIFY(server.start());
        center.add(card(QStringLiteral("K-2-X")));
        QTRY_COMPARE_WITH_TIMEOUT(server.notifyCalls.size(), 1, 30000);
        QTRY_COMPARE(player.played, QStringList{QString()});

        center.queryAuthorization([&](NotificationCenter::Authorization answer) { status = answer; });
        QTRY_COMPARE(*status, NotificationCenter::Authorization::authorized);
    }

    void restartedServerGetsFreshNotifications()
    {
        FakeNotificationService server;
        QVERIFY(server.start());
        FreedesktopNotificationCenter center(QDBusConnection::sessionBus(), nullptr);
        QSignalSpy clicks(&center, &NotificationCenter::clicked);

        center.add(update());
        center.add(card(QStringLiteral("K-1-X"), QStringLiteral("https://x.test/browse/K-1")));
        QTRY_COMPARE(server.notifyCalls.size(), 2);

        server.stop();
        QVERIFY(server.start()); // ids start at 1 again, as in a new server process
        server.notifyCalls.clear();

        // The old server's ids mean nothing to the new one: no replacement, no closing of
        // whatever the new server shows under that id, no click from an id it reuses.
        center.add(update());
        QTRY_COMPARE(server.notifyCalls.size(), 1);
        QCOMPARE(server.notifyCalls[0].replacesId, 0u);
        server.invokeAction(2); // the id the card had on the old server
        QTest::qWait(100);
        QCOMPARE(clicks.size(), 0);

        center.remove(QStringLiteral("norrid-update"));
        QTRY_COMPARE(server.closeCalls, QList<uint>{server.notifyCalls[0].id});
    }
};

QTEST_GUILESS_MAIN(TestFreedesktopCenter)
#include "tst_freedesktop_center.moc"

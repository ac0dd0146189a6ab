// Notifications on a private session bus: the freedesktop center against a notification server
// there, and the notification manager end to end through it, with what each kind of notification
// carries, its sound and what a click on it does. And the shipped sounds, picked by name and never
// by path.
#include "RecordingSoundPlayer.h"
#include "notifications/CanberraSoundPlayer.h"
#include "notifications/DataFiles.h"
#include "notifications/FreedesktopNotificationCenter.h"
#include "notifications/NotificationManager.h"
#include "settings/AppSettings.h"
#include "support/FakeNotificationService.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using UserInfo = QMap<QString, QString>;

namespace {

// A notification manager over the freedesktop center, recording the links it opens and the clicks
// on the update notification.
struct ManagerRig
{
    ManagerRig()
    {
        manager.openURL = [this](const QUrl &url) {
            opened.append(url);
            tokens.append(qEnvironmentVariable("XDG_ACTIVATION_TOKEN"));
        };
        manager.onUpdateNotificationClick = [this] { ++updateClicks; };
    }

    QTemporaryDir dir;
    AppSettings settings{dir.filePath(u"norrid.conf"_s)};
    RecordingSoundPlayer player;
    FreedesktopNotificationCenter center{QDBusConnection::sessionBus(), &player};
    NotificationManager manager{settings, center};
    QList<QUrl> opened;
    QStringList tokens; // XDG_ACTIVATION_TOKEN as each link was opened
    int updateClicks = 0;
};

// GNOME's settings as the desktop portal serves them, on a bus connection of its own: show-banners.
class FakeBannerPortal : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")

public:
    bool start()
    {
        QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, u"portal"_s);
        return bus.registerObject(u"/org/freedesktop/portal/desktop"_s, this,
                                  QDBusConnection::ExportAllSlots) &&
               bus.registerService(u"org.freedesktop.portal.Desktop"_s);
    }
    void stop()
    {
        QDBusConnection bus(u"portal"_s);
        bus.unregisterService(u"org.freedesktop.portal.Desktop"_s);
        bus.unregisterObject(u"/org/freedesktop/portal/desktop"_s);
        QDBusConnection::disconnectFromBus(u"portal"_s);
    }
    void setShowBanners(bool shown)
    {
        showBanners = shown;
        QDBusMessage changed = QDBusMessage::createSignal(
            u"/org/freedesktop/portal/desktop"_s, u"org.freedesktop.portal.Settings"_s, u"SettingChanged"_s);
        changed << u"org.gnome.desktop.notifications"_s << u"show-banners"_s
                << QVariant::fromValue(QDBusVariant(shown));
        QDBusConnection(u"portal"_s).send(changed);
    }

    bool showBanners = false;

public Q_SLOTS:
    QDBusVariant ReadOne(const QString &group, const QString &key)
    {
        return QDBusVariant(group == u"org.gnome.desktop.notifications" && key == u"show-banners"
                                ? QVariant(showBanners)
                                : QVariant(QString()));
    }
};

} // namespace

class TestNotifications : public QObject
{
    Q_OBJECT

private:
    static NotificationRequest card(const QString &identifier, const QString &url = QString())
    {
        NotificationRequest request;
        request.identifier = identifier;
        request.title = u"Ready for review"_s;
        request.sound = QString(); // the default sound
        if (!url.isEmpty())
            request.userInfo.insert(u"url"_s, url);
        return request;
    }

    static NotificationRequest update() { return card(u"norrid-update"_s); }

private Q_SLOTS:
    // The body is escaped only for servers that read it as markup, the summary never. Every
    // notification offers the default action and asks the server for silence: Norrid plays the
    // sound itself.
    void bodyIsEscapedOnlyForMarkupServers_data()
    {
        QTest::addColumn<QStringList>("capabilities");
        QTest::addColumn<QString>("body");
        QTest::newRow("body-markup")
            << QStringList{u"body"_s, u"body-markup"_s, u"actions"_s}
            << u"K-1 · &lt;i&gt;Bo&lt;/i&gt;\n&lt;b&gt;x&lt;/b&gt; &amp; &lt;img src=\"a.png\"&gt;"_s;
        QTest::newRow("plain text") << QStringList{u"body"_s, u"actions"_s}
                                    << u"K-1 · <i>Bo</i>\n<b>x</b> & <img src=\"a.png\">"_s;
    }

    void bodyIsEscapedOnlyForMarkupServers()
    {
        QFETCH(QStringList, capabilities);
        QFETCH(QString, body);
        FakeNotificationService server(capabilities);
        QVERIFY(server.start());
        FreedesktopNotificationCenter center(QDBusConnection::sessionBus(), nullptr);
        NotificationRequest request = card(u"K-1-A"_s);
        request.title = u"<b>title</b>"_s;
        request.subtitle = u"K-1 · <i>Bo</i>"_s;
        request.body = u"<b>x</b> & <img src=\"a.png\">"_s;
        center.add(request);
        QTRY_COMPARE(server.notifyCalls.size(), 1);
        const auto &call = server.notifyCalls.constFirst();
        QCOMPARE(call.summary, u"<b>title</b>"_s);
        QCOMPARE(call.body, body);
        QCOMPARE(call.actions, (QStringList{u"default"_s, u"Open"_s}));
        QCOMPARE(call.hints.value(u"suppress-sound"_s), QVariant(true));
    }

    // A click reports the user info of that notification. Other actions, unknown ids, closed
    // notifications and the ids of a server that has since restarted are no clicks. (That back to
    // back posts of the update notification replace each other is checked end to end below.)
    void clicksRemovalsAndServerRestarts()
    {
        FakeNotificationService server;
        QVERIFY(server.start());
        FreedesktopNotificationCenter center(QDBusConnection::sessionBus(), nullptr);
        QSignalSpy clicks(&center, &NotificationCenter::clicked);

        center.add(update());
        center.add(card(u"A-1-X"_s, u"https://x.atlassian.net/browse/A-1"_s));
        center.add(card(u"A-2-X"_s, u"https://x.atlassian.net/browse/A-2"_s));
        QTRY_COMPARE(server.notifyCalls.size(), 3);
        const uint second = server.notifyCalls[2].id;
        server.invokeAction(second);
        QTRY_COMPARE(clicks.size(), 1);
        QCOMPARE(clicks[0][0].value<UserInfo>().value(u"url"_s), u"https://x.atlassian.net/browse/A-2"_s);
        server.invokeAction(second, u"dismiss"_s);
        server.invokeAction(999);
        server.emitClosed(second);
        server.invokeAction(second);
        QTest::qWait(100);
        QCOMPARE(clicks.size(), 1);
        QCOMPARE(center.knownCount(), 2);

        // Ids start at 1 again, as in a new server process. The old server's ids mean nothing to
        // the new one: no replacement, no closing of what it shows under that id, no click.
        server.stop();
        QVERIFY(server.start());
        server.notifyCalls.clear();
        center.add(update());
        QTRY_COMPARE(server.notifyCalls.size(), 1);
        QCOMPARE(server.notifyCalls[0].replacesId, 0u);
        server.invokeAction(2); // the id A-1 had on the old server
        QTest::qWait(100);
        QCOMPARE(clicks.size(), 1);
        center.remove(u"norrid-update"_s);
        QTRY_COMPARE(server.closeCalls, QList<uint>{server.notifyCalls[0].id});

        // Once removed, it is shown anew rather than replacing the closed one; removing what was
        // never shown asks nothing of the server.
        center.add(update());
        center.remove(u"CLS-404"_s);
        QTRY_COMPARE(server.notifyCalls.size(), 2);
        QTRY_VERIFY(!center.isBusy());
        QCOMPARE(server.notifyCalls[1].replacesId, 0u);
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
        center.add(card(u"K-1-X"_s));
        center.add(update());
        center.remove(u"norrid-update"_s);
        QTRY_VERIFY_WITH_TIMEOUT(status.has_value(), 30000);
        QCOMPARE(*status, NotificationCenter::Authorization::denied);
        QVERIFY(requestError.has_value() && !requestError->isEmpty());
        QTRY_VERIFY_WITH_TIMEOUT(!center.isBusy(), 30000);

        // The queue keeps going: a server that appears later gets the next notification.
        FakeNotificationService server;
        QVERIFY(server.start());
        center.add(card(u"K-2-X"_s));
        QTRY_COMPARE_WITH_TIMEOUT(server.notifyCalls.size(), 1, 30000);
        QTRY_COMPARE(player.played, QStringList{QString()});

        center.queryAuthorization([&](NotificationCenter::Authorization answer) { status = answer; });
        QTRY_COMPARE(*status, NotificationCenter::Authorization::authorized);
    }

    void everyKindReachesTheServer()
    {
        FakeNotificationService server;
        QVERIFY(server.start());
        ManagerRig rig;
        QVERIFY2(!rig.manager.attachmentPath.isEmpty(), "the shipped notification picture is found");
        const QUrl cardLink(u"https://acme.atlassian.net/browse/CLS-12"_s);
        const QUrl boardLink(u"https://acme.atlassian.net/boards/7"_s);
        rig.settings.setNotificationSound(u"Submarine"_s);
        rig.manager.notify({u"CLS-12"_s, u"Fix login"_s, u"Ada Lovelace"_s, std::nullopt}, cardLink);
        rig.manager.notify({u"K-1"_s, u"One"_s, std::nullopt, std::nullopt}, std::nullopt);
        rig.manager.notifyBatch({u"A-5"_s, u"A-1"_s, u"C-9"_s}, boardLink);
        rig.manager.sendTest(u"Tink"_s); // the sound picked in the form, not yet saved
        rig.manager.sendTest(u"None"_s);
        rig.settings.setNotificationSound(u"Default"_s);
        rig.manager.notifyUpdateAvailable(u"1.5.0"_s);
        rig.manager.notifyUpdateAvailable(u"1.6.0"_s);
        QTRY_COMPARE(server.notifyCalls.size(), 7);

        const QString review = u"Ready for review"_s;
        const QString test = u"CLS-0000 · Test Ping\nThis is how a new review card will look and sound."_s;
        const QString update = u"Norrid %1 is ready to install. Click to update."_s;
        const QList<QStringList> expected{
            {review, u"CLS-12 · Ada Lovelace\nFix login"_s, u"x-norrid.card"_s},
            {review, u"K-1\nOne"_s, u"x-norrid.card"_s},
            {u"3 cards ready for review"_s, u"A-5, A-1, C-9"_s, u"x-norrid.batch"_s},
            {review, test, u"x-norrid.test"_s},
            {review, test, u"x-norrid.test"_s},
            {u"Update available"_s, update.arg(u"1.5.0"), u"x-norrid.update"_s},
            {u"Update available"_s, update.arg(u"1.6.0"), u"x-norrid.update"_s}};
        for (qsizetype i = 0; i < expected.size(); ++i) {
            const FakeNotificationService::NotifyCall &call = server.notifyCalls[i];
            QCOMPARE((QStringList{call.summary, call.body, call.hints.value(u"category"_s).toString()}),
                     expected[i]);
            // Only the update notification comes without the picture, and a newer one replaces it.
            QCOMPARE(call.hints.value(u"image-path"_s).toString(),
                     i < 5 ? QUrl::fromLocalFile(rig.manager.attachmentPath).toString() : QString());
            QCOMPARE(call.replacesId, i == 6 ? server.notifyCalls[5].id : 0u);
        }
        // "None" is silent; "Default" is the desktop's own sound.
        QTRY_COMPARE(rig.player.played, (QStringList{u"Submarine"_s, u"Submarine"_s, u"Submarine"_s,
                                                     u"Tink"_s, QString(), QString()}));

        // Cards offer "Open" and the batch "Open Board" beside the click, for servers that never
        // invoke the click's action; the others the click alone.
        const QStringList open{u"default"_s, u"Open"_s, u"open"_s, u"Open"_s};
        const QStringList board{u"default"_s, u"Open Board"_s, u"open"_s, u"Open Board"_s};
        const QStringList click{u"default"_s, u"Open"_s};
        const QList<QStringList> actions{open, open, board, click, click, click, click};
        for (qsizetype i = 0; i < actions.size(); ++i)
            QCOMPARE(server.notifyCalls[i].actions, actions[i]);

        // A card opens its link, a batch the board, the update notification the update window; a
        // card without a link does nothing. The named action opens the same link as the click, and
        // the server's activation token goes to the browser's launch, and only to it.
        for (int i : {0, 1, 2, 6})
            server.invokeAction(server.notifyCalls[i].id);
        QTRY_COMPARE(rig.updateClicks, 1);
        QCOMPARE(rig.opened, (QList<QUrl>{cardLink, boardLink}));
        server.sendActivationToken(server.notifyCalls[2].id, u"token-for-the-browser"_s);
        server.invokeAction(server.notifyCalls[2].id, u"open"_s);
        server.invokeAction(server.notifyCalls[0].id, u"open"_s);
        QTRY_COMPARE(rig.opened, (QList<QUrl>{cardLink, boardLink, boardLink, cardLink}));
        QCOMPARE(rig.tokens, (QStringList{{}, {}, u"token-for-the-browser"_s, {}}));
        QVERIFY(qEnvironmentVariableIsEmpty("XDG_ACTIVATION_TOKEN"));
    }

    // Under the desktop's do-not-disturb (Plasma: Inhibited; GNOME: show-banners false) the server
    // still gets the notification for its history, but no sound plays; once it ends, sounds play
    // again.
    void noSoundWhileInhibited_data()
    {
        QTest::addColumn<bool>("gnome");
        QTest::newRow("Plasma, Inhibited") << false;
        QTest::newRow("GNOME, show-banners off") << true;
    }

    void noSoundWhileInhibited()
    {
        QFETCH(bool, gnome);
        FakeNotificationService server;
        QVERIFY(server.start());
        FakeBannerPortal portal;
        if (gnome)
            QVERIFY(portal.start());
        else
            server.setInhibited(true);
        ManagerRig rig;
        QTRY_VERIFY(rig.center.isInhibited()); // read when the center starts
        rig.manager.notify({u"K-1"_s, u"One"_s, std::nullopt, std::nullopt}, std::nullopt);
        QTRY_COMPARE(server.notifyCalls.size(), 1);
        QTRY_VERIFY(!rig.center.isBusy());
        QCOMPARE(rig.player.played, QStringList());
        gnome ? portal.setShowBanners(true) : server.setInhibited(false);
        QTRY_VERIFY(!rig.center.isInhibited());
        if (gnome)
            portal.stop();
        rig.manager.notify({u"K-2"_s, u"Two"_s, std::nullopt, std::nullopt}, std::nullopt);
        QTRY_COMPARE(rig.player.played, QStringList{QString()});
    }

    void onlyWebLinksAreOpened_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("opened");
        QTest::newRow("update action wins") << u"https://x.test"_s << false;
        QTest::newRow("https") << u"https://acme.atlassian.net/browse/K-1"_s << true;
        QTest::newRow("upper-case scheme") << u"HTTPS://acme.atlassian.net/browse/K-1"_s << true;
        QTest::newRow("file") << u"file:///etc/passwd"_s << false;
        QTest::newRow("javascript") << u"javascript:alert(1)"_s << false;
        QTest::newRow("not a URL") << u"https://exa mple.com/%zz"_s << false;
    }

    void onlyWebLinksAreOpened()
    {
        QFETCH(QString, url);
        QFETCH(bool, opened);
        // A link as the center hands it over, whatever text a card's link may have become.
        ManagerRig rig;
        const bool update = QByteArray(QTest::currentDataTag()) == "update action wins";
        QMap<QString, QString> userInfo{{u"url"_s, url}};
        if (update)
            userInfo.insert(u"action"_s, u"update"_s);
        Q_EMIT rig.center.clicked(userInfo, QString());
        QCOMPARE(rig.opened.size(), opened ? 1 : 0);
        QCOMPARE(rig.updateClicks, update ? 1 : 0);
    }

    void everyNamedSoundHasItsOwnShortFile()
    {
        QSet<QByteArray> contents;
        for (const QString &name : NotificationManager::soundOptions.mid(2)) { // after Default and None
            QFile file(CanberraSoundPlayer::soundFile(name));
            QCOMPARE(QFileInfo(file).fileName(), name + u".oga"_s);
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray data = file.readAll();
            QVERIFY2(data.startsWith("OggS") && data.contains("vorbis") && data.size() < 16 * 1024,
                     qPrintable(name));
            contents.insert(data);
        }
        QCOMPARE(contents.size(), NotificationManager::soundOptions.size() - 2);
    }

    void namesAreNeverPaths()
    {
        for (const QString &name : {u"Default"_s, u"None"_s, QString(), u"../notification-icon"_s,
                                    u"/etc/passwd"_s, u"Glass/../Glass"_s, u".hidden"_s})
            QVERIFY2(CanberraSoundPlayer::soundFile(name).isEmpty(), qPrintable(name));
        QVERIFY(DataFiles::locate(u"../CMakeLists.txt"_s).isEmpty());
        QVERIFY(DataFiles::locate(u"/etc/hostname"_s).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestNotifications)
#include "tst_notifications.moc"

#include "RecordingSoundPlayer.h"
#include "notifications/FreedesktopNotificationCenter.h"
#include "notifications/NotificationManager.h"
#include "settings/AppSettings.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// A card notification shown by a real notification server, dunst, started by bus activation on a
// private X display, and clicked there with the mouse.
class TestDunstNotification : public QObject
{
    Q_OBJECT

    static int displayedCount()
    {
        QDBusMessage get = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
            QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
        get.setArguments({QStringLiteral("org.dunstproject.cmd0"), QStringLiteral("displayedLength")});
        const QDBusMessage reply = QDBusConnection::sessionBus().call(get, QDBus::Block, 2000);
        if (reply.type() != QDBusMessage::ReplyMessage)
            return -1;
        return reply.arguments().constFirst().value<QDBusVariant>().variant().toInt();
    }

    static QString run(const QStringList &arguments)
    {
        QProcess process;
        process.start(QStringLiteral("xdotool"), arguments);
        process.waitForFinished(5000);
        return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    }

private Q_SLOTS:
    void cardIsShownAndClicked()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("needs an X display (runs under xvfb-run)");
        QTemporaryDir dir;
        AppSettings settings(dir.filePath(QStringLiteral("norrid.conf")));
        RecordingSoundPlayer player;
        FreedesktopNotificationCenter center(QDBusConnection::sessionBus(), &player);
        NotificationManager manager(settings, center);
        QList<QUrl> opened;
        manager.openURL = [&opened](const QUrl &url) { opened.append(url); };

        QSignalSpy changed(&manager, &NotificationManager::authorizationDeniedChanged);
        manager.requestAuthorization(); // starts dunst
        QTRY_COMPARE_WITH_TIMEOUT(changed.size(), 1, 15000);
        QCOMPARE(manager.authorizationDenied(), false);

        manager.notify({QStringLiteral("CLS-42"), QStringLiteral("Summary with <b>tags</b> & more"),
                        QStringLiteral("Grace Hopper"), std::nullopt},
                       QUrl(QStringLiteral("https://acme.atlassian.net/browse/CLS-42")));
        QTRY_COMPARE_WITH_TIMEOUT(displayedCount(), 1, 10000);
        QTRY_COMPARE(player.played, QStringList{QString()});

        // dunst's middle click runs the default action.
        QString window;
        QTRY_VERIFY_WITH_TIMEOUT(!(window = run({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                 QStringLiteral("--class"), QStringLiteral("Dunst")}))
                                      .isEmpty(),
                                 10000);
        window = window.section(QLatin1Char('\n'), 0, 0);
        run({QStringLiteral("mousemove"), QStringLiteral("--window"), window, QStringLiteral("20"),
             QStringLiteral("10"), QStringLiteral("click"), QStringLiteral("2")});
        QTRY_COMPARE_WITH_TIMEOUT(
            opened, QList<QUrl>{QUrl(QStringLiteral("https://acme.atlassian.net/browse/CLS-42"))}, 10000);
        QTRY_COMPARE(center.knownCount(), 0); // dunst closed it and said so
    }
};

QTEST_MAIN(TestDunstNotification)
#include "tst_dunst_notification.moc"

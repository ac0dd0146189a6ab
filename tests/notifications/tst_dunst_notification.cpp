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

using namespace Qt::StringLiterals;

// A card notification shown by a real notification server, dunst, started by bus activation on a
// private X display, and clicked there with the mouse.
class TestDunstNotification : public QObject
{
    Q_OBJECT

    static int displayedCount()
    {
        // A plain Properties.Get: QDBusInterface would cache an introspected meta-object for the
        // rest of the process, which the leak checker reports.
        QDBusMessage get = QDBusMessage::createMethodCall(u"org.freedesktop.Notifications"_s,
                                                          u"/org/freedesktop/Notifications"_s,
                                                          u"org.freedesktop.DBus.Properties"_s, u"Get"_s);
        get << u"org.dunstproject.cmd0"_s << u"displayedLength"_s;
        const QDBusMessage reply = QDBusConnection::sessionBus().call(get, QDBus::Block, 2000);
        return reply.type() == QDBusMessage::ReplyMessage
                   ? reply.arguments().constFirst().value<QDBusVariant>().variant().toInt()
                   : -1;
    }

    static QString xdotool(const QString &arguments)
    {
        QProcess process;
        process.start(u"xdotool"_s, arguments.split(u' '));
        process.waitForFinished(5000);
        return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    }

private Q_SLOTS:
    void cardIsShownAndClicked()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("needs an X display (runs under xvfb-run)");
        QTemporaryDir dir;
        AppSettings settings(dir.filePath(u"norrid.conf"_s));
        RecordingSoundPlayer player;
        FreedesktopNotificationCenter center(QDBusConnection::sessionBus(), &player);
        NotificationManager manager(settings, center);
        QList<QUrl> opened;
        manager.openURL = [&opened](const QUrl &url) { opened.append(url); };

        QSignalSpy changed(&manager, &NotificationManager::authorizationDeniedChanged);
        manager.requestAuthorization(); // starts dunst
        QTRY_COMPARE_WITH_TIMEOUT(changed.size(), 1, 15000);
        QCOMPARE(manager.authorizationDenied(), false);

        manager.notify({u"CLS-42"_s, u"Summary with <b>tags</b> & more"_s, u"Grace Hopper"_s, std::nullopt},
                       QUrl(u"https://acme.atlassian.net/browse/CLS-42"_s));
        QTRY_COMPARE_WITH_TIMEOUT(displayedCount(), 1, 10000);
        QTRY_COMPARE(player.played, QStringList{QString()});

        // dunst's middle click runs the default action.
        QString window;
        QTRY_VERIFY_WITH_TIMEOUT(!(window = xdotool(u"search --onlyvisible --class Dunst"_s)).isEmpty(),
                                 10000);
        xdotool(u"mousemove --window %1 20 10 click 2"_s.arg(window.section(u'\n', 0, 0)));
        QTRY_COMPARE_WITH_TIMEOUT(opened, QList<QUrl>{QUrl(u"https://acme.atlassian.net/browse/CLS-42"_s)},
                                  10000);
        QTRY_COMPARE(center.knownCount(), 0); // dunst closed it and said so
    }
};

QTEST_MAIN(TestDunstNotification)
#include "tst_dunst_notification.moc"

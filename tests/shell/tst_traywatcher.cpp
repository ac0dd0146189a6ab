// A tray that comes late, goes away and comes back, on a private bus where the test plays the
// StatusNotifierItem host's watcher: the user hears of a missing tray only once it has stayed away,
// and the word is taken back when one appears.
#include "shell/TrayWatcher.h"

#include <QDBusConnection>
#include <QSignalSpy>
#include <QTest>

using namespace std::chrono_literals;
using namespace Qt::StringLiterals;

class TestTrayWatcher : public QObject
{
    Q_OBJECT

    bool m_tray = false;
    // The tray comes and goes with the host's watcher, as Qt's own tray sees it.
    void setHost(bool there)
    {
        QDBusConnection bus = QDBusConnection::sessionBus();
        m_tray = there;
        QVERIFY(there ? bus.registerService(u"org.kde.StatusNotifierWatcher"_s)
                      : bus.unregisterService(u"org.kde.StatusNotifierWatcher"_s));
    }

private Q_SLOTS:
    void lateAndRestartingTrays()
    {
        TrayWatcher watcher([this] { return m_tray; }, 1500ms);
        QSignalSpy missing(&watcher, &TrayWatcher::missing);
        QSignalSpy back(&watcher, &TrayWatcher::back);

        // A panel that starts within the grace: nothing is said.
        watcher.start();
        QTest::qWait(800);
        setHost(true);
        QTest::qWait(1500);
        QVERIFY(missing.isEmpty() && back.isEmpty());

        // A panel that restarts: gone for a moment, back within the grace.
        setHost(false);
        QTest::qWait(700);
        setHost(true);
        QTest::qWait(1500);
        QVERIFY(missing.isEmpty());

        // A panel that stays away is reported once, and taken back when one comes.
        setHost(false);
        QTRY_COMPARE_WITH_TIMEOUT(missing.size(), 1, 5000);
        QVERIFY(watcher.isReported());
        QTest::qWait(1500);
        QCOMPARE(missing.size(), 1);
        setHost(true);
        QTRY_COMPARE(back.size(), 1);
        QVERIFY(!watcher.isReported());
    }
};

QTEST_GUILESS_MAIN(TestTrayWatcher)
#include "tst_traywatcher.moc"

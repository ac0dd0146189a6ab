#include "monitor/ReviewMonitor.h"
#include "notifications/FreedesktopNotificationCenter.h"
#include "notifications/NotificationManager.h"
#include "settings/AppSettings.h"
#include "shell/PopoverWindow.h"
#include "updates/UpdateState.h"
#include "views/PopoverContent.h"
#include "views/PopoverMetrics.h"

#include <QDBusConnection>
#include <QDir>
#include <QGuiApplication>
#include <QQuickItem>
#include <QQuickView>
#include <QTemporaryDir>
#include <QTest>

// The popover as a Wayland client, in a headless weston: it shows as a frameless tool window with
// its own title for window rules, its scene builds without a seat, and Escape closes it.
class TestWaylandPopover : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    AppSettings m_settings{m_dir.filePath(QStringLiteral("Norrid.conf"))};
    FreedesktopNotificationCenter m_center{QDBusConnection::sessionBus(), nullptr};
    NotificationManager m_notifier{m_settings, m_center};
    ReviewMonitor m_monitor{m_settings, m_notifier};
    UpdateState m_updateState;
    PopoverContent m_content{m_monitor, m_notifier, m_updateState, m_settings};
    PopoverWindow m_popover{m_content};

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(QGuiApplication::platformName().startsWith(QLatin1String("wayland")),
                 qPrintable(QGuiApplication::platformName()));
        m_monitor.start(); // nothing is configured: the setup view
    }

    void showsAndClosesOnEscape()
    {
        m_popover.show(QRect(1200, 770, 24, 24));
        auto *view = qobject_cast<QQuickView *>(m_popover.view());
        QVERIFY(view && QTest::qWaitForWindowExposed(view));
        QVERIFY(view->errors().isEmpty());
        QCOMPARE(view->title(), QStringLiteral("Norrid Cards"));
        QVERIFY(view->flags().testFlags(Qt::Tool | Qt::FramelessWindowHint));
        const int width = int(m_content.metrics().width());
        QCOMPARE(view->size(), QSize(width, 300));
        // Fixed, so that tiling compositors float it; and still fixed after the height changes.
        QCOMPARE(view->minimumSize(), view->maximumSize());
        m_popover.setHeight(420);
        QCOMPARE(view->minimumSize(), QSize(width, 420));
        QCOMPARE(view->maximumSize(), QSize(width, 420));
        QTRY_COMPARE(view->size(), QSize(width, 420));
        m_popover.setHeight(300);
        QVERIFY(view->rootObject()->findChild<QQuickItem *>(QStringLiteral("setupView"))->isVisible());
        QDir().mkpath(QStringLiteral(NORRID_WAYLAND_SHOTS_DIR));
        QVERIFY(view->grabWindow().save(QStringLiteral(NORRID_WAYLAND_SHOTS_DIR "/popover.png")));

        QTest::keyClick(view, Qt::Key_Escape);
        QTRY_VERIFY(!m_popover.isShown());
        m_popover.toggle({});
        QTRY_VERIFY(m_popover.isShown());
        m_popover.toggle({});
        QVERIFY(!m_popover.isShown());
    }
};

QTEST_MAIN(TestWaylandPopover)
#include "tst_waylandpopover.moc"

#include "X11Desktop.h"
#include "settings/Keychain.h"
#include "shell/StatusIconImage.h"
#include "support/FakeJiraDocuments.h"
#include "support/FakeJiraServer.h"
#include "support/FakeNotificationService.h"
#include "support/TestCertificateAuthority.h"
#include "views/PopoverMetrics.h"

#include <QDir>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using Issue = FakeJiraDocuments::Issue;
using X11Desktop::Window;

namespace {

const QString boardId = QStringLiteral("42");
constexpr int startTimeoutMs = 30000;

Issue card(int number, int minutesAgo)
{
    const QString updated = QDateTime::currentDateTimeUtc()
                                .addSecs(-60 * minutesAgo)
                                .toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss.zzz+0000"));
    return {QStringLiteral("NOR-%1").arg(number), QStringLiteral("End-to-end card %1").arg(number),
            QStringLiteral("Reviewer %1").arg(number), updated};
}

// The colour most pixels have: the panel behind the icon.
QRgb commonestColour(const QImage &image)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y) | 0xFF000000u];
    }
    return std::max_element(counts.cbegin(), counts.cend()).key();
}

qint64 distance(const QImage &a, const QImage &b)
{
    qint64 sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum +=
                std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum;
}

} // namespace

// Norrid as a user meets it on an X11 desktop: the real application (norrid_testapp) started as a
// process on a private Xvfb display with a real XEmbed tray (trayer), a real keyring holding its
// token, a notification server on the session bus and the fake Jira over TLS. Everything is looked
// at from outside: the window tree, the pixels on the screen and the D-Bus calls. The pictures are
// kept under NORRID_TRAY_E2E_SHOTS_DIR.
class TestTrayEndToEnd : public QObject
{
    Q_OBJECT

    FakeJiraServer m_jira;
    FakeNotificationService m_notifications;
    QTemporaryDir m_configHome;
    QProcess m_trayer;
    QProcess m_app;

    void serve(const QList<Issue> &cards)
    {
        m_jira.setResponse(FakeJiraDocuments::issuesPath(boardId),
                           FakeResponse::json(FakeJiraDocuments::issues(cards)));
    }

    qsizetype fetches() const { return m_jira.requests(FakeJiraDocuments::issuesPath(boardId)).size(); }

    static void stop(QProcess &process)
    {
        process.terminate();
        if (!process.waitForFinished(5000)) {
            process.kill();
            process.waitForFinished(5000);
        }
    }

    // trayer's panel, once it is up.
    static std::optional<Window> trayWindow(const QList<Window> &windows)
    {
        for (const Window &window : windows) {
            if (window.depth == 1 &&
                window.resClass.compare(QLatin1String("trayer"), Qt::CaseInsensitive) == 0 &&
                window.name == QLatin1String("panel"))
                return window;
        }
        return std::nullopt;
    }

    // Norrid's icon window, once the tray has embedded it.
    static std::optional<Window> iconWindow(const QList<Window> &windows)
    {
        const auto tray = trayWindow(windows);
        if (!tray)
            return std::nullopt;
        for (const Window &window : windows) {
            if (window.resClass == QLatin1String("Norrid") &&
                X11Desktop::isInside(windows, window, tray->id) && !window.geometry.isEmpty() &&
                window.geometry.width() <= 64)
                return window;
        }
        return std::nullopt;
    }

    static std::optional<Window> waitForIcon()
    {
        std::optional<Window> found;
        (void)QTest::qWaitFor([&] { return (found = iconWindow(X11Desktop::windows())).has_value(); },
                              startTimeoutMs);
        return found;
    }

    static QImage grab(quint32 window)
    {
        return QGuiApplication::primaryScreen()->grabWindow(window).toImage().convertToFormat(
            QImage::Format_RGB32);
    }

    // What the tray icon looks like with `count` cards, drawn the way the tray host paints it
    // onto the panel's colour.
    static QImage expectedIcon(int count, QSize size, QRgb panel)
    {
        StatusIconImage images;
        const QIcon icon =
            images.icon({QStringLiteral("checklist"), count, false, StatusIconImage::paletteForeground()});
        QImage image(size, QImage::Format_RGB32);
        image.fill(panel);
        QPainter painter(&image);
        icon.paint(&painter, QRect(QPoint(0, 0), size));
        return image;
    }

    // Which count, from 0 to 9, the icon on the screen shows: the one whose drawing is nearest.
    int countOnScreen(const Window &icon)
    {
        const QImage shot = grab(icon.id);
        if (shot.isNull() || shot.width() > 64)
            return -1;
        const QRgb panel = commonestColour(shot);
        QList<qint64> distances;
        for (int count = 0; count <= 9; ++count)
            distances.append(distance(shot, expectedIcon(count, shot.size(), panel)));
        return int(std::min_element(distances.cbegin(), distances.cend()) - distances.cbegin());
    }

    static void save(const QImage &image, const QString &name)
    {
        QDir().mkpath(QStringLiteral(NORRID_TRAY_E2E_SHOTS_DIR));
        image.save(QStringLiteral(NORRID_TRAY_E2E_SHOTS_DIR "/") + name + QStringLiteral(".png"));
    }

    // The popover's window while it is shown: titled "Norrid", 360 wide.
    static std::optional<Window> popoverWindow()
    {
        const QList<quint32> ids = X11Desktop::visibleWindowsNamed(QStringLiteral("^Norrid$"));
        for (const Window &window : X11Desktop::windows()) {
            if (ids.contains(window.id) && window.geometry.width() == int(PopoverMetrics::width))
                return window;
        }
        return std::nullopt;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "needs an X display (run it under xvfb-run)");
        QVERIFY2(QGuiApplication::platformName() == QLatin1String("xcb"),
                 "the test itself must be an X client");
        for (const char *tool : {"trayer", "xdotool", "xwininfo"})
            QVERIFY2(!QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty(),
                     qPrintable(QStringLiteral("%1 is not installed").arg(QString::fromLatin1(tool))));
        QVERIFY(QFile::exists(QStringLiteral(NORRID_TESTAPP)));

        QVERIFY2(m_jira.start(), qPrintable(m_jira.errorString()));
        serve({card(1, 90), card(2, 60), card(3, 30)});
        QVERIFY2(m_notifications.start(), "the fake notification server could not take its bus name");

        // The token goes where Norrid looks for it: the session's keyring, never a file or argv.
        const Keychain::Outcome saved =
            Keychain::save(QStringLiteral("e2e-secret-token"), QStringLiteral("jira-token"));
        QVERIFY2(saved.succeeded(), qPrintable(saved.problem));

        QVERIFY(m_configHome.isValid());
        {
            QSettings settings(m_configHome.filePath(QStringLiteral("norrid/Norrid.conf")),
                               QSettings::IniFormat);
            // Only the first poll and "Refresh Now" fetch during the test.
            const std::pair<const char *, QVariant> values[] = {
                {"siteURL", m_jira.siteURL()}, {"email", QStringLiteral("e2e@example.com")},
                {"boardId", boardId},          {"statusName", QStringLiteral("To review")},
                {"pollInterval", 3600},        {"notificationSound", QStringLiteral("None")}};
            for (const auto &[key, value] : values)
                settings.setValue(QString::fromLatin1(key), value);
            settings.sync();
            QCOMPARE(settings.status(), QSettings::NoError);
        }

        // A panel across the top of the screen, its tray at the right end.
        m_trayer.setProcessChannelMode(QProcess::ForwardedChannels);
        m_trayer.start(QStringLiteral("trayer"),
                       QStringLiteral("--edge top --align right --widthtype request --height 32 "
                                      "--SetDockType true --transparent false")
                           .split(u' '));
        QVERIFY2(m_trayer.waitForStarted(), qPrintable(m_trayer.errorString()));
        QTRY_VERIFY_WITH_TIMEOUT(trayWindow(X11Desktop::windows()).has_value(), startTimeoutMs);

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_configHome.path());
        env.insert(QStringLiteral("NORRID_TEST_CA_FILE"),
                   TestCertificateAuthority::shared().directory() + QStringLiteral("/ca.pem"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.remove(QStringLiteral("XDG_CURRENT_DESKTOP"));
        m_app.setProcessEnvironment(env);
        m_app.setProcessChannelMode(QProcess::ForwardedChannels);
        m_app.start(QStringLiteral(NORRID_TESTAPP), {});
        QVERIFY2(m_app.waitForStarted(), qPrintable(m_app.errorString()));
    }

    void cleanupTestCase()
    {
        stop(m_app);
        stop(m_trayer);
        Keychain::remove(QStringLiteral("jira-token"));
    }

    void trayShowsTheIconWithTheCount()
    {
        const std::optional<Window> icon = waitForIcon();
        QVERIFY(icon);
        QTRY_VERIFY_WITH_TIMEOUT(fetches() >= 1, startTimeoutMs);
        // The request reached the fake Jira authenticated with the keyring's token.
        QCOMPARE(m_jira.requests().constFirst().header("authorization"),
                 "Basic " + QByteArray("e2e@example.com:e2e-secret-token").toBase64());
        QTRY_COMPARE_WITH_TIMEOUT(countOnScreen(*icon), 3, startTimeoutMs);
        save(grab(trayWindow(X11Desktop::windows())->id), QStringLiteral("tray-3"));
    }

    void leftClickTogglesThePopover()
    {
        const std::optional<Window> icon = waitForIcon();
        QVERIFY(icon);
        QVERIFY(!popoverWindow());
        QVERIFY(X11Desktop::click(icon->geometry.center(), 1));
        std::optional<Window> popover;
        QTRY_VERIFY_WITH_TIMEOUT((popover = popoverWindow()).has_value(), startTimeoutMs);

        QCOMPARE(popover->geometry.size(), QSize(360, int(PopoverMetrics::height(3, false, false))));
        // Placed under the icon of the top panel, inside the screen.
        QVERIFY(QGuiApplication::primaryScreen()->geometry().contains(popover->geometry));
        QVERIFY(popover->geometry.top() >= icon->geometry.bottom());

        save(grab(popover->id), QStringLiteral("popover-3-cards"));

        // A second click, a moment later as a person would, closes it.
        QTest::qWait(1000);
        QVERIFY(X11Desktop::click(icon->geometry.center(), 1));
        QTRY_VERIFY_WITH_TIMEOUT(!popoverWindow().has_value(), startTimeoutMs);
    }

    void refreshNowFromTheMenuAnnouncesANewCard()
    {
        const std::optional<Window> icon = waitForIcon();
        QVERIFY(icon);
        serve({card(1, 90), card(2, 60), card(3, 30), card(4, 1)});
        const qsizetype before = fetches();
        QVERIFY(m_notifications.notifyCalls.isEmpty());

        // The context menu: "Show Cards", separator, "Refresh Now", ...
        QTest::qWait(1000);
        QVERIFY(X11Desktop::click(icon->geometry.center(), 3));
        QTest::qWait(1000); // let the menu open and take the keyboard
        for (const char *key : {"Down", "Down", "Return"})
            QVERIFY(X11Desktop::key(QString::fromLatin1(key)));
        QTRY_VERIFY_WITH_TIMEOUT(fetches() > before, startTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(!m_notifications.notifyCalls.isEmpty(), startTimeoutMs);
        QCOMPARE(m_notifications.notifyCalls.size(), 1);
        const FakeNotificationService::NotifyCall &call = m_notifications.notifyCalls.constFirst();
        QVERIFY2(call.body.contains(QStringLiteral("NOR-4")), qPrintable(call.body));
        QVERIFY(call.actions.contains(QStringLiteral("default")));
        QTRY_COMPARE_WITH_TIMEOUT(countOnScreen(*icon), 4, startTimeoutMs);
        save(grab(icon->id), QStringLiteral("tray-icon-4"));
    }
};

QTEST_MAIN(TestTrayEndToEnd)
#include "tst_traye2e.moc"

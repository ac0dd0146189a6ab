#include "NorridProcess.h"
#include "shell/StatusIconImage.h"
#include "shell/TrayIconAppearance.h"
#include "support/FakeJiraDocuments.h"
#include "support/FakeNotificationService.h"
#include "views/PopoverMetrics.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <span>

using namespace Qt::StringLiterals;

namespace {

const QString boardId = u"42"_s;

// The program under test: the build's test application, or the one NORRID_E2E_APP names, such as
// the norrid of an unpacked package.
QString application()
{
    const QString named = qEnvironmentVariable("NORRID_E2E_APP");
    return named.isEmpty() ? QStringLiteral(NORRID_TESTAPP) : named;
}
constexpr int startTimeoutMs = 30000;

// The cards NOR-1 to NOR-count, NOR-1 updated nine minutes ago and each next one a minute later.
FakeResponse cards(int count)
{
    QList<FakeJiraDocuments::Issue> cards;
    for (int i = 1; i <= count; ++i)
        cards.append({u"NOR-%1"_s.arg(i), u"End-to-end card %1"_s.arg(i), u"Reviewer %1"_s.arg(i),
                      QDateTime::currentDateTimeUtc()
                          .addSecs(60 * (i - 10))
                          .toString(u"yyyy-MM-ddTHH:mm:ss.zzz+0000"_s)});
    return FakeResponse::json(FakeJiraDocuments::issues(cards));
}

// A window of the X display, seen from outside the application through xdotool, which also sends
// real pointer and keyboard input via XTEST.
struct Window
{
    quint32 id = 0;
    QRect geometry; // in root coordinates
};

// Runs xdotool to its end (10 s at most); its standard output, or nothing when it failed.
std::optional<QString> xdotool(const QStringList &arguments)
{
    QProcess process;
    process.start(u"xdotool"_s, arguments);
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return std::nullopt;
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

// The windows `xdotool search` finds (options, then the pattern), with their geometry.
QList<Window> search(const QStringList &criteria)
{
    QList<Window> found;
    const QStringList ids =
        xdotool(QStringList{u"search"_s} + criteria).value_or(QString()).split(u'\n', Qt::SkipEmptyParts);
    for (const QString &id : ids) {
        QHash<QString, int> values; // X, Y, WIDTH and HEIGHT among others, a "NAME=value" line each
        const QString shell = xdotool({u"getwindowgeometry"_s, u"--shell"_s, id}).value_or(QString());
        for (const QString &line : shell.split(u'\n'))
            values.insert(line.section(u'=', 0, 0), line.section(u'=', 1).toInt());
        found.append({id.toUInt(), QRect(values.value(u"X"_s), values.value(u"Y"_s), values.value(u"WIDTH"_s),
                                         values.value(u"HEIGHT"_s))});
    }
    return found;
}

// Moves the pointer to `at` (root coordinates) and clicks the button there.
bool click(const QPoint &at, int button)
{
    return xdotool({u"mousemove"_s, QString::number(at.x()), QString::number(at.y()), u"click"_s,
                    QString::number(button)})
        .has_value();
}

QImage grab(quint32 window)
{
    return QGuiApplication::primaryScreen()->grabWindow(window).toImage().convertToFormat(
        QImage::Format_RGB32);
}

void save(const QImage &image, const QString &name)
{
    QDir().mkpath(QStringLiteral(NORRID_TRAY_E2E_SHOTS_DIR));
    image.save(QStringLiteral(NORRID_TRAY_E2E_SHOTS_DIR "/") + name + u".png"_s);
}

// The pixels of an image of Format_RGB32 no wider than 64 pixels, whose lines have no padding.
std::span<const QRgb> pixels(const QImage &image)
{
    return {reinterpret_cast<const QRgb *>(image.constBits()), size_t(image.width() * image.height())};
}

// Which count, from 0 to 9, the icon on the screen shows: the one whose drawing, painted the way the
// tray host paints it onto the panel's colour (the commonest one in the shot), is nearest.
int countOnScreen(const Window &icon)
{
    const QImage shot = grab(icon.id);
    if (shot.isNull() || shot.width() > 64)
        return -1;
    QHash<QRgb, int> colours;
    for (const QRgb pixel : pixels(shot))
        ++colours[pixel];
    StatusIconImage images;
    QList<qint64> distances;
    for (int count = 0; count <= 9; ++count) {
        QImage expected(shot.size(), QImage::Format_RGB32);
        expected.fill(std::max_element(colours.cbegin(), colours.cend()).key());
        QPainter painter(&expected);
        const auto look = TrayIconAppearance::colours(TrayIconAppearance::Mode::automatic,
                                                      StatusIconImage::paletteForeground());
        images.icon({u"checklist"_s, count, false, look.glyph, look.outline})
            .paint(&painter, expected.rect());
        painter.end();
        qint64 distance = 0;
        for (size_t i = 0; i < pixels(shot).size(); ++i)
            distance += std::abs(qGray(pixels(shot)[i]) - qGray(pixels(expected)[i]));
        distances.append(distance);
    }
    return int(std::min_element(distances.cbegin(), distances.cend()) - distances.cbegin());
}

// trayer's panel, once it is up.
std::optional<Window> trayWindow()
{
    const QList<Window> panels = search({u"--name"_s, u"^panel$"_s});
    return panels.isEmpty() ? std::nullopt : std::optional(panels.first());
}

// Norrid's icon window, once the tray has embedded it: a window of Norrid's inside the panel.
std::optional<Window> iconWindow()
{
    const auto tray = trayWindow();
    for (const Window &window : tray ? search({u"--class"_s, u"^Norrid$"_s}) : QList<Window>()) {
        if (!window.geometry.isEmpty() && tray->geometry.contains(window.geometry))
            return window;
    }
    return std::nullopt;
}

// The popover's window while it is shown: titled "Norrid Cards", 360 wide.
std::optional<Window> popoverWindow()
{
    for (const Window &window : search({u"--onlyvisible"_s, u"--name"_s, u"^Norrid Cards$"_s})) {
        if (window.geometry.width() == int(PopoverMetrics().width()))
            return window;
    }
    return std::nullopt;
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
    QTemporaryDir m_certificates;
    QProcess m_trayer;
    QTemporaryDir m_browser; // an xdg-open that writes down the links Norrid opens
    NorridProcess m_norrid;
    QProcess &m_app = m_norrid.process;
    std::optional<Window> m_icon;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(QGuiApplication::platformName() == QLatin1String("xcb"), "needs an X display (xvfb-run)");
        for (const char *tool : {"trayer", "xdotool"})
            QVERIFY2(!QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty(), tool);
        QVERIFY2(m_jira.start(), qPrintable(m_jira.errorString()));
        m_jira.setResponse(FakeJiraDocuments::issuesPath(boardId), cards(3));
        QVERIFY2(m_notifications.start(), "the fake notification server could not take its bus name");

        QVERIFY(
            m_norrid.prepare(m_jira, boardId, u"e2e@example.com"_s, u"To review"_s, u"e2e-secret-token"_s));
        QFile opener(m_browser.filePath(u"xdg-open"_s));
        QVERIFY(opener.open(QIODevice::WriteOnly) &&
                opener.write("#!/bin/sh\necho \"$1\" >> \"$0.links\"\n") > 0);
        opener.close();
        QVERIFY(opener.setPermissions(opener.permissions() | QFile::ExeOwner));
        QProcessEnvironment env = m_app.processEnvironment();
        env.insert(u"PATH"_s, m_browser.path() + u':' + env.value(u"PATH"_s));
        m_app.setProcessEnvironment(env);

        // A panel across the top of the screen, its tray at the right end.
        m_trayer.setProcessChannelMode(QProcess::ForwardedChannels);
        m_trayer.start(u"trayer"_s, QStringLiteral("--edge top --align right --widthtype request --height 32 "
                                                   "--SetDockType true --transparent false")
                                        .split(u' '));
        QTRY_VERIFY_WITH_TIMEOUT(trayWindow().has_value(), startTimeoutMs);

        if (qEnvironmentVariableIsSet("NORRID_E2E_APP")) {
            // A shipped Norrid trusts only the system's authorities. It runs in a mount namespace of its
            // own where the system's certificate folder holds the test authority alone; the machine's
            // trust store stays untouched.
            QVERIFY(m_certificates.isValid() &&
                    QFile::copy(NorridProcess::caFile(), m_certificates.filePath(u"ca.pem"_s)));
            QVERIFY(QProcess::execute(u"openssl"_s, {u"rehash"_s, m_certificates.path()}) == 0);
            m_app.start(u"unshare"_s, {u"--user"_s, u"--map-current-user"_s, u"--mount"_s, u"sh"_s, u"-c"_s,
                                       u"mount --bind \"$0\" /etc/ssl/certs && exec \"$1\""_s,
                                       m_certificates.path(), application()});
        } else {
            m_app.start(application(), {});
        }
        QVERIFY2(m_app.waitForStarted(), qPrintable(m_app.errorString()));
    }

    void cleanupTestCase()
    {
        m_norrid.stop();
        m_trayer.terminate();
        if (!m_trayer.waitForFinished(5000))
            m_trayer.kill();
    }

    void trayShowsTheIconWithTheCount()
    {
        QTRY_VERIFY_WITH_TIMEOUT((m_icon = iconWindow()).has_value(), startTimeoutMs);
        QTRY_VERIFY_WITH_TIMEOUT(!m_jira.requests().isEmpty(), startTimeoutMs);
        // The request reached the fake Jira authenticated with the keyring's token.
        QCOMPARE(m_jira.requests().constFirst().header("authorization"),
                 "Basic " + QByteArray("e2e@example.com:e2e-secret-token").toBase64());
        QTRY_COMPARE_WITH_TIMEOUT(countOnScreen(*m_icon), 3, startTimeoutMs);
        save(grab(trayWindow()->id), u"tray-3"_s);
    }

    void leftClickTogglesThePopover()
    {
        QVERIFY(m_icon && !popoverWindow());
        QVERIFY(click(m_icon->geometry.center(), 1));
        std::optional<Window> popover;
        QTRY_VERIFY_WITH_TIMEOUT((popover = popoverWindow()).has_value(), startTimeoutMs);
        // The host sized it for three cards and placed it under the icon of the top panel.
        QCOMPARE(popover->geometry.size(),
                 QSize(int(PopoverMetrics().width()), int(PopoverMetrics().height(3, false, false))));
        QVERIFY(QGuiApplication::primaryScreen()->geometry().contains(popover->geometry));
        QVERIFY(popover->geometry.top() >= m_icon->geometry.bottom());
        save(grab(popover->id), u"popover-3-cards"_s);
        // An unpacked package takes its window module from its own tree, never from the build tree.
        if (qEnvironmentVariableIsSet("NORRID_E2E_APP")) {
            QFile maps(u"/proc/%1/maps"_s.arg(m_app.processId()));
            QVERIFY(maps.open(QIODevice::ReadOnly));
            const QString mapped = QString::fromLocal8Bit(maps.readAll());
            const QString root = QFileInfo(application()).canonicalPath().section(u'/', 0, -3);
            const qsizetype at = mapped.indexOf(u"/libnorrid_quickscene.so"_s);
            QVERIFY2(at > 0, "the window module is not loaded");
            const QString module = mapped.left(at).section(u' ', -1);
            QVERIFY2(module.startsWith(root + u'/'), qPrintable(module));
        }

        // A second click, a moment later as a person would, closes it.
        QTest::qWait(1000);
        QVERIFY(click(m_icon->geometry.center(), 1));
        QTRY_VERIFY_WITH_TIMEOUT(!popoverWindow().has_value(), startTimeoutMs);
    }

    // Opened by a click, the popover has the keyboard on its first card; Down, End and Home move it,
    // Return opens the card in the browser, Escape closes the popover.
    void keyboardWalksTheCards()
    {
        QVERIFY(m_icon && !popoverWindow());
        QTest::qWait(1000);
        QVERIFY(click(m_icon->geometry.center(), 1));
        std::optional<Window> popover;
        QTRY_VERIFY_WITH_TIMEOUT((popover = popoverWindow()).has_value(), startTimeoutMs);
        QTest::qWait(500); // the window takes the input focus
        const auto opened = [this] {
            QFile links(m_browser.filePath(u"xdg-open.links"_s));
            return links.open(QIODevice::ReadOnly)
                       ? QString::fromUtf8(links.readAll()).split(u'\n', Qt::SkipEmptyParts)
                       : QStringList();
        };
        QStringList expected;
        const QString browse = m_jira.siteURL() + u"/browse/NOR-%1"_s;
        // The newest card comes first: NOR-3, NOR-2, NOR-1.
        for (const auto &[keys, card] : {std::pair{QStringList{}, 3},
                                         {{u"Down"_s}, 2},
                                         {{u"End"_s}, 1},
                                         {{u"Home"_s}, 3},
                                         {{u"End"_s, u"Up"_s}, 2}}) {
            QVERIFY(xdotool(QStringList{u"key"_s, u"--delay"_s, u"100"_s} + keys + QStringList{u"Return"_s}));
            expected.append(browse.arg(card));
            QTRY_COMPARE_WITH_TIMEOUT(opened(), expected, startTimeoutMs);
        }
        save(grab(popover->id), u"popover-keyboard-focus"_s);
        QVERIFY(xdotool({u"key"_s, u"Escape"_s}));
        QTRY_VERIFY_WITH_TIMEOUT(!popoverWindow().has_value(), startTimeoutMs);
    }

    void refreshNowFromTheMenuAnnouncesANewCard()
    {
        QVERIFY(m_icon && m_notifications.notifyCalls.isEmpty());
        m_jira.setResponse(FakeJiraDocuments::issuesPath(boardId), cards(4));
        // The context menu: "Show Cards", separator, "Refresh Now", ...
        QTest::qWait(1000);
        QVERIFY(click(m_icon->geometry.center(), 3));
        QTest::qWait(1000); // let the menu open and take the keyboard
        QVERIFY(xdotool({u"key"_s, u"Down"_s, u"Down"_s, u"Return"_s}).has_value());
        QTRY_VERIFY_WITH_TIMEOUT(!m_notifications.notifyCalls.isEmpty(), startTimeoutMs);
        QCOMPARE(m_notifications.notifyCalls.size(), 1);
        const FakeNotificationService::NotifyCall &call = m_notifications.notifyCalls.constFirst();
        QVERIFY2(call.body.contains(u"NOR-4"_s), qPrintable(call.body));
        QTRY_COMPARE_WITH_TIMEOUT(countOnScreen(*m_icon), 4, startTimeoutMs);
        save(grab(m_icon->id), u"tray-icon-4"_s);
    }
};

QTEST_MAIN(TestTrayEndToEnd)
#include "tst_traye2e.moc"

#include "shell/UpdateWindowController.h"
#include "support/FakeJiraServer.h"
#include "support/QuickItems.h"
#include "support/TestDebianPackage.h"
#include "support/TestSigningKey.h"
#include "updates/FeedUpdater.h"
#include "updates/GentleUpdateReminder.h"
#include "updates/UpdateInstaller.h"
#include "updates/UpdateSession.h"
#include "updates/UpdateState.h"

#include <QNetworkAccessManager>
#include <QQuickItem>
#include <QQuickView>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using namespace std::chrono_literals;
using State = UpdateSession::State;

namespace {

const QString feedPath = u"/appcast.xml"_s;

// Notes as publishers write them: formatting, a tracking picture, a script, an inline style, links
// that may and may not be opened, and character references.
const QByteArray notesHTML = R"html(<h2>What&rsquo;s new</h2>
<p style="color:red">Faster <b>board</b> refresh &amp; <em>quieter</em> notifications.</p>
<img src="https://tracker.example/pixel.gif" width="1" height="1">
<script>document.location = "https://evil.example/";</script>
<ul><li>Fixed &lt;crash&gt; on wake</li><li><a href="https://norrid.example/issues/12">Issue 12</a></li>
<li><a href="javascript:alert(1)">Not a link</a></li></ul>)html";

// A feed with one release, 1.1 (build 101), and the notes above.
FakeResponse feed()
{
    FakeResponse response = FakeResponse::json(
        "<?xml version=\"1.0\"?>\n<rss version=\"2.0\" "
        "xmlns:sparkle=\"http://www.andymatuschak.org/xml-namespaces/sparkle\"><channel><item>"
        "<title>Norrid 1.1</title><sparkle:version>101</sparkle:version>"
        "<sparkle:shortVersionString>1.1</sparkle:shortVersionString>"
        "<enclosure url=\"https://dl.example/norrid-1.1.tar.gz\" length=\"10\"/>"
        "<sparkle:releaseNotesLink>https://norrid.example/notes/1.1.html</sparkle:releaseNotesLink>"
        "<description><![CDATA[" +
        notesHTML + "]]></description></item></channel></rss>");
    response.contentType = "application/rss+xml";
    return response;
}

} // namespace

// The "Software Update" window as the user meets it: the real QML on the offscreen platform over a
// feed updater (running build 100, "1.0") that reads a feed from a fake HTTPS server, with the
// application's gentle reminder keeping the update state. Links the window opens are recorded
// instead of reaching a browser. The window with an update is saved under NORRID_UPDATE_SHOTS_DIR.
class TestUpdateWindow : public QObject
{
    Q_OBJECT

    // What a test works with, built fresh for each test and torn down in reverse order.
    struct Rig
    {
        explicit Rig(const QUrl &feedURL, const QByteArray &publicKey = {})
            : updater({.feedURL = feedURL,
                       .runningVersion = u"100"_s,
                       .runningDisplayVersion = u"1.0"_s,
                       .launchDelay = 1h,
                       .publicKey = publicKey,
                       .downloadDirectory = dir.filePath(u"updates"_s)},
                      network,
                      std::make_unique<QSettings>(dir.filePath(u"norrid.ini"_s), QSettings::IniFormat))
        {
            updater.setDelegate(&reminder);
            updater.session()->openURL = [this](const QUrl &url) {
                opened.append(url);
                return true;
            };
            if (auto *installer = updater.findChild<UpdateInstaller *>()) {
                installer->handoff().setOpener([this](const QUrl &url) {
                    opened.append(url);
                    return true;
                });
                installer->handoff().setHandlerQuery([](const QString &) { return u"gdebi.desktop"_s; });
            }
        }
        QTemporaryDir dir;
        QNetworkAccessManager network;
        UpdateState state;
        GentleUpdateReminder reminder{state, [](const QString &) {}, [] {}};
        FeedUpdater updater;
        UpdateWindowController controller{updater};
        QList<QUrl> opened;
    };

    FakeJiraServer m_server;
    std::unique_ptr<Rig> m_rig;

    UpdateSession &session() { return *m_rig->updater.session(); }
    QQuickView *view() { return qobject_cast<QQuickView *>(m_rig->controller.window()); }

    QQuickItem *item(const char *name) { return QuickItems::find(view(), name); }
    void click(const char *name) { QuickItems::click(view(), item(name)); }

    // The user's check, up to the window on screen in the state the feed leads to.
    void checkAndWaitFor(State state)
    {
        m_rig->updater.checkForUpdates();
        QTRY_COMPARE(session().state(), state);
        QVERIFY(view());
        QVERIFY(QTest::qWaitForWindowExposed(view()));
        QVERIFY(view()->errors().isEmpty());
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY2(m_server.start(), qPrintable(m_server.errorString())); }

    void init()
    {
        // Any complaint of the QML engine about the window's files is a failure.
        QTest::failOnWarning(QRegularExpression(u"qrc:/qt/qml/"_s));
        m_server.reset();
        m_server.setResponse(feedPath, feed());
        m_rig = std::make_unique<Rig>(m_server.url(feedPath));
    }

    void cleanup() { m_rig.reset(); }

    void updateShowsItsNotesWithNothingThatLoads()
    {
        checkAndWaitFor(State::updateAvailable);
        QQuickItem *notes = item("releaseNotesText");
        QVERIFY(notes->isVisible());
        // Text.StyledText (4): rich text or Markdown would fetch pictures from anywhere.
        QCOMPARE(notes->property("textFormat").toInt(), 4);
        const QString shown = notes->property("text").toString();
        for (const char *loadsOrRuns :
             {"img", "pixel.gif", "script", "document.location", "style", "javascript"})
            QVERIFY2(!shown.contains(QLatin1String(loadsOrRuns), Qt::CaseInsensitive), loadsOrRuns);
        for (const char *kept : {"What’s new", "<b>board</b>", "&amp;", "<i>quieter</i>", "&lt;crash&gt;",
                                 "<a href=\"https://norrid.example/issues/12\">Issue 12</a>", "Not a link"})
            QVERIFY2(shown.contains(QString::fromUtf8(kept)), kept);
        QuickItems::shoot(view(), QStringLiteral(NORRID_UPDATE_SHOTS_DIR), u"update-available"_s);

        // The link under the notes and https links inside them open in the browser; the session goes
        // on. Any other link stays shut.
        click("releaseNotesLink");
        for (const char *link : {"https://norrid.example/issues/12", "javascript:alert(1)",
                                 "http://norrid.example/issues/12", "file:///etc/passwd"})
            m_rig->controller.openLink(QString::fromLatin1(link));
        QCOMPARE(m_rig->opened, QList<QUrl>({QUrl(u"https://norrid.example/notes/1.1.html"_s),
                                             QUrl(u"https://norrid.example/issues/12"_s)}));
        QVERIFY(m_rig->controller.isShown());
    }

    // Whatever the user answers, the session ends, the window goes, and the dot and banner of an
    // update found in the background go with them.
    void everyAnswerEndsTheSession_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("skipped");
        QTest::addColumn<QList<QUrl>>("opened");
        const QList<QUrl> download{QUrl(u"https://dl.example/norrid-1.1.tar.gz"_s)};
        QTest::newRow("download") << u"downloadButton"_s << QString() << download;
        QTest::newRow("return") << u"return"_s << QString() << download;
        QTest::newRow("skip") << u"skipButton"_s << u"101"_s << QList<QUrl>();
        QTest::newRow("remind") << u"remindButton"_s << QString() << QList<QUrl>();
        QTest::newRow("escape") << u"escape"_s << QString() << QList<QUrl>();
        QTest::newRow("close button") << u"close"_s << QString() << QList<QUrl>();
    }

    void everyAnswerEndsTheSession()
    {
        QFETCH(QString, answer);
        QFETCH(QString, skipped);
        QFETCH(QList<QUrl>, opened);
        m_rig->updater.checkForUpdatesInBackground();
        QTRY_COMPARE(m_rig->state.availableVersionText(), u"1.1"_s);
        checkAndWaitFor(State::updateAvailable);

        if (answer == u"return")
            QTest::keyClick(view(), Qt::Key_Return);
        else if (answer == u"escape")
            QTest::keyClick(view(), Qt::Key_Escape);
        else if (answer == u"close")
            QVERIFY(view()->close());
        else
            click(answer.toLatin1().constData());

        QCOMPARE(session().state(), State::idle);
        QVERIFY(!m_rig->controller.isShown());
        QVERIFY(!m_rig->state.availableVersion());
        QCOMPARE(m_rig->updater.skippedVersion(), skipped);
        QCOMPARE(m_rig->opened, opened);
    }

    // With a public key built in, the window installs: the download's progress shows in the window,
    // and the checked file goes to the installer once.
    void installShowsProgress()
    {
        TestSigningKey key;
        const QByteArray package = TestDebianPackage::build(u"1.1-101"_s, 512 * 1024);
        QVERIFY(!package.isEmpty());
        FakeResponse download = FakeResponse::json(package).dripped(20, 100ms);
        download.contentType = "application/vnd.debian.binary-package";
        m_server.setResponse(u"/norrid_1.1_amd64.deb"_s, download);
        FakeResponse signedFeed = feed();
        signedFeed.body.replace("https://dl.example/norrid-1.1.tar.gz\" length=\"10\"",
                                m_server.url(u"/norrid_1.1_amd64.deb"_s).toEncoded() + "\" length=\"" +
                                    QByteArray::number(package.size()) + "\" sparkle:edSignature=\"" +
                                    key.sign(package).toLatin1() + '"');
        m_server.setResponse(feedPath, signedFeed);
        m_rig = std::make_unique<Rig>(m_server.url(feedPath), key.publicKeyBase64());

        checkAndWaitFor(State::updateAvailable);
        QCOMPARE(item("downloadButton")->property("text").toString(), u"Install Update"_s);
        click("downloadButton");
        QCOMPARE(session().state(), State::downloading);
        QVERIFY(item("cancelButton")->isVisible());
        QTRY_VERIFY(item("downloadProgress")->property("value").toDouble() > 0);
        QVERIFY(item("downloadProgress")->property("value").toDouble() < 1);
        QVERIFY(item("progressText")
                    ->property("text")
                    .toString()
                    .endsWith(u" of %1 MB"_s.arg(double(package.size()) / 1e6, 0, 'f', 2)));
        QuickItems::shoot(view(), QStringLiteral(NORRID_UPDATE_SHOTS_DIR), u"downloading"_s);
        QTRY_COMPARE_WITH_TIMEOUT(session().state(), State::installing, 20000);
        QCOMPARE(m_rig->opened.size(), 1);
        QVERIFY(m_rig->opened.first().toLocalFile().endsWith(u"/updates/norrid_1.1_amd64.deb"_s));
        QCOMPARE(item("title")->property("text").toString(), u"Ready to Install"_s);
        // The window says who has the file and where it is kept, and can show it.
        const QString message = item("message")->property("text").toString();
        QVERIFY2(message.contains(u", and gdebi has opened it"_s) &&
                     message.endsWith(u"kept as "_s + m_rig->opened.first().toLocalFile() + u'.'),
                 qPrintable(message));
        QVERIFY(item("showInFolderButton")->isVisible());
        QuickItems::shoot(view(), QStringLiteral(NORRID_UPDATE_SHOTS_DIR), u"installing"_s);
        click("okButton");
        QVERIFY(!m_rig->controller.isShown());
    }

    // Feed descriptions that are not HTML, or are broken HTML, still read as text, and nothing in
    // them loads or runs.
    void releaseNotesAsStyledText()
    {
        const std::pair<const char *, const char *> cases[] = {
            // Plain text keeps its lines.
            {"Faster refresh.\nFewer <3 bugs & more.", "Faster refresh.<br>Fewer &lt;3 bugs &amp; more."},
            {"<p>Hi</p><img src=\"https://t.example/x.gif\"", "<p>Hi</p>"},
            {"<b>Hi</b><script>alert(1)", "<b>Hi</b>"},
            {"A<!-- <img src=https://t.example/x.gif> -->B", "AB"},
            {"<a title=\"a>b\" href='https://n.example/?a=1&amp;b=2'>x</a>",
             "<a href=\"https://n.example/?a=1&b=2\">x</a>"},
            {"<P>One<BR/>Two</P><IMG SRC=\"https://t.example/x\">", "<p>One<br>Two</p>"},
            {"<a href=\"http://n.example/\">x</a>", "x"}};
        for (const auto &[description, styled] : cases)
            QCOMPARE(UpdateWindowController::styledReleaseNotes(QString::fromUtf8(description)),
                     QString::fromUtf8(styled));
    }
};

QTEST_MAIN(TestUpdateWindow)
#include "tst_updatewindow.moc"

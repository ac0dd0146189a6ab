// A build with a public key installs updates: from the user's "Install" to the file handed to the
// desktop's installer, against a feed and a download on a fake HTTPS server, signed during the run
// with a key made for it. The desktop's opener is replaced by a recorder.
#include "support/FakeJiraServer.h"
#include "support/TestDebianPackage.h"
#include "support/TestSigningKey.h"
#include "updates/FeedUpdater.h"
#include "updates/UpdateInstaller.h"
#include "updates/UpdateSession.h"

#include <QDir>
#include <QFile>
#include <QNetworkAccessManager>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace std::chrono_literals;
using namespace Qt::StringLiterals;
using State = UpdateSession::State;

namespace {

const QString feedPath = u"/appcast.xml"_s;
const QString filePath = u"/download/norrid_1.1_amd64.deb"_s;

// The feed's one item: build 101, shown as `display`.
FakeResponse feed(const QUrl &download, qint64 length, const QString &signature,
                  const QByteArray &display = "1.1")
{
    QByteArray xml = "<?xml version=\"1.0\"?>\n<rss version=\"2.0\" "
                     "xmlns:sparkle=\"http://www.andymatuschak.org/xml-namespaces/sparkle\"><channel><item>"
                     "<title>Norrid " +
                     display +
                     "</title><sparkle:version>101</sparkle:version>"
                     "<sparkle:shortVersionString>" +
                     display + "</sparkle:shortVersionString><enclosure url=\"" + download.toEncoded() +
                     "\" length=\"" + QByteArray::number(length) +
                     "\" type=\"application/vnd.debian.binary-package\"";
    if (!signature.isNull())
        xml += " sparkle:edSignature=\"" + signature.toLatin1() + "\"";
    FakeResponse response = FakeResponse::json(xml + "/></item></channel></rss>");
    response.contentType = "application/rss+xml";
    return response;
}

FakeResponse file(const QByteArray &bytes)
{
    FakeResponse response = FakeResponse::json(bytes);
    response.contentType = "application/vnd.debian.binary-package";
    return response;
}

} // namespace

class UpdateInstallTest : public QObject
{
    Q_OBJECT

    FakeJiraServer m_server;
    FakeJiraServer m_plainServer{FakeJiraServer::Transport::plain};
    QNetworkAccessManager m_network;
    TestSigningKey m_key;
    TestSigningKey m_otherKey;
    QByteArray m_package; // 1.1-101, as the feed announces
    QByteArray m_olderPackage;
    QByteArray m_otherPackage;

    // A build 100 ("1.0") with the test key, reading the feed of m_server, downloading into `downloads`.
    std::unique_ptr<FeedUpdater> makeUpdater(const QTemporaryDir &dir, const QString &downloads)
    {
        return std::make_unique<FeedUpdater>(
            FeedUpdater::Options{.feedURL = m_server.url(feedPath),
                                 .runningVersion = u"100"_s,
                                 .runningDisplayVersion = u"1.0"_s,
                                 .launchDelay = 1h,
                                 .publicKey = m_key.publicKeyBase64(),
                                 .downloadDirectory = downloads},
            m_network, std::make_unique<QSettings>(dir.filePath(u"norrid.ini"_s), QSettings::IniFormat));
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_key.isValid() && m_otherKey.isValid());
        QVERIFY2(m_server.start(), qPrintable(m_server.errorString()));
        QVERIFY2(m_plainServer.start(), qPrintable(m_plainServer.errorString()));
        m_package = TestDebianPackage::build(u"1.1-101"_s);
        m_olderPackage = TestDebianPackage::build(u"0.9-101"_s);
        m_otherPackage = TestDebianPackage::build(u"1.2-102"_s);
        QVERIFY(!m_package.isEmpty() && !m_olderPackage.isEmpty() && !m_otherPackage.isEmpty());
    }

    void init()
    {
        m_server.reset();
        m_plainServer.reset();
    }

    void install_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("message"); // empty: the installer gets the file
        QTest::newRow("good") << QString() << QString();
        QTest::newRow("tampered") << u"tampered"_s << u"does not carry the signature of Norrid's publisher"_s;
        QTest::newRow("another key") << u"other key"_s
                                     << u"does not carry the signature of Norrid's publisher"_s;
        QTest::newRow("damaged signature") << u"bad base64"_s << u"signature for this download is damaged"_s;
        QTest::newRow("no signature") << u"unsigned"_s << u"gives no signature for this download"_s;
        QTest::newRow("cut off") << u"cut off"_s << u"The download broke off"_s;
        QTest::newRow("shorter than announced")
            << u"short"_s << u"size differs from what the update feed announced"_s;
        QTest::newRow("longer than announced")
            << u"long"_s << u"size differs from what the update feed announced"_s;
        QTest::newRow("redirect to http") << u"http"_s << u"which is not a secure https link"_s;
        QTest::newRow("redirect to ftp") << u"ftp"_s << u"which is not a secure https link"_s;
        QTest::newRow("not found") << u"404"_s << u"answered with HTTP 404"_s;
        // Signed, but an older version than the running one (its build number grew), or another
        // version than the feed announced.
        QTest::newRow("older package") << u"older"_s
                                       << u"The package holds version 0.9-101, which is not newer than this "
                                          u"Norrid (1.0-100): installing it would take Norrid back."_s;
        // The hand-over is seen: no application for .deb files, or one that does not open it, keeps the
        // checked file and says where.
        QTest::newRow("no installer")
            << u"no handler"_s
            << u"Your desktop has no application that installs Debian packages. The "
               u"checked update is kept as "_s;
        QTest::newRow("installer fails")
            << u"opener fails"_s << u"Your software installer (gdebi) did not open the update."_s;
        QTest::newRow("another version")
            << u"other"_s
            << u"The package holds version 1.2-102, not the 1.1-101 that the update feed announced."_s;
    }

    // Only a complete file with the publisher's signature reaches the installer, exactly once; every
    // other download is deleted, nothing is handed over, and the window says why.
    void install()
    {
        QFETCH(QString, fault);
        QFETCH(QString, message);
        QTemporaryDir dir;
        const QString downloads = dir.filePath(u"cache/norrid/updates"_s);

        const QByteArray &package = fault == u"older"   ? m_olderPackage
                                    : fault == u"other" ? m_otherPackage
                                                        : m_package;
        QByteArray served = package;
        QString signature = (fault == u"other key" ? m_otherKey : m_key).sign(package);
        qint64 announced = package.size();
        if (fault == u"tampered")
            served[served.size() / 2] = char(served[served.size() / 2] ^ 0x20);
        else if (fault == u"bad base64")
            signature = u"not*base64"_s;
        else if (fault == u"unsigned")
            signature = QString();
        else if (fault == u"short")
            served.chop(1000);
        else if (fault == u"long")
            announced -= 1000;
        FakeResponse download = file(served);
        if (fault == u"cut off")
            download.cutOff();
        else if (fault == u"http")
            download = FakeResponse::redirect(m_plainServer.url(filePath));
        else if (fault == u"ftp")
            download = FakeResponse::redirect(QUrl(u"ftp://127.0.0.1/norrid_1.1_amd64.deb"_s));
        else if (fault == u"404")
            download = FakeResponse::noBody(404);
        m_server.setResponse(u"/latest.deb"_s, download);
        m_server.setResponse(filePath, FakeResponse::redirect(m_server.url(u"/latest.deb"_s), 301));
        m_plainServer.setResponse(filePath, file(m_package));
        const QByteArray display = fault == u"older" ? "0.9" : "1.1";
        m_server.setResponse(feedPath, feed(m_server.url(filePath), announced, signature, display));

        const auto updater = makeUpdater(dir, downloads);
        UpdateSession &session = *updater->session();
        QList<QByteArray> handedOver;
        auto *installer = updater->findChild<UpdateInstaller *>();
        QVERIFY(installer && session.installs());
        installer->handoff().setOpener([&handedOver, fault](const QUrl &url) {
            QFile handed(url.toLocalFile());
            handedOver.append(handed.open(QIODevice::ReadOnly) ? handed.readAll() : QByteArray());
            return fault != u"opener fails";
        });
        installer->handoff().setHandlerQuery([fault](const QString &mimeType) {
            return fault == u"no handler" || mimeType != u"application/vnd.debian.binary-package"
                       ? QString()
                       : u"gdebi.desktop"_s;
        });
        QSignalSpy progress(&session, &UpdateSession::progressChanged);

        updater->checkForUpdates();
        QTRY_COMPARE(session.state(), State::updateAvailable);
        session.download();
        QTRY_VERIFY_WITH_TIMEOUT(session.state() != State::downloading, 20000);
        QCOMPARE(m_plainServer.requests().size(), 0);
        const QStringList left = QDir(downloads).entryList(QDir::Files);
        if (message.isEmpty()) {
            QCOMPARE(session.state(), State::installing);
            QCOMPARE(handedOver, QList<QByteArray>{m_package});
            QCOMPARE(left, QStringList{u"norrid_1.1_amd64.deb"_s});
            QCOMPARE(session.bytesReceived(), m_package.size());
            QVERIFY(progress.count() >= 2);
        } else {
            QCOMPARE(session.state(), State::error);
            QVERIFY2(session.errorText().startsWith(
                         u"Norrid %1 was not installed. "_s.arg(QLatin1String(display))) &&
                         session.errorText().contains(message),
                     qPrintable(session.errorText()));
            const bool kept = fault == u"no handler" || fault == u"opener fails";
            QCOMPARE(handedOver.size(), fault == u"opener fails" ? 1 : 0);
            QCOMPARE(left, kept ? QStringList{u"norrid_1.1_amd64.deb"_s} : QStringList());
            QCOMPARE(session.keptFile().isEmpty(), !kept);
        }
        QCOMPARE(m_server.requests(filePath).size(), fault == u"unsigned" ? 0 : 1);
    }

    // Cancel (or closing the window) while the download is on its way stops it and leaves nothing.
    void cancelStopsTheDownload()
    {
        QTemporaryDir dir;
        const QString downloads = dir.filePath(u"updates"_s);
        m_server.setResponse(filePath, file(m_package).dripped(50, 100ms));
        m_server.setResponse(feedPath, feed(m_server.url(filePath), m_package.size(), m_key.sign(m_package)));
        const auto updater = makeUpdater(dir, downloads);
        int handedOver = 0;
        updater->findChild<UpdateInstaller *>()->handoff().setOpener([&handedOver](const QUrl &) {
            ++handedOver;
            return true;
        });
        UpdateSession &session = *updater->session();
        updater->checkForUpdates();
        QTRY_COMPARE(session.state(), State::updateAvailable);
        session.download();
        QTRY_VERIFY(session.bytesReceived() > 0);
        session.close();
        QCOMPARE(session.state(), State::idle);
        QCOMPARE(QDir(downloads).entryList(QDir::Files), QStringList());
        QTest::qWait(300);
        QCOMPARE(handedOver, 0);
    }
};

QTEST_GUILESS_MAIN(UpdateInstallTest)
#include "tst_UpdateInstall.moc"

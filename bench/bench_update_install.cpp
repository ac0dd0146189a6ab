// Installing an update, timed from the user's "Install Update" to the file handed to the desktop's
// installer: a real FeedUpdater with a public key fetches a 5 MB download (signed for the run) from
// the fake server over TLS on loopback, checks its length and Ed25519 signature, and hands it over
// to a recording opener. The server runs on a thread of its own. Prints each run, the median, and
// how long the signature check alone takes; nothing is judged.
//
//   build/bench/bench_update_install
//   NORRID_UPDATE_BENCH_MB=20 NORRID_UPDATE_BENCH_RUNS=3 ...   another size or number of runs
#include "support/FakeJiraServer.h"
#include "support/TestDebianPackage.h"
#include "support/TestSigningKey.h"
#include "updates/FeedUpdater.h"
#include "updates/UpdateInstaller.h"
#include "updates/UpdateSession.h"
#include "updates/UpdateSignature.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QNetworkAccessManager>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cstdio>

using namespace std::chrono_literals;

namespace {

int environmentNumber(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok && value > 0 ? value : fallback;
}

// Runs the event loop until done() says so, or a minute has gone.
template<typename Done> bool waitFor(Done done)
{
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
    return done();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int megabytes = environmentNumber("NORRID_UPDATE_BENCH_MB", 5);
    const int runs = environmentNumber("NORRID_UPDATE_BENCH_RUNS", 7);

    const QByteArray package =
        TestDebianPackage::build(QStringLiteral("1.1-101"), qsizetype(megabytes) * 1000 * 1000);
    const TestSigningKey key;
    const QString signature = key.sign(package);

    QThread serverThread;
    serverThread.start();
    QObject serverContext;
    serverContext.moveToThread(&serverThread);
    FakeJiraServer *server = nullptr;
    QMetaObject::invokeMethod(
        &serverContext,
        [&] {
            server = new FakeJiraServer;
            if (!server->start())
                return;
            FakeResponse download = FakeResponse::json(package);
            download.contentType = "application/vnd.debian.binary-package";
            server->setResponse(QStringLiteral("/norrid_1.1_amd64.deb"), download);
            FakeResponse feed = FakeResponse::json(
                "<?xml version=\"1.0\"?>\n<rss version=\"2.0\" "
                "xmlns:sparkle=\"http://www.andymatuschak.org/xml-namespaces/sparkle\"><channel><item>"
                "<title>Norrid 1.1</title><sparkle:version>101</sparkle:version>"
                "<sparkle:shortVersionString>1.1</sparkle:shortVersionString><enclosure url=\"" +
                server->url(QStringLiteral("/norrid_1.1_amd64.deb")).toEncoded() + "\" length=\"" +
                QByteArray::number(package.size()) + "\" sparkle:edSignature=\"" + signature.toLatin1() +
                "\"/></item></channel></rss>");
            server->setResponse(QStringLiteral("/appcast.xml"), feed);
        },
        Qt::BlockingQueuedConnection);
    if (!server || server->port() == 0) {
        std::fprintf(stderr, "the fake server did not start\n");
        return 1;
    }

    QTemporaryDir dir;
    QNetworkAccessManager network;
    FeedUpdater::Options options;
    options.feedURL = server->url(QStringLiteral("/appcast.xml"));
    options.runningVersion = QStringLiteral("100");
    options.runningDisplayVersion = QStringLiteral("1.0");
    options.launchDelay = 24h;
    options.publicKey = key.publicKeyBase64();
    options.downloadDirectory = dir.filePath(QStringLiteral("updates"));
    FeedUpdater updater(
        options, network,
        std::make_unique<QSettings>(dir.filePath(QStringLiteral("norrid.ini")), QSettings::IniFormat));
    UpdateSession &session = *updater.session();

    QElapsedTimer clock;
    qint64 handedAt = -1;
    QString handedFile;
    updater.findChild<UpdateInstaller *>()->handoff().setHandlerQuery(
        [](const QString &) { return QStringLiteral("gdebi.desktop"); });
    updater.findChild<UpdateInstaller *>()->handoff().setOpener([&](const QUrl &file) {
        handedAt = clock.nsecsElapsed();
        handedFile = file.toLocalFile();
        return true;
    });

    std::printf("update install: %d MB over TLS on loopback, %d runs\n", megabytes, runs);
    QList<double> millis;
    for (int run = 0; run < runs; ++run) {
        updater.checkForUpdates();
        if (!waitFor([&] { return session.state() == UpdateSession::State::updateAvailable; })) {
            std::fprintf(stderr, "the feed offered no update: %s\n", qPrintable(session.errorText()));
            return 1;
        }
        handedAt = -1;
        clock.start();
        session.download(); // "Install Update"
        if (!waitFor([&] { return session.state() != UpdateSession::State::downloading; }) || handedAt < 0) {
            std::fprintf(stderr, "the update was not handed over: %s\n", qPrintable(session.errorText()));
            return 1;
        }
        millis.append(double(handedAt) / 1e6);
        std::printf("  run %d: %.1f ms from Install to the installer\n", run + 1, millis.last());
        session.close();
    }
    std::sort(millis.begin(), millis.end());
    std::printf("median: %.1f ms (%.0f MB/s)\n", millis[millis.size() / 2],
                megabytes / (millis[millis.size() / 2] / 1000.0));

    QList<double> checks;
    bool valid = true;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer verifying;
        verifying.start();
        valid = valid && UpdateSignature::verify(handedFile, signature, key.publicKeyBase64()) ==
                             UpdateSignature::Verdict::valid;
        checks.append(double(verifying.nsecsElapsed()) / 1e6);
    }
    std::sort(checks.begin(), checks.end());
    std::printf("signature check alone, median: %.1f ms (%s)\n", checks[checks.size() / 2],
                valid ? "valid" : "INVALID");

    QMetaObject::invokeMethod(
        &serverContext, [&] { delete server; }, Qt::BlockingQueuedConnection);
    serverThread.quit();
    serverThread.wait();
    return valid ? 0 : 1;
}

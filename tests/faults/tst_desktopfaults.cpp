// Faults of the desktop under a running Norrid: the keyring daemon goes away (and comes back), and
// the settings folder cannot be written. Norrid must go on with what it holds, say clearly what is
// wrong, and lose nothing once the fault is gone. Runs on a private bus that cannot start a keyring
// on demand, with a real gnome-keyring started by with-keyring.sh.
#include "monitor/RecordingNotificationCenter.h"
#include "monitor/ReviewMonitor.h"
#include "notifications/NotificationManager.h"
#include "settings/AppSettings.h"
#include "settings/Keychain.h"
#include "support/FakeJiraDocuments.h"
#include "support/FakeJiraServer.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <memory>

using StateKind = ReviewMonitor::StateKind;
using namespace std::chrono_literals;

namespace {

const QString boardId = QStringLiteral("7");
const QString secretsName = QStringLiteral("org.freedesktop.secrets");

bool keyringRuns()
{
    return QDBusConnection::sessionBus().interface()->isServiceRegistered(secretsName).value();
}

QByteArray basicCredentials(const QString &token)
{
    return "Basic " + (QStringLiteral("me@example.com:") + token).toUtf8().toBase64();
}

// A monitor with its own recording notification centre over a given settings store.
struct Watcher
{
    explicit Watcher(AppSettings &settings) : notifier(settings, center), monitor(settings, notifier)
    {
        notifier.attachmentPath.clear();
    }

    RecordingNotificationCenter center;
    NotificationManager notifier;
    ReviewMonitor monitor;
};

} // namespace

class DesktopFaultsTest : public QObject
{
    Q_OBJECT

private:
    FakeJiraServer m_jira;
    QTemporaryDir m_dir;
    qint64 m_restartedKeyring = 0;

    void configure(AppSettings &settings)
    {
        settings.setSiteURL(m_jira.siteURL());
        settings.setEmail(QStringLiteral("me@example.com"));
        settings.setBoardId(boardId);
        settings.setStatusName(QStringLiteral("In Review"));
    }

    static void pollAndWait(ReviewMonitor &monitor, bool start = false)
    {
        QSignalSpy done(&monitor, &ReviewMonitor::stateChanged);
        start ? monitor.start() : monitor.refreshNow();
        QTRY_VERIFY_WITH_TIMEOUT(!done.isEmpty() && monitor.state().kind != StateKind::loading, 15000);
    }

    void stopKeyring()
    {
        const uint pid = QDBusConnection::sessionBus().interface()->servicePid(secretsName).value();
        QVERIFY(pid > 0);
        QCOMPARE(::kill(pid_t(pid), SIGTERM), 0);
        QTRY_VERIFY_WITH_TIMEOUT(!keyringRuns(), 10000);
    }

    // Starts gnome-keyring-daemon again over the same home, unlocking the login collection with the
    // session's password (on standard input), as a new login would.
    void startKeyringAgain()
    {
        QProcess daemon;
        daemon.start(QStringLiteral("gnome-keyring-daemon"),
                     {QStringLiteral("--daemonize"), QStringLiteral("--unlock"),
                      QStringLiteral("--components=secrets")});
        QVERIFY(daemon.waitForStarted());
        daemon.write(qgetenv("NORRID_TEST_KEYRING_PASSWORD"));
        daemon.closeWriteChannel();
        QVERIFY(daemon.waitForFinished(20000));
        QTRY_VERIFY_WITH_TIMEOUT(keyringRuns(), 10000);
        m_restartedKeyring = QDBusConnection::sessionBus().interface()->servicePid(secretsName).value();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(keyringRuns(), "run under tests/support/with-keyring.sh");
        QVERIFY(!qEnvironmentVariableIsEmpty("NORRID_TEST_KEYRING_PASSWORD"));
        QVERIFY2(m_jira.start(), qPrintable(m_jira.errorString()));
        m_jira.setResponse(
            FakeJiraDocuments::issuesPath(boardId),
            FakeResponse::json(FakeJiraDocuments::issues(
                {{QStringLiteral("AB-1"), QStringLiteral("One"), std::nullopt, std::nullopt}})));
    }

    void cleanupTestCase()
    {
        // Only the daemon this test started; with-keyring.sh stops the one it started.
        if (m_restartedKeyring > 0)
            ::kill(pid_t(m_restartedKeyring), SIGTERM);
    }

    void keyringGoesAwayWhileRunning()
    {
        const QString file = m_dir.filePath(QStringLiteral("keyring.conf"));
        AppSettings settings(file);
        settings.setKeyringRetryInterval(0ms);
        configure(settings);
        settings.setToken(QStringLiteral("first-token"));
        Watcher running(settings);
        pollAndWait(running.monitor, true);
        QCOMPARE(running.monitor.state().kind, StateKind::ok);

        stopKeyring();

        // The running store has its token in memory and goes on polling with it.
        pollAndWait(running.monitor);
        QCOMPARE(running.monitor.state().kind, StateKind::ok);
        QCOMPARE(m_jira.requests().last().header("Authorization"),
                 basicCredentials(QStringLiteral("first-token")));

        // A new token typed while the keyring is away is used at once and owed to the keyring.
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("^Norrid: token save failed — .+")));
        settings.setToken(QStringLiteral("second-token"));
        QVERIFY(settings.tokenUnavailable());
        QVERIFY2(settings.tokenProblem().startsWith(
                     QStringLiteral("Norrid cannot reach your system keyring, so the "
                                    "Jira API token is not stored yet.")),
                 qPrintable(settings.tokenProblem()));
        pollAndWait(running.monitor);
        QCOMPARE(running.monitor.state().kind, StateKind::ok);
        QCOMPARE(m_jira.requests().last().header("Authorization"),
                 basicCredentials(QStringLiteral("second-token")));

        // Norrid started while the keyring is away: no token, a clear word, no request.
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("^Norrid: token read failed — .+")));
        AppSettings restarted(file);
        restarted.setKeyringRetryInterval(0ms);
        QVERIFY(restarted.tokenUnavailable());
        Watcher waiting(restarted);
        const qsizetype requests = m_jira.requests().size();
        waiting.monitor.start();
        QCOMPARE(waiting.monitor.state().kind, StateKind::needsSetup);
        QCOMPARE(m_jira.requests().size(), requests);

        startKeyringAgain();

        // The owed write goes through on the next use of the token, and the other store reads it.
        QCOMPARE(settings.token(), QStringLiteral("second-token"));
        QCOMPARE(Keychain::read(QStringLiteral("jira-token")), std::optional(QStringLiteral("second-token")));
        QCOMPARE(restarted.token(), QStringLiteral("second-token"));
        pollAndWait(waiting.monitor, true);
        QCOMPARE(waiting.monitor.state().kind, StateKind::ok);
        QCOMPARE(m_jira.requests().last().header("Authorization"),
                 basicCredentials(QStringLiteral("second-token")));
    }

    // The settings folder cannot be made or written (a file stands where it should be; as root a
    // read-only folder would not stop anything): the values stay in memory, the user is told, and
    // every one of them reaches the disk once the folder can be written again.
    void settingsFolderCannotBeWritten()
    {
        const QString configHome = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        QVERIFY(QDir().mkpath(configHome));
        const QString folder = configHome + QStringLiteral("/norrid");
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QCOMPARE(AppSettings::defaultFileName(), folder + QStringLiteral("/Norrid.conf"));

        AppSettings settings(AppSettings::defaultFileName());
        const QRegularExpression logLine(QStringLiteral("^Norrid: settings save failed — .+Norrid\\.conf"));
        for (int i = 0; i < 5; ++i)
            QTest::ignoreMessage(QtWarningMsg, logLine);
        configure(settings);
        settings.setPollInterval(120);
        QVERIFY2(settings.saveProblem().startsWith(QStringLiteral("The settings could not be saved: ")),
                 qPrintable(settings.saveProblem()));
        QVERIFY(settings.saveProblem().contains(AppSettings::defaultFileName()));

        // Norrid works from what it holds.
        settings.setToken(QStringLiteral("folder-token"));
        Watcher running(settings);
        pollAndWait(running.monitor, true);
        QCOMPARE(running.monitor.state().kind, StateKind::ok);
        QCOMPARE(running.monitor.timer().interval(), 120 * 1000);

        // The folder is fixed; the next assignment writes everything that was owed.
        QVERIFY(QFile::remove(folder));
        settings.setNotificationSound(QStringLiteral("Glass"));
        QVERIFY2(settings.saveProblem().isEmpty(), qPrintable(settings.saveProblem()));
        AppSettings reread(AppSettings::defaultFileName());
        QCOMPARE(reread.siteURL(), m_jira.siteURL());
        QCOMPARE(reread.pollInterval(), qint64(120));
        QCOMPARE(reread.notificationSound(), QStringLiteral("Glass"));
        QVERIFY(reread.isConfigured());
    }
};

QTEST_GUILESS_MAIN(DesktopFaultsTest)
#include "tst_desktopfaults.moc"

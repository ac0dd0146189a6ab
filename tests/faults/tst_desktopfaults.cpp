// Faults of the desktop under a running Norrid: the keyring daemon goes away (and comes back), the
// keyring is locked at launch, and the settings folder cannot be written. Norrid must go on with what it
// holds, say clearly what is wrong, and lose nothing once the fault is gone. Runs on a private bus that
// cannot start a keyring on demand, with a real gnome-keyring started by with-keyring.sh.
#include "monitor/MonitorRig.h"
#include "settings/Keychain.h"
#include "settings/KeyringControl.h"
#include "support/AwaitTask.h"
#include "support/FakeJiraDocuments.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <memory>

using namespace Qt::StringLiterals;
using StateKind = ReviewMonitor::StateKind;
using namespace std::chrono_literals;

namespace {

const QString boardId = u"7"_s;
const QString secretsName = u"org.freedesktop.secrets"_s;

bool keyringRuns()
{
    return QDBusConnection::sessionBus().interface()->isServiceRegistered(secretsName).value();
}

QByteArray basicCredentials(const QString &token)
{
    return "Basic " + (u"me@example.com:"_s + token).toUtf8().toBase64();
}

} // namespace

class DesktopFaultsTest : public QObject
{
    Q_OBJECT

private:
    FakeJiraServer m_jira;
    QTemporaryDir m_dir;
    qint64 m_restartedKeyring = 0;

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
        daemon.start(u"gnome-keyring-daemon"_s, {u"--daemonize"_s, u"--unlock"_s, u"--components=secrets"_s});
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
            FakeResponse::json(FakeJiraDocuments::issues(FakeJiraDocuments::numberedIssues(1))));
    }

    void cleanupTestCase()
    {
        // Only the daemon this test started; with-keyring.sh stops the one it started.
        if (m_restartedKeyring > 0)
            ::kill(pid_t(m_restartedKeyring), SIGTERM);
    }

    void keyringGoesAwayWhileRunning()
    {
        const QString file = m_dir.filePath(u"keyring.conf"_s);
        AppSettings settings(file);
        MonitorRig::configure(settings, m_jira, boardId, {});
        settings.setToken(u"first-token"_s);
        QTRY_VERIFY(!settings.keyringBusy()); // stored before the keyring goes
        MonitorRig running(settings);
        running.poll(true);
        QCOMPARE(running.monitor->state().kind, StateKind::ok);

        stopKeyring();

        // The running store has its token in memory and goes on polling with it.
        running.poll();
        QCOMPARE(running.monitor->state().kind, StateKind::ok);
        QCOMPARE(m_jira.requests().last().header("Authorization"), basicCredentials(u"first-token"_s));

        // A new token typed while the keyring is away is used at once and owed to the keyring,
        // which gets it by itself once it is back.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^Norrid: token save failed — .+"_s));
        settings.setToken(u"second-token"_s);
        QTRY_VERIFY(settings.tokenUnavailable());
        // This bus cannot start a keyring again: none runs, and the words say so.
        QVERIFY2(
            settings.tokenProblem().startsWith(QStringLiteral("This desktop runs no keyring")) &&
                settings.tokenProblem().contains(QStringLiteral("so the Jira API token is not stored yet.")),
            qPrintable(settings.tokenProblem()));
        running.poll();
        QCOMPARE(running.monitor->state().kind, StateKind::ok);
        QCOMPARE(m_jira.requests().last().header("Authorization"), basicCredentials(u"second-token"_s));
        startKeyringAgain();
        QTRY_VERIFY_WITH_TIMEOUT(!settings.tokenUnavailable(), 15000);
        QCOMPARE(awaitTask(Keychain::readItem(u"jira-token"_s)).value, u"second-token"_s);

        // Norrid started while the keyring is away: no token, a clear word, no request; and once
        // the keyring is back it connects by itself.
        stopKeyring();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^Norrid: token read failed — .+"_s));
        AppSettings restarted(file);
        QTRY_VERIFY(restarted.tokenUnavailable() && !restarted.keyringLocked());
        MonitorRig waiting(restarted);
        const qsizetype requests = m_jira.requests().size();
        waiting.monitor->start();
        QCOMPARE(waiting.monitor->state().kind, StateKind::needsSetup);
        QCOMPARE(m_jira.requests().size(), requests);
        startKeyringAgain();
        QTRY_COMPARE_WITH_TIMEOUT(waiting.monitor->state().kind, StateKind::ok, 15000);
        QCOMPARE(restarted.token(), u"second-token"_s);
        QCOMPARE(m_jira.requests().last().header("Authorization"), basicCredentials(u"second-token"_s));
    }

    // The keyring is still locked when Norrid starts (auto-login, a keyring password of its own):
    // nothing is sent and the stored token stays; once a login unlocks it, polling starts on its
    // own, on the timer, and a card that arrives afterwards is announced.
    void keyringLockedAtLaunch()
    {
        const QString file = m_dir.filePath(u"locked.conf"_s);
        {
            AppSettings first(file);
            MonitorRig::configure(first, m_jira, boardId, {});
            first.setPollInterval(15);
            first.setToken(u"locked-token"_s);
            QTRY_VERIFY(!first.keyringBusy());
        }
        const QString path = FakeJiraDocuments::issuesPath(boardId);
        m_jira.setResponse(
            path, FakeResponse::json(FakeJiraDocuments::issues(FakeJiraDocuments::numberedIssues(1))));
        QVERIFY(KeyringControl::lockLogin());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^Norrid: token read failed — .+"_s));
        AppSettings settings(file);
        QTRY_VERIFY(settings.tokenUnavailable() && settings.keyringLocked());
        MonitorRig watcher(settings);
        const qsizetype requests = m_jira.requests().size();
        watcher.monitor->start();
        QCOMPARE(watcher.monitor->state().kind, StateKind::needsSetup);
        QTest::qWait(1000);
        QCOMPARE(m_jira.requests().size(), requests);
        QCOMPARE(KeyringControl::itemCount(Keychain::service(), u"jira-token"_s), 1);

        QVERIFY(KeyringControl::unlockLogin());
        QTRY_COMPARE_WITH_TIMEOUT(watcher.monitor->state().kind, StateKind::ok, 15000);
        QVERIFY(watcher.monitor->timer().isActive());
        QCOMPARE(m_jira.requests().last().header("Authorization"), basicCredentials(u"locked-token"_s));
        m_jira.setResponse(
            path, FakeResponse::json(FakeJiraDocuments::issues(FakeJiraDocuments::numberedIssues(2))));
        QTRY_COMPARE_WITH_TIMEOUT(watcher.center.added.size(), 1, 60000);
        QCOMPARE(watcher.center.added.first().subtitle, u"AB-2"_s);
    }

    // The settings folder cannot be made or written (a file stands where it should be; as root a
    // read-only folder would not stop anything): the values stay in memory, the user is told, and
    // every one of them reaches the disk once the folder can be written again.
    void settingsFolderCannotBeWritten()
    {
        const QString configHome = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        QVERIFY(QDir().mkpath(configHome));
        const QString folder = configHome + u"/norrid"_s;
        QFile blocker(folder);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QCOMPARE(AppSettings::defaultFileName(), folder + u"/Norrid.conf"_s);

        AppSettings settings(AppSettings::defaultFileName());
        const QRegularExpression logLine(u"^Norrid: settings save failed — .+Norrid\\.conf"_s);
        for (int i = 0; i < 5; ++i)
            QTest::ignoreMessage(QtWarningMsg, logLine);
        MonitorRig::configure(settings, m_jira, boardId, {});
        settings.setPollInterval(120);
        QVERIFY2(settings.saveProblem().startsWith(u"The settings could not be saved: "_s),
                 qPrintable(settings.saveProblem()));
        QVERIFY(settings.saveProblem().contains(AppSettings::defaultFileName()));

        // Norrid works from what it holds.
        settings.setToken(u"folder-token"_s);
        MonitorRig running(settings);
        running.poll(true);
        QCOMPARE(running.monitor->state().kind, StateKind::ok);
        QCOMPARE(running.monitor->timer().interval(), 120 * 1000);

        // The folder is fixed; the next assignment writes everything that was owed.
        QVERIFY(QFile::remove(folder));
        settings.setNotificationSound(u"Glass"_s);
        QVERIFY2(settings.saveProblem().isEmpty(), qPrintable(settings.saveProblem()));
        QTRY_VERIFY(!settings.keyringBusy());
        AppSettings reread(AppSettings::defaultFileName());
        QTRY_VERIFY(!reread.keyringBusy());
        QCOMPARE(reread.siteURL(), m_jira.siteURL());
        QCOMPARE(reread.pollInterval(), qint64(120));
        QCOMPARE(reread.notificationSound(), u"Glass"_s);
        QVERIFY(reread.isConfigured());
    }
};

QTEST_GUILESS_MAIN(DesktopFaultsTest)
#include "tst_desktopfaults.moc"

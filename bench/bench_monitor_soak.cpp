// Soak run of the monitor: a real ReviewMonitor polls the fake Jira (bench_fakejira, a process of
// its own) 10,000 times back to back, over a 100-card column where a few cards are replaced every
// ten polls, so cards are announced one by one and, now and then, in a summary. Prints the CPU
// and wall time per poll, the bytes on the wire, and the memory of this process before the first
// poll, after 1,000 polls and at the end. A steady state shows as flat figures; nothing is judged.
//
//   dbus-run-session -- tests/support/with-keyring.sh build/bench/bench_monitor_soak
//   NORRID_SOAK_POLLS=2000 ...   a shorter run
#include "CountingNotificationCenter.h"
#include "ProcessFigures.h"
#include "monitor/ReviewMonitor.h"
#include "notifications/NotificationManager.h"
#include "settings/AppSettings.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QSslConfiguration>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace {

struct Wire
{
    qint64 requests = 0;
    qint64 bytesIn = 0;
    qint64 bytesOut = 0;
    qint64 connections = 0;
};

class FakeJiraProcess
{
public:
    bool start(const QString &program, const QStringList &arguments)
    {
        m_process.setProgram(program);
        m_process.setArguments(arguments);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start();
        if (!m_process.waitForStarted(10000))
            return false;
        while (m_site.isEmpty() || m_caFile.isEmpty()) {
            const QByteArray line = readLine();
            if (line.isNull())
                return false;
            if (line.startsWith("site "))
                m_site = QString::fromUtf8(line.mid(5));
            else if (line.startsWith("ca "))
                m_caFile = QString::fromLocal8Bit(line.mid(3));
        }
        return true;
    }

    Wire wire()
    {
        m_process.write("stats\n");
        for (;;) {
            const QByteArray line = readLine();
            if (line.isNull())
                return {};
            if (!line.startsWith("stats "))
                continue;
            const QList<QByteArray> words = line.split(' ');
            return {words.value(2).toLongLong(), words.value(4).toLongLong(), words.value(6).toLongLong(),
                    words.value(8).toLongLong()};
        }
    }

    const QString &site() const { return m_site; }
    const QString &caFile() const { return m_caFile; }

    ~FakeJiraProcess()
    {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
    }

private:
    QByteArray readLine()
    {
        while (!m_process.canReadLine()) {
            if (!m_process.waitForReadyRead(10000))
                return {};
        }
        return m_process.readLine().trimmed();
    }

    QProcess m_process;
    QString m_site;
    QString m_caFile;
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const int polls = qEnvironmentVariableIsSet("NORRID_SOAK_POLLS")
                          ? qEnvironmentVariableIntValue("NORRID_SOAK_POLLS")
                          : 10000;

    FakeJiraProcess jira;
    if (!jira.start(QCoreApplication::applicationDirPath() + QStringLiteral("/bench_fakejira"),
                    {QStringLiteral("--cards"), QStringLiteral("100"), QStringLiteral("--churn-every"),
                     QStringLiteral("10"), QStringLiteral("--churn-cards"), QStringLiteral("2")})) {
        std::fprintf(stderr, "bench_monitor_soak: bench_fakejira did not start\n");
        return 1;
    }
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.addCaCertificates(jira.caFile());
    QSslConfiguration::setDefaultConfiguration(tls);

    QTemporaryDir dir;
    AppSettings settings(dir.filePath(QStringLiteral("Norrid.conf")));
    settings.setSiteURL(jira.site());
    settings.setEmail(QStringLiteral("bench@example.com"));
    settings.setToken(QStringLiteral("bench-token"));
    settings.setBoardId(QStringLiteral("7"));
    settings.setStatusName(QStringLiteral("In Review"));
    settings.setPollInterval(3600); // the loop below polls; the timer should not
    settings.setNotificationSound(QStringLiteral("None"));
    if (!settings.isConfigured()) {
        std::fprintf(stderr,
                     "bench_monitor_soak: the token did not reach the keyring (%s); run it under "
                     "tests/support/with-keyring.sh\n",
                     qPrintable(settings.tokenProblem()));
        return 1;
    }
    CountingNotificationCenter center;
    NotificationManager notifier(settings, center);
    ReviewMonitor monitor(settings, notifier);

    bool failed = false;
    auto awaitPoll = [&](auto startPoll) {
        QEventLoop loop;
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, &loop, [&] {
            failed = true;
            loop.quit();
        });
        // Every poll ends with polled(); the state changes only when it differs.
        QObject::connect(&monitor, &ReviewMonitor::polled, &loop, [&] {
            if (monitor.state().kind == ReviewMonitor::StateKind::error) {
                std::fprintf(stderr, "bench_monitor_soak: poll failed: %s\n",
                             qPrintable(monitor.state().message));
                failed = true;
            }
            loop.quit();
        });
        guard.start(30000);
        startPoll();
        loop.exec();
    };

    std::printf("monitor soak: %d polls of a %d-card column, 2 cards replaced every 10 polls (5 every 100)\n",
                polls, 100);
    const ProcessFigures::Memory before = ProcessFigures::memory();
    std::printf("  memory before the first poll:  %s\n", ProcessFigures::describe(before).constData());

    awaitPoll([&] { monitor.start(); }); // seeds; announces nothing
    const Wire afterFirst = jira.wire();
    QElapsedTimer wall;
    wall.start();
    qint64 cpuStart = ProcessFigures::cpuMicroseconds();
    qint64 blockCpu = cpuStart;
    qint64 blockWall = 0;
    ProcessFigures::Memory after1000;
    for (int i = 1; i <= polls && !failed; ++i) {
        awaitPoll([&] { monitor.refreshNow(); });
        if (i % 1000 == 0 || i == polls) {
            const qint64 cpu = ProcessFigures::cpuMicroseconds();
            const qint64 elapsed = wall.nsecsElapsed() / 1000;
            const int block = i % 1000 == 0 ? 1000 : i % 1000;
            const ProcessFigures::Memory now = ProcessFigures::memory();
            if (i == 1000)
                after1000 = now;
            std::printf("  after %5d polls: cpu %.0f us/poll, wall %.0f us/poll; %s\n", i,
                        double(cpu - blockCpu) / block, double(elapsed - blockWall) / block,
                        ProcessFigures::describe(now).constData());
            blockCpu = cpu;
            blockWall = elapsed;
        }
    }
    if (failed) {
        std::fprintf(stderr, "bench_monitor_soak: a poll failed or did not finish within 30 s\n");
        return 1;
    }
    const qint64 cpuTotal = ProcessFigures::cpuMicroseconds() - cpuStart;
    const qint64 wallTotal = wall.nsecsElapsed() / 1000;
    const Wire end = jira.wire();
    const qint64 measured = end.requests - afterFirst.requests;
    const ProcessFigures::Memory last = ProcessFigures::memory();

    std::printf("  cpu per poll (client process, all threads): %.0f us; wall per poll: %.0f us\n",
                double(cpuTotal) / polls, double(wallTotal) / polls);
    std::printf("  wire per poll: %.0f bytes from Norrid, %.0f bytes to Norrid (%lld requests, %lld TLS "
                "connections in all)\n",
                double(end.bytesIn - afterFirst.bytesIn) / double(measured),
                double(end.bytesOut - afterFirst.bytesOut) / double(measured), end.requests, end.connections);
    std::printf("  notifications handed over: %lld; cards in the column: %lld\n", center.added,
                qint64(monitor.issues().size()));
    std::printf(
        "  memory growth from poll 1,000 to poll %d: rss %+lld KiB, pss %+lld KiB, heap in use %+lld KiB\n",
        polls, last.rssKiB - after1000.rssKiB, last.pssKiB - after1000.pssKiB,
        last.heapInUseKiB - after1000.heapInUseKiB);
    return 0;
}

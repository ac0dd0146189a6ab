// How the monitor behaves when the day goes wrong, in three figures, with a real ReviewMonitor, the
// fake Jira over TLS and (for the first) the real gnome-keyring of the session:
//   - seconds from the unlock of a keyring that was locked at launch to the first poll;
//   - requests the new configuration waits for after a save during a slow poll, the seconds
//     until it is fetched, and the cards announced by mistake;
//   - requests per poll of a 150-card column on each of Jira's two reads, first and ordinary polls;
//   - requests sent with a rejected token at a 60 s interval over 10 minutes (real time), and the
//     time from the rejection to the next try.
//
//   dbus-run-session -- tests/support/with-keyring.sh build/bench/bench_polling_faults
//   NORRID_REJECTED_SECONDS=120 ...   a shorter run of the last figure
#include "CountingNotificationCenter.h"
#include "jira/Network.h"
#include "monitor/ReviewMonitor.h"
#include "notifications/NotificationManager.h"
#include "settings/AppSettings.h"
#include "settings/KeyringControl.h"
#include "support/FakeJiraDocuments.h"
#include "support/FakeJiraServer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <functional>

using namespace std::chrono_literals;

namespace {

// Runs the event loop until `done` holds or `limit` has passed; false on the limit.
bool runUntil(const std::function<bool()> &done, std::chrono::milliseconds limit)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > limit.count())
            return false;
        QEventLoop loop;
        QTimer::singleShot(10ms, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

QList<FakeJiraDocuments::Issue> cards(const QString &prefix, int count)
{
    QList<FakeJiraDocuments::Issue> list;
    for (int i = 1; i <= count; ++i)
        list.append({prefix + QString::number(i), QStringLiteral("Card"), std::nullopt, std::nullopt});
    return list;
}

struct Setup
{
    explicit Setup(const QString &file, const FakeJiraServer &jira) : settings(file)
    {
        settings.setSiteURL(jira.siteURL());
        settings.setEmail(QStringLiteral("me@example.com"));
        settings.setBoardId(QStringLiteral("7"));
        settings.setStatusName(QStringLiteral("In Review"));
        notifier.attachmentPath.clear();
    }

    AppSettings settings;
    CountingNotificationCenter center;
    NotificationManager notifier{settings, center};
};

void keyringUnlockToFirstPoll(FakeJiraServer &jira, const QString &file)
{
    if (qEnvironmentVariableIsEmpty("NORRID_TEST_KEYRING_PASSWORD")) {
        std::printf("keyring unlock -> first poll: skipped (run under tests/support/with-keyring.sh)\n");
        return;
    }
    {
        Setup first(file, jira);
        first.settings.setToken(QStringLiteral("token"));
    }
    jira.reset();
    jira.setResponse(FakeJiraDocuments::issuesPath(QStringLiteral("7")),
                     FakeResponse::json(FakeJiraDocuments::issues(cards(QStringLiteral("K-"), 3))));
    KeyringControl::lockLogin();
    Setup setup(file, jira);
    ReviewMonitor monitor(setup.settings, setup.notifier);
    monitor.start();
    runUntil([] { return false; }, 2s);
    const qsizetype whileLocked = jira.requests().size();
    QElapsedTimer clock;
    clock.start();
    KeyringControl::unlockLogin();
    const bool polled = runUntil([&] { return !jira.requests().isEmpty(); }, 120s);
    std::printf("keyring unlock -> first poll: %s (requests while locked: %lld)\n",
                polled ? qPrintable(QStringLiteral("%1 s").arg(clock.elapsed() / 1000.0, 0, 'f', 2))
                       : "none within 120 s",
                qlonglong(whileLocked));
}

void saveDuringSlowPoll(FakeJiraServer &jira, const QString &file)
{
    jira.reset();
    const QString oldBoard = FakeJiraDocuments::issuesPath(QStringLiteral("7"));
    const QString newBoard = FakeJiraDocuments::issuesPath(QStringLiteral("8"));
    Setup setup(file, jira);
    setup.settings.setToken(QStringLiteral("token"));
    ReviewMonitor monitor(setup.settings, setup.notifier);
    jira.setResponse(oldBoard,
                     FakeResponse::json(FakeJiraDocuments::issues(cards(QStringLiteral("OLD-"), 2))));
    monitor.start();
    runUntil([&] { return monitor.state().kind == ReviewMonitor::StateKind::ok; }, 30s);

    // The next poll of the old board takes 12 s; the user saves another board 1 s into it.
    jira.setResponse(
        oldBoard,
        FakeResponse::json(FakeJiraDocuments::issues(cards(QStringLiteral("OLD-"), 2))).withDelay(12s));
    jira.setResponse(newBoard,
                     FakeResponse::json(FakeJiraDocuments::issues(cards(QStringLiteral("NEW-"), 6))));
    monitor.refreshNow();
    runUntil([] { return false; }, 1s);
    QElapsedTimer clock;
    clock.start();
    setup.settings.setBoardId(QStringLiteral("8"));
    monitor.start();
    const qsizetype oldBefore = jira.requests(oldBoard).size();
    runUntil([&] { return !jira.requests(newBoard).isEmpty(); }, 60s);
    const double seconds = clock.elapsed() / 1000.0;
    // Requests of the old board sent (and so waited for) between the save and the new board's fetch.
    const qsizetype waitedFor = jira.requests(oldBoard).size() - oldBefore;
    runUntil([] { return false; }, 13s); // the old board's slow answer has come and gone
    monitor.refreshNow();
    runUntil([&] { return jira.requests(newBoard).size() >= 2 && !monitor.isPaused(); }, 30s);
    runUntil([] { return false; }, 1s);
    std::printf(
        "save during a 12 s poll: the new board fetched after %.2f s, %lld further requests of the old "
        "board waited for, %lld cards announced by mistake, %lld cards shown\n",
        seconds, qlonglong(waitedFor), qlonglong(setup.center.added), qlonglong(monitor.issues().size()));
}

// The first poll finds out which read the site serves; every later one asks it alone.
void requestsPerPollOnEachRead(FakeJiraServer &jira, const QString &file)
{
    for (const bool cloud : {true, false}) {
        jira.reset();
        const QList<FakeJiraDocuments::Issue> column = cards(QStringLiteral("C-"), 150);
        if (cloud)
            jira.setHandler(FakeJiraDocuments::issuesPath(QStringLiteral("7")),
                            FakeJiraDocuments::tokenPages(column, 1000));
        else
            jira.setHandler(FakeJiraDocuments::agileIssuesPath(QStringLiteral("7")),
                            FakeJiraDocuments::agilePages(column));
        Setup setup(file, jira);
        setup.settings.setToken(QStringLiteral("token"));
        ReviewMonitor monitor(setup.settings, setup.notifier);
        monitor.start();
        runUntil([&] { return monitor.state().kind == ReviewMonitor::StateKind::ok; }, 30s);
        const qsizetype first = jira.requests().size();
        const int polls = 5;
        for (int poll = 0; poll < polls; ++poll) {
            const qsizetype before = jira.requests().size();
            monitor.refreshNow();
            runUntil(
                [&] {
                    return jira.requests().size() > before &&
                           monitor.state().kind == ReviewMonitor::StateKind::ok;
                },
                30s);
            runUntil([] { return false; }, 50ms);
        }
        std::printf("150-card column, %s: first poll %lld requests, then %.1f requests per poll (%d cards)\n",
                    cloud ? "Cloud (software read, token pages)" : "Data Center (agile read, startAt pages)",
                    qlonglong(first), double(jira.requests().size() - first) / polls, monitor.issueCount());
    }
}

void rejectedToken(FakeJiraServer &jira, const QString &file)
{
    const int seconds = qEnvironmentVariableIsSet("NORRID_REJECTED_SECONDS")
                            ? qEnvironmentVariableIntValue("NORRID_REJECTED_SECONDS")
                            : 600;
    jira.reset();
    jira.setResponse(
        FakeJiraDocuments::issuesPath(QStringLiteral("7")),
        FakeResponse::json("{}", 401).withHeader("X-Seraph-LoginReason", "AUTHENTICATED_FAILED"));
    Setup setup(file, jira);
    setup.settings.setToken(QStringLiteral("rotated-token"));
    setup.settings.setPollInterval(60);
    ReviewMonitor monitor(setup.settings, setup.notifier);
    monitor.start();
    runUntil([&] { return monitor.isPaused(); }, 30s);
    std::printf("rejected token -> next try: %.0f s\n", monitor.timer().remainingTime() / 1000.0);
    runUntil([] { return false; }, std::chrono::seconds(seconds));
    std::printf("requests with a rejected token over %d s at a 60 s interval: %lld (state: %s)\n", seconds,
                qlonglong(jira.requests().size()), qPrintable(monitor.state().message));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    FakeJiraServer jira;
    if (!dir.isValid() || !jira.start()) {
        std::fprintf(stderr, "cannot start the fake Jira: %s\n", qPrintable(jira.errorString()));
        return 1;
    }
    const QString file = dir.filePath(QStringLiteral("Norrid.conf"));
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    keyringUnlockToFirstPoll(jira, file);
    saveDuringSlowPoll(jira, file);
    requestsPerPollOnEachRead(jira, file);
    rejectedToken(jira, file);
    // The connections Qt keeps for reuse are closed while the application object still exists.
    Network::shared().clearConnectionCache();
    return 0;
}

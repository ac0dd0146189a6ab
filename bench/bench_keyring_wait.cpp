// How long the GUI thread stays away from its event loop while the keyring takes 3 s to answer:
// the real gnome-keyring of a private session, stopped (SIGSTOP) before the settings store reads
// the token and let go (SIGCONT) 3 s later from another thread. A timer at the top level of the
// event loop ticks every 5 ms; the longest gap between two ticks is what a click on the tray icon
// or a `norrid status` would have waited. Ticks inside a nested event loop do not count: there
// the code that waits has not returned, and input is held back.
//   dbus-run-session -- tests/support/with-keyring.sh build/bench/bench_keyring_wait
#include "settings/AppSettings.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <thread>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("Norrid.conf"));
    {
        // A token to read, stored while the keyring still answers.
        AppSettings first(file);
        first.setToken(QStringLiteral("bench-token"));
        QElapsedTimer settle;
        for (settle.start(); settle.elapsed() < 2000;)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    const uint pid = QDBusConnection::sessionBus()
                         .interface()
                         ->servicePid(QStringLiteral("org.freedesktop.secrets"))
                         .value();
    if (pid == 0) {
        std::fprintf(stderr, "bench_keyring_wait: no keyring; run it under tests/support/with-keyring.sh\n");
        return 1;
    }

    QElapsedTimer clock;
    qint64 lastTick = 0;
    qint64 longestGap = 0;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        if (QThread::currentThread()->loopLevel() != 1)
            return;
        longestGap = std::max(longestGap, clock.elapsed() - lastTick);
        lastTick = clock.elapsed();
    });

    ::kill(pid_t(pid), SIGSTOP);
    std::thread resume([pid] {
        std::this_thread::sleep_for(std::chrono::seconds(3));
        ::kill(pid_t(pid), SIGCONT);
    });
    std::unique_ptr<AppSettings> settings;
    QString token;
    QTimer::singleShot(0, [&] {
        // What a launch does: the store reads the token, the monitor asks whether the settings are
        // complete and for the connection.
        settings = std::make_unique<AppSettings>(file);
        settings->isConfigured();
        token = settings->jiraConfig().token;
    });
    clock.start();
    ticker.start(5);
    QTimer::singleShot(6000, &app, &QCoreApplication::quit);
    app.exec();
    resume.join();
    std::printf("keyring answering after 3 s: longest time away from the event loop %lld ms; token %s\n",
                static_cast<long long>(longestGap),
                settings && settings->token() == QStringLiteral("bench-token") ? "read" : "not read");
    return 0;
}

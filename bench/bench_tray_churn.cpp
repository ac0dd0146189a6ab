// Soak run of the tray icon: the real TrayIcon, shown in a real tray, gets a new count 10,000 times
// (0 to 119 over and over, so the images cycle far past what the icon cache holds) and a new look
// every tenth time: the state symbol and the update dot change, the tooltip with them. Prints the
// time per update and this process's memory before the first update, after 1,000 and at the end;
// an icon that leaks on updates shows as growing figures. Nothing is judged.
//
//   xvfb-run -a sh -c 'trayer & sleep 1; build/bench/bench_tray_churn'
//   NORRID_TRAY_UPDATES=2000 ...   a shorter run
#include "ProcessFigures.h"
#include "shell/StatusPresentation.h"
#include "shell/TrayIcon.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>

namespace {

StatusPresentation::Look lookFor(int round)
{
    StatusPresentation::Input input;
    input.kind = round % 3 == 0 ? StatusPresentation::StateKind::error : StatusPresentation::StateKind::ok;
    input.errorMessage = QStringLiteral("Jira could not be reached (%1).").arg(round);
    input.updateOffered = round % 2 == 0;
    input.statusName = QStringLiteral("In Review");
    return StatusPresentation::look(input);
}

void wait(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void report(const char *label)
{
    std::printf("  %s: %s\n", label, ProcessFigures::describe(ProcessFigures::memory()).constData());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int updates = qEnvironmentVariableIntValue("NORRID_TRAY_UPDATES") > 0
                            ? qEnvironmentVariableIntValue("NORRID_TRAY_UPDATES")
                            : 10'000;
    TrayIcon tray({});
    tray.setLook(lookFor(1));
    tray.setCount(0);
    tray.show();
    wait(1000); // the tray embeds the icon
    std::printf("tray icon, %d updates of the count, a new look every tenth (tray available: %s)\n", updates,
                QSystemTrayIcon::isSystemTrayAvailable() ? "yes" : "no");
    report("before");

    QElapsedTimer wall;
    wall.start();
    const qint64 cpuStart = ProcessFigures::cpuMicroseconds();
    for (int i = 1; i <= updates; ++i) {
        tray.setCount(i % 120);
        if (i % 10 == 0)
            tray.setLook(lookFor(i / 10));
        QCoreApplication::processEvents();
        if (i == 1000)
            report("after 1,000 updates");
    }
    wait(500);
    const double cpuPerUpdate = double(ProcessFigures::cpuMicroseconds() - cpuStart) / updates;
    std::printf("  %d images handed to the tray; cpu %.0f µs and wall %.0f µs per update\n",
                tray.iconUpdates(), cpuPerUpdate, double(wall.nsecsElapsed()) / 1000.0 / updates);
    report(qPrintable(QStringLiteral("after %1 updates").arg(updates)));
    return 0;
}

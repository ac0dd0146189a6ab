#include "views/WatchSummary.h"

#include "monitor/ColumnWatch.h"
#include "settings/AppSettings.h"

#include <QCoreApplication>

namespace {

using StateKind = ReviewMonitor::StateKind;

QString problem(const ReviewMonitor &monitor, const ReviewMonitor::State &state)
{
    if (state.kind != StateKind::error)
        return {};
    const QString note = monitor.scheduleNote();
    return note.isEmpty() ? state.message : state.message + u' ' + note;
}

QString stateWord(const ReviewMonitor &monitor, StateKind kind)
{
    switch (kind) {
    case StateKind::ok:
        return QStringLiteral("ok");
    case StateKind::loading:
        return QStringLiteral("loading");
    case StateKind::error:
        return monitor.isPaused() ? QStringLiteral("paused") : QStringLiteral("error");
    case StateKind::needsSetup:
        break;
    }
    return QStringLiteral("setup");
}

} // namespace

WatchSummary WatchSummary::of(const ReviewMonitor &monitor, const AppSettings &settings,
                              const QString &setupText)
{
    WatchSummary summary;
    summary.kind = monitor.state().kind;
    summary.count = monitor.issueCount();
    summary.state = stateWord(monitor, summary.kind);
    if (summary.kind == StateKind::needsSetup) {
        if (settings.keyringLocked())
            summary.state = QStringLiteral("keyring-locked");
        summary.message = setupText;
    } else {
        summary.message = problem(monitor, monitor.state());
    }
    for (const ColumnWatch &watch : monitor.columns()) {
        const WatchedColumn &column = watch.column();
        summary.columns.append({column.title(), column.boardId.trimmed(), column.statusName.trimmed(),
                                watch.state().kind, stateWord(monitor, watch.state().kind),
                                problem(monitor, watch.state()), watch.cards()});
    }
    return summary;
}

QStringList WatchSummary::columnLines() const
{
    QStringList lines;
    for (const Column &column : columns) {
        if (!column.message.isEmpty())
            lines.append(
                QCoreApplication::translate("WatchSummary", "%1: %2").arg(column.title, column.message));
        else if (column.kind == StateKind::ok)
            lines.append(column.cards.size() == 1
                             ? QCoreApplication::translate("WatchSummary", "%1: 1 card").arg(column.title)
                             : QCoreApplication::translate("WatchSummary", "%1: %n cards", nullptr,
                                                           int(column.cards.size()))
                                   .arg(column.title));
        else
            lines.append(QCoreApplication::translate("WatchSummary", "%1: loading…").arg(column.title));
    }
    return lines;
}

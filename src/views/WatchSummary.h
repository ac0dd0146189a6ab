#pragma once

#include "jira/ReviewIssue.h"
#include "monitor/ReviewMonitor.h"

#include <QList>
#include <QString>

class AppSettings;

// What the tray, the popover and the bus all show about the watched columns, computed in this one
// place so that the three never disagree: the whole's count, state and message, and each column's.
struct WatchSummary
{
    struct Column
    {
        QString title; // its name, else its status
        QString boardId;
        QString status;
        ReviewMonitor::StateKind kind = ReviewMonitor::StateKind::loading;
        QString state;   // ok, loading, error or paused
        QString message; // its problem with the note on the pause; empty when it has none
        QList<ReviewIssue> cards;
    };

    ReviewMonitor::StateKind kind = ReviewMonitor::StateKind::needsSetup;
    // For scripts: ok, loading, error, paused, setup or keyring-locked.
    QString state;
    // The first problem (with the note on the pause), or, when setup is needed, what to do.
    QString message;
    int count = 0; // distinct cards over every column
    QList<Column> columns;

    // setupText: what the popover says while setup is needed (the keyring's state, or what to add).
    static WatchSummary of(const ReviewMonitor &monitor, const AppSettings &settings,
                           const QString &setupText);

    bool several() const { return columns.size() > 1; }
    // A line for each column: "In Review: 3 cards", or "In Review: {problem}".
    QStringList columnLines() const;
};

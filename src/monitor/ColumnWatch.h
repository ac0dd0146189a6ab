#pragma once

#include "jira/ReviewIssue.h"
#include "jira/WatchedColumn.h"
#include "monitor/ColumnArrivals.h"
#include "monitor/ReviewMonitor.h"

#include <QList>

// One watched column as the monitor keeps it: its cards (newest first), its own state (a board the
// user cannot see fails here and nowhere else) and which of its cards arrived.
class ColumnWatch
{
public:
    explicit ColumnWatch(WatchedColumn column) : m_column(std::move(column)) {}

    const WatchedColumn &column() const { return m_column; }
    const QList<ReviewIssue> &cards() const { return m_cards; }
    const ReviewMonitor::State &state() const { return m_state; }

    // A successful read: the cards, newest first, and the state ok. Gives the cards that arrived
    // (none on the first read after a start); *changed says whether the cards differ from before.
    QList<ReviewIssue> read(QList<ReviewIssue> cards, bool *changed);
    // Whether the state differs from before.
    bool setState(ReviewMonitor::State state);
    // A new start: the next read only learns the column again. Cards and state stay until then.
    void restart() { m_arrivals.reset(); }

    // Newest first; cards without a time count as the most distant past. Stable, so equal times
    // (and all cards without one) keep the board's order.
    static void sortNewestFirst(QList<ReviewIssue> &cards);

private:
    WatchedColumn m_column;
    QList<ReviewIssue> m_cards;
    ReviewMonitor::State m_state{ReviewMonitor::StateKind::loading, {}, {}};
    ColumnArrivals m_arrivals;
};

#include "monitor/ColumnWatch.h"

#include <algorithm>

void ColumnWatch::sortNewestFirst(QList<ReviewIssue> &cards)
{
    std::stable_sort(cards.begin(), cards.end(), [](const ReviewIssue &a, const ReviewIssue &b) {
        if (!a.updated)
            return false;
        if (!b.updated)
            return true;
        return *a.updated > *b.updated;
    });
}

QList<ReviewIssue> ColumnWatch::read(QList<ReviewIssue> cards, bool *changed)
{
    sortNewestFirst(cards);
    QList<ReviewIssue> arrived = m_arrivals.learn(cards);
    *changed = cards != m_cards;
    if (*changed)
        m_cards = std::move(cards);
    setState({ReviewMonitor::StateKind::ok, {}, {}});
    return arrived;
}

bool ColumnWatch::setState(ReviewMonitor::State state)
{
    if (state == m_state)
        return false;
    m_state = std::move(state);
    return true;
}

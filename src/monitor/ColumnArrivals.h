#pragma once

#include "jira/ReviewIssue.h"

#include <QList>
#include <QSet>
#include <QString>

// Which cards of a column arrived since the polls before: what its notifications announce.
//
// The first successful poll after a start only learns the column. After it, a card counts as new
// when it was in neither of the last two successful polls: a card missing from exactly one is what
// a page shift or a lagging answer of an eventually consistent search looks like, and is not
// announced again when it shows up in the next.
class ColumnArrivals
{
public:
    // Learns this poll's cards and gives those that arrived, in the order given.
    QList<ReviewIssue> learn(const QList<ReviewIssue> &cards);
    // Forgets everything: the next poll only learns again.
    void reset() { *this = {}; }

private:
    QSet<QString> m_seenKeys;   // the cards of the last successful poll
    QSet<QString> m_missedOnce; // the cards of the poll before it that the last one missed
    bool m_seeded = false;
};

#include "monitor/ColumnArrivals.h"

QList<ReviewIssue> ColumnArrivals::learn(const QList<ReviewIssue> &cards)
{
    QSet<QString> currentKeys;
    currentKeys.reserve(cards.size());
    for (const ReviewIssue &card : cards)
        currentKeys.insert(card.key);

    QList<ReviewIssue> arrived;
    if (m_seeded) {
        for (const ReviewIssue &card : cards) {
            if (!m_seenKeys.contains(card.key) && !m_missedOnce.contains(card.key))
                arrived.append(card);
        }
    }
    m_seeded = true;
    m_missedOnce = m_seenKeys - currentKeys;
    m_seenKeys = std::move(currentKeys);
    return arrived;
}

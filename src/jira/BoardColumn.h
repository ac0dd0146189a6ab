#pragma once

#include "jira/JiraConfig.h"
#include "jira/JiraConnection.h"
#include "jira/JiraDocuments.h"
#include "jira/ReviewIssue.h"

#include <QCoroTask>
#include <QList>
#include <QSet>
#include <QString>
#include <memory>

// The watched column as a read gathers it page by page: each card once, in the order Jira sent
// them, at most maximumCards of them.
class BoardColumn
{
public:
    static constexpr int maximumCards = 1000;

    // Adds the cards not gathered yet, up to the bound; how many were added.
    qsizetype add(const QList<ReviewIssue> &page)
    {
        const qsizetype before = m_cards.size();
        for (const ReviewIssue &card : page) {
            if (isFull())
                break;
            if (!m_keys.contains(card.key)) {
                m_keys.insert(card.key);
                m_cards.append(card);
            }
        }
        return m_cards.size() - before;
    }
    bool isFull() const { return m_cards.size() >= maximumCards; }
    qsizetype size() const { return m_cards.size(); }
    QList<ReviewIssue> take() { return std::move(m_cards); }

private:
    QList<ReviewIssue> m_cards;
    QSet<QString> m_keys;
};

// What both reads of the column need: whose column, which cards, and by what road.
struct ColumnRequest
{
    JiraConfig config;
    std::shared_ptr<JiraRoute> route;
    QString jql;
    JiraRequest::Limits limits;
    // Each card's fields Jira is asked for.
    QString fields = QStringLiteral("summary,assignee,updated");
    // The pages this read received; the route remembers them once the whole read has succeeded.
    std::shared_ptr<ColumnPages> received = std::make_shared<ColumnPages>();

    // /rest/<api>/board/<id>/issue, under the site's base.
    static QString path(QStringView api, const QString &boardId);
    // What tells this read's pages from another's in the route: the board, the JQL and the fields.
    QString readKey() const;

    // One page of the column from the read at /rest/<api>/board/<id>/issue: the JQL and the fields,
    // then the read's own paging items. The request must outlive the awaiting.
    QCoro::Task<JiraResult<ColumnPage>> page(QStringView api, JiraConnection::QueryItems paging) const;
};

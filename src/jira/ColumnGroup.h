#pragma once

#include "jira/ReviewIssue.h"
#include "jira/WatchedColumn.h"

#include <QList>
#include <QString>

// Watched columns that one read of their board serves: a poll costs one request (a page) per group,
// not per column. Columns of a board share a group unless two of them watch the same status (with
// different team filters, say): the cards of a read are told apart by their status alone.
struct ColumnGroup
{
    QString boardId;
    // Where each column of the group sits in the watched list, and the column itself.
    QList<qsizetype> positions;
    QList<WatchedColumn> columns;

    // The complete columns, grouped in the order they are watched; incomplete ones are left out.
    static QList<ColumnGroup> of(const QList<WatchedColumn> &watched);

    // One column: status = "<name>", then " AND (<filter>)" when it has one. Several: status in
    // ("A", "B"), the shared filter after it; or, when their filters differ, each status with its
    // own filter, joined by OR.
    QString jql() const;
    // A read of several columns asks for each card's status, to tell them apart.
    bool needsStatus() const { return columns.size() > 1; }
    // The read's cards by column, in the group's order. A single column takes every card; otherwise
    // a card goes to the column of its status (compared as JQL does, ignoring case), and a card of
    // none is left out (how many, in unmatched).
    QList<QList<ReviewIssue>> split(const QList<ReviewIssue> &cards, qsizetype *unmatched = nullptr) const;
};

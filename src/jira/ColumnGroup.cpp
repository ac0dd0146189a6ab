#include "jira/ColumnGroup.h"

namespace {

// A JQL string literal: the backslashes, then the double quotes, escaped (in that order, so the
// backslash of an escaped quote is not doubled).
QString quoted(QString text)
{
    text.replace(u'\\', QStringLiteral("\\\\"));
    text.replace(u'"', QStringLiteral("\\\""));
    return u'"' + text + u'"';
}

QString filterClause(const WatchedColumn &column)
{
    const QString extra = column.extraJQL.trimmed();
    return extra.isEmpty() ? QString() : QStringLiteral(" AND (") + extra + u')';
}

bool sameStatus(const QString &a, const QString &b)
{
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

} // namespace

QList<ColumnGroup> ColumnGroup::of(const QList<WatchedColumn> &watched)
{
    QList<ColumnGroup> groups;
    for (qsizetype position = 0; position < watched.size(); ++position) {
        const WatchedColumn &column = watched[position];
        if (!column.isComplete())
            continue;
        const QString board = column.boardId.trimmed();
        const auto fits = [&](const ColumnGroup &group) {
            if (group.boardId != board)
                return false;
            return std::none_of(
                group.columns.cbegin(), group.columns.cend(),
                [&](const WatchedColumn &other) { return sameStatus(other.statusName, column.statusName); });
        };
        const auto group = std::find_if(groups.begin(), groups.end(), fits);
        if (group == groups.end()) {
            groups.append({board, {position}, {column}});
        } else {
            group->positions.append(position);
            group->columns.append(column);
        }
    }
    return groups;
}

QString ColumnGroup::jql() const
{
    if (columns.size() == 1)
        return QStringLiteral("status = ") + quoted(columns.first().statusName) +
               filterClause(columns.first());
    const QString filter = filterClause(columns.first());
    const bool shared = std::all_of(columns.cbegin(), columns.cend(), [&](const WatchedColumn &column) {
        return filterClause(column) == filter;
    });
    QStringList parts;
    if (shared) {
        for (const WatchedColumn &column : columns)
            parts.append(quoted(column.statusName));
        return QStringLiteral("status in (") + parts.join(QStringLiteral(", ")) + u')' + filter;
    }
    for (const WatchedColumn &column : columns)
        parts.append(QStringLiteral("(status = ") + quoted(column.statusName) + filterClause(column) + u')');
    return parts.join(QStringLiteral(" OR "));
}

QList<QList<ReviewIssue>> ColumnGroup::split(const QList<ReviewIssue> &cards, qsizetype *unmatched) const
{
    QList<QList<ReviewIssue>> byColumn(columns.size());
    qsizetype left = 0;
    if (columns.size() == 1) {
        byColumn.first() = cards;
    } else {
        for (const ReviewIssue &card : cards) {
            const auto column =
                std::find_if(columns.cbegin(), columns.cend(), [&](const WatchedColumn &candidate) {
                    return sameStatus(candidate.statusName, card.status);
                });
            if (column == columns.cend())
                ++left;
            else
                byColumn[column - columns.cbegin()].append(card);
        }
    }
    if (unmatched)
        *unmatched = left;
    return byColumn;
}

#include "views/IssueListModel.h"

#include "jira/JiraConfig.h"
#include "monitor/ReviewMonitor.h"
#include "settings/AppSettings.h"
#include "views/RelativeTime.h"
#include "views/WatchSummary.h"

#include <QSet>
#include <algorithm>

IssueListModel::IssueListModel(const ReviewMonitor &monitor, const AppSettings &settings, QObject *parent)
    : QAbstractListModel(parent), m_monitor(monitor), m_settings(settings)
{
    connect(&monitor, &ReviewMonitor::issuesChanged, this, &IssueListModel::reload);
    // A section's note follows its column's state.
    connect(&monitor, &ReviewMonitor::stateChanged, this, [this] {
        if (m_monitor.watchesSeveral() || m_sectioned)
            reload();
    });
    // The links follow the site as soon as it changes, not only after the next successful poll:
    // a poll at a new site that fails must not leave rows pointing at the old one.
    connect(&settings, &AppSettings::siteURLChanged, this, [this] {
        if (rowCount() > 0)
            Q_EMIT dataChanged(index(0), index(rowCount() - 1), {UrlRole, HasLinkRole});
    });
    reload();
}

int IssueListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_sectioned ? m_rows.size() : m_issues.size());
}

const ReviewIssue &IssueListModel::cardAt(int row) const
{
    return m_sectioned ? m_rows.at(row).card : m_issues.at(row);
}

int IssueListModel::rowsOf(Row::Kind kind) const
{
    return int(
        std::count_if(m_rows.cbegin(), m_rows.cend(), [kind](const Row &row) { return row.kind == kind; }));
}

int IssueListModel::cardRows() const
{
    return m_sectioned ? rowsOf(Row::Kind::card) : int(m_issues.size());
}

int IssueListModel::headingRows() const
{
    return rowsOf(Row::Kind::heading); // none unless sectioned
}

int IssueListModel::noteRows() const
{
    return rowsOf(Row::Kind::note);
}

QVariant IssueListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const ReviewIssue &issue = cardAt(index.row());
    const Row *sectionRow = m_sectioned ? &m_rows.at(index.row()) : nullptr;
    switch (role) {
    case IsCardRole:
        return !sectionRow || sectionRow->kind == Row::Kind::card;
    case IsHeadingRole:
        return sectionRow && sectionRow->kind == Row::Kind::heading;
    case IsProblemRole:
        return sectionRow && sectionRow->problem;
    case TextRole:
        return sectionRow ? sectionRow->text : QString();
    case DetailRole:
        return sectionRow ? sectionRow->detail : QString();
    case KeyRole:
        return issue.key;
    case SummaryRole:
    case Qt::ToolTipRole:
        return issue.summary;
    case AssigneeRole:
        return issue.assignee.value_or(QString());
    case HasAssigneeRole:
        return issue.assignee.has_value();
    case AgeRole:
        return issue.updated ? RelativeTime::string(*issue.updated, m_now) : QString();
    case UrlRole:
    case HasLinkRole: {
        const auto url =
            ReviewMonitor::cardURL(JiraConfig::normalizeSiteURL(m_settings.siteURL()), issue.key);
        return role == UrlRole ? QVariant(url.value_or(QUrl())) : QVariant(url.has_value());
    }
    case AccessibilityTextRole:
        if (sectionRow && sectionRow->kind == Row::Kind::heading)
            return sectionRow->text + QStringLiteral(", ") + sectionRow->detail;
        if (sectionRow && sectionRow->kind == Row::Kind::note)
            return sectionRow->text;
        return accessibilityText(issue, m_now);
    default:
        return {};
    }
}

QHash<int, QByteArray> IssueListModel::roleNames() const
{
    return {
        {KeyRole, "key"},
        {SummaryRole, "summary"},
        {AssigneeRole, "assignee"},
        {HasAssigneeRole, "hasAssignee"},
        {AgeRole, "age"},
        {UrlRole, "url"},
        {HasLinkRole, "hasLink"},
        {AccessibilityTextRole, "accessibilityText"},
        {IsCardRole, "isCard"},
        {IsHeadingRole, "isHeading"},
        {IsProblemRole, "isProblem"},
        {TextRole, "sectionText"},
        {DetailRole, "detail"},
    };
}

QString IssueListModel::accessibilityText(const ReviewIssue &issue, const QDateTime &now)
{
    const QString age = issue.updated ? RelativeTime::string(*issue.updated, now) : QString();
    if (issue.assignee && !age.isEmpty())
        return tr("%1, %2, assigned to %3, updated %4",
                  "a card for screen readers: key, summary, assignee, age")
            .arg(issue.key, issue.summary, *issue.assignee, age);
    if (issue.assignee)
        return tr("%1, %2, assigned to %3", "a card for screen readers: key, summary, assignee")
            .arg(issue.key, issue.summary, *issue.assignee);
    if (!age.isEmpty())
        return tr("%1, %2, updated %3", "a card for screen readers: key, summary, age")
            .arg(issue.key, issue.summary, age);
    return tr("%1, %2", "a card for screen readers: key, summary").arg(issue.key, issue.summary);
}

int IssueListModel::cardFrom(int row, int step) const
{
    if (step == 0)
        return -1;
    for (; row >= 0 && row < rowCount(); row += step) {
        if (!m_sectioned || m_rows.at(row).kind == Row::Kind::card)
            return row;
    }
    return -1;
}

void IssueListModel::refreshAges()
{
    m_now = QDateTime::currentDateTime();
    if (rowCount() > 0)
        Q_EMIT dataChanged(index(0), index(rowCount() - 1), {AgeRole, AccessibilityTextRole});
}

void IssueListModel::reloadSections()
{
    QList<Row> rows;
    for (const WatchSummary::Column &column : WatchSummary::of(m_monitor, m_settings, {}).columns) {
        const qsizetype count = column.cards.size();
        rows.append({Row::Kind::heading,
                     {},
                     column.title,
                     count == 1 ? tr("1 card") : tr("%n cards", nullptr, int(count)),
                     false});
        if (!column.message.isEmpty())
            rows.append({Row::Kind::note, {}, column.message, {}, true});
        else if (count == 0)
            rows.append({Row::Kind::note,
                         {},
                         column.kind == ReviewMonitor::StateKind::ok ? tr("No cards in this column.")
                                                                     : tr("Loading…"),
                         {},
                         false});
        for (const ReviewIssue &card : column.cards.mid(0, maximumRows))
            rows.append({Row::Kind::card, card, {}, {}, false});
    }
    if (rows == m_rows && m_sectioned)
        return;
    beginResetModel();
    m_sectioned = true;
    m_issues.clear();
    m_rows = std::move(rows);
    m_now = QDateTime::currentDateTime();
    endResetModel();
}

void IssueListModel::reload()
{
    if (m_monitor.watchesSeveral()) {
        reloadSections();
        return;
    }
    if (m_sectioned) {
        beginResetModel();
        m_sectioned = false;
        m_rows.clear();
        endResetModel();
    }
    // The count covers the whole column; the list shows its newest cards. Row by row, so that the
    // views keep what did not change: their rows, the scroll position, a hovered card.
    const QList<ReviewIssue> fresh = m_monitor.issues().mid(0, maximumRows);
    const bool removed = removeCardsThatLeft(fresh);
    const bool placed = placeCards(fresh);
    // Every age is told from the same moment, the new rows' included.
    if (removed || placed)
        refreshAges();
}

bool IssueListModel::removeCardsThatLeft(const QList<ReviewIssue> &fresh)
{
    QSet<QString> freshKeys;
    freshKeys.reserve(fresh.size());
    for (const ReviewIssue &issue : fresh)
        freshKeys.insert(issue.key);
    bool changed = false;
    for (qsizetype row = m_issues.size() - 1; row >= 0; --row) {
        if (freshKeys.contains(m_issues.at(row).key))
            continue;
        qsizetype first = row;
        while (first > 0 && !freshKeys.contains(m_issues.at(first - 1).key))
            --first;
        beginRemoveRows({}, int(first), int(row));
        m_issues.remove(first, row - first + 1);
        endRemoveRows();
        row = first;
        changed = true;
    }
    return changed;
}

bool IssueListModel::placeCards(const QList<ReviewIssue> &fresh)
{
    QSet<QString> kept;
    for (const ReviewIssue &issue : std::as_const(m_issues))
        kept.insert(issue.key);
    bool changed = false;
    for (qsizetype row = 0; row < fresh.size(); ++row) {
        const ReviewIssue &issue = fresh.at(row);
        qsizetype at = row;
        while (at < m_issues.size() && m_issues.at(at).key != issue.key)
            ++at;
        // New cards go in a run at a time; so does a key the column holds twice (the monitor sends
        // none), which is never found below its first row.
        if (at == m_issues.size()) {
            qsizetype end = row + 1;
            while (end < fresh.size() && !kept.contains(fresh.at(end).key))
                ++end;
            beginInsertRows({}, int(row), int(end - 1));
            m_issues.insert(row, end - row, ReviewIssue());
            std::copy(fresh.begin() + row, fresh.begin() + end, m_issues.begin() + row);
            endInsertRows();
            row = end - 1;
            changed = true;
            continue;
        }
        if (at != row) {
            beginMoveRows({}, int(at), int(at), {}, int(row));
            m_issues.move(at, row);
            endMoveRows();
            changed = true;
        }
        if (m_issues.at(row) != issue) {
            m_issues[row] = issue;
            Q_EMIT dataChanged(index(int(row)), index(int(row)));
            changed = true;
        }
    }
    if (m_issues.size() > fresh.size()) { // only after a column that held a key twice
        beginRemoveRows({}, int(fresh.size()), int(m_issues.size() - 1));
        m_issues.resize(fresh.size());
        endRemoveRows();
        changed = true;
    }
    return changed;
}

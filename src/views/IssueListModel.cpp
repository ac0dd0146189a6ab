#include "views/IssueListModel.h"

#include "jira/JiraConfig.h"
#include "monitor/ReviewMonitor.h"
#include "settings/AppSettings.h"
#include "views/RelativeTime.h"

#include <algorithm>

IssueListModel::IssueListModel(const ReviewMonitor &monitor, const AppSettings &settings, QObject *parent)
    : QAbstractListModel(parent), m_monitor(monitor), m_settings(settings)
{
    connect(&monitor, &ReviewMonitor::issuesChanged, this, &IssueListModel::reload);
    // The links follow the site as soon as it changes, not only after the next successful poll:
    // a poll at a new site that fails must not leave rows pointing at the old one.
    connect(&settings, &AppSettings::siteURLChanged, this, [this] {
        if (!m_issues.isEmpty())
            Q_EMIT dataChanged(index(0), index(int(m_issues.size()) - 1), {UrlRole, HasLinkRole});
    });
    reload();
}

int IssueListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_issues.size());
}

QVariant IssueListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const ReviewIssue &issue = m_issues.at(index.row());
    switch (role) {
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
        return accessibilityText(issue);
    default:
        return {};
    }
}

QHash<int, QByteArray> IssueListModel::roleNames() const
{
    return {
        {KeyRole, "key"},           {SummaryRole, "summary"},
        {AssigneeRole, "assignee"}, {HasAssigneeRole, "hasAssignee"},
        {AgeRole, "age"},           {UrlRole, "url"},
        {HasLinkRole, "hasLink"},   {AccessibilityTextRole, "accessibilityText"},
    };
}

QString IssueListModel::accessibilityText(const ReviewIssue &issue)
{
    QString text = issue.key + QStringLiteral(", ") + issue.summary;
    if (issue.assignee)
        text += QStringLiteral(", assigned to ") + *issue.assignee;
    return text;
}

void IssueListModel::refreshAges()
{
    m_now = QDateTime::currentDateTime();
    if (!m_issues.isEmpty())
        Q_EMIT dataChanged(index(0), index(int(m_issues.size()) - 1), {AgeRole});
}

void IssueListModel::reload()
{
    // The count covers the whole column; the list shows its newest cards.
    const QList<ReviewIssue> fresh = m_monitor.issues().mid(0, maximumRows);
    // Most polls find the column as it was: then the views keep their rows untouched. Only a
    // change of cards or of their order rebuilds the rows.
    if (fresh.size() == m_issues.size() &&
        std::equal(fresh.begin(), fresh.end(), m_issues.begin(),
                   [](const ReviewIssue &a, const ReviewIssue &b) { return a.key == b.key; })) {
        for (qsizetype row = 0; row < fresh.size(); ++row) {
            if (fresh.at(row) == m_issues.at(row))
                continue;
            m_issues[row] = fresh.at(row);
            Q_EMIT dataChanged(index(int(row)), index(int(row)));
        }
        return;
    }
    beginResetModel();
    m_issues = fresh;
    m_now = QDateTime::currentDateTime();
    endResetModel();
}

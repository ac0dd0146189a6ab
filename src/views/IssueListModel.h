#pragma once

#include "jira/ReviewIssue.h"

#include <QAbstractListModel>
#include <QDateTime>
#include <QUrl>

class AppSettings;
class ReviewMonitor;

// The monitor's cards as rows for the popover's list: texts, age and browser link of each card.
class IssueListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    enum Role
    {
        KeyRole = Qt::UserRole + 1,
        SummaryRole,
        AssigneeRole,
        HasAssigneeRole,
        AgeRole,
        UrlRole,
        HasLinkRole,
        AccessibilityTextRole,
    };

    // A column can hold up to a thousand cards; nobody scrolls through more than these.
    static constexpr qsizetype maximumRows = 100;

    IssueListModel(const ReviewMonitor &monitor, const AppSettings &settings, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    // The key, the summary and, with an assignee, who it is assigned to; the age is left out.
    static QString accessibilityText(const ReviewIssue &issue);

    // Recomputes the ages ("5 min. ago") against the current time.
    void refreshAges();

private:
    void reload();
    // The steps of a reload, each true when it changed a row: the rows of cards that left go, then
    // every card takes its place in `fresh` (inserted, moved up, its text updated).
    bool removeCardsThatLeft(const QList<ReviewIssue> &fresh);
    bool placeCards(const QList<ReviewIssue> &fresh);

    const ReviewMonitor &m_monitor;
    const AppSettings &m_settings;
    QList<ReviewIssue> m_issues;
    QDateTime m_now;
};

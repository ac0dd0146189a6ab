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
        // With several columns, each column's section has a heading row, then its cards or one note
        // row (an empty column, a column that fails).
        IsCardRole,
        IsHeadingRole,
        IsProblemRole,
        TextRole,   // a heading's title, a note's text
        DetailRole, // a heading's count
    };

    // A column can hold up to a thousand cards; nobody scrolls through more than these.
    static constexpr qsizetype maximumRows = 100;

    IssueListModel(const ReviewMonitor &monitor, const AppSettings &settings, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

    // What a screen reader says for a card: the key, the summary, with an assignee who it is assigned
    // to, and with an update time its age against `now` ("NOR-1, Fix the login, assigned to Ann,
    // updated 5 min. ago"). One translatable text per combination.
    static QString accessibilityText(const ReviewIssue &issue, const QDateTime &now);

    // For the keyboard: the first card row met from `row` (itself included) going `step` (+1 down,
    // -1 up), skipping headings and notes; -1 when there is none that way.
    Q_INVOKABLE int cardFrom(int row, int step) const;

    // Recomputes the ages ("5 min. ago") against the current time.
    void refreshAges();

    // Rows of each kind, for the popover's height: cards, section headings and notes.
    int cardRows() const;
    int headingRows() const;
    int noteRows() const;

private:
    // A row of the sectioned list (several columns).
    struct Row
    {
        enum class Kind
        {
            card,
            heading,
            note
        };
        Kind kind = Kind::card;
        ReviewIssue card;
        QString text;
        QString detail;
        bool problem = false;
        friend bool operator==(const Row &, const Row &) = default;
    };

    void reload();
    void reloadSections();
    int rowsOf(Row::Kind kind) const;
    const ReviewIssue &cardAt(int row) const;
    // The steps of a reload, each true when it changed a row: the rows of cards that left go, then
    // every card takes its place in `fresh` (inserted, moved up, its text updated).
    bool removeCardsThatLeft(const QList<ReviewIssue> &fresh);
    bool placeCards(const QList<ReviewIssue> &fresh);

    const ReviewMonitor &m_monitor;
    const AppSettings &m_settings;
    QList<ReviewIssue> m_issues; // one column: its cards, row by row
    QList<Row> m_rows;           // several columns: their sections
    bool m_sectioned = false;
    QDateTime m_now;
};

#pragma once

#include "jira/JiraConfig.h"
#include "jira/QuickFilter.h"

#include <QCoroTask>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <optional>

// The board's quick filters the settings window offers for the team filter, and which one is
// picked. Picking one hands its JQL to the team filter (jqlPicked); "None" hands an empty one.
class QuickFilterChoice : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // The team filter as it reads now; a load picks the filter it is.
    std::function<QString()> teamFilter;

    const QList<QuickFilter> &filters() const { return m_filters; }
    QVariantList items() const;  // {id, name} of each filter
    QStringList choices() const; // "None", then the name of each filter
    bool loading() const { return m_loading; }
    const std::optional<QString> &message() const { return m_message; }

    std::optional<qint64> selectedId() const { return m_selectedId; }
    // Picks a filter, or none; a change of pick hands the filter's JQL on.
    void select(std::optional<qint64> id);
    int selectedIndex() const; // index into choices(); 0 is "None"
    void selectIndex(int index);

    // Picks, without handing anything on, the filter whose JQL the team filter already is.
    void matchSelection(const QString &jql);
    // A team filter edited away from the picked filter's JQL is no longer that filter. Only the
    // pick goes: the text is the user's.
    void followEditedJQL(const QString &jql);

    // Loads the board's quick filters with the configuration, then picks the one the team filter is.
    // A failure keeps the list and the pick. Does nothing while a load runs.
    QCoro::Task<> load(JiraConfig config);

Q_SIGNALS:
    void filtersChanged();
    void selectionChanged();
    void loadingChanged();
    void messageChanged();
    void jqlPicked(const QString &jql);

private:
    void setLoading(bool loading);
    void setMessage(std::optional<QString> message);
    void setFilters(QList<QuickFilter> filters);
    const QuickFilter *filterWithId(qint64 id) const;
    std::optional<qint64> filterMatching(const QString &jql) const;

    QList<QuickFilter> m_filters;
    std::optional<qint64> m_selectedId;
    bool m_loading = false;
    std::optional<QString> m_message;
};

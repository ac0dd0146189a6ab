#include "views/QuickFilterChoice.h"

#include "jira/JiraClient.h"
#include "views/SettingsValidation.h"

#include <QPointer>
#include <QVariantMap>

using SettingsValidation::trimmed;

void QuickFilterChoice::setLoading(bool loading)
{
    m_loading = loading;
    Q_EMIT loadingChanged();
}

void QuickFilterChoice::setMessage(std::optional<QString> message)
{
    m_message = std::move(message);
    Q_EMIT messageChanged();
}

void QuickFilterChoice::setFilters(QList<QuickFilter> filters)
{
    m_filters = std::move(filters);
    Q_EMIT filtersChanged();
    Q_EMIT selectionChanged(); // the selection's index moves with the list
}

const QuickFilter *QuickFilterChoice::filterWithId(qint64 id) const
{
    for (const QuickFilter &filter : m_filters) {
        if (filter.id == id)
            return &filter;
    }
    return nullptr;
}

std::optional<qint64> QuickFilterChoice::filterMatching(const QString &jql) const
{
    // Both sides trimmed: Jira keeps a quick filter's JQL as its author typed it, spaces and all.
    const QString wanted = trimmed(jql);
    for (const QuickFilter &filter : m_filters) {
        if (trimmed(filter.jql) == wanted)
            return filter.id;
    }
    return std::nullopt;
}

void QuickFilterChoice::select(std::optional<qint64> id)
{
    const bool changed = id != m_selectedId;
    m_selectedId = id;
    Q_EMIT selectionChanged();
    if (!changed)
        return;
    if (!id) {
        Q_EMIT jqlPicked(QString());
    } else if (const QuickFilter *filter = filterWithId(*id)) {
        Q_EMIT jqlPicked(filter->jql);
    }
}

int QuickFilterChoice::selectedIndex() const
{
    if (!m_selectedId)
        return 0;
    for (qsizetype i = 0; i < m_filters.size(); ++i) {
        if (m_filters.at(i).id == *m_selectedId)
            return int(i) + 1;
    }
    return 0;
}

void QuickFilterChoice::selectIndex(int index)
{
    if (index <= 0 || index > m_filters.size())
        select(std::nullopt);
    else
        select(m_filters.at(index - 1).id);
}

void QuickFilterChoice::matchSelection(const QString &jql)
{
    m_selectedId = filterMatching(jql);
    Q_EMIT selectionChanged();
}

void QuickFilterChoice::followEditedJQL(const QString &jql)
{
    if (!m_selectedId)
        return;
    const QuickFilter *filter = filterWithId(*m_selectedId);
    if (!filter || trimmed(filter->jql) != trimmed(jql)) {
        m_selectedId.reset();
        Q_EMIT selectionChanged();
    }
}

QVariantList QuickFilterChoice::items() const
{
    QVariantList items;
    for (const QuickFilter &filter : m_filters)
        items.append(QVariantMap{{QStringLiteral("id"), filter.id}, {QStringLiteral("name"), filter.name}});
    return items;
}

QStringList QuickFilterChoice::choices() const
{
    QStringList choices{tr("None")};
    for (const QuickFilter &filter : m_filters)
        choices.append(filter.name);
    return choices;
}

QCoro::Task<> QuickFilterChoice::load(JiraConfig config)
{
    if (m_loading)
        co_return;
    setLoading(true);
    setMessage(std::nullopt);
    const JiraClient client(config);
    QPointer<QuickFilterChoice> self(this);
    auto result = co_await client.fetchQuickFilters();
    if (!self)
        co_return;
    if (result.ok()) {
        setFilters(std::move(result.value()));
        if (m_filters.isEmpty())
            setMessage(tr("This board has no quick filters."));
        else
            select(filterMatching(teamFilter ? teamFilter() : config.extraJQL));
    } else {
        // The list and the selection stay as they were.
        setMessage(result.error().errorDescription());
    }
    setLoading(false);
}

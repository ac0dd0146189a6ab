#pragma once

#include <QString>
#include <QVariantMap>

// One column the user watches: a status of a board, an optional team filter (JQL) and an optional
// name to show. The connection (site, email, token) is shared by every column.
struct WatchedColumn
{
    QString boardId;
    QString statusName;
    QString extraJQL;
    QString name;
    // Keys of the column's entry in the settings file that this build does not know; written back
    // as they came.
    QVariantMap otherKeys;

    // What the column is called where it is shown: its name, else its status.
    QString title() const
    {
        const QString shown = name.trimmed();
        return shown.isEmpty() ? statusName.trimmed() : shown;
    }
    // A board and a status: enough to read.
    bool isComplete() const { return !boardId.trimmed().isEmpty() && !statusName.trimmed().isEmpty(); }

    friend bool operator==(const WatchedColumn &, const WatchedColumn &) = default;
};

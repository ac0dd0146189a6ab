#pragma once

#include <QString>
#include <QtGlobal>

// One quick filter of a board: a named JQL fragment. Identity is the id; equality takes all fields.
struct QuickFilter
{
    qint64 id = 0;
    QString name;
    QString jql;

    friend bool operator==(const QuickFilter &, const QuickFilter &) = default;
};

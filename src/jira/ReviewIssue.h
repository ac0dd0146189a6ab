#pragma once

#include <QDateTime>
#include <QList>
#include <QMetaType>
#include <QString>
#include <optional>

// One card of the watched column. Its identity is the key; equality compares every field.
struct ReviewIssue
{
    QString key;
    QString summary;
    std::optional<QString> assignee;
    std::optional<QDateTime> updated;
    QString status = {}; // its status's name, when the read asked for it (a read of several columns)

    const QString &id() const { return key; }
    friend bool operator==(const ReviewIssue &, const ReviewIssue &) = default;
};

Q_DECLARE_METATYPE(ReviewIssue)

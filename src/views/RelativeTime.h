#pragma once

#include <QDateTime>
#include <QString>

// The short how-long-ago text of a card row and of the popover's status line.
namespace RelativeTime {

// "just now" within a minute either way; otherwise the largest whole unit, rounded down, as a short
// phrase such as "5 min. ago", "in 2 hr.", "3 days ago", "in 1 wk.", "2 mo. ago" or "1 yr. ago".
// The phrases are translatable (context "RelativeTime"). Empty when either time is invalid.
QString string(const QDateTime &date, const QDateTime &now = QDateTime::currentDateTime());

} // namespace RelativeTime

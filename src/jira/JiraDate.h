#pragma once

#include <QDateTime>
#include <QString>
#include <optional>

// Reads the "updated" timestamps of Jira, such as "2016-09-28T23:08:32.097+1000": a date, a literal
// T, a 24-hour time with exactly three fraction digits, then the zone offset as a sign and four
// digits. The offset forms "+10:00" and "Z", which other Jira fields use, are read as well. Anything
// else (no fraction, a date alone, spaces, a missing offset) does not parse.
//
// The parser keeps no state, so any thread may call it at any time.
namespace JiraDate {

// The instant the text names, in UTC; none when the text does not have the shape above or names
// a day or time that does not exist.
std::optional<QDateTime> parse(QStringView text);

} // namespace JiraDate

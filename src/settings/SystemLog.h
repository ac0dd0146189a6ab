#pragma once

#include <QString>

// The system log: one line on standard error per failure that only a developer can act on, which
// the journal keeps in a desktop session. The line reads "Norrid: <what> — <description>".
namespace SystemLog {

void write(const QString &what, const QString &description);

} // namespace SystemLog

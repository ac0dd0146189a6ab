#include "settings/SystemLog.h"

#include <QDebug>

namespace SystemLog {

void write(const QString &what, const QString &description)
{
    // Through Qt's message handler, so tests can capture the line and QT_MESSAGE_PATTERN applies;
    // the default handler writes it to standard error as one line.
    qWarning().noquote() << QStringLiteral("Norrid: ") + what + QStringLiteral(" — ") + description;
}

} // namespace SystemLog

#include "shell/StatusPresentation.h"

#include <QLocale>

namespace StatusPresentation {

Look look(const Input &input)
{
    const QString prefix = QStringLiteral("Norrid — ");
    const QString checklist = QStringLiteral("checklist");
    const QString warning = QStringLiteral("exclamationmark.triangle");
    if (!input.columnLines.isEmpty() && input.kind != StateKind::needsSetup) {
        const bool failing = input.kind == StateKind::error;
        const QString head =
            input.updateOffered ? prefix + QStringLiteral("update available") : QStringLiteral("Norrid");
        return {head + u'\n' + input.columnLines.join(u'\n'), failing ? warning : checklist,
                input.updateOffered};
    }
    switch (input.kind) {
    case StateKind::error:
        return {prefix + input.errorMessage, warning, input.updateOffered};
    case StateKind::needsSetup:
        if (!input.keyringNote.isEmpty())
            return {prefix + input.keyringNote, checklist, input.updateOffered};
        return {prefix + QStringLiteral("needs setup"), checklist, input.updateOffered};
    case StateKind::loading:
    case StateKind::ok:
        break;
    }
    if (input.updateOffered)
        return {prefix + QStringLiteral("update available"), checklist, true};
    return {prefix + QStringLiteral("cards in ") + input.statusName, checklist, false};
}

QString title(int cardCount)
{
    return cardCount > 0 ? QStringLiteral(" %1").arg(cardCount) : QString();
}

QString accessibleValue(int cardCount)
{
    return QStringLiteral("%1 cards to review").arg(cardCount);
}

QString toolTip(const QString &lookToolTip, int cardCount)
{
    return lookToolTip + u'\n' + accessibleValue(cardCount);
}

QString snoozeLine(const QDateTime &until, const QDateTime &now)
{
    const QLocale locale;
    const QString time = locale.toString(until.time(), QLocale::ShortFormat);
    const QString when =
        until.date() == now.date() ? time : locale.toString(until.date(), QLocale::ShortFormat) + u' ' + time;
    return QStringLiteral("Notifications snoozed until %1").arg(when);
}

QString accessibleName(int cardCount)
{
    return accessibleLabel() + QStringLiteral(", ") + accessibleValue(cardCount);
}

QString accessibleLabel()
{
    return QStringLiteral("Norrid");
}

} // namespace StatusPresentation

#include "shell/StatusPresentation.h"

#include <QCoreApplication>
#include <QLocale>

namespace StatusPresentation {

Look look(const Input &input)
{
    const QString updateAvailable =
        QCoreApplication::translate("StatusPresentation", "Norrid — update available");
    const QString checklist = QStringLiteral("checklist");
    const QString warning = QStringLiteral("exclamationmark.triangle");
    if (!input.columnLines.isEmpty() && input.kind != StateKind::needsSetup) {
        const bool failing = input.kind == StateKind::error;
        const QString head = input.updateOffered ? updateAvailable : QStringLiteral("Norrid");
        return {head + u'\n' + input.columnLines.join(u'\n'), failing ? warning : checklist,
                input.updateOffered};
    }
    switch (input.kind) {
    case StateKind::error:
        return {QCoreApplication::translate("StatusPresentation", "Norrid — %1").arg(input.errorMessage),
                warning, input.updateOffered};
    case StateKind::needsSetup:
        if (!input.keyringNote.isEmpty())
            return {QCoreApplication::translate("StatusPresentation", "Norrid — %1").arg(input.keyringNote),
                    checklist, input.updateOffered};
        return {QCoreApplication::translate("StatusPresentation", "Norrid — needs setup"), checklist,
                input.updateOffered};
    case StateKind::loading:
    case StateKind::ok:
        break;
    }
    if (input.updateOffered)
        return {updateAvailable, checklist, true};
    return {QCoreApplication::translate("StatusPresentation", "Norrid — cards in %1").arg(input.statusName),
            checklist, false};
}

QString title(int cardCount)
{
    return cardCount > 0 ? QStringLiteral(" %1").arg(cardCount) : QString();
}

QString accessibleValue(int cardCount)
{
    return QCoreApplication::translate("StatusPresentation", "%n cards to review", nullptr, cardCount);
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
    return QCoreApplication::translate("StatusPresentation", "Notifications snoozed until %1").arg(when);
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

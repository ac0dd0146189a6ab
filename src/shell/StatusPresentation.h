#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// What the tray icon says about the monitor: tooltip, symbol, update dot, and the count texts.
// Plain rules, so the tray code only copies the results onto the icon.
namespace StatusPresentation {

enum class StateKind
{
    error,
    needsSetup,
    loading,
    ok
};

struct Input
{
    StateKind kind = StateKind::needsSetup;
    QString errorMessage; // only read in the error state
    bool updateOffered = false;
    QString statusName; // the watched column, as stored in the settings
    // In the needs-setup state: why the token cannot be used, as KeyringText::trayNote words it;
    // empty when the keyring is not the reason.
    QString keyringNote;
    // With several columns watched, a line for each (WatchSummary::columnLines); empty with one.
    QStringList columnLines = {};
};

struct Look
{
    QString toolTip;
    QString symbolName;
    bool badged = false;
    friend bool operator==(const Look &, const Look &) = default;
};

Look look(const Input &input);

// The count beside the icon: a space and the number when there are cards, else empty.
QString title(int cardCount);
// "{n} cards to review", also for zero and one card.
QString accessibleValue(int cardCount);
// The tray's tooltip: the look's text, then the count in words on a line of its own.
QString toolTip(const QString &lookToolTip, int cardCount);
// The tooltip's line while notifications are snoozed: "Notifications snoozed until {time}"; the
// date is named when the end is not today.
QString snoozeLine(const QDateTime &until, const QDateTime &now);
// What a screen reader says for the tray icon: "Norrid, {n} cards to review".
QString accessibleName(int cardCount);
// The name assistive technology reads for the icon and its image.
QString accessibleLabel();

} // namespace StatusPresentation

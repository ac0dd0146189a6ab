#include "settings/KeyringText.h"

namespace {

using Condition = KeyringState::Condition;
using Owed = KeyringState::Owed;

// "once the keyring is unlocked" and its kin: when Norrid does what it owes.
QString once(Condition condition)
{
    switch (condition) {
    case Condition::locked:
        return QStringLiteral("once the keyring is unlocked");
    case Condition::absent:
        return QStringLiteral("once a keyring runs");
    case Condition::ready:
    case Condition::unreachable:
        break;
    }
    return QStringLiteral("once the keyring answers");
}

} // namespace

QString KeyringText::title(const KeyringState &state)
{
    if (!state.isBlocked())
        return {};
    switch (state.condition) {
    case Condition::locked:
        return QStringLiteral("Keyring locked");
    case Condition::absent:
        return QStringLiteral("No keyring");
    case Condition::ready:
    case Condition::unreachable:
        break;
    }
    return QStringLiteral("Keyring not reachable");
}

QString KeyringText::sentence(const KeyringState &state)
{
    if (!state.isBlocked())
        return {};
    QString cause;
    switch (state.condition) {
    case Condition::locked:
        cause = QStringLiteral("Your keyring is locked");
        break;
    case Condition::absent:
        cause = QStringLiteral(
            "This desktop runs no keyring (a Secret Service such as GNOME Keyring or KWallet)");
        break;
    case Condition::ready:
    case Condition::unreachable:
        cause = QStringLiteral("Norrid cannot reach your system keyring");
        break;
    }
    const QString when = once(state.condition);
    switch (state.owed) {
    case Owed::read:
        return cause + QStringLiteral(", so the Jira API token cannot be read. ") + when.at(0).toUpper() +
               when.mid(1) + QStringLiteral(", Norrid connects again without asking for the token.");
    case Owed::save:
        return cause +
               QStringLiteral(", so the Jira API token is not stored yet. Norrid keeps it in memory "
                              "and stores it ") +
               when + u'.';
    case Owed::remove:
        return cause + QStringLiteral(", so the old Jira API token is still stored. Norrid deletes it ") +
               when + u'.';
    case Owed::nothing:
        break;
    }
    return {};
}

QString KeyringText::trayNote(const KeyringState &state)
{
    if (!state.isBlocked())
        return {};
    const QString condition = title(state).toLower();
    switch (state.owed) {
    case Owed::read:
        return condition + QStringLiteral("; connects ") + once(state.condition);
    case Owed::save:
        return condition + QStringLiteral("; stores the token ") + once(state.condition);
    case Owed::remove:
        return condition + QStringLiteral("; deletes the old token ") + once(state.condition);
    case Owed::nothing:
        break;
    }
    return {};
}

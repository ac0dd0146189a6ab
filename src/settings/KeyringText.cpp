#include "settings/KeyringText.h"

#include <QCoreApplication>

namespace {

using Condition = KeyringState::Condition;
using Owed = KeyringState::Owed;

// One text per condition and what Norrid owes: whole sentences, so that each language words them
// in its own order.
struct Owing
{
    const char *read;
    const char *save;
    const char *remove;
};

struct Wording
{
    const char *title;
    Owing sentence;
    Owing trayNote;
};

constexpr Wording locked{
    QT_TRANSLATE_NOOP("KeyringText", "Keyring locked"),
    {QT_TRANSLATE_NOOP("KeyringText",
                       "Your keyring is locked, so the Jira API token cannot be read. Once the "
                       "keyring is unlocked, Norrid connects again without asking for the token."),
     QT_TRANSLATE_NOOP("KeyringText",
                       "Your keyring is locked, so the Jira API token is not stored yet. Norrid "
                       "keeps it in memory and stores it once the keyring is unlocked."),
     QT_TRANSLATE_NOOP("KeyringText",
                       "Your keyring is locked, so the old Jira API token is still stored. Norrid "
                       "deletes it once the keyring is unlocked.")},
    {QT_TRANSLATE_NOOP("KeyringText", "keyring locked; connects once the keyring is unlocked"),
     QT_TRANSLATE_NOOP("KeyringText", "keyring locked; stores the token once the keyring is unlocked"),
     QT_TRANSLATE_NOOP("KeyringText", "keyring locked; deletes the old token once the keyring is unlocked")}};

constexpr Wording absent{
    QT_TRANSLATE_NOOP("KeyringText", "No keyring"),
    {QT_TRANSLATE_NOOP("KeyringText",
                       "This desktop runs no keyring (a Secret Service such as GNOME Keyring or "
                       "KWallet), so the Jira API token cannot be read. Once a keyring runs, "
                       "Norrid connects again without asking for the token."),
     QT_TRANSLATE_NOOP("KeyringText",
                       "This desktop runs no keyring (a Secret Service such as GNOME Keyring or "
                       "KWallet), so the Jira API token is not stored yet. Norrid keeps it in "
                       "memory and stores it once a keyring runs."),
     QT_TRANSLATE_NOOP("KeyringText",
                       "This desktop runs no keyring (a Secret Service such as GNOME Keyring or "
                       "KWallet), so the old Jira API token is still stored. Norrid deletes it "
                       "once a keyring runs.")},
    {QT_TRANSLATE_NOOP("KeyringText", "no keyring; connects once a keyring runs"),
     QT_TRANSLATE_NOOP("KeyringText", "no keyring; stores the token once a keyring runs"),
     QT_TRANSLATE_NOOP("KeyringText", "no keyring; deletes the old token once a keyring runs")}};

constexpr Wording unreachable{
    QT_TRANSLATE_NOOP("KeyringText", "Keyring not reachable"),
    {QT_TRANSLATE_NOOP("KeyringText",
                       "Norrid cannot reach your system keyring, so the Jira API token cannot be "
                       "read. Once the keyring answers, Norrid connects again without asking "
                       "for the token."),
     QT_TRANSLATE_NOOP("KeyringText", "Norrid cannot reach your system keyring, so the Jira API token is not "
                                      "stored yet. Norrid keeps it in memory and stores it once the keyring "
                                      "answers."),
     QT_TRANSLATE_NOOP("KeyringText", "Norrid cannot reach your system keyring, so the old Jira API token is "
                                      "still stored. Norrid deletes it once the keyring answers.")},
    {QT_TRANSLATE_NOOP("KeyringText", "keyring not reachable; connects once the keyring answers"),
     QT_TRANSLATE_NOOP("KeyringText", "keyring not reachable; stores the token once the keyring answers"),
     QT_TRANSLATE_NOOP("KeyringText",
                       "keyring not reachable; deletes the old token once the keyring answers")}};

const Wording &wording(Condition condition)
{
    switch (condition) {
    case Condition::locked:
        return locked;
    case Condition::absent:
        return absent;
    case Condition::ready:
    case Condition::unreachable:
        break;
    }
    return unreachable;
}

QString owing(const Owing &texts, Owed owed)
{
    switch (owed) {
    case Owed::read:
        return QCoreApplication::translate("KeyringText", texts.read);
    case Owed::save:
        return QCoreApplication::translate("KeyringText", texts.save);
    case Owed::remove:
        return QCoreApplication::translate("KeyringText", texts.remove);
    case Owed::nothing:
        break;
    }
    return {};
}

} // namespace

QString KeyringText::title(const KeyringState &state)
{
    return state.isBlocked() ? QCoreApplication::translate("KeyringText", wording(state.condition).title)
                             : QString();
}

QString KeyringText::sentence(const KeyringState &state)
{
    return owing(wording(state.condition).sentence, state.owed);
}

QString KeyringText::trayNote(const KeyringState &state)
{
    return owing(wording(state.condition).trayNote, state.owed);
}

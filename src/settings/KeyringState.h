#pragma once

// Where the token stands with the system keyring, as the views tell it: what keeps the keyring
// from being used, and what Norrid still owes it.
struct KeyringState
{
    enum class Condition
    {
        ready,       // the keyring answers and is open
        locked,      // the token, or the collection it goes into, is locked
        unreachable, // a keyring runs, or could be started, but did not answer
        absent       // this desktop runs no keyring (no Secret Service on the session bus)
    };
    enum class Owed
    {
        nothing,
        read,  // the stored token could not be read yet
        save,  // a token the user typed is held in memory until it can be stored
        remove // the old token is still stored and waits to be deleted
    };

    Condition condition = Condition::ready;
    Owed owed = Owed::nothing;

    bool isBlocked() const { return owed != Owed::nothing; }
    friend bool operator==(const KeyringState &, const KeyringState &) = default;
};

#pragma once

#include "settings/KeyringState.h"

#include <QString>

// The one place where the keyring's state becomes words: the popover's title and sentence, the
// settings window's sentence and the tray's tooltip all say the same, and each says what is true
// (locked, not answering, no keyring at all; a token to read, to store or to delete).
namespace KeyringText {

// A short title: "Keyring locked", "Keyring not reachable", "No keyring". Empty when nothing is owed.
QString title(const KeyringState &state);
// What happened and what Norrid does about it, as sentences. Empty when nothing is owed.
QString sentence(const KeyringState &state);
// The tray tooltip's words after "Norrid — ", while the token cannot be used. Empty when nothing is
// owed.
QString trayNote(const KeyringState &state);

} // namespace KeyringText

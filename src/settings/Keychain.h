#pragma once

#include <QString>
#include <optional>

// The API token's place in the system keyring (the Secret Service, through QtKeychain): one item per
// account under the service "app.norrid.Norrid.token", holding the secret's UTF-8 bytes.
//
// The calls are synchronous, as their callers expect, but each one waits a bounded time for the
// keyring, so a keyring that hangs or waits for the user cannot freeze the interface for long.
// The keyring is never replaced by a plaintext store, whatever happens.
namespace Keychain {

enum class Status
{
    Ok,          // read: the item was found; save, remove: done
    NotFound,    // there is no such item (for remove this still means done)
    Locked,      // the item or the collection it belongs in is locked
    Unavailable, // no keyring answered: no Secret Service, an error, or no answer in time
};

struct Item
{
    Status status = Status::NotFound;
    QString value;   // the secret, when status is Ok
    QString problem; // why the keyring could not be used; never contains a secret
};

struct Outcome
{
    Status status = Status::Ok;
    QString problem;

    bool succeeded() const { return status == Status::Ok || status == Status::NotFound; }
};

// "app.norrid.Norrid.token"
QString service();

// The item of the account, telling a missing item apart from a keyring that could not be asked.
Item readItem(const QString &account);

// The secret of the account, or none when there is no item or it could not be read.
std::optional<QString> read(const QString &account);

// Replaces the item of the account: deletes any earlier one, then adds the new one. Nothing is
// touched when the keyring is locked or unavailable.
Outcome save(const QString &value, const QString &account);

// Deletes the item of the account; a missing item counts as done.
Outcome remove(const QString &account);

// Whether the item of the account can be used without raising an unlock prompt or starting a
// keyring: Ok when a keyring runs and the item is not locked, else Locked or Unavailable. Asks
// nothing that could prompt, and reads no secret.
Outcome readiness(const QString &account);

} // namespace Keychain

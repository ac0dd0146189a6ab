#pragma once

#include <QCoroTask>
#include <QString>

// The API token's place in the system keyring (the Secret Service, through QtKeychain): one item per
// account under the service "app.norrid.Norrid.token", holding the secret's UTF-8 bytes.
//
// Every operation is a coroutine that waits on the keychain job's signal and on asynchronous D-Bus
// calls: nothing blocks the thread and no event loop runs inside. Each waits a bounded time for the
// keyring, so one that hangs or waits for the user yields "unavailable" rather than nothing. The
// keyring is never replaced by a plaintext store, whatever happens.
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
QCoro::Task<Item> readItem(QString account);

// Replaces the item of the account: deletes any earlier one, then adds the new one. Nothing is
// touched when the keyring is locked or unavailable.
QCoro::Task<Outcome> save(QString value, QString account);

// Deletes the item of the account; a missing item counts as done.
QCoro::Task<Outcome> remove(QString account);

// Whether the item of the account can be used without raising an unlock prompt or starting a
// keyring: Ok when a keyring runs and the item is not locked, else Locked or Unavailable. Asks
// nothing that could prompt, and reads no secret.
QCoro::Task<Outcome> readiness(QString account);

} // namespace Keychain

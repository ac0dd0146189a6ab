#include "settings/Keychain.h"

#include "settings/SecretServiceProbe.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusReply>
#include <QEventLoop>
#include <QPointer>
#include <QStringDecoder>
#include <QTimer>
#include <dlfcn.h>
#include <qt6keychain/keychain.h>

namespace {

// Long enough for a keyring daemon that is being started on demand, short enough that a hung one
// does not freeze the interface for long. A job that runs out of time goes on in the background.
constexpr int kWaitLimitMs = 5000;

// QtKeychain runs its jobs one after another. While a job that ran out of time is still waiting
// (for example for the user to answer an unlock prompt), every later job would queue behind it
// and run out of time as well, so new requests are answered at once instead of waiting in vain.
QPointer<QKeychain::Job> &stalledJob()
{
    static QPointer<QKeychain::Job> job;
    return job;
}

// libsecret, which QtKeychain loads, opens one session with the Secret Service and keeps it for the
// life of the process. When the keyring daemon restarts, that session is gone and every later call
// fails with "The session wrapping the secret does not exist", so once the service has a new owner
// libsecret is told to let go of the old one; its next call opens a fresh session.
void forgetSessionWithEarlierKeyring()
{
    static QString knownOwner;
    const QDBusConnectionInterface *bus = QDBusConnection::sessionBus().interface();
    if (!bus)
        return;
    const QDBusReply<QString> owner = bus->serviceOwner(SecretServiceProbe::service);
    if (!owner.isValid())
        return; // no keyring right now; compare with the one that comes next
    if (!knownOwner.isEmpty() && owner.value() != knownOwner) {
        if (void *libsecret = dlopen("libsecret-1.so.0", RTLD_LAZY | RTLD_NOLOAD)) {
            using Disconnect = void (*)();
            if (auto disconnect = reinterpret_cast<Disconnect>(dlsym(libsecret, "secret_service_disconnect")))
                disconnect();
            dlclose(libsecret);
        }
    }
    knownOwner = owner.value();
}

struct JobResult
{
    QKeychain::Error error = QKeychain::NoError;
    QString problem;
    bool timedOut = false;
    QByteArray data; // what a read job found
};

// Prepares a job: the settings for the insecure fallback stay unset and the fallback stays off, so
// the secret never goes to a plaintext file even where no keyring exists.
template<typename JobType> JobType *makeJob(const QString &account)
{
    auto *job = new JobType(Keychain::service());
    job->setInsecureFallback(false);
    job->setAutoDelete(true);
    job->setKey(account);
    return job;
}

// Runs the job in a nested event loop, bounded by kWaitLimitMs. User input is held back meanwhile,
// so a click cannot re-enter the code that is waiting here.
JobResult runBounded(QKeychain::Job *job)
{
    JobResult result;
    if (stalledJob()) {
        delete job;
        result.error = QKeychain::OtherError;
        result.problem = QStringLiteral("the keyring has not answered an earlier request yet");
        result.timedOut = true;
        return result;
    }

    forgetSessionWithEarlierKeyring();
    QEventLoop loop;
    bool finished = false;
    QObject::connect(job, &QKeychain::Job::finished, &loop, [&](QKeychain::Job *done) {
        finished = true;
        result.error = done->error();
        result.problem = done->errorString();
        if (const auto *read = qobject_cast<QKeychain::ReadPasswordJob *>(done))
            result.data = read->binaryData();
        loop.quit();
    });
    QTimer::singleShot(kWaitLimitMs, &loop, &QEventLoop::quit);
    job->start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);

    if (!finished) {
        // The connection above dies with the loop; the job deletes itself once it ends.
        stalledJob() = job;
        QObject::connect(job, &QKeychain::Job::finished, [] { stalledJob().clear(); });
        result.error = QKeychain::OtherError;
        result.problem =
            QStringLiteral("the keyring did not answer within %1 seconds").arg(kWaitLimitMs / 1000);
        result.timedOut = true;
    }
    return result;
}

// QtKeychain's Secret Service backend stores the account as "user" and the service as "server".
QMap<QString, QString> itemAttributes(const QString &account)
{
    return {{QStringLiteral("user"), account}, {QStringLiteral("server"), Keychain::service()}};
}

Keychain::Outcome outcomeOf(const JobResult &result, const QString &account)
{
    if (result.error == QKeychain::NoError)
        return {Keychain::Status::Ok, {}};
    // The Secret Service reports a locked item as no item at all once the unlock prompt was
    // dismissed or could not be shown, so the item's own state decides.
    if (!result.timedOut && SecretServiceProbe::hasLockedItem(itemAttributes(account)))
        return {Keychain::Status::Locked, QStringLiteral("the keyring is locked")};
    if (result.error == QKeychain::EntryNotFound)
        return {Keychain::Status::NotFound, {}};
    QString problem = result.problem.trimmed();
    if (problem.isEmpty())
        problem = QStringLiteral("the keyring reported an unknown error");
    return {Keychain::Status::Unavailable, problem};
}

} // namespace

namespace Keychain {

QString service()
{
    return QStringLiteral("app.norrid.Norrid.token");
}

Item readItem(const QString &account)
{
    const JobResult result = runBounded(makeJob<QKeychain::ReadPasswordJob>(account));
    const Outcome outcome = outcomeOf(result, account);
    if (outcome.status != Status::Ok)
        return {outcome.status, {}, outcome.problem};

    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString value = utf8.decode(result.data);
    if (utf8.hasError())
        return {Status::NotFound, {}, QStringLiteral("the stored token is not UTF-8 text")};
    return {Status::Ok, value, {}};
}

std::optional<QString> read(const QString &account)
{
    Item item = readItem(account);
    if (item.status != Status::Ok)
        return std::nullopt;
    return std::move(item.value);
}

Outcome save(const QString &value, const QString &account)
{
    if (stalledJob())
        return {Status::Unavailable, QStringLiteral("the keyring has not answered an earlier request yet")};
    // Deleting first leaves no item when the add then fails, so nothing is deleted while the
    // keyring could not take the new item anyway.
    if (SecretServiceProbe::hasLockedItem(itemAttributes(account)) ||
        SecretServiceProbe::defaultCollectionLocked())
        return {Status::Locked, QStringLiteral("the keyring is locked")};
    const Outcome removed = remove(account);
    if (!removed.succeeded())
        return removed;

    auto *job = makeJob<QKeychain::WritePasswordJob>(account);
    job->setTextData(value);
    return outcomeOf(runBounded(job), account);
}

Outcome remove(const QString &account)
{
    const Outcome outcome = outcomeOf(runBounded(makeJob<QKeychain::DeletePasswordJob>(account)), account);
    // A locked item is left in place while the delete still reports success.
    if (outcome.succeeded() && SecretServiceProbe::hasLockedItem(itemAttributes(account)))
        return {Status::Locked, QStringLiteral("the keyring is locked")};
    return outcome;
}

Outcome readiness(const QString &account)
{
    if (!SecretServiceProbe::isRunning())
        return {Status::Unavailable, QStringLiteral("no Secret Service is running")};
    if (SecretServiceProbe::hasLockedItem(itemAttributes(account)))
        return {Status::Locked, QStringLiteral("the keyring is locked")};
    return {Status::Ok, {}};
}

} // namespace Keychain

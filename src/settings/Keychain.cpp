#include "settings/Keychain.h"

#include "settings/SecretServiceProbe.h"

#include <QCoreApplication>
#include <QPointer>
#include <QStringDecoder>
#include <QTimer>
#include <coroutine>
#include <dlfcn.h>
#include <memory>
#include <qt6keychain/keychain.h>

namespace {

// Long enough for a keyring daemon that is being started on demand, short enough that a hung one
// is given up on soon. A job that runs out of time goes on in the background.
constexpr std::chrono::milliseconds kWaitLimit{5000};

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
QCoro::Task<> forgetSessionWithEarlierKeyring()
{
    static QString knownOwner;
    const QString owner = co_await SecretServiceProbe::owner(SecretServiceProbe::service);
    if (owner.isEmpty())
        co_return; // no keyring right now; compare with the one that comes next
    if (!knownOwner.isEmpty() && owner != knownOwner) {
        if (void *libsecret = dlopen("libsecret-1.so.0", RTLD_LAZY | RTLD_NOLOAD)) {
            using Disconnect = void (*)();
            if (auto disconnect = reinterpret_cast<Disconnect>(dlsym(libsecret, "secret_service_disconnect")))
                disconnect();
            dlclose(libsecret);
        }
    }
    knownOwner = owner;
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

// One job's end, or kWaitLimit passing, whichever comes first. The coroutine that waits is resumed
// on a later turn of the event loop, never inside QtKeychain's own signal.
struct JobWait
{
    struct State
    {
        JobResult result;
        bool done = false;
        std::coroutine_handle<> waiter;

        void finish()
        {
            done = true;
            if (auto handle = std::exchange(waiter, {}))
                QMetaObject::invokeMethod(
                    QCoreApplication::instance(), [handle] { handle.resume(); }, Qt::QueuedConnection);
        }
    };
    State *state; // a plain pointer: GCC 12 destroys an awaiter's members twice

    bool await_ready() const noexcept { return state->done; }
    void await_suspend(std::coroutine_handle<> handle) noexcept { state->waiter = handle; }
    void await_resume() const noexcept {}
};

// Runs the job and waits for its finished() signal, at most kWaitLimit. The result is taken in a
// handler connected before the job starts, while the job still exists (it deletes itself later).
QCoro::Task<JobResult> runBounded(QKeychain::Job *job)
{
    if (stalledJob()) {
        delete job;
        co_return JobResult{QKeychain::OtherError,
                            QStringLiteral("the keyring has not answered an earlier request yet"),
                            true,
                            {}};
    }

    QPointer<QKeychain::Job> guard(job);
    co_await forgetSessionWithEarlierKeyring();
    if (!guard)
        co_return JobResult{
            QKeychain::OtherError, QStringLiteral("the keyring request was dropped"), true, {}};
    auto state = std::make_shared<JobWait::State>();
    QObject::connect(job, &QKeychain::Job::finished, job, [state](QKeychain::Job *done) {
        if (state->done)
            return; // given up on already
        state->result.error = done->error();
        state->result.problem = done->errorString();
        if (const auto *read = qobject_cast<QKeychain::ReadPasswordJob *>(done))
            state->result.data = read->binaryData();
        state->finish();
    });
    // The timer belongs to the job, so it goes when the job deletes itself.
    auto *limit = new QTimer(job);
    limit->setSingleShot(true);
    limit->start(kWaitLimit);
    QObject::connect(limit, &QTimer::timeout, job, [state, guard] {
        if (state->done)
            return;
        // The job deletes itself once it ends; meanwhile later requests are not queued behind it.
        if (guard) {
            stalledJob() = guard.data();
            QObject::connect(guard.data(), &QKeychain::Job::finished, [] { stalledJob().clear(); });
        }
        state->result.error = QKeychain::OtherError;
        state->result.problem =
            QStringLiteral("the keyring did not answer within %1 seconds")
                .arg(std::chrono::duration_cast<std::chrono::seconds>(kWaitLimit).count());
        state->result.timedOut = true;
        state->finish();
    });
    job->start();
    co_await JobWait{state.get()};
    co_return state->result;
}

// QtKeychain's Secret Service backend stores the account as "user" and the service as "server".
QMap<QString, QString> itemAttributes(const QString &account)
{
    return {{QStringLiteral("user"), account}, {QStringLiteral("server"), Keychain::service()}};
}

const QString lockedProblem = QStringLiteral("the keyring is locked");

QCoro::Task<Keychain::Outcome> outcomeOf(JobResult result, QString account)
{
    if (result.error == QKeychain::NoError)
        co_return Keychain::Outcome{Keychain::Status::Ok, {}};
    // The Secret Service reports a locked item as no item at all once the unlock prompt was
    // dismissed or could not be shown, so the item's own state decides.
    // GCC 12 destroys the awaited task too early when co_await sits in a condition, so every
    // answer is taken into a variable first.
    if (!result.timedOut) {
        const QMap<QString, QString> attributes = itemAttributes(account);
        const bool locked = co_await SecretServiceProbe::hasLockedItem(attributes);
        if (locked)
            co_return Keychain::Outcome{Keychain::Status::Locked, lockedProblem};
    }
    if (result.error == QKeychain::EntryNotFound)
        co_return Keychain::Outcome{Keychain::Status::NotFound, {}};
    QString problem = result.problem.trimmed();
    if (problem.isEmpty())
        problem = QStringLiteral("the keyring reported an unknown error");
    co_return Keychain::Outcome{Keychain::Status::Unavailable, problem};
}

} // namespace

namespace Keychain {

QString service()
{
    return QStringLiteral("app.norrid.Norrid.token");
}

QCoro::Task<Item> readItem(QString account)
{
    const JobResult result = co_await runBounded(makeJob<QKeychain::ReadPasswordJob>(account));
    const Outcome outcome = co_await outcomeOf(result, account);
    if (outcome.status != Status::Ok)
        co_return Item{outcome.status, {}, outcome.problem};

    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString value = utf8.decode(result.data);
    if (utf8.hasError())
        co_return Item{Status::NotFound, {}, QStringLiteral("the stored token is not UTF-8 text")};
    co_return Item{Status::Ok, value, {}};
}

QCoro::Task<Outcome> save(QString value, QString account)
{
    if (stalledJob())
        co_return Outcome{Status::Unavailable,
                          QStringLiteral("the keyring has not answered an earlier request yet")};
    // Deleting first leaves no item when the add then fails, so nothing is deleted while the
    // keyring could not take the new item anyway.
    const QMap<QString, QString> attributes = itemAttributes(account);
    const bool itemLocked = co_await SecretServiceProbe::hasLockedItem(attributes);
    if (itemLocked)
        co_return Outcome{Status::Locked, lockedProblem};
    const bool collectionLocked = co_await SecretServiceProbe::defaultCollectionLocked();
    if (collectionLocked)
        co_return Outcome{Status::Locked, lockedProblem};
    const Outcome removed = co_await remove(account);
    if (!removed.succeeded())
        co_return removed;

    auto *job = makeJob<QKeychain::WritePasswordJob>(account);
    job->setTextData(value);
    const JobResult result = co_await runBounded(job);
    co_return co_await outcomeOf(result, account);
}

QCoro::Task<Outcome> remove(QString account)
{
    const JobResult result = co_await runBounded(makeJob<QKeychain::DeletePasswordJob>(account));
    const Outcome outcome = co_await outcomeOf(result, account);
    if (!outcome.succeeded())
        co_return outcome;
    // A locked item is left in place while the delete still reports success.
    const QMap<QString, QString> attributes = itemAttributes(account);
    const bool locked = co_await SecretServiceProbe::hasLockedItem(attributes);
    co_return locked ? Outcome{Status::Locked, lockedProblem} : outcome;
}

QCoro::Task<Outcome> readiness(QString account)
{
    const bool running = co_await SecretServiceProbe::isRunning();
    if (!running)
        co_return Outcome{Status::Unavailable, QStringLiteral("no Secret Service is running")};
    const QMap<QString, QString> attributes = itemAttributes(account);
    const bool locked = co_await SecretServiceProbe::hasLockedItem(attributes);
    if (locked)
        co_return Outcome{Status::Locked, lockedProblem};
    co_return Outcome{Status::Ok, {}};
}

} // namespace Keychain

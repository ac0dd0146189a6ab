// The token half of AppSettings: the keyring item of account "jira-token", and what is owed to the
// keyring while it is locked or unreachable.
#include "logging/LogCategories.h"
#include "settings/AppSettings.h"
#include "settings/KeyringText.h"
#include "settings/SecretServiceProbe.h"
#include "settings/SecretServiceWatcher.h"
#include "settings/SystemLog.h"

#include <QMetaObject>
#include <utility>

namespace {

const QString kTokenAccount = QStringLiteral("jira-token");

} // namespace

void AppSettings::setToken(const QString &value)
{
    // Empty text while the stored token could not be read yet is not a deletion: the user never saw
    // a token to clear (a settings form hands back the empty field it was shown), so the stored item
    // stays and is still read once the keyring can be used.
    if (value.isEmpty() && m_pending == Pending::Read) {
        Q_EMIT tokenChanged();
        return;
    }
    m_token = value;
    ++m_tokenGeneration;
    m_pending = value.isEmpty() ? Pending::Remove : Pending::Save;
    runKeyring(true);
    Q_EMIT tokenChanged();
}

void AppSettings::retryKeyring()
{
    if (m_pending != Pending::None)
        runKeyring();
}

void AppSettings::runKeyring(bool userAsked)
{
    m_userAsked = m_userAsked || userAsked;
    if (m_keyringBusy) {
        m_keyringAgain = true;
        return;
    }
    driveKeyring();
}

QCoro::Task<> AppSettings::driveKeyring()
{
    QPointer<AppSettings> self(this);
    m_keyringBusy = true;
    while (m_pending != Pending::None) {
        m_keyringAgain = false;
        const Pending operation = m_pending;
        const quint64 generation = m_tokenGeneration;
        const QString value = m_token;
        // Asking for a locked item makes the keyring prompt for its password, and asking a keyring
        // that is not running starts it. Retries nobody asked for do neither: they wait until a
        // keyring runs and the item is unlocked by other means, so a launch shows one prompt at most.
        Keychain::Outcome outcome;
        if (!std::exchange(m_userAsked, false))
            outcome = co_await Keychain::readiness(kTokenAccount);
        if (!self)
            co_return;
        QString readValue;
        // Plain ifs: GCC 12 loses a coroutine that suspends inside a switch.
        if (outcome.succeeded() && operation == Pending::Read) {
            const Keychain::Item item = co_await Keychain::readItem(kTokenAccount);
            outcome = {item.status, item.problem};
            readValue = item.value;
        } else if (outcome.succeeded() && operation == Pending::Save) {
            outcome = co_await Keychain::save(value, kTokenAccount);
        } else if (outcome.succeeded() && operation == Pending::Remove) {
            outcome = co_await Keychain::remove(kTokenAccount);
        }
        bool installed = true;
        if (outcome.status == Keychain::Status::Unavailable)
            installed = co_await SecretServiceProbe::isInstalled();
        if (!self)
            co_return;
        // A token assigned meanwhile decides: a read no longer counts, and the new save or delete
        // runs next.
        if (generation != m_tokenGeneration)
            continue;
        // Whoever waits for the first read goes on once it ends, whatever it found: a token, none,
        // or a keyring that said no.
        const bool wasReading = tokenReading();
        const bool tokenArrived =
            operation == Pending::Read && outcome.status == Keychain::Status::Ok && readValue != m_token;
        if (tokenArrived)
            m_token = readValue;
        settleKeyring(operation, outcome, installed);
        if (tokenArrived || (wasReading && !tokenReading()))
            QMetaObject::invokeMethod(this, &AppSettings::tokenChanged, Qt::QueuedConnection);
        if (!outcome.succeeded() && !m_keyringAgain)
            break;
    }
    m_keyringBusy = false;
}

void AppSettings::settleKeyring(Pending operation, const Keychain::Outcome &outcome, bool installed)
{
    const bool wasUnavailable = tokenUnavailable();
    const QString problemBefore = tokenProblem();
    qCDebug(norridKeyring) << "operation" << int(operation) << "status" << int(outcome.status);
    m_keyringStatus = outcome.status;
    if (outcome.status == Keychain::Status::Unavailable)
        m_keyringInstalled = installed;
    m_keyringFailed = !outcome.succeeded();
    m_pending = outcome.succeeded() ? Pending::None : operation;

    // One line when the keyring stops being usable, not one per attempt while it stays so.
    const QString what = operation == Pending::Read   ? QStringLiteral("token read failed")
                         : operation == Pending::Save ? QStringLiteral("token save failed")
                                                      : QStringLiteral("token delete failed");
    if (tokenUnavailable() && !wasUnavailable)
        SystemLog::write(what, outcome.problem);
    if (tokenUnavailable() != wasUnavailable || tokenProblem() != problemBefore)
        QMetaObject::invokeMethod(this, &AppSettings::tokenUnavailableChanged, Qt::QueuedConnection);
    watchKeyring(tokenUnavailable());
}

void AppSettings::watchKeyring(bool watch)
{
    if (watch == !m_keyringWatcher.isNull())
        return;
    if (!watch) {
        // Possibly called from the watcher's own signal.
        m_keyringWatcher->deleteLater();
        m_keyringWatcher.clear();
        return;
    }
    m_keyringWatcher = new SecretServiceWatcher(this);
    connect(m_keyringWatcher, &SecretServiceWatcher::changed, this, &AppSettings::retryKeyring);
}

KeyringState AppSettings::keyringState() const
{
    KeyringState state;
    if (!m_keyringFailed)
        return state; // nothing refused yet: a first read or a write under way
    switch (m_pending) {
    case Pending::None:
        return state;
    case Pending::Read:
        state.owed = KeyringState::Owed::read;
        break;
    case Pending::Save:
        state.owed = KeyringState::Owed::save;
        break;
    case Pending::Remove:
        state.owed = KeyringState::Owed::remove;
        break;
    }
    if (m_keyringStatus == Keychain::Status::Locked)
        state.condition = KeyringState::Condition::locked;
    else
        state.condition =
            m_keyringInstalled ? KeyringState::Condition::unreachable : KeyringState::Condition::absent;
    return state;
}

QString AppSettings::tokenProblem() const
{
    return KeyringText::sentence(keyringState());
}

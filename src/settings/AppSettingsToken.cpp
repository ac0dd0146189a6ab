// The token half of AppSettings: the keyring item of account "jira-token", and what is owed to the
// keyring while it is locked or unreachable.
#include "settings/AppSettings.h"
#include "settings/KeyringText.h"
#include "settings/SecretServiceProbe.h"

#include "settings/SecretServiceWatcher.h"
#include "settings/SystemLog.h"

#include <QMetaObject>

namespace {

const QString kTokenAccount = QStringLiteral("jira-token");

} // namespace

QString AppSettings::token() const
{
    syncToken();
    return m_token;
}

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
    runKeyring(value.isEmpty() ? Pending::Remove : Pending::Save, true);
    Q_EMIT tokenChanged();
}

void AppSettings::retryKeyring()
{
    if (m_pending != Pending::None)
        runKeyring(m_pending);
}

void AppSettings::syncToken() const
{
    if (m_pending == Pending::None)
        return;
    if (m_lastKeyringAttempt.isValid() &&
        std::chrono::milliseconds(m_lastKeyringAttempt.elapsed()) < keyringRetryInterval)
        return;
    runKeyring(m_pending);
}

void AppSettings::runKeyring(Pending operation, bool userAsked) const
{
    const bool wasUnavailable = tokenUnavailable();
    const QString before = m_token;
    const QString problemBefore = tokenProblem();
    const QString what = operation == Pending::Read   ? QStringLiteral("token read failed")
                         : operation == Pending::Save ? QStringLiteral("token save failed")
                                                      : QStringLiteral("token delete failed");
    // Asking for a locked item makes the keyring prompt for its password, and asking a keyring that
    // is not running starts it. Retries nobody asked for do neither: they wait until a keyring runs
    // and the item is unlocked by other means, so a launch shows one prompt at most.
    Keychain::Outcome outcome = userAsked ? Keychain::Outcome{} : Keychain::readiness(kTokenAccount);
    if (outcome.succeeded()) {
        switch (operation) {
        case Pending::Read: {
            const Keychain::Item item = Keychain::readItem(kTokenAccount);
            outcome = {item.status, item.problem};
            if (item.status == Keychain::Status::Ok)
                m_token = item.value;
            break;
        }
        case Pending::Save:
            outcome = Keychain::save(m_token, kTokenAccount);
            break;
        case Pending::Remove:
            outcome = Keychain::remove(kTokenAccount);
            break;
        case Pending::None:
            break;
        }
    }
    m_lastKeyringAttempt.start();
    m_keyringStatus = outcome.status;
    if (outcome.status == Keychain::Status::Unavailable)
        m_keyringInstalled = SecretServiceProbe::isInstalled();
    m_pending = outcome.succeeded() ? Pending::None : operation;

    // One line when the keyring stops being usable, not one per attempt while it stays so.
    if (tokenUnavailable() && !wasUnavailable)
        SystemLog::write(what, outcome.problem);

    // These can happen inside a const read in the middle of someone else's work, so observers hear
    // of them on a later turn of the event loop.
    auto *self = const_cast<AppSettings *>(this);
    if (tokenUnavailable() != wasUnavailable || tokenProblem() != problemBefore)
        QMetaObject::invokeMethod(self, &AppSettings::tokenUnavailableChanged, Qt::QueuedConnection);
    if (m_token != before)
        QMetaObject::invokeMethod(self, &AppSettings::tokenChanged, Qt::QueuedConnection);
    watchKeyring(tokenUnavailable());
}

void AppSettings::watchKeyring(bool watch) const
{
    if (watch == !m_keyringWatcher.isNull())
        return;
    if (!watch) {
        // Possibly called from the watcher's own signal.
        m_keyringWatcher->deleteLater();
        m_keyringWatcher.clear();
        return;
    }
    auto *self = const_cast<AppSettings *>(this);
    m_keyringWatcher = new SecretServiceWatcher(self);
    connect(m_keyringWatcher, &SecretServiceWatcher::changed, self, &AppSettings::retryKeyring);
}

KeyringState AppSettings::keyringState() const
{
    KeyringState state;
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

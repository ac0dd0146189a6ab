#pragma once

#include <QCoroTask>
#include <QObject>
#include <QTimer>
#include <chrono>

class QDBusServiceWatcher;

// Tells when the keyring QtKeychain uses (KeyringBackend) may have become usable, without asking
// it anything. The Secret Service: its name appears on the session bus (a keyring daemon started
// after Norrid), a collection is created, changed, locked or unlocked, or an item comes, goes or
// changes. KWallet on Plasma: kwalletd appears, or announces that a wallet opened. A burst of such
// signals makes one changed(). Between them a slow timer says changed() too, for a keyring that
// sends none.
class SecretServiceWatcher : public QObject
{
    Q_OBJECT

public:
    // Signals that arrive within this time of each other make one changed().
    static constexpr std::chrono::milliseconds settleTime{250};
    static constexpr std::chrono::seconds fallbackInterval{60};

    explicit SecretServiceWatcher(QObject *parent = nullptr);

Q_SIGNALS:
    void changed();

private Q_SLOTS:
    void noteSignal();

private:
    QCoro::Task<> watchKWallet();

    QDBusServiceWatcher *m_serviceWatcher;
    QTimer m_settle;
    QTimer m_fallback;
};

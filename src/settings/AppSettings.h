#pragma once

#include "jira/JiraConfig.h"
#include "settings/Keychain.h"
#include "settings/KeyringState.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <chrono>

class SecretServiceWatcher;

// Every user setting, kept in memory and written through to storage on every assignment (also of
// an equal value), with a change signal on every assignment. The eight ordinary settings live in an
// INI file (QSettings); the API token lives only in the system keyring.
//
// A keyring that is locked or not running when the token is needed is not taken for a deleted
// token: the stored item stays untouched and the token reads as empty meanwhile. The Secret Service
// is watched on the bus while something is owed to it, and asked again when it appears or a
// collection is unlocked (and once a minute besides), so the user is connected once it is
// unlocked. Only the first read of a launch may make the keyring show an unlock prompt; every later
// attempt first makes sure that it cannot.
class AppSettings : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString siteURL READ siteURL WRITE setSiteURL NOTIFY siteURLChanged)
    Q_PROPERTY(QString email READ email WRITE setEmail NOTIFY emailChanged)
    Q_PROPERTY(QString boardId READ boardId WRITE setBoardId NOTIFY boardIdChanged)
    Q_PROPERTY(QString statusName READ statusName WRITE setStatusName NOTIFY statusNameChanged)
    Q_PROPERTY(QString extraJQL READ extraJQL WRITE setExtraJQL NOTIFY extraJQLChanged)
    Q_PROPERTY(qint64 pollInterval READ pollInterval WRITE setPollInterval NOTIFY pollIntervalChanged)
    Q_PROPERTY(QString notificationSound READ notificationSound WRITE setNotificationSound NOTIFY
                   notificationSoundChanged)
    Q_PROPERTY(QString trayIconAppearance READ trayIconAppearance WRITE setTrayIconAppearance NOTIFY
                   trayIconAppearanceChanged)
    Q_PROPERTY(QString token READ token WRITE setToken NOTIFY tokenChanged)
    Q_PROPERTY(bool tokenUnavailable READ tokenUnavailable NOTIFY tokenUnavailableChanged)
    Q_PROPERTY(QString tokenProblem READ tokenProblem NOTIFY tokenUnavailableChanged)
    Q_PROPERTY(QString saveProblem READ saveProblem NOTIFY saveProblemChanged)

public:
    // The store of the process, over defaultFileName() and the user's keyring; created on first use.
    static AppSettings &shared();

    // $XDG_CONFIG_HOME/norrid/Norrid.conf (~/.config/norrid/Norrid.conf when the variable is unset).
    static QString defaultFileName();

    // A store over the given settings file (tests and tools). The application uses shared().
    explicit AppSettings(const QString &settingsFile, QObject *parent = nullptr);
    ~AppSettings() override;

    QString siteURL() const { return m_siteURL; }
    QString email() const { return m_email; }
    QString boardId() const { return m_boardId; }
    QString statusName() const { return m_statusName; }
    QString extraJQL() const { return m_extraJQL; }
    qint64 pollInterval() const { return m_pollInterval; }
    QString notificationSound() const { return m_notificationSound; }
    // How the tray icon is coloured: "automatic" (also when missing), "light" or "dark".
    QString trayIconAppearance() const { return m_trayIconAppearance; }
    // The least time between two attempts a read of the token makes while the keyring is
    // unavailable, so one poll or a burst of reads cannot ask it again and again.
    static constexpr std::chrono::milliseconds keyringRetryInterval{10000};
    // Asks the keyring again first when it could not be used before (at most once per retry interval).
    QString token() const;

    void setSiteURL(const QString &value);
    void setEmail(const QString &value);
    void setBoardId(const QString &value);
    void setStatusName(const QString &value);
    void setExtraJQL(const QString &value);
    void setPollInterval(qint64 value);
    void setNotificationSound(const QString &value);
    void setTrayIconAppearance(const QString &value);
    // Empty text deletes the keyring item, anything else replaces it.
    void setToken(const QString &value);

    JiraConfig jiraConfig() const;
    // Site, token, board and status are set; the email may be empty (a personal access token).
    bool isConfigured() const;

    // True while the keyring is locked or unreachable and the token is still to be read or stored.
    bool tokenUnavailable() const { return m_pending != Pending::None; }
    // Whether that is because the keyring is locked (rather than not reachable at all).
    bool keyringLocked() const { return tokenUnavailable() && m_keyringStatus == Keychain::Status::Locked; }
    // What keeps the keyring from being used and what Norrid still owes it.
    KeyringState keyringState() const;
    // What the user should know about it, as a sentence; empty when the keyring is fine.
    QString tokenProblem() const;
    // Asks the keyring again at once, e.g. when the user says it is unlocked now.
    void retryKeyring();
    // Why the last write of an ordinary setting failed, as a sentence; empty after a good write.
    QString saveProblem() const { return m_saveProblem; }

    // Where the ordinary settings are kept.
    QString fileName() const { return m_fileName; }

Q_SIGNALS:
    void siteURLChanged();
    void emailChanged();
    void boardIdChanged();
    void statusNameChanged();
    void extraJQLChanged();
    void pollIntervalChanged();
    void notificationSoundChanged();
    void trayIconAppearanceChanged();
    void tokenChanged();
    void tokenUnavailableChanged();
    void saveProblemChanged();

private:
    // What is still owed to the keyring because it could not be used.
    enum class Pending
    {
        None,
        Read,
        Save,
        Remove
    };
    struct DeferTokenRead
    {
    };

    // Loads the ordinary settings only; the token is read by the caller.
    AppSettings(const QString &settingsFile, DeferTokenRead, QObject *parent = nullptr);

    void load();
    void persist(const QString &key, const QVariant &value);
    QVariant storedValue(const QString &key) const;
    void setSaveProblem(const QString &problem);
    void syncToken() const;
    // userAsked: the launch's first read, or a token the user just saved. The keyring is asked
    // directly, which may start a keyring daemon that is not running and may show its unlock
    // prompt; later attempts on their own first wait until it runs and is unlocked.
    void runKeyring(Pending operation, bool userAsked = false) const;
    void watchKeyring(bool watch) const;

    QString m_fileName;
    QString m_siteURL;
    QString m_email;
    QString m_boardId;
    QString m_statusName;
    QString m_extraJQL;
    qint64 m_pollInterval = 60;
    QString m_notificationSound;
    QString m_trayIconAppearance;
    QString m_saveProblem;
    // Keys whose last write failed; they go along with the next write, so none is lost once the
    // file can be written again.
    QStringList m_unsavedKeys;

    // The token and its keyring state change inside const reads, when an owed read or write of the
    // keyring finally succeeds.
    mutable QString m_token;
    mutable Pending m_pending = Pending::None;
    mutable Keychain::Status m_keyringStatus = Keychain::Status::Ok;
    mutable bool m_keyringInstalled = true; // a Secret Service runs or can be started
    mutable QElapsedTimer m_lastKeyringAttempt;
    mutable QPointer<SecretServiceWatcher> m_keyringWatcher;
};

#pragma once

#include "jira/JiraConfig.h"
#include "jira/WatchedColumn.h"
#include "settings/Keychain.h"
#include "settings/KeyringState.h"

#include <QCoroTask>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVariant>

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
// attempt first makes sure that it cannot. The keyring is read and written asynchronously: the
// getters hand out what the store holds and change nothing.
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
    // The token the store holds: what the keyring gave, or what was assigned since. Never asks the
    // keyring; its read at creation arrives later (tokenChanged).
    QString token() const { return m_token; }

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

    // At most this many columns are watched; further entries of the file are kept, not watched.
    static constexpr int maximumColumns = 8;
    // The watched columns: the first is boardId, statusName and extraJQL (and columnName), the
    // others the settings' columns array.
    QList<WatchedColumn> columns() const;
    // Writes what differs: the first column's keys, and the array when a further column changed.
    void setColumns(const QList<WatchedColumn> &columns);

    JiraConfig jiraConfig() const;
    // Site, token, board and status are set; the email may be empty (a personal access token).
    bool isConfigured() const;

    // True while the keyring is locked or unreachable and the token is still to be read or stored.
    bool tokenUnavailable() const { return m_pending != Pending::None && m_keyringFailed; }
    // True while the first read of the stored token is under way and the keyring has not said no.
    bool tokenReading() const { return m_pending == Pending::Read && !m_keyringFailed; }
    // True while the keyring is being asked something (tests wait for it).
    bool keyringBusy() const { return m_keyringBusy; }
    // Whether that is because the keyring is locked (rather than not reachable at all).
    bool keyringLocked() const { return tokenUnavailable() && m_keyringStatus == Keychain::Status::Locked; }
    // What keeps the keyring from being used and what Norrid still owes it.
    KeyringState keyringState() const;
    // What the user should know about it, as a sentence; empty when the keyring is fine.
    QString tokenProblem() const;
    // Asks the keyring again, e.g. when it may have been unlocked.
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
    // The columns after the first, or the first one's name (its other keys have signals of their own).
    void columnsChanged();

private:
    // What is still owed to the keyring because it could not be used.
    enum class Pending
    {
        None,
        Read,
        Save,
        Remove
    };
    void load();
    void persist(const QString &key, const QVariant &value);
    QVariant storedValue(const QString &key) const;
    void setSaveProblem(const QString &problem);
    // userAsked: the launch's first read, or a token the user just saved. The keyring is asked
    // directly, which may start a keyring daemon that is not running and may show its unlock
    // prompt; later attempts on their own first wait until it runs and is unlocked. One operation
    // runs at a time; what is asked meanwhile runs after it.
    void runKeyring(bool userAsked = false);
    QCoro::Task<> driveKeyring();
    void settleKeyring(Pending operation, const Keychain::Outcome &outcome, bool installed);
    void watchKeyring(bool watch);

    QString m_fileName;
    QString m_siteURL;
    QString m_email;
    QString m_boardId;
    QString m_statusName;
    QString m_extraJQL;
    qint64 m_pollInterval = 60;
    QString m_notificationSound;
    QString m_trayIconAppearance;
    QString m_columnName;
    QList<WatchedColumn> m_furtherColumns; // every entry of the array, as read
    QString m_saveProblem;
    // Keys whose last write failed; they go along with the next write, so none is lost once the
    // file can be written again.
    QStringList m_unsavedKeys;

    QString m_token;
    Pending m_pending = Pending::None; // what the keyring is still owed
    bool m_keyringFailed = false;      // the last attempt at it failed
    bool m_keyringBusy = false;
    bool m_keyringAgain = false;   // asked again while an operation ran
    bool m_userAsked = false;      // the next attempt may start or unlock the keyring
    quint64 m_tokenGeneration = 0; // counts assignments, so a read that lost the race is dropped
    Keychain::Status m_keyringStatus = Keychain::Status::Ok;
    bool m_keyringInstalled = true; // a Secret Service runs or can be started
    QPointer<SecretServiceWatcher> m_keyringWatcher;
};

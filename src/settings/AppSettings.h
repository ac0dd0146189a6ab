#pragma once

#include "jira/JiraConfig.h"

#include <QObject>
#include <QSettings>
#include <QString>
#include <memory>

// Every user setting, kept in memory and written through to storage on every assignment (also of
// an equal value). The seven ordinary settings live in QSettings; the token lives in the keyring.
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

public:
    // The store of the process, over the user's settings file and keyring; created on first use.
    static AppSettings &shared();

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
    QString token() const;

    void setSiteURL(const QString &value);
    void setEmail(const QString &value);
    void setBoardId(const QString &value);
    void setStatusName(const QString &value);
    void setExtraJQL(const QString &value);
    void setPollInterval(qint64 value);
    void setNotificationSound(const QString &value);
    void setToken(const QString &value);

    JiraConfig jiraConfig() const;
    bool isConfigured() const;

    // Where the ordinary settings are kept.
    QString fileName() const;

Q_SIGNALS:
    void siteURLChanged();
    void emailChanged();
    void boardIdChanged();
    void statusNameChanged();
    void extraJQLChanged();
    void pollIntervalChanged();
    void notificationSoundChanged();
    void tokenChanged();

private:
    std::unique_ptr<QSettings> m_store;
    QString m_siteURL;
    QString m_email;
    QString m_boardId;
    QString m_statusName;
    QString m_extraJQL;
    qint64 m_pollInterval = 60;
    QString m_notificationSound;
    mutable QString m_token;
    mutable bool m_tokenNeedsReading = false; // the keyring could not be read yet
};

#pragma once

#include "updates/AppcastItem.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <functional>
#include <optional>

class UpdateInstaller;

// What the update window shows, from the start of a check to the user's answer. The updater drives
// the state; the window binds to the properties and calls the four actions. Every action ends the
// session, except a download that cannot be opened or installed, which turns into an error the user
// can read, and an installation, which shows its progress until the installer has the file.
class UpdateSession : public QObject
{
    Q_OBJECT
    Q_PROPERTY(State state READ state NOTIFY changed)
    Q_PROPERTY(bool presented READ presented NOTIFY changed)
    Q_PROPERTY(bool userInitiated READ userInitiated NOTIFY changed)
    Q_PROPERTY(QString displayVersion READ displayVersion NOTIFY changed)
    Q_PROPERTY(QString runningDisplayVersion READ runningDisplayVersion CONSTANT)
    Q_PROPERTY(QUrl releaseNotesURL READ releaseNotesURL NOTIFY changed)
    Q_PROPERTY(QString releaseNotes READ releaseNotes NOTIFY changed)
    Q_PROPERTY(bool informational READ informational NOTIFY changed)
    Q_PROPERTY(bool critical READ critical NOTIFY changed)
    Q_PROPERTY(QString errorText READ errorText NOTIFY changed)
    // Whether "download" installs the update (a build with a public key) or opens it in the browser.
    Q_PROPERTY(bool installs READ installs NOTIFY changed)
    Q_PROPERTY(qint64 bytesReceived READ bytesReceived NOTIFY progressChanged)
    Q_PROPERTY(qint64 bytesTotal READ bytesTotal NOTIFY progressChanged)

public:
    enum class State
    {
        idle,
        checking,
        upToDate,
        updateAvailable,
        downloading, // the installer fetches and checks the update
        installing,  // the checked update went to the desktop's installer
        error
    };
    Q_ENUM(State)

    UpdateSession(const QString &runningVersion, const QString &runningDisplayVersion,
                  QObject *parent = nullptr);

    // Opens a link in the browser and says whether that worked; the desktop's browser unless a test
    // replaces it. Only https links ever reach it.
    std::function<bool(const QUrl &)> openURL;

    State state() const { return m_state; }
    // Whether the window should be on screen. An update found by a scheduled check waits unpresented
    // until the user turns to it.
    bool presented() const { return m_presented; }
    bool userInitiated() const { return m_userInitiated; }
    const std::optional<AppcastItem> &item() const { return m_item; }
    QString displayVersion() const { return m_item ? m_item->displayVersion : QString(); }
    QString runningDisplayVersion() const { return m_runningDisplayVersion; }
    // Only an https link, since the window may load it.
    QUrl releaseNotesURL() const;
    QString releaseNotes() const { return m_item ? m_item->itemDescription : QString(); }
    bool informational() const { return m_item && m_item->isInformationalFor(m_runningVersion); }
    bool critical() const { return m_item && m_item->isCriticalFor(m_runningVersion); }
    QString errorText() const { return m_errorText; }
    // The application the desktop handed the checked update to, and where the file is kept.
    QString installerName() const { return m_installerName; }
    QString keptFile() const;
    bool installs() const { return !m_installer.isNull(); }
    qint64 bytesReceived() const { return m_bytesReceived; }
    qint64 bytesTotal() const { return m_bytesTotal; } // -1 while unknown

    // Makes "download" install updates through this installer, which must outlive the session.
    void setInstaller(UpdateInstaller *installer);

    // Driven by the updater.
    void beginUserCheck();
    void showUpdate(const AppcastItem &item, bool userInitiated, bool presented);
    void showUpToDate();
    void showError(const QString &text);
    void present();
    void finish();

    // Installs the release's download when the session has an installer; otherwise opens it (or, for
    // an informational update, its page) in the browser.
    Q_INVOKABLE void download();
    Q_INVOKABLE void skipThisVersion();
    Q_INVOKABLE void remindMeLater();
    Q_INVOKABLE void close();

Q_SIGNALS:
    void changed();
    // The user skipped this machine version; the updater remembers it.
    void skipRequested(const QString &version);
    void finished();
    void progressChanged();

private:
    QUrl downloadTarget() const;
    void install();

    const QString m_runningVersion;
    const QString m_runningDisplayVersion;
    State m_state = State::idle;
    bool m_presented = false;
    bool m_userInitiated = false;
    std::optional<AppcastItem> m_item;
    QString m_errorText;
    QString m_installerName;
    QPointer<UpdateInstaller> m_installer;
    qint64 m_bytesReceived = 0;
    qint64 m_bytesTotal = -1;
};

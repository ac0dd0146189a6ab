#pragma once

#include "updates/AppcastItem.h"

#include <QObject>
#include <QString>
#include <QUrl>
#include <functional>
#include <optional>

// What the update window shows, from the start of a check to the user's answer. The updater drives
// the state; the window binds to the properties and calls the four actions. Every action ends the
// session, except a download that cannot be opened, which turns into an error the user can read.
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

public:
    enum class State
    {
        idle,
        checking,
        upToDate,
        updateAvailable,
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

    // Driven by the updater.
    void beginUserCheck();
    void showUpdate(const AppcastItem &item, bool userInitiated, bool presented);
    void showUpToDate();
    void showError(const QString &text);
    void present();
    void finish();

    // Opens the release's download (or, for an informational update, its page) in the browser.
    Q_INVOKABLE void download();
    Q_INVOKABLE void skipThisVersion();
    Q_INVOKABLE void remindMeLater();
    Q_INVOKABLE void close();

Q_SIGNALS:
    void changed();
    // The user skipped this machine version; the updater remembers it.
    void skipRequested(const QString &version);
    void finished();

private:
    QUrl downloadTarget() const;

    const QString m_runningVersion;
    const QString m_runningDisplayVersion;
    State m_state = State::idle;
    bool m_presented = false;
    bool m_userInitiated = false;
    std::optional<AppcastItem> m_item;
    QString m_errorText;
};

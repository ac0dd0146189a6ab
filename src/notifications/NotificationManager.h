#pragma once

#include "jira/ReviewIssue.h"
#include "notifications/NotificationRequest.h"

#include <QMap>
#include <QObject>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <optional>

class AppSettings;
class NotificationCenter;
class NotificationSnooze;

// Composes Norrid's four kinds of notification, posts them through a NotificationCenter, and
// handles a click on one of them.
class NotificationManager : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool authorizationDenied READ authorizationDenied NOTIFY authorizationDeniedChanged)

public:
    static const QStringList soundOptions;
    static const QString updateIdentifier; // "norrid-update"
    static const QString noTrayIdentifier; // "norrid-no-tray"

    // The manager of the process, posting to the desktop's notification service.
    static NotificationManager &shared();

    NotificationManager(AppSettings &settings, NotificationCenter &center, QObject *parent = nullptr);

    bool authorizationDenied() const { return m_authorizationDenied; }

    // Run when the user clicks the update notification.
    std::function<void()> onUpdateNotificationClick;
    // Opens a link from a clicked notification; the desktop's browser unless a test replaces it.
    std::function<void(const QUrl &)> openURL;
    // Starts a program without a shell; QProcess::startDetached unless a test replaces it.
    std::function<bool(const QString &program, const QStringList &arguments)> startProgram;
    // The picture shown in card, batch and test notifications; empty: none. The shipped
    // notification-icon.png unless a test replaces it.
    QString attachmentPath;

    // While the snooze is active, card and batch notifications are dropped (the test notification,
    // which the user asks for, still goes). May be null.
    void setSnooze(const NotificationSnooze *snooze) { m_snooze = snooze; }

    void requestAuthorization();
    void refreshAuthorizationStatus();

    // column: the title of the card's column when several are watched, else empty.
    void notify(const ReviewIssue &issue, const std::optional<QUrl> &url, const QString &column = {});
    void notifyBatch(const QStringList &keys, const std::optional<QUrl> &boardURL,
                     const QString &column = {});
    void notifyUpdateAvailable(const QString &version);
    void removeUpdateNotification();
    // A word that the desktop shows no tray, silent, until removeNoTrayNotification().
    void notifyNoTray(const QString &text);
    void removeNoTrayNotification();
    Q_INVOKABLE void sendTest(const QString &soundName);
    // Opens the desktop's notification settings; false (and a log line) when no settings program
    // of a known desktop is installed.
    Q_INVOKABLE bool openNotificationSettings();

    // "None": silent; "Default" or empty: the desktop's default sound (an empty name); any other
    // name: Norrid's sound file of that name.
    static std::optional<QString> sound(const QString &name);

Q_SIGNALS:
    void authorizationDeniedChanged();

private:
    void deliver(NotificationRequest request, const QString &idBase, const std::optional<QString> &soundName);
    void handleClick(const QMap<QString, QString> &userInfo, const QString &activationToken);
    void setAuthorizationDenied(bool denied);

    AppSettings &m_settings;
    NotificationCenter &m_center;
    bool isSnoozed() const;

    bool m_authorizationDenied = false;
    const NotificationSnooze *m_snooze = nullptr;
};

#pragma once

#include "jira/ReviewIssue.h"

#include <QObject>
#include <QStringList>
#include <QUrl>
#include <functional>
#include <optional>

class AppSettings;
class NotificationCenter;
struct NotificationRequest;

// Composes Norrid's four kinds of notification, posts them through a NotificationCenter, and
// handles a click on one of them.
class NotificationManager : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool authorizationDenied READ authorizationDenied NOTIFY authorizationDeniedChanged)

public:
    static const QStringList soundOptions;

    // The manager of the process, posting to the desktop's notification service.
    static NotificationManager &shared();

    NotificationManager(AppSettings &settings, NotificationCenter &center, QObject *parent = nullptr);

    bool authorizationDenied() const { return m_authorizationDenied; }

    // Run when the user clicks the update notification.
    std::function<void()> onUpdateNotificationClick;
    // Opens a link from a clicked notification; the desktop's browser unless a test replaces it.
    std::function<void(const QUrl &)> openURL;

    void requestAuthorization();
    void refreshAuthorizationStatus();

    void notify(const ReviewIssue &issue, const std::optional<QUrl> &url);
    void notifyBatch(const QStringList &keys, const std::optional<QUrl> &boardURL);
    void notifyUpdateAvailable(const QString &version);
    void removeUpdateNotification();
    Q_INVOKABLE void sendTest(const QString &soundName);
    Q_INVOKABLE void openNotificationSettings();

    static std::optional<QString> sound(const QString &name);

Q_SIGNALS:
    void authorizationDeniedChanged();

private:
    void deliver(NotificationRequest request, const QString &idBase, const std::optional<QString> &soundName);
    void handleClick(const QMap<QString, QString> &userInfo);

    AppSettings &m_settings;
    NotificationCenter &m_center;
    bool m_authorizationDenied = false;
};

#pragma once

#include "notifications/NotificationRequest.h"

#include <QMap>
#include <QObject>
#include <QString>
#include <functional>

// The desktop's notification service, as the notification manager uses it. Every answer comes
// later, on the main thread; nothing here blocks.
class NotificationCenter : public QObject
{
    Q_OBJECT

public:
    enum class Authorization
    {
        notDetermined,
        denied,
        authorized
    };

    using QueryCallback = std::function<void(Authorization)>;
    // Called with the service's error text, or with an empty text when it answered.
    using RequestCallback = std::function<void(const QString &error)>;

    using QObject::QObject;

    // Shows the request at once; a request with the identifier of an earlier one replaces it.
    virtual void add(const NotificationRequest &request) = 0;
    // Removes a delivered notification by its request identifier.
    virtual void remove(const QString &identifier) = 0;
    // Asks the service for permission to show notifications and play sounds.
    virtual void requestAuthorization(RequestCallback callback) = 0;
    // Answers whether notifications can be shown now.
    virtual void queryAuthorization(QueryCallback callback) = 0;

Q_SIGNALS:
    // The user clicked a notification or chose its named action; userInfo is that of its request.
    // activationToken is what the server handed over for bringing a window to the front on
    // Wayland (XDG activation); empty when it sent none.
    void clicked(const QMap<QString, QString> &userInfo, const QString &activationToken);
};

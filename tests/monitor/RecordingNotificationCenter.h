#pragma once

#include "notifications/NotificationCenter.h"

#include <QList>

// Keeps every request the notification manager hands over, instead of showing it.
class RecordingNotificationCenter : public NotificationCenter
{
public:
    using NotificationCenter::NotificationCenter;

    void add(const NotificationRequest &request) override { added.append(request); }
    void remove(const QString &identifier) override { removed.append(identifier); }
    void requestAuthorization(RequestCallback callback) override { callback({}); }
    void queryAuthorization(QueryCallback callback) override { callback(Authorization::authorized); }

    QList<NotificationRequest> added;
    QStringList removed;
};

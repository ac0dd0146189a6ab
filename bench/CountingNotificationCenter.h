#pragma once

#include "notifications/NotificationCenter.h"

// Counts what the notification manager hands over and keeps nothing, so a run's own bookkeeping
// cannot grow.
class CountingNotificationCenter : public NotificationCenter
{
public:
    void add(const NotificationRequest &) override { ++added; }
    void remove(const QString &) override {}
    void requestAuthorization(RequestCallback callback) override { callback({}); }
    void queryAuthorization(QueryCallback callback) override { callback(Authorization::authorized); }

    qint64 added = 0;
};

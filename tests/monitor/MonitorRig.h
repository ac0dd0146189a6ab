#pragma once

#include "RecordingNotificationCenter.h"
#include "monitor/ReviewMonitor.h"
#include "notifications/NotificationManager.h"
#include "settings/AppSettings.h"
#include "support/FakeJiraServer.h"

#include <QSignalSpy>
#include <QTest>
#include <optional>

// A monitor over a settings store, with the real notification manager handing what it announces
// to a recording center instead of the desktop.
struct MonitorRig
{
    explicit MonitorRig(AppSettings &settings) : notifier(settings, center)
    {
        notifier.attachmentPath.clear();
        monitor.emplace(settings, notifier);
    }

    // Points the store at a board of the fake Jira, as me@example.com with the token given.
    static void configure(AppSettings &settings, const FakeJiraServer &jira, const QString &boardId,
                          const QString &token = QStringLiteral("secret-token"))
    {
        settings.setSiteURL(jira.siteURL());
        settings.setEmail(QStringLiteral("me@example.com"));
        if (!token.isEmpty())
            settings.setToken(token);
        settings.setBoardId(boardId);
        settings.setStatusName(QStringLiteral("In Review"));
    }

    // Starts (learning the column afresh) or polls now, and waits until that poll has published.
    void poll(bool start = false)
    {
        QSignalSpy done(&*monitor, &ReviewMonitor::polled);
        start ? monitor->start() : monitor->refreshNow();
        QTRY_VERIFY_WITH_TIMEOUT(!done.isEmpty(), 15000);
    }

    // The subtitles (a card's key first) of the notifications handed over, in order.
    QStringList notified() const
    {
        QStringList subtitles;
        for (const NotificationRequest &request : center.added)
            subtitles.append(request.subtitle);
        return subtitles;
    }

    RecordingNotificationCenter center;
    NotificationManager notifier;
    std::optional<ReviewMonitor> monitor; // a test may destroy it first
};

#pragma once

#include "notifications/FreedesktopNotificationCenter.h"
#include "notifications/NotificationManager.h"
#include "notifications/SoundPlayer.h"
#include "settings/AppSettings.h"
#include "support/FakeJiraDocuments.h"
#include "support/FakeJiraServer.h"
#include "support/FakeNotificationService.h"
#include "views/SettingsForm.h"

#include <QDBusConnection>
#include <QTemporaryDir>
#include <memory>

// What the settings window works with, all real: a settings store over a file of its own and the
// session's keyring, a fake Jira over TLS, and the notification manager posting to a notification
// server on the private session bus. Sounds and opened links are only recorded, as the test machine
// has no audio device or browser.
class SettingsTestRig
{
public:
    class RecordingPlayer : public SoundPlayer
    {
    public:
        void play(const QString &name) override { played.append(name); }
        QStringList played;
    };

    static inline const QString boardId = QStringLiteral("590");

    QTemporaryDir dir;
    FakeJiraServer jira;
    FakeNotificationService notificationServer;
    RecordingPlayer notificationSounds;
    std::unique_ptr<AppSettings> settings;
    std::unique_ptr<FreedesktopNotificationCenter> center;
    std::unique_ptr<NotificationManager> notifier;

    QStringList previews; // sounds the form played itself
    int saves = 0;

    // Starts the servers; false with `problem` set when one cannot start.
    bool start(QString &problem)
    {
        if (!jira.start() || !notificationServer.start()) {
            problem =
                jira.errorString() + QStringLiteral(" / or the fake notification server has no bus name");
            return false;
        }
        settings = std::make_unique<AppSettings>(settingsFile());
        center = std::make_unique<FreedesktopNotificationCenter>(QDBusConnection::sessionBus(),
                                                                 &notificationSounds);
        notifier = std::make_unique<NotificationManager>(*settings, *center);
        return true;
    }

    QString settingsFile() const { return dir.filePath(QStringLiteral("Norrid.conf")); }

    // A second store over the same file and keyring: what a restarted Norrid would read.
    std::unique_ptr<AppSettings> reread() const { return std::make_unique<AppSettings>(settingsFile()); }

    // The site as a user might type it: no scheme, a trailing slash and spaces.
    QString typedSite() const { return QStringLiteral("  127.0.0.1:%1/ ").arg(jira.port()); }

    void hook(SettingsForm &form)
    {
        form.onSave = [this] { ++saves; };
        form.openURL = [](const QUrl &) {};
        form.playSound = [this](const QString &name) { previews.append(name); };
    }

    // A complete draft pointing at the fake Jira, with white space around every value.
    void fill(SettingsForm &form) const
    {
        form.setSiteURL(typedSite());
        form.setEmail(QStringLiteral(" me@example.com "));
        form.setToken(QStringLiteral(" draft-token-1\n"));
        form.setBoardId(QStringLiteral(" 590 "));
        form.setStatusName(QStringLiteral(" To review "));
    }

    void serveIssues(int count)
    {
        QList<FakeJiraDocuments::Issue> issues;
        for (int i = 1; i <= count; ++i)
            issues.append({QStringLiteral("CLS-%1").arg(i), QStringLiteral("Card %1").arg(i), {}, {}});
        jira.setResponse(FakeJiraDocuments::issuesPath(boardId),
                         FakeResponse::json(FakeJiraDocuments::issues(issues)));
    }

    void serveFilters(const QList<FakeJiraDocuments::Filter> &filters)
    {
        jira.setHandler(FakeJiraDocuments::quickFiltersPath(boardId),
                        FakeJiraDocuments::quickFilterPages(filters));
    }
};

#pragma once

#include "updates/AppcastItem.h"
#include "updates/Updater.h"

#include <QDateTime>
#include <QPointer>
#include <QSettings>
#include <QTimer>
#include <QUrl>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class QNetworkAccessManager;
class QNetworkReply;

// An updater that reads an appcast feed over HTTPS. A build with a public key installs the update
// (UpdateInstaller); one without sends the user to the download in the browser. Versions compare the feed's
// sparkle:version with the running build number, and show the feed's shortVersionString beside the running
// short version, as appcast publishers expect.
//
// Kept in the settings store, under keys of its own: "updates/automaticChecks" (default on),
// "updates/lastCheck" (UTC, ISO 8601) and "updates/skippedVersion".
class FeedUpdater : public Updater
{
    Q_OBJECT

public:
    struct Options
    {
        QUrl feedURL;
        QString runningVersion;        // the build number
        QString runningDisplayVersion; // the short version
        std::chrono::milliseconds checkInterval = std::chrono::hours(24);
        // A launch never checks at once: the first scheduled check waits at least this long.
        std::chrono::milliseconds launchDelay = std::chrono::minutes(1);
        // The wall clock is looked at again at least this often, so that a machine that slept
        // through the due time checks soon after it wakes.
        std::chrono::milliseconds wakeUpPeriod = std::chrono::hours(1);
        std::chrono::milliseconds transferTimeout = std::chrono::seconds(20);
        qint64 maxFeedBytes = 1024 * 1024;
        std::function<QDateTime()> now = [] { return QDateTime::currentDateTimeUtc(); };
        // Base64 of the Ed25519 key that signs the downloads; empty: updates open in the browser.
        QByteArray publicKey{};
        // Where installed updates are downloaded to.
        QString downloadDirectory{};

        // The feed and versions this build was made with.
        static Options fromBuild();
    };

    FeedUpdater(Options options, QNetworkAccessManager &network, std::unique_ptr<QSettings> settings,
                QObject *parent = nullptr);
    ~FeedUpdater() override;

    bool automaticallyChecksForUpdates() const override;
    void setAutomaticallyChecksForUpdates(bool enabled) override;
    void checkForUpdates() override;
    void checkForUpdatesInBackground() override;
    UpdateSession *session() const override { return m_session; }

    QDateTime lastCheck() const;
    QString skippedVersion() const;
    // When the next scheduled check is due; invalid while automatic checks are off.
    QDateTime nextScheduledCheck() const;

private:
    void schedule(std::chrono::milliseconds atLeast);
    void onTimer();
    void startFetch(bool userInitiated);
    void onFetchFinished();
    void finishCheck(const std::optional<AppcastItem> &newest);
    void failCheck(const QString &error);
    QString replyError(QNetworkReply &reply) const;
    bool isWaitingReminder() const;
    void onSessionFinished();

    Options m_options;
    QNetworkAccessManager &m_network;
    std::unique_ptr<QSettings> m_settings;
    UpdateSession *m_session;
    QTimer m_timer;
    QPointer<QNetworkReply> m_reply;
    bool m_userInitiated = false;
    bool m_tooLarge = false;
};

#pragma once

#include "updates/InstallerHandoff.h"
#include "updates/UpdateDownloader.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <chrono>
#include <optional>

class QNetworkAccessManager;
struct AppcastItem;

// Installs an update for a build that carries a public key: downloads the release's file, checks
// its length and its Ed25519 signature (and, for a .deb, that it holds the version the feed
// announced and a later one than this Norrid), and only then hands it to the desktop's installer. Anything
// that fails on the way leaves no file behind and hands nothing over.
class UpdateInstaller : public QObject
{
    Q_OBJECT

public:
    struct Options
    {
        QByteArray publicKey; // base64 of the 32-byte Ed25519 key
        // Norrid's own folder for downloads; earlier downloads in it are removed at each start.
        QString directory;
        std::chrono::milliseconds transferTimeout = std::chrono::seconds(60);
        // The running Norrid's package version ("0.1.0-1"): a .deb must be later than it.
        QString runningPackageVersion{};
    };

    UpdateInstaller(Options options, QNetworkAccessManager &network, QObject *parent = nullptr);

    // The desktop's opener unless a test replaces it.
    InstallerHandoff &handoff() { return m_handoff; }

    // Starts installing the item's download. Every outcome is a signal, even one known at once.
    void start(const AppcastItem &item);
    // Stops a download on its way and removes its file.
    void cancel();
    bool isRunning() const { return m_downloader.isRunning(); }
    // The checked update where it is kept, after a hand-over (or one that failed); empty when no
    // checked file is there.
    QString keptFile() const;

Q_SIGNALS:
    void progress(qint64 received, qint64 total);
    // The installer (named as the desktop names it) has the checked file, kept at filePath.
    void handedOver(const QString &filePath, const QString &installer);
    void failed(const QString &message);

private:
    void onDownloaded(const QString &partialPath);
    // Why a downloaded .deb must not go to the installer (another version than the feed's, or no
    // later one than this Norrid); none when it may.
    std::optional<QString> packageProblem(const QString &path) const;
    void refuse(const QString &message);
    QString fileNameFor(const AppcastItem &item) const;

    Options m_options;
    UpdateDownloader m_downloader;
    InstallerHandoff m_handoff;
    QString m_signature;
    QString m_finalPath;
    QString m_version;
    QString m_packageVersion; // what the feed announces: "<displayVersion>-<version>"
};

#pragma once

#include "updates/FeedUpdater.h"

#include <QSettings>
#include <memory>

class QNetworkAccessManager;

// The updater for a feed, or null when there is no feed: a build without a feed address (a
// distribution package) gets its updates from the system's package manager.
std::unique_ptr<Updater> makeUpdater(FeedUpdater::Options options, QNetworkAccessManager &network,
                                     std::unique_ptr<QSettings> settings, QObject *parent = nullptr);

// The updater of this build over the process's HTTPS client, keeping its state in the settings
// file at settingsFile (the application's own settings store).
std::unique_ptr<Updater> makeUpdater(const QString &settingsFile, QObject *parent = nullptr);

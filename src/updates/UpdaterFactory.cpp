#include "updates/UpdaterFactory.h"

#include "jira/Network.h"

std::unique_ptr<Updater> makeUpdater(FeedUpdater::Options options, QNetworkAccessManager &network,
                                     std::unique_ptr<QSettings> settings, QObject *parent)
{
    if (options.feedURL.isEmpty() || !options.feedURL.isValid())
        return nullptr;
    return std::make_unique<FeedUpdater>(std::move(options), network, std::move(settings), parent);
}

std::unique_ptr<Updater> makeUpdater(const QString &settingsFile, QObject *parent)
{
    return makeUpdater(FeedUpdater::Options::fromBuild(), Network::shared(),
                       std::make_unique<QSettings>(settingsFile, QSettings::IniFormat), parent);
}

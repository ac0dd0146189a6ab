#include "updates/FeedUpdater.h"

#include "BuildInfo.h"
#include "logging/LogCategories.h"
#include "updates/AppcastParser.h"
#include "updates/UpdateInstaller.h"
#include "updates/UpdateSession.h"
#include "updates/UpdaterDelegate.h"
#include "updates/VersionComparator.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QStandardPaths>
#include <algorithm>

using namespace std::chrono;

namespace {

const QString automaticChecksKey = QStringLiteral("updates/automaticChecks");
const QString lastCheckKey = QStringLiteral("updates/lastCheck");
const QString skippedVersionKey = QStringLiteral("updates/skippedVersion");

} // namespace

FeedUpdater::Options FeedUpdater::Options::fromBuild()
{
    Options options;
    options.feedURL = QUrl(QString::fromUtf8(BuildInfo::updateFeedURL));
    options.runningVersion = QString::fromUtf8(BuildInfo::buildNumber);
    options.runningDisplayVersion = QString::fromUtf8(BuildInfo::shortVersion);
    options.publicKey = QByteArray(BuildInfo::updatePublicKey);
    options.downloadDirectory = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
                                QStringLiteral("/norrid/updates");
    return options;
}

FeedUpdater::FeedUpdater(Options options, QNetworkAccessManager &network, std::unique_ptr<QSettings> settings,
                         QObject *parent)
    : Updater(parent), m_options(std::move(options)), m_network(network), m_settings(std::move(settings)),
      m_session(new UpdateSession(m_options.runningVersion, m_options.runningDisplayVersion, this))
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &FeedUpdater::onTimer);
    connect(m_session, &UpdateSession::skipRequested, this, [this](const QString &version) {
        m_settings->setValue(skippedVersionKey, version);
        m_settings->sync();
    });
    connect(m_session, &UpdateSession::finished, this, &FeedUpdater::onSessionFinished);
    // With a key built in, updates are installed here instead of opened in the browser.
    if (!m_options.publicKey.isEmpty())
        m_session->setInstaller(new UpdateInstaller(
            {.publicKey = m_options.publicKey,
             .directory = m_options.downloadDirectory,
             .runningPackageVersion = m_options.runningDisplayVersion + u'-' + m_options.runningVersion},
            m_network, this));
    if (automaticallyChecksForUpdates())
        schedule(m_options.launchDelay);
}

FeedUpdater::~FeedUpdater()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
    }
}

bool FeedUpdater::automaticallyChecksForUpdates() const
{
    return m_settings->value(automaticChecksKey, true).toBool();
}

void FeedUpdater::setAutomaticallyChecksForUpdates(bool enabled)
{
    m_settings->setValue(automaticChecksKey, enabled);
    m_settings->sync();
    if (enabled)
        schedule(m_options.launchDelay);
    else
        m_timer.stop();
    Q_EMIT automaticallyChecksForUpdatesChanged();
}

QDateTime FeedUpdater::lastCheck() const
{
    return QDateTime::fromString(m_settings->value(lastCheckKey).toString(), Qt::ISODateWithMs);
}

QString FeedUpdater::skippedVersion() const
{
    return m_settings->value(skippedVersionKey).toString();
}

QDateTime FeedUpdater::nextScheduledCheck() const
{
    if (!automaticallyChecksForUpdates())
        return {};
    const QDateTime last = lastCheck();
    const QDateTime now = m_options.now();
    // A last check in the future means the clock was set back; do not wait for it to come round.
    if (!last.isValid() || last > now)
        return now;
    return last.addMSecs(m_options.checkInterval.count());
}

// Waits until the next check is due, but never less than atLeast and never longer than the wake-up
// period: a long single wait would not notice that the machine slept through the due time.
void FeedUpdater::schedule(milliseconds atLeast)
{
    const qint64 remaining = m_options.now().msecsTo(nextScheduledCheck());
    const qint64 wait =
        std::min(std::max(remaining, qint64(atLeast.count())), qint64(m_options.wakeUpPeriod.count()));
    m_timer.start(milliseconds(std::max<qint64>(wait, 0)));
}

void FeedUpdater::onTimer()
{
    if (!automaticallyChecksForUpdates())
        return;
    if (m_options.now() >= nextScheduledCheck())
        checkForUpdatesInBackground();
    else
        schedule(milliseconds(0));
}

void FeedUpdater::checkForUpdates()
{
    UpdaterDelegate *const owner = delegate();
    switch (m_session->state()) {
    case UpdateSession::State::updateAvailable:
        if (!m_session->userInitiated() && owner)
            owner->didReceiveUserAttention(*m_session->item());
        m_session->present();
        return;
    case UpdateSession::State::checking:
    case UpdateSession::State::downloading:
    case UpdateSession::State::installing:
        m_session->present();
        return;
    case UpdateSession::State::idle:
    case UpdateSession::State::upToDate:
    case UpdateSession::State::error:
        break;
    }
    m_session->beginUserCheck();
    if (m_reply)
        m_userInitiated = true; // a scheduled check is on its way: its answer is now the user's
    else
        startFetch(true);
}

void FeedUpdater::checkForUpdatesInBackground()
{
    if (m_reply)
        return;
    // While the user has the update window open, a scheduled check has nothing to add. A reminder
    // nobody has turned to yet may still be replaced by a newer version.
    if (m_session->state() != UpdateSession::State::idle && !isWaitingReminder()) {
        m_settings->setValue(lastCheckKey, m_options.now().toUTC().toString(Qt::ISODateWithMs));
        m_settings->sync();
        if (automaticallyChecksForUpdates())
            schedule(milliseconds(0));
        return;
    }
    startFetch(false);
}

void FeedUpdater::startFetch(bool userInitiated)
{
    m_userInitiated = userInitiated;
    m_tooLarge = false;
    // Every check counts, so a failed one is tried again at the next schedule, not in a loop.
    m_settings->setValue(lastCheckKey, m_options.now().toUTC().toString(Qt::ISODateWithMs));
    m_settings->sync();
    if (automaticallyChecksForUpdates())
        schedule(milliseconds(0));

    QNetworkRequest request(m_options.feedURL);
    request.setTransferTimeout(int(m_options.transferTimeout.count()));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setHeader(
        QNetworkRequest::UserAgentHeader,
        QStringLiteral("Norrid/%1 (%2)").arg(m_options.runningDisplayVersion, m_options.runningVersion));
    qCDebug(norridUpdates).noquote() << (userInitiated ? "check asked for:" : "scheduled check:") << "GET"
                                     << m_options.feedURL.host() + m_options.feedURL.path();
    m_reply = m_network.get(request);
    connect(m_reply, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64 total) {
        if (m_reply && (received > m_options.maxFeedBytes || total > m_options.maxFeedBytes)) {
            m_tooLarge = true;
            m_reply->abort();
        }
    });
    connect(m_reply, &QNetworkReply::finished, this, &FeedUpdater::onFetchFinished);
}

QString FeedUpdater::replyError(QNetworkReply &reply) const
{
    if (m_tooLarge)
        return tr("The update feed is larger than %1 KB, too large to be a feed; Norrid did not "
                  "read it.")
            .arg(m_options.maxFeedBytes / 1024);
    const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (status >= 400)
        return tr("The update feed answered with HTTP %1 %2.")
            .arg(status)
            .arg(reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString())
            .trimmed();
    // The transfer timeout aborts the reply; Norrid itself aborts only after leaving it.
    if (reply.error() == QNetworkReply::OperationCanceledError ||
        reply.error() == QNetworkReply::TimeoutError)
        return tr("The update feed did not answer within %n seconds.", nullptr,
                  int(duration_cast<seconds>(m_options.transferTimeout).count()));
    return tr("Norrid could not reach the update feed: %1.").arg(reply.errorString());
}

void FeedUpdater::onFetchFinished()
{
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    if (!reply)
        return;
    reply->deleteLater();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    qCDebug(norridUpdates) << "feed answered, status" << status << "error" << int(reply->error());
    if (m_tooLarge || reply->error() != QNetworkReply::NoError || status >= 400) {
        failCheck(replyError(*reply));
        return;
    }
    const QByteArray body = reply->readAll();
    if (body.size() > m_options.maxFeedBytes) {
        m_tooLarge = true;
        failCheck(replyError(*reply));
        return;
    }
    const AppcastParser::Result feed = AppcastParser::parse(body, reply->url());
    if (feed.error) {
        failCheck(*feed.error);
        return;
    }
    finishCheck(AppcastParser::newest(feed.items));
}

void FeedUpdater::failCheck(const QString &error)
{
    // A scheduled check that fails says nothing; the next schedule tries again.
    if (m_userInitiated)
        m_session->showError(error);
}

void FeedUpdater::finishCheck(const std::optional<AppcastItem> &newest)
{
    const bool newer = newest && VersionComparator::compare(newest->version, m_options.runningVersion) > 0;
    UpdaterDelegate *const owner = delegate();
    if (m_userInitiated) {
        // The user asked: skipped versions are offered again.
        if (!newer) {
            m_session->showUpToDate();
            return;
        }
        m_session->showUpdate(*newest, true, true);
        if (owner)
            owner->willHandleShowingUpdate(true, *newest, true);
        return;
    }
    if (!newer)
        return;
    // The user opened the window while this check was on its way, or the reminder already offers
    // this version: nothing to change.
    if (m_session->state() != UpdateSession::State::idle &&
        (!isWaitingReminder() ||
         VersionComparator::compare(newest->version, m_session->item()->version) <= 0))
        return;
    const QString skipped = skippedVersion();
    if (!skipped.isEmpty() && VersionComparator::compare(newest->version, skipped) <= 0 &&
        !newest->isCriticalFor(m_options.runningVersion))
        return;
    // A tray application is never in the user's immediate focus when a timer fires.
    const bool show = !owner || !owner->supportsGentleScheduledUpdateReminders() ||
                      owner->shouldHandleShowingScheduledUpdate(*newest, false);
    m_session->showUpdate(*newest, false, show);
    if (owner)
        owner->willHandleShowingUpdate(show, *newest, false);
}

bool FeedUpdater::isWaitingReminder() const
{
    return m_session->state() == UpdateSession::State::updateAvailable && !m_session->presented();
}

void FeedUpdater::onSessionFinished()
{
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
        m_reply->deleteLater();
        m_reply = nullptr;
    }
    if (UpdaterDelegate *owner = delegate())
        owner->willFinishUpdateSession();
}

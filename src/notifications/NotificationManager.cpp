#include "notifications/NotificationManager.h"

#include "logging/LogCategories.h"
#include "notifications/CanberraSoundPlayer.h"
#include "notifications/DataFiles.h"
#include "notifications/FreedesktopNotificationCenter.h"
#include "notifications/NotificationCenter.h"
#include "notifications/NotificationSettingsCommands.h"
#include "notifications/NotificationSnooze.h"
#include "settings/AppSettings.h"
#include "settings/SystemLog.h"

#include <QDBusConnection>
#include <QDesktopServices>
#include <QPointer>
#include <QProcess>
#include <QUuid>

namespace {
const QString threadIdentifier = QStringLiteral("norrid");
const char *const reviewTitle = QT_TRANSLATE_NOOP("NotificationManager", "Ready for review");

QString freshUuid()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
}
} // namespace

const QStringList NotificationManager::soundOptions{
    QStringLiteral("Default"), QStringLiteral("None"),   QStringLiteral("Basso"),     QStringLiteral("Blow"),
    QStringLiteral("Bottle"),  QStringLiteral("Frog"),   QStringLiteral("Funk"),      QStringLiteral("Glass"),
    QStringLiteral("Hero"),    QStringLiteral("Morse"),  QStringLiteral("Ping"),      QStringLiteral("Pop"),
    QStringLiteral("Purr"),    QStringLiteral("Sosumi"), QStringLiteral("Submarine"), QStringLiteral("Tink")};

const QString NotificationManager::updateIdentifier = QStringLiteral("norrid-update");
const QString NotificationManager::noTrayIdentifier = QStringLiteral("norrid-no-tray");

NotificationManager &NotificationManager::shared()
{
    // Lives as long as the process; never destroyed, so nothing touches the bus after the
    // application object is gone.
    static NotificationManager *manager = [] {
        static CanberraSoundPlayer player;
        auto *center = new FreedesktopNotificationCenter(QDBusConnection::sessionBus(), &player);
        return new NotificationManager(AppSettings::shared(), *center);
    }();
    return *manager;
}

NotificationManager::NotificationManager(AppSettings &settings, NotificationCenter &center, QObject *parent)
    : QObject(parent), openURL([](const QUrl &url) { QDesktopServices::openUrl(url); }),
      startProgram([](const QString &program, const QStringList &arguments) {
          return QProcess::startDetached(program, arguments);
      }),
      attachmentPath(DataFiles::locate(QStringLiteral("notification-icon.png"))), m_settings(settings),
      m_center(center)
{
    connect(&m_center, &NotificationCenter::clicked, this, &NotificationManager::handleClick);
}

std::optional<QString> NotificationManager::sound(const QString &name)
{
    if (name == QLatin1String("None"))
        return std::nullopt;
    if (name.isEmpty() || name == QLatin1String("Default"))
        return QString();
    return name;
}

void NotificationManager::requestAuthorization()
{
    m_center.requestAuthorization([self = QPointer(this)](const QString &error) {
        if (!error.isEmpty())
            SystemLog::write(QStringLiteral("notification auth error"), error);
        if (self)
            self->refreshAuthorizationStatus();
    });
}

void NotificationManager::refreshAuthorizationStatus()
{
    m_center.queryAuthorization([self = QPointer(this)](NotificationCenter::Authorization status) {
        if (self)
            self->setAuthorizationDenied(status == NotificationCenter::Authorization::denied);
    });
}

void NotificationManager::setAuthorizationDenied(bool denied)
{
    m_authorizationDenied = denied;
    Q_EMIT authorizationDeniedChanged();
}

bool NotificationManager::isSnoozed() const
{
    const bool snoozed = m_snooze && m_snooze->isActive();
    if (snoozed)
        qCDebug(norridNotify) << "snoozed: a notification is held back";
    return snoozed;
}

void NotificationManager::notify(const ReviewIssue &issue, const std::optional<QUrl> &url,
                                 const QString &column)
{
    if (isSnoozed())
        return;
    NotificationRequest request;
    request.title = column.isEmpty() ? tr(reviewTitle) : tr("Ready for review in %1").arg(column);
    request.subtitle = issue.assignee ? issue.key + QStringLiteral(" \u00B7 ") + *issue.assignee : issue.key;
    request.body = issue.summary;
    request.category = QStringLiteral("x-norrid.card");
    request.actionLabel = tr("Open");
    if (url)
        request.userInfo.insert(QStringLiteral("url"), url->toString(QUrl::FullyEncoded));
    deliver(std::move(request), issue.key, std::nullopt);
}

void NotificationManager::notifyBatch(const QStringList &keys, const std::optional<QUrl> &boardURL,
                                      const QString &column)
{
    if (isSnoozed())
        return;
    NotificationRequest request;
    request.title = column.isEmpty()
                        ? tr("%n cards ready for review", nullptr, int(keys.size()))
                        : tr("%n cards ready for review in %1", nullptr, int(keys.size())).arg(column);
    request.body = keys.join(QStringLiteral(", "));
    request.category = QStringLiteral("x-norrid.batch");
    request.actionLabel = tr("Open Board");
    if (boardURL)
        request.userInfo.insert(QStringLiteral("url"), boardURL->toString(QUrl::FullyEncoded));
    deliver(std::move(request), QStringLiteral("batch"), std::nullopt);
}

void NotificationManager::sendTest(const QString &soundName)
{
    NotificationRequest request;
    request.title = tr(reviewTitle);
    request.subtitle = tr("CLS-0000 · Test Ping");
    request.body = tr("This is how a new review card will look and sound.");
    request.category = QStringLiteral("x-norrid.test");
    deliver(std::move(request), QStringLiteral("test"), soundName);
}

void NotificationManager::notifyUpdateAvailable(const QString &version)
{
    NotificationRequest request;
    request.identifier = updateIdentifier;
    request.title = tr("Update available");
    request.body = tr("Norrid %1 is ready to install. Click to update.").arg(version);
    request.sound = sound(m_settings.notificationSound());
    request.threadIdentifier = threadIdentifier;
    request.category = QStringLiteral("x-norrid.update");
    request.userInfo.insert(QStringLiteral("action"), QStringLiteral("update"));
    m_center.add(request);
}

void NotificationManager::removeUpdateNotification()
{
    m_center.remove(updateIdentifier);
}

void NotificationManager::notifyNoTray(const QString &text)
{
    NotificationRequest request;
    request.identifier = noTrayIdentifier;
    request.title = tr("Norrid has no tray");
    request.body = text;
    request.threadIdentifier = threadIdentifier;
    request.category = QStringLiteral("x-norrid.tray");
    m_center.add(request);
}

void NotificationManager::removeNoTrayNotification()
{
    m_center.remove(noTrayIdentifier);
}

void NotificationManager::deliver(NotificationRequest request, const QString &idBase,
                                  const std::optional<QString> &soundName)
{
    request.sound = sound(soundName.value_or(m_settings.notificationSound()));
    request.threadIdentifier = threadIdentifier;
    // The shipped picture itself: a server reads it when it shows the notification, so no copy is
    // made (and none is left behind).
    request.attachmentPath = attachmentPath;
    request.identifier = idBase + QLatin1Char('-') + freshUuid();
    m_center.add(request);
}

void NotificationManager::handleClick(const QMap<QString, QString> &userInfo, const QString &activationToken)
{
    if (userInfo.value(QStringLiteral("action")) == QLatin1String("update")) {
        if (onUpdateNotificationClick)
            onUpdateNotificationClick();
        return;
    }
    const QString text = userInfo.value(QStringLiteral("url"));
    if (text.isEmpty())
        return;
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    // Only web links: a link from a card must never start a program or open a local file.
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("https") && scheme != QLatin1String("http")))
        return;
    if (!openURL)
        return;
    // The browser is started with the server's activation token, so a Wayland compositor lets it
    // come to the front; the token is for this one launch.
    if (!activationToken.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", activationToken.toUtf8());
    openURL(url);
    if (!activationToken.isEmpty())
        qunsetenv("XDG_ACTIVATION_TOKEN");
}

bool NotificationManager::openNotificationSettings()
{
    const QString desktop = qEnvironmentVariable("XDG_CURRENT_DESKTOP");
    for (const QStringList &command : NotificationSettingsCommands::forDesktop(desktop)) {
        if (startProgram && startProgram(command.constFirst(), command.mid(1)))
            return true;
    }
    SystemLog::write(QStringLiteral("opening notification settings failed"),
                     QStringLiteral("no notification settings program found for this desktop"));
    return false;
}

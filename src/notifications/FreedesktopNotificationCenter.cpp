#include "notifications/FreedesktopNotificationCenter.h"

#include "BuildInfo.h"
#include "logging/LogCategories.h"
#include "notifications/BannerSettingWatcher.h"
#include "notifications/SoundPlayer.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QDBusVariant>
#include <QUrl>
#include <QVariantMap>

namespace {
const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString path = QStringLiteral("/org/freedesktop/Notifications");
const QString interface = QStringLiteral("org.freedesktop.Notifications");

QString escapeMarkup(QString text)
{
    return text.replace(QLatin1Char('&'), QLatin1String("&amp;"))
        .replace(QLatin1Char('<'), QLatin1String("&lt;"))
        .replace(QLatin1Char('>'), QLatin1String("&gt;"));
}

QDBusMessage call(const QString &destination, const QString &method, const QVariantList &arguments = {})
{
    QDBusMessage message = QDBusMessage::createMethodCall(destination, path, interface, method);
    message.setArguments(arguments);
    return message;
}
} // namespace

FreedesktopNotificationCenter::FreedesktopNotificationCenter(const QDBusConnection &bus, SoundPlayer *player,
                                                             QObject *parent)
    : NotificationCenter(parent), m_bus(bus), m_player(player), m_banners(new BannerSettingWatcher(bus, this))
{
    // Matched on any sender: the server's unique name changes when it restarts, and a click or a
    // closing only counts when it comes from the server that showed that notification.
    m_bus.connect(QString(), path, interface, QStringLiteral("ActionInvoked"), this,
                  SLOT(onActionInvoked(uint, QString, QDBusMessage)));
    m_bus.connect(QString(), path, interface, QStringLiteral("NotificationClosed"), this,
                  SLOT(onNotificationClosed(uint, uint, QDBusMessage)));
    m_bus.connect(QString(), path, interface, QStringLiteral("ActivationToken"), this,
                  SLOT(onActivationToken(uint, QString, QDBusMessage)));
    m_bus.connect(QString(), path, QStringLiteral("org.freedesktop.DBus.Properties"),
                  QStringLiteral("PropertiesChanged"), this,
                  SLOT(onPropertiesChanged(QString, QVariantMap, QStringList)));
    auto *watcher = new QDBusServiceWatcher(service, m_bus, QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, this,
            &FreedesktopNotificationCenter::onServiceOwnerChanged);
    readInhibited();
}

bool FreedesktopNotificationCenter::isInhibited() const
{
    return m_inhibited || !m_banners->bannersShown();
}

void FreedesktopNotificationCenter::readInhibited()
{
    QDBusMessage get = QDBusMessage::createMethodCall(
        service, path, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << interface << QStringLiteral("Inhibited");
    get.setAutoStartService(false);
    // Servers without the property (all but Plasma's) answer with an error: not inhibited.
    watch(m_bus.asyncCall(get), [this](const QDBusMessage &reply) {
        m_inhibited = reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty() &&
                      reply.arguments().constFirst().value<QDBusVariant>().variant().toBool();
    });
}

void FreedesktopNotificationCenter::onPropertiesChanged(const QString &interfaceName,
                                                        const QVariantMap &changed,
                                                        const QStringList &invalidated)
{
    if (interfaceName != interface)
        return;
    if (changed.contains(QStringLiteral("Inhibited")))
        m_inhibited = changed.value(QStringLiteral("Inhibited")).toBool();
    else if (invalidated.contains(QStringLiteral("Inhibited")))
        readInhibited();
}

QString FreedesktopNotificationCenter::composeBody(const NotificationRequest &request, bool markup)
{
    QStringList lines;
    if (!request.subtitle.isEmpty())
        lines << request.subtitle;
    lines << request.body;
    QString body = lines.join(QLatin1Char('\n'));
    return markup ? escapeMarkup(body) : body;
}

void FreedesktopNotificationCenter::add(const NotificationRequest &request)
{
    m_queue.push_back({request, false});
    runNext();
}

void FreedesktopNotificationCenter::remove(const QString &identifier)
{
    NotificationRequest request;
    request.identifier = identifier;
    m_queue.push_back({request, true});
    runNext();
}

void FreedesktopNotificationCenter::requestAuthorization(RequestCallback callback)
{
    // The freedesktop service has no permission prompt: a server that answers may show notifications.
    watch(m_bus.asyncCall(call(service, QStringLiteral("GetServerInformation"))),
          [callback](const QDBusMessage &reply) {
              callback(reply.type() == QDBusMessage::ErrorMessage ? reply.errorMessage() : QString());
          });
}

void FreedesktopNotificationCenter::queryAuthorization(QueryCallback callback)
{
    watch(m_bus.asyncCall(call(service, QStringLiteral("GetServerInformation"))),
          [callback](const QDBusMessage &reply) {
              callback(reply.type() == QDBusMessage::ErrorMessage ? Authorization::denied
                                                                  : Authorization::authorized);
          });
}

void FreedesktopNotificationCenter::runNext()
{
    if (m_busy || m_queue.empty())
        return;
    m_busy = true;
    Operation operation = std::move(m_queue.front());
    m_queue.pop_front();
    if (operation.isRemoval) {
        close(operation.request.identifier);
        return;
    }
    // Asked before every notification: the answer names the server that is running now and says
    // whether it reads the body as markup, and a restarted server may answer differently.
    watch(m_bus.asyncCall(call(service, QStringLiteral("GetCapabilities"))),
          [this, request = std::move(operation.request)](const QDBusMessage &reply) {
              if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
                  finishOperation(); // no server: nothing is shown and nothing plays
                  return;
              }
              post(request, reply.service(), reply.arguments().constFirst().toStringList());
          });
}

void FreedesktopNotificationCenter::finishOperation()
{
    m_busy = false;
    runNext();
}

void FreedesktopNotificationCenter::post(const NotificationRequest &request, const QString &owner,
                                         const QStringList &capabilities)
{
    uint replacesId = 0;
    if (const qsizetype index = findByIdentifier(request.identifier);
        index >= 0 && m_known[index].owner == owner)
        replacesId = m_known[index].id;

    QVariantMap hints;
    hints.insert(QStringLiteral("suppress-sound"), true);
    hints.insert(QStringLiteral("desktop-entry"), QString::fromLatin1(BuildInfo::applicationId));
    if (!request.category.isEmpty())
        hints.insert(QStringLiteral("category"), request.category);
    if (!request.attachmentPath.isEmpty())
        hints.insert(QStringLiteral("image-path"), QUrl::fromLocalFile(request.attachmentPath).toString());

    const bool markup = capabilities.contains(QLatin1String("body-markup"));
    // The click is the default action; servers that show actions get the named one as well, since
    // some (xfce4-notifyd) dismiss a notification on a click instead of invoking the default.
    QStringList actions{QStringLiteral("default"),
                        request.actionLabel.isEmpty() ? tr("Open") : request.actionLabel};
    if (!request.actionLabel.isEmpty() && capabilities.contains(QLatin1String("actions")))
        actions << QStringLiteral("open") << request.actionLabel;
    const QVariantList arguments{QStringLiteral("Norrid"),     replacesId, QString(), request.title,
                                 composeBody(request, markup), actions,    hints,     -1};
    // Sent to the server that just answered, so the replaced id is one it gave.
    watch(m_bus.asyncCall(call(owner, QStringLiteral("Notify"), arguments)), [this, request, owner](
                                                                                 const QDBusMessage &reply) {
        if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()) {
            remember({owner, reply.arguments().constFirst().toUInt(), request.identifier, request.userInfo});
            // Under the desktop's do-not-disturb the server keeps the notification in its history
            // and shows no banner; it would be odd to hear one.
            if (m_player && request.sound && !isInhibited())
                m_player->play(*request.sound);
            else if (isInhibited())
                qCDebug(norridNotify) << "the desktop holds notifications back: no sound";
        }
        finishOperation();
    });
}

void FreedesktopNotificationCenter::close(const QString &identifier)
{
    const qsizetype index = findByIdentifier(identifier);
    if (index < 0) {
        finishOperation();
        return;
    }
    const Known known = m_known.takeAt(index);
    // Addressed to the server that showed it: a restarted server may use the same id for another.
    watch(m_bus.asyncCall(call(known.owner, QStringLiteral("CloseNotification"), {known.id})),
          [this](const QDBusMessage &) { finishOperation(); });
}

void FreedesktopNotificationCenter::remember(Known known)
{
    m_known.removeIf([&known](const Known &other) {
        return other.identifier == known.identifier || (other.owner == known.owner && other.id == known.id);
    });
    m_known.append(std::move(known));
    // Servers that keep notifications in a history may never report them closed.
    while (m_known.size() > maxKnown)
        m_known.removeFirst();
}

qsizetype FreedesktopNotificationCenter::findByIdentifier(const QString &identifier) const
{
    for (qsizetype i = 0; i < m_known.size(); ++i) {
        if (m_known[i].identifier == identifier)
            return i;
    }
    return -1;
}

qsizetype FreedesktopNotificationCenter::findById(const QString &owner, uint id) const
{
    for (qsizetype i = 0; i < m_known.size(); ++i) {
        if (m_known[i].owner == owner && m_known[i].id == id)
            return i;
    }
    return -1;
}

void FreedesktopNotificationCenter::watch(const QDBusPendingCall &pending,
                                          std::function<void(const QDBusMessage &reply)> done)
{
    auto *watcher = new QDBusPendingCallWatcher(pending, this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [done = std::move(done)](QDBusPendingCallWatcher *finished) {
                finished->deleteLater();
                done(finished->reply());
            });
}

void FreedesktopNotificationCenter::onActionInvoked(uint id, const QString &actionKey,
                                                    const QDBusMessage &message)
{
    if (actionKey != QLatin1String("default") && actionKey != QLatin1String("open"))
        return;
    // The server sends the token just before the action, for the same notification.
    const QString token = m_tokenOwner == message.service() && m_tokenId == id ? m_token : QString();
    m_token.clear();
    // A copy: a receiver may post or remove notifications and so change the list.
    if (const qsizetype index = findById(message.service(), id); index >= 0)
        Q_EMIT clicked(QMap<QString, QString>(m_known[index].userInfo), token);
}

void FreedesktopNotificationCenter::onActivationToken(uint id, const QString &token,
                                                      const QDBusMessage &message)
{
    m_tokenOwner = message.service();
    m_tokenId = id;
    m_token = token;
}

void FreedesktopNotificationCenter::onNotificationClosed(uint id, uint, const QDBusMessage &message)
{
    if (const qsizetype index = findById(message.service(), id); index >= 0)
        m_known.removeAt(index);
}

void FreedesktopNotificationCenter::onServiceOwnerChanged(const QString &, const QString &oldOwner,
                                                          const QString &)
{
    // A server that left can neither report clicks nor close what it showed.
    if (!oldOwner.isEmpty())
        m_known.removeIf([&oldOwner](const Known &known) { return known.owner == oldOwner; });
    readInhibited(); // a new server, or none: not inhibited until it says so
}

#pragma once

#include "notifications/NotificationCenter.h"

#include <QDBusConnection>
#include <QHash>
#include <QList>
#include <deque>

class QDBusMessage;
class QDBusPendingCall;
class BannerSettingWatcher;
class SoundPlayer;

// Shows notifications through the desktop's org.freedesktop.Notifications service. Every call is
// asynchronous, and posts and removals run one after another, so a removal or a replacement always
// knows the server's id of the notification it refers to. The server's ids are kept together with
// the unique bus name of the server that gave them: after the service restarts they mean nothing.
class FreedesktopNotificationCenter : public NotificationCenter
{
    Q_OBJECT

public:
    // The player may be null (no sounds); it must outlive the center.
    explicit FreedesktopNotificationCenter(const QDBusConnection &bus, SoundPlayer *player,
                                           QObject *parent = nullptr);

    void add(const NotificationRequest &request) override;
    void remove(const QString &identifier) override;
    void requestAuthorization(RequestCallback callback) override;
    void queryAuthorization(QueryCallback callback) override;

    // Notifications whose server id is still remembered (tests and diagnostics).
    qsizetype knownCount() const { return m_known.size(); }
    // Whether posts or removals are still waiting for the server.
    bool isBusy() const { return m_busy || !m_queue.empty(); }

    // The notification body as sent: the subtitle on its own line above the body, escaped for
    // servers that read the body as markup.
    static QString composeBody(const NotificationRequest &request, bool markup);

    static constexpr qsizetype maxKnown = 64;

    // Whether the desktop holds notifications back: Plasma's do-not-disturb (the server's Inhibited
    // property) or GNOME's (show-banners off). The notification still goes to the server, which
    // keeps it in its history, but no sound plays.
    bool isInhibited() const;

private Q_SLOTS:
    void onActionInvoked(uint id, const QString &actionKey, const QDBusMessage &message);
    void onNotificationClosed(uint id, uint reason, const QDBusMessage &message);
    void onServiceOwnerChanged(const QString &service, const QString &oldOwner, const QString &newOwner);
    void onActivationToken(uint id, const QString &token, const QDBusMessage &message);
    void onPropertiesChanged(const QString &interfaceName, const QVariantMap &changed,
                             const QStringList &invalidated);

private:
    struct Operation
    {
        NotificationRequest request; // for a removal only the identifier is set
        bool isRemoval = false;
    };
    // A notification the server showed, as long as it may still be on screen.
    struct Known
    {
        QString owner; // the unique bus name of the server
        uint id = 0;
        QString identifier;
        QMap<QString, QString> userInfo;
    };

    void readInhibited();
    void runNext();
    void finishOperation();
    void post(const NotificationRequest &request, const QString &owner, const QStringList &capabilities);
    void close(const QString &identifier);
    void remember(Known known);
    qsizetype findByIdentifier(const QString &identifier) const;
    qsizetype findById(const QString &owner, uint id) const;
    void watch(const QDBusPendingCall &call, std::function<void(const QDBusMessage &reply)> done);

    QDBusConnection m_bus;
    SoundPlayer *m_player;
    std::deque<Operation> m_queue;
    bool m_busy = false;
    QList<Known> m_known; // oldest first
    bool m_inhibited = false;
    BannerSettingWatcher *m_banners;
    // The last activation token the server sent, and for which notification; a click follows it.
    QString m_tokenOwner;
    uint m_tokenId = 0;
    QString m_token;
};

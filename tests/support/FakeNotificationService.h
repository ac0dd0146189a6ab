#pragma once

#include <QDBusConnection>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>

// A stand-in org.freedesktop.Notifications server on the session bus, on a bus connection of its
// own, so that the code under test talks to it exactly as to a desktop's server. It records every
// call with all its arguments and can send the server's signals.
class FakeNotificationService : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
    // Plasma's do-not-disturb.
    Q_PROPERTY(bool Inhibited READ inhibited)

public:
    struct NotifyCall
    {
        QString appName;
        uint replacesId = 0;
        QString appIcon;
        QString summary;
        QString body;
        QStringList actions;
        QVariantMap hints;
        int expireTimeout = 0;
        uint id = 0; // the id this server answered with
    };

    explicit FakeNotificationService(QStringList capabilities = {QStringLiteral("body"),
                                                                 QStringLiteral("body-markup"),
                                                                 QStringLiteral("actions")},
                                     QObject *parent = nullptr);
    ~FakeNotificationService() override;

    // Connects to the session bus and takes the service name; false when another server has it.
    bool start();
    // Gives up the name and closes the connection, as a server that quits. start() runs it anew,
    // with fresh ids from 1, as a restarted server.
    void stop();

    // Sends ActionInvoked, as when the user clicks (key "default") or picks an action.
    void invokeAction(uint id, const QString &actionKey = QStringLiteral("default"));
    // Sends ActivationToken, as a server does just before ActionInvoked.
    void sendActivationToken(uint id, const QString &token);
    // Sets Inhibited and announces the change with PropertiesChanged.
    void setInhibited(bool inhibited);
    bool inhibited() const { return m_inhibited; }
    // Sends NotificationClosed with a reason: 1 expired, 2 dismissed, 3 closed by a call.
    void emitClosed(uint id, uint reason = 2);

    QList<NotifyCall> notifyCalls;
    QList<uint> closeCalls;

public Q_SLOTS: // the D-Bus interface
    QStringList GetCapabilities();
    uint Notify(const QString &appName, uint replacesId, const QString &appIcon, const QString &summary,
                const QString &body, const QStringList &actions, const QVariantMap &hints, int expireTimeout);
    void CloseNotification(uint id);
    QString GetServerInformation(QString &vendor, QString &version, QString &specVersion);

private:
    void sendSignal(const QString &name, const QVariantList &arguments);

    QStringList m_capabilities;
    QString m_connectionName;
    bool m_running = false;
    bool m_inhibited = false;
    uint m_nextId = 1;
};

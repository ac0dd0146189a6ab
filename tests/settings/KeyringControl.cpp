#include "KeyringControl.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDeadlineTimer>
#include <QThread>

#include <csignal>

using namespace Qt::StringLiterals;

namespace {

const QDBusObjectPath kLogin(u"/org/freedesktop/secrets/collection/login"_s);

QDBusMessage call(const QString &method, const QVariantList &arguments,
                  const QString &interface = u"org.freedesktop.Secret.Service"_s)
{
    QDBusMessage message = QDBusMessage::createMethodCall(u"org.freedesktop.secrets"_s,
                                                          u"/org/freedesktop/secrets"_s, interface, method);
    message.setArguments(arguments);
    const QDBusMessage reply = QDBusConnection::sessionBus().call(message);
    if (reply.type() != QDBusMessage::ReplyMessage)
        qWarning().noquote() << method << "failed:" << reply.errorMessage();
    return reply;
}

} // namespace

namespace KeyringControl {

bool lockLogin()
{
    return call(u"Lock"_s, {QVariant::fromValue(QList<QDBusObjectPath>{kLogin})}).type() ==
           QDBusMessage::ReplyMessage;
}

bool unlockLogin()
{
    // The public Unlock needs a prompt, which a headless session cannot show; gnome-keyring's own
    // interface takes the password directly, in a session without transport encryption.
    const QDBusMessage session =
        call(u"OpenSession"_s, {u"plain"_s, QVariant::fromValue(QDBusVariant(QString()))});
    if (session.type() != QDBusMessage::ReplyMessage || session.arguments().size() != 2)
        return false;
    // The Secret Service's secret struct (oayays): session, parameters, value, content type.
    QDBusArgument secret;
    secret.beginStructure();
    secret << qdbus_cast<QDBusObjectPath>(session.arguments().at(1)) << QByteArray()
           << qgetenv("NORRID_TEST_KEYRING_PASSWORD") << u"text/plain"_s;
    secret.endStructure();
    return call(u"UnlockWithMasterPassword"_s, {QVariant::fromValue(kLogin), QVariant::fromValue(secret)},
                u"org.gnome.keyring.InternalUnsupportedGuiltRiddenInterface"_s)
               .type() == QDBusMessage::ReplyMessage;
}

bool stopDaemon()
{
    QDBusConnectionInterface *bus = QDBusConnection::sessionBus().interface();
    const QDBusReply<uint> pid = bus->servicePid(u"org.freedesktop.secrets"_s);
    if (!pid.isValid() || ::kill(pid_t(pid.value()), SIGTERM) != 0)
        return false;
    for (QDeadlineTimer deadline(10000); !deadline.hasExpired(); QThread::msleep(20)) {
        if (!bus->isServiceRegistered(u"org.freedesktop.secrets"_s).value())
            return true;
    }
    return false;
}

int itemCount(const QString &service, const QString &account)
{
    qDBusRegisterMetaType<QMap<QString, QString>>();
    const QMap<QString, QString> attributes{{u"user"_s, account}, {u"server"_s, service}};
    const QDBusMessage reply = call(u"SearchItems"_s, {QVariant::fromValue(attributes)});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 2)
        return -1;
    return int(qdbus_cast<QList<QDBusObjectPath>>(reply.arguments().at(0)).size() +
               qdbus_cast<QList<QDBusObjectPath>>(reply.arguments().at(1)).size());
}

} // namespace KeyringControl

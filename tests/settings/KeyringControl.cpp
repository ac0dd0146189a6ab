#include "KeyringControl.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QtTest>

namespace {

// The Secret Service's secret struct (oayays): session, parameters, value, content type.
struct Secret
{
    QDBusObjectPath session;
    QByteArray parameters;
    QByteArray value;
    QString contentType;
};

} // namespace

Q_DECLARE_METATYPE(Secret)

namespace {

QDBusArgument &operator<<(QDBusArgument &argument, const Secret &secret)
{
    argument.beginStructure();
    argument << secret.session << secret.parameters << secret.value << secret.contentType;
    argument.endStructure();
    return argument;
}

const QDBusArgument &operator>>(const QDBusArgument &argument, Secret &secret)
{
    argument.beginStructure();
    argument >> secret.session >> secret.parameters >> secret.value >> secret.contentType;
    argument.endStructure();
    return argument;
}

const QString kService = QStringLiteral("org.freedesktop.secrets");
const QString kPath = QStringLiteral("/org/freedesktop/secrets");
const QString kLogin = QStringLiteral("/org/freedesktop/secrets/collection/login");

QDBusMessage call(const QString &interface, const QString &method, const QVariantList &arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(kService, kPath, interface, method);
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
    const QList<QDBusObjectPath> objects{QDBusObjectPath(kLogin)};
    return call(QStringLiteral("org.freedesktop.Secret.Service"), QStringLiteral("Lock"),
                {QVariant::fromValue(objects)})
               .type() == QDBusMessage::ReplyMessage;
}

bool unlockLogin()
{
    qDBusRegisterMetaType<Secret>();
    // The public Unlock needs a prompt, which a headless session cannot show; gnome-keyring's own
    // interface takes the password directly, in a session without transport encryption.
    const QDBusMessage session =
        call(QStringLiteral("org.freedesktop.Secret.Service"), QStringLiteral("OpenSession"),
             {QStringLiteral("plain"), QVariant::fromValue(QDBusVariant(QString()))});
    if (session.type() != QDBusMessage::ReplyMessage || session.arguments().size() != 2)
        return false;
    const Secret master{qdbus_cast<QDBusObjectPath>(session.arguments().at(1)),
                        {},
                        qgetenv("NORRID_TEST_KEYRING_PASSWORD"),
                        QStringLiteral("text/plain")};
    return call(QStringLiteral("org.gnome.keyring.InternalUnsupportedGuiltRiddenInterface"),
                QStringLiteral("UnlockWithMasterPassword"),
                {QVariant::fromValue(QDBusObjectPath(kLogin)), QVariant::fromValue(master)})
               .type() == QDBusMessage::ReplyMessage;
}

int itemCount(const QString &service, const QString &account)
{
    qDBusRegisterMetaType<QMap<QString, QString>>();
    const QMap<QString, QString> attributes{{QStringLiteral("user"), account},
                                            {QStringLiteral("server"), service}};
    const QDBusMessage reply = call(QStringLiteral("org.freedesktop.Secret.Service"),
                                    QStringLiteral("SearchItems"), {QVariant::fromValue(attributes)});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().size() != 2)
        return -1;
    return int(qdbus_cast<QList<QDBusObjectPath>>(reply.arguments().at(0)).size() +
               qdbus_cast<QList<QDBusObjectPath>>(reply.arguments().at(1)).size());
}

} // namespace KeyringControl

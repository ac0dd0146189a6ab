// The token store on a session bus where no Secret Service runs or can be started, and where one
// hangs: a clear "unavailable" outcome, no crash, and the token nowhere in plain text.
#include "settings/AppSettings.h"
#include "settings/Keychain.h"

#include <QDBusConnection>
#include <QDBusVirtualObject>
#include <QDirIterator>
#include <QtTest>

using Keychain::Status;

namespace {

const QString kAccount = QStringLiteral("jira-token");
const QByteArray kToken = "plaintext-canary-7c1f2e";

// Takes the Secret Service's name and never answers, like a daemon that hangs.
class SilentSecretService : public QDBusVirtualObject
{
public:
    QString introspect(const QString &) const override { return {}; }
    bool handleMessage(const QDBusMessage &, const QDBusConnection &) override { return true; }
};

// Every file under the folder whose bytes contain the needle.
QStringList filesContaining(const QString &folder, const QByteArray &needle)
{
    QStringList found;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (file.open(QIODevice::ReadOnly) && file.readAll().contains(needle))
            found << file.fileName();
    }
    return found;
}

} // namespace

class NoKeyringTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // The wrapper script gives this run a home of its own, so it can be searched whole.
        QVERIFY(qEnvironmentVariable("HOME").startsWith(QDir::tempPath()));
    }

    void everyOperationReportsUnavailable()
    {
        QCOMPARE(Keychain::readItem(kAccount).status, Status::Unavailable);

        const Keychain::Outcome saved = Keychain::save(QString::fromLatin1(kToken), kAccount);
        QCOMPARE(saved.status, Status::Unavailable);
        QVERIFY(!saved.problem.contains(QString::fromLatin1(kToken)));
        QCOMPARE(Keychain::remove(kAccount).status, Status::Unavailable);
    }

    void settingsKeepTheTokenOutOfFiles()
    {
        const QString file = QDir::home().filePath(QStringLiteral(".config/norrid/Norrid.conf"));
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("^Norrid: token read failed — .+")));
        AppSettings settings(file);
        QVERIFY(settings.tokenUnavailable());
        QVERIFY(settings.tokenProblem().contains(QStringLiteral("cannot reach")));

        settings.setEmail(QStringLiteral("me@example.com"));
        settings.setToken(QString::fromLatin1(kToken));
        settings.retryKeyring();
        // Still usable for this run, but stored nowhere.
        QCOMPARE(settings.token(), QString::fromLatin1(kToken));
        QVERIFY(settings.tokenProblem().contains(QStringLiteral("not stored yet")));
        QVERIFY(QFileInfo::exists(file));
        // The home and the runtime folder beside it.
        QCOMPARE(filesContaining(QFileInfo(QDir::homePath()).absolutePath(), kToken), QStringList());
    }

    void hungKeyringIsGivenUpOn()
    {
        QDBusConnection bus =
            QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("silent"));
        SilentSecretService service;
        QVERIFY(bus.registerVirtualObject(QStringLiteral("/"), &service, QDBusConnection::SubPath));
        QVERIFY(bus.registerService(QStringLiteral("org.freedesktop.secrets")));

        const Keychain::Item item = Keychain::readItem(kAccount);
        QCOMPARE(item.status, Status::Unavailable);
        QVERIFY(item.problem.contains(QStringLiteral("did not answer")));
        // The first request is still waiting; later ones are answered at once instead of queueing.
        const Keychain::Outcome saved = Keychain::save(QString::fromLatin1(kToken), kAccount);
        QCOMPARE(saved.status, Status::Unavailable);
        QVERIFY(saved.problem.contains(QStringLiteral("earlier request")));

        bus.unregisterObject(QStringLiteral("/"), QDBusConnection::UnregisterTree);
    }
};

QTEST_GUILESS_MAIN(NoKeyringTest)
#include "tst_nokeyring.moc"

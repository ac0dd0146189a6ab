// The token store on a session bus where no Secret Service runs or can be started, and where one
// hangs: a clear "unavailable" outcome, no crash, and the token nowhere in plain text.
#include "settings/AppSettings.h"
#include "settings/Keychain.h"
#include "support/AwaitTask.h"

#include <QDBusConnection>
#include <QDBusVirtualObject>
#include <QDirIterator>
#include <QtTest>

using namespace Qt::StringLiterals;
using Keychain::Status;

namespace {

const QString kAccount = u"jira-token"_s;
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

    // Every operation reports "unavailable"; the store keeps the token for this run only.
    void theTokenIsKeptInMemoryOnly()
    {
        QCOMPARE(awaitTask(Keychain::readItem(kAccount)).status, Status::Unavailable);
        const Keychain::Outcome saved = awaitTask(Keychain::save(QString::fromLatin1(kToken), kAccount));
        QCOMPARE(saved.status, Status::Unavailable);
        QVERIFY(!saved.problem.contains(QString::fromLatin1(kToken)));
        QCOMPARE(awaitTask(Keychain::remove(kAccount)).status, Status::Unavailable);

        const QString file = QDir::home().filePath(u".config/norrid/Norrid.conf"_s);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^Norrid: token read failed — .+"_s));
        AppSettings settings(file);
        QTRY_VERIFY(settings.tokenUnavailable());
        QCOMPARE(settings.keyringState().condition, KeyringState::Condition::absent);
        QVERIFY(settings.tokenProblem().startsWith(u"This desktop runs no keyring"_s));
        settings.setEmail(u"me@example.com"_s);
        settings.setToken(QString::fromLatin1(kToken));
        settings.retryKeyring();
        QCOMPARE(settings.token(), QString::fromLatin1(kToken));
        QTRY_VERIFY(settings.tokenProblem().contains(u"not stored yet"_s));
        QVERIFY(QFileInfo::exists(file));
        // The home and the runtime folder beside it.
        QCOMPARE(filesContaining(QFileInfo(QDir::homePath()).absolutePath(), kToken), QStringList());
    }

    void hungKeyringIsGivenUpOn()
    {
        QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, u"silent"_s);
        SilentSecretService service;
        QVERIFY(bus.registerVirtualObject(u"/"_s, &service, QDBusConnection::SubPath));
        QVERIFY(bus.registerService(u"org.freedesktop.secrets"_s));

        const Keychain::Item item = awaitTask(Keychain::readItem(kAccount));
        QCOMPARE(item.status, Status::Unavailable);
        QVERIFY(item.problem.contains(u"did not answer"_s));
        // The first request is still waiting; later ones are answered at once instead of queueing.
        const Keychain::Outcome saved = awaitTask(Keychain::save(QString::fromLatin1(kToken), kAccount));
        QCOMPARE(saved.status, Status::Unavailable);
        QVERIFY(saved.problem.contains(u"earlier request"_s));

        bus.unregisterObject(u"/"_s, QDBusConnection::UnregisterTree);
    }
};

QTEST_GUILESS_MAIN(NoKeyringTest)
#include "tst_nokeyring.moc"

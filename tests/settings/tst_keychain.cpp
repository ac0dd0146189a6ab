// The token store against a real gnome-keyring on a private session bus.
#include "KeyringControl.h"
#include "settings/Keychain.h"

#include <QProcess>
#include <QtTest>

using Keychain::Status;

namespace {

const QString kAccount = QStringLiteral("jira-token");

// What the keyring itself holds, read with libsecret's own tool rather than through the code
// under test, so the stored bytes are checked and not just a round trip.
QByteArray storedBytes(const QString &account)
{
    QProcess tool;
    tool.start(QStringLiteral("secret-tool"), {QStringLiteral("lookup"), QStringLiteral("user"), account,
                                               QStringLiteral("server"), Keychain::service()});
    tool.waitForFinished();
    return tool.readAllStandardOutput();
}

} // namespace

class KeychainTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        // A test that failed half-way may have left the keyring locked.
        QVERIFY(KeyringControl::unlockLogin());
        QVERIFY(Keychain::remove(kAccount).succeeded());
    }

    void savesReadsAndRemoves_data()
    {
        QTest::addColumn<QString>("token");
        QTest::newRow("non-ASCII") << QStringLiteral("tøkén—🔑 日本語");
        QString longToken;
        for (int i = 0; i < 4096; ++i)
            longToken += QChar(u'a' + i % 26);
        QTest::newRow("4 KiB") << longToken;
    }

    void savesReadsAndRemoves()
    {
        QFETCH(QString, token);
        QCOMPARE(Keychain::save(token, kAccount).status, Status::Ok);
        QCOMPARE(storedBytes(kAccount), token.toUtf8());

        QCOMPARE(Keychain::read(kAccount), std::optional<QString>(token));
        // Saving again replaces the item rather than adding one.
        QCOMPARE(Keychain::save(token, kAccount).status, Status::Ok);
        QCOMPARE(KeyringControl::itemCount(Keychain::service(), kAccount), 1);

        QVERIFY(Keychain::remove(kAccount).succeeded());
        QCOMPARE(Keychain::readItem(kAccount).status, Status::NotFound);
        QCOMPARE(KeyringControl::itemCount(Keychain::service(), kAccount), 0);
    }

    void missingItemIsNotAFailure()
    {
        QCOMPARE(Keychain::readItem(kAccount).status, Status::NotFound);
        QCOMPARE(Keychain::read(kAccount), std::nullopt);
        QVERIFY(Keychain::remove(kAccount).succeeded());
    }

    // A locked keyring must never look like a missing item, and nothing may be deleted or
    // replaced while it is locked: the token is there again once it is unlocked.
    void lockedKeyringKeepsTheItem()
    {
        QCOMPARE(Keychain::save(QStringLiteral("kept"), kAccount).status, Status::Ok);
        QVERIFY(KeyringControl::lockLogin());

        const Keychain::Item item = Keychain::readItem(kAccount);
        QCOMPARE(item.status, Status::Locked);
        QVERIFY(item.value.isEmpty() && !item.problem.isEmpty());
        QCOMPARE(Keychain::remove(kAccount).status, Status::Locked);
        QCOMPARE(Keychain::save(QStringLiteral("replacement"), kAccount).status, Status::Locked);

        QVERIFY(KeyringControl::unlockLogin());
        QCOMPARE(Keychain::read(kAccount), std::optional<QString>(QStringLiteral("kept")));
        QCOMPARE(KeyringControl::itemCount(Keychain::service(), kAccount), 1);
    }
};

QTEST_GUILESS_MAIN(KeychainTest)
#include "tst_keychain.moc"

// Plasma's keyring as QtKeychain meets it: KWallet's own D-Bus interface, on a private bus. The
// real kwalletd5 runs headless and answers what QtKeychain asks first, so Norrid's choice of
// backend is checked against it. Opening a wallet takes kwalletd's password dialog, which nobody
// can answer here; for the wallet-opened signal a small stand-in takes kwalletd's name.
#include "settings/KeyringBackend.h"
#include "settings/SecretServiceWatcher.h"
#include "support/AwaitTask.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;

class FakeKWallet : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.KWallet")

public Q_SLOTS:
    QString networkWallet() { return u"kdewallet"_s; }
};

class TestKWallet : public QObject
{
    Q_OBJECT

    FakeKWallet m_wallet;

private Q_SLOTS:
    // Plasma 5 with a wallet that answers: KWallet. Another desktop, or a Plasma whose wallet does
    // not answer: the Secret Service.
    void theBackendIsQtKeychains()
    {
        QProcess kwalletd;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        kwalletd.setProcessEnvironment(environment);
        kwalletd.start(u"kwalletd5"_s, {});
        QVERIFY2(kwalletd.waitForStarted(), "kwalletd5 (Debian libkf5wallet-bin)");
        QDBusConnectionInterface *bus = QDBusConnection::sessionBus().interface();
        QTRY_VERIFY_WITH_TIMEOUT(bus->isServiceRegistered(u"org.kde.kwalletd5"_s).value(), 20000);
        const auto detectWith = [](const QByteArray &desktop, const QByteArray &version) {
            qputenv("XDG_CURRENT_DESKTOP", desktop);
            qputenv("KDE_SESSION_VERSION", version);
            return awaitTask(KeyringBackend::detect());
        };
        QCOMPARE(detectWith("KDE", "5"), KeyringBackend::Kind::kwallet5);
        QCOMPARE(detectWith("KDE", "6"), KeyringBackend::Kind::secretService); // no kwalletd6 here
        QCOMPARE(detectWith("GNOME", "5"), KeyringBackend::Kind::secretService);
        kwalletd.terminate();
        QVERIFY(kwalletd.waitForFinished());
    }

    // The wallet opens: the watcher says so, once for a burst.
    void aWalletOpeningIsNoticed()
    {
        // The bus may have started kwalletd5 again on a call; the stand-in takes its name.
        QDBusConnection bus = QDBusConnection::sessionBus();
        const QString name = u"org.kde.kwalletd5"_s;
        if (const auto pid = bus.interface()->servicePid(name); pid.isValid()) {
            QProcess::execute(u"kill"_s, {QString::number(pid.value())});
            QTRY_VERIFY(!bus.interface()->isServiceRegistered(name).value());
        }
        QVERIFY(bus.registerObject(u"/modules/kwalletd5"_s, &m_wallet, QDBusConnection::ExportAllSlots));
        QVERIFY(bus.registerService(name));
        qputenv("XDG_CURRENT_DESKTOP", "KDE");
        qputenv("KDE_SESSION_VERSION", "5");
        SecretServiceWatcher watcher;
        QSignalSpy changed(&watcher, &SecretServiceWatcher::changed);
        QTest::qWait(200);
        for (int i = 0; i < 3; ++i) {
            QDBusMessage opened =
                QDBusMessage::createSignal(u"/modules/kwalletd5"_s, u"org.kde.KWallet"_s, u"walletOpened"_s);
            opened << u"kdewallet"_s;
            QVERIFY(QDBusConnection::sessionBus().send(opened));
        }
        QTRY_COMPARE(changed.size(), 1);
        QTest::qWait(2 * SecretServiceWatcher::settleTime.count());
        QCOMPARE(changed.size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestKWallet)
#include "tst_kwallet.moc"

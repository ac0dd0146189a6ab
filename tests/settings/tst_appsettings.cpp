// The settings store over a settings file in a temporary folder and the real gnome-keyring of a
// private session bus.
#include "KeyringControl.h"
#include "settings/AppSettings.h"
#include "settings/Keychain.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace std::chrono_literals;

namespace {

const QString kAccount = QStringLiteral("jira-token");

void writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

QByteArray fileContent(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int tokenItems()
{
    return KeyringControl::itemCount(Keychain::service(), kAccount);
}

} // namespace

class AppSettingsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path() const { return m_dir.filePath(QStringLiteral("norrid/Norrid.conf")); }

    // Fills the five settings the connection needs.
    void configure(AppSettings &settings)
    {
        settings.setSiteURL(QStringLiteral("example.atlassian.net"));
        settings.setEmail(QStringLiteral("me@example.com"));
        settings.setToken(QStringLiteral("tok"));
        settings.setBoardId(QStringLiteral("42"));
        settings.setStatusName(QStringLiteral("In Review"));
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY(m_dir.isValid());
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
        // A test that failed half-way may have left the keyring locked.
        QVERIFY(KeyringControl::unlockLogin());
        QVERIFY(Keychain::remove(kAccount).succeeded());
    }

    void freshInstallWritesNothing()
    {
        const AppSettings settings(path());
        QCOMPARE(settings.pollInterval(), qint64(60));
        QCOMPARE(settings.notificationSound(), QStringLiteral("Default"));
        QVERIFY(settings.token().isEmpty() && !settings.isConfigured() && !settings.tokenUnavailable());
        QVERIFY(!QFileInfo::exists(QFileInfo(path()).absolutePath()));
        QCOMPARE(tokenItems(), 0);
    }

    // Texts that INI files and QSettings treat specially must come back exactly as assigned, and
    // the token must stay out of the file.
    void everySettingSurvivesARestart()
    {
        const QString jql = QStringLiteral("project in (A, B) AND labels = \"x;y\" # not a comment");
        {
            AppSettings settings(path());
            settings.setSiteURL(QStringLiteral("  @example.atlassian.net/ "));
            settings.setEmail(QStringLiteral("zoë@example.com"));
            settings.setBoardId(QStringLiteral("0042"));
            settings.setStatusName(QStringLiteral("Code review\nsecond line"));
            settings.setExtraJQL(jql);
            settings.setPollInterval(5);
            settings.setNotificationSound(QStringLiteral("Glass"));
            settings.setToken(QStringLiteral("s3cr3t-tøken"));
        }
        // A copy is parsed afresh: QSettings would otherwise hand back its in-process cache.
        const QString copy = m_dir.filePath(QStringLiteral("copy.conf"));
        QVERIFY(QFile::copy(path(), copy));
        const AppSettings settings(copy);
        QCOMPARE(settings.siteURL(), QStringLiteral("  @example.atlassian.net/ "));
        QCOMPARE(settings.boardId(), QStringLiteral("0042"));
        QCOMPARE(settings.statusName(), QStringLiteral("Code review\nsecond line"));
        QCOMPARE(settings.extraJQL(), jql);
        QCOMPARE(settings.pollInterval(), 5);
        QCOMPARE(settings.token(), QStringLiteral("s3cr3t-tøken"));

        QVERIFY(!fileContent(path()).toLower().contains("token"));
    }

    void storedPollInterval_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<qint64>("expected");
        QTest::newRow("below the floor") << QByteArray("pollInterval=5") << qint64(5);
        QTest::newRow("64-bit") << QByteArray("pollInterval=9223372036854775807")
                                << qint64(9223372036854775807);
        QTest::newRow("words") << QByteArray("pollInterval=often") << qint64(60);
        QTest::newRow("beyond 64 bits") << QByteArray("pollInterval=99999999999999999999") << qint64(60);
    }

    void storedPollInterval()
    {
        QFETCH(QByteArray, line);
        QFETCH(qint64, expected);
        writeFile(path(), "[General]\n" + line + "\n");
        QCOMPARE(AppSettings(path()).pollInterval(), expected);
    }

    // A damaged file gives defaults where it cannot be read, and the next assignment still saves.
    void corruptFile()
    {
        writeFile(path(), QByteArray("\x00\xff\xfe[[[General\nemail\n=\x01\nstatusName=a, b\n"
                                     "notificationSound=@ByteArray(Glass)\n\xc3\x28=1\n",
                                     74));
        AppSettings settings(path());
        QCOMPARE(settings.statusName(), QString());
        QCOMPARE(settings.notificationSound(), QStringLiteral("Default"));
        settings.setEmail(QStringLiteral("me@example.com"));
        QVERIFY2(settings.saveProblem().isEmpty(), qPrintable(settings.saveProblem()));
        const QString copy = m_dir.filePath(QStringLiteral("copy.conf"));
        QVERIFY(QFile::copy(path(), copy));
        QCOMPARE(AppSettings(copy).email(), QStringLiteral("me@example.com"));
    }

    // Five values make a connection, blank ones included; of them only the site is normalised.
    void connectionSettings()
    {
        AppSettings settings(path());
        configure(settings);
        QVERIFY(settings.isConfigured()); // extra JQL is optional
        for (const char *name : {"siteURL", "email", "token", "boardId", "statusName"}) {
            const QVariant kept = settings.property(name);
            QVERIFY(settings.setProperty(name, QString()));
            QVERIFY2(!settings.isConfigured() && !AppSettings(path()).isConfigured(), name);
            QVERIFY(settings.setProperty(name, kept));
        }
        settings.setSiteURL(QStringLiteral("http://example.atlassian.net/ "));
        settings.setEmail(QStringLiteral(" me@example.com "));
        QVERIFY(fileContent(path()).contains("http://example.atlassian.net/ "));
        QCOMPARE(settings.jiraConfig().siteURL, QStringLiteral("https://example.atlassian.net"));
        QCOMPARE(settings.jiraConfig().email, QStringLiteral(" me@example.com "));
        QCOMPARE(settings.jiraConfig().token, QStringLiteral("tok"));
        // The client reports the empty normalised site itself.
        settings.setSiteURL(QStringLiteral("   "));
        QVERIFY(settings.isConfigured());
        QCOMPARE(settings.jiraConfig().siteURL, QString());
    }

    // The keyring is still locked when Norrid starts: the token is not treated as deleted, a form
    // handing back its empty field deletes nothing, the keyring is not asked again on every read,
    // and the token is there once it is unlocked.
    void keyringLockedAtStart()
    {
        {
            AppSettings first(path());
            configure(first);
        }
        QVERIFY(KeyringControl::lockLogin());

        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("^Norrid: token read failed — .+")));
        AppSettings settings(path());
        QSignalSpy unavailableSpy(&settings, &AppSettings::tokenUnavailableChanged);
        QSignalSpy tokenSpy(&settings, &AppSettings::tokenChanged);
        QVERIFY(settings.token().isEmpty() && !settings.isConfigured() && settings.tokenUnavailable());
        QVERIFY(settings.tokenProblem().contains(QStringLiteral("locked")));

        settings.setToken(settings.token());
        QCOMPARE(tokenItems(), 1);

        QVERIFY(KeyringControl::unlockLogin());
        QCOMPARE(settings.token(), QString());
        settings.setKeyringRetryInterval(0ms);
        QVERIFY(settings.isConfigured());
        QCOMPARE(settings.jiraConfig().token, QStringLiteral("tok"));
        QVERIFY(!settings.tokenUnavailable() && settings.tokenProblem().isEmpty());
        QTRY_COMPARE(unavailableSpy.count(), 1);
        QTRY_VERIFY(tokenSpy.count() >= 2);
    }
};

QTEST_GUILESS_MAIN(AppSettingsTest)
#include "tst_appsettings.moc"

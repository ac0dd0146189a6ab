// The settings store over a settings file in a temporary folder and the real gnome-keyring of a
// private session bus.
#include "KeyringControl.h"
#include "settings/AppSettings.h"
#include "settings/Keychain.h"
#include "support/AwaitTask.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace std::chrono_literals;
using namespace Qt::StringLiterals;

namespace {

const QString kAccount = u"jira-token"_s;

QByteArray fileContent(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The store has finished with the keyring: its first read, and what was assigned since.
bool settled(const AppSettings &settings)
{
    return QTest::qWaitFor([&] { return !settings.keyringBusy(); }, 10000);
}

Keychain::Outcome removeToken()
{
    return awaitTask(Keychain::remove(kAccount));
}

int tokenItems()
{
    return KeyringControl::itemCount(Keychain::service(), kAccount);
}

// What the keyring itself holds, read with libsecret's own tool rather than through the code
// under test.
QByteArray storedToken()
{
    QProcess tool;
    tool.start(u"secret-tool"_s, {u"lookup"_s, u"user"_s, kAccount, u"server"_s, Keychain::service()});
    tool.waitForFinished();
    return tool.readAllStandardOutput();
}

} // namespace

class AppSettingsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path() const { return m_dir.filePath(u"norrid/Norrid.conf"_s); }

    // Fills the five settings the connection needs.
    void configure(AppSettings &settings)
    {
        settings.setSiteURL(u"example.atlassian.net"_s);
        settings.setEmail(u"me@example.com"_s);
        settings.setToken(u"tok"_s);
        settings.setBoardId(u"42"_s);
        settings.setStatusName(u"In Review"_s);
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY(m_dir.isValid());
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
        // A test that failed half-way may have left the keyring locked.
        QVERIFY(KeyringControl::unlockLogin());
        QVERIFY(removeToken().succeeded());
    }

    // A fresh install writes nothing, and no token is no problem. Texts that INI files and
    // QSettings treat specially come back exactly as assigned; the token goes to the keyring as
    // UTF-8, once, and never into the file.
    void everySettingSurvivesARestart()
    {
        const QString jql = u"project in (A, B) AND labels = \"x;y\" # not a comment"_s;
        const QString token = u"s3cr3t-tøkén—🔑 日本語"_s;
        {
            AppSettings settings(path());
            QVERIFY(settled(settings));
            QVERIFY(settings.token().isEmpty() && !settings.isConfigured() && !settings.tokenUnavailable());
            QVERIFY(!QFileInfo::exists(QFileInfo(path()).absolutePath()));
            settings.setSiteURL(u"  @example.atlassian.net/ "_s);
            settings.setEmail(u"zoë@example.com"_s);
            settings.setBoardId(u"0042"_s);
            settings.setStatusName(u"Code review\nsecond line"_s);
            settings.setExtraJQL(jql);
            settings.setPollInterval(5);
            settings.setNotificationSound(u"Glass"_s);
            QCOMPARE(settings.trayIconAppearance(), u"automatic"_s);
            settings.setTrayIconAppearance(u"dark"_s);
            settings.setToken(u"first"_s);
            settings.setToken(token);
            QVERIFY(settled(settings));
        }
        QCOMPARE(storedToken(), token.toUtf8());
        QCOMPARE(tokenItems(), 1);
        // A copy is parsed afresh: QSettings would otherwise hand back its in-process cache.
        const QString copy = m_dir.filePath(u"copy.conf"_s);
        QVERIFY(QFile::copy(path(), copy));
        AppSettings settings(copy);
        QVERIFY(settled(settings));
        QCOMPARE(settings.siteURL(), u"  @example.atlassian.net/ "_s);
        QCOMPARE(settings.email(), u"zoë@example.com"_s);
        QCOMPARE(settings.boardId(), u"0042"_s);
        QCOMPARE(settings.statusName(), u"Code review\nsecond line"_s);
        QCOMPARE(settings.extraJQL(), jql);
        QCOMPARE(settings.pollInterval(), 5);
        QCOMPARE(settings.notificationSound(), u"Glass"_s);
        QCOMPARE(settings.trayIconAppearance(), u"dark"_s);
        QCOMPARE(settings.token(), token);
        QVERIFY(!fileContent(path()).contains("s3cr3t") && !fileContent(path()).toLower().contains("token"));

        settings.setToken(QString());
        QVERIFY(settled(settings));
        QCOMPARE(tokenItems(), 0);
    }

    // A hand-written file with ten columns: the first comes from the settings' own keys, the next
    // seven from the array; an entry without a status and keys this build does not know are kept.
    // Changing another setting or one column leaves every other entry as it was.
    void columnsArrayIsKeptAsWritten()
    {
        QDir().mkpath(QFileInfo(path()).absolutePath());
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        QByteArray ini = "[General]\nboardId=7\nstatusName=In Review\n\n[columns]\n";
        for (int n = 1; n <= 9; ++n)
            ini += QByteArray::number(n) + "\\boardId=" + QByteArray::number(10 + n) + "\n" +
                   QByteArray::number(n) + "\\statusName=" + (n == 3 ? "" : "S" + QByteArray::number(n)) +
                   "\n";
        ini += "2\\name=QA\n2\\colour=teal\n1\\extraJQL=team = A\nsize=9\n";
        file.write(ini);
        file.close();
        AppSettings settings(path());
        QVERIFY(settled(settings));
        const QList<WatchedColumn> columns = settings.columns();
        QCOMPARE(columns.size(), AppSettings::maximumColumns);
        QCOMPARE(columns[0], (WatchedColumn{u"7"_s, u"In Review"_s, {}, {}, {}}));
        QCOMPARE(columns[1], (WatchedColumn{u"11"_s, u"S1"_s, u"team = A"_s, {}, {}}));
        QCOMPARE(columns[2].title(), u"QA"_s);
        QVERIFY(!columns[3].isComplete());

        const auto arrayOf = [](const QString &fileName) {
            QSettings store(fileName, QSettings::IniFormat);
            store.beginGroup(u"columns"_s);
            QVariantMap entries;
            for (const QString &key : store.allKeys())
                entries.insert(key, store.value(key));
            return entries;
        };
        const QVariantMap before = arrayOf(path());
        settings.setPollInterval(30);
        settings.setColumns(columns);
        QCOMPARE(arrayOf(path()), before);
        QList<WatchedColumn> renamed = columns;
        renamed[2].name = u"Quality"_s;
        std::swap(renamed[4], renamed[5]);
        settings.setColumns(renamed);
        QVariantMap expected = before;
        expected[u"2/name"_s] = u"Quality"_s;
        for (const QString &key : {u"boardId"_s, u"statusName"_s})
            std::swap(expected[u"4/"_s + key], expected[u"5/"_s + key]);
        QCOMPARE(arrayOf(path()), expected);
        QCOMPARE(AppSettings(path()).columns(), renamed);
    }

    // A damaged file gives defaults where it cannot be read, and the next assignment still saves.
    void corruptFile()
    {
        QDir().mkpath(QFileInfo(path()).absolutePath());
        QFile file(path());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("\x00\xff\xfe[[[General\nemail\n=\x01\nstatusName=a, b\npollInterval=often\n"
                   "notificationSound=@ByteArray(Glass)\ntrayIconAppearance=a, b\n\xc3\x28=1\n"_ba);
        file.close();
        AppSettings settings(path());
        QCOMPARE(settings.statusName(), QString());
        QCOMPARE(settings.pollInterval(), 60);
        QCOMPARE(settings.notificationSound(), u"Default"_s);
        QCOMPARE(settings.trayIconAppearance(), u"automatic"_s);
        settings.setEmail(u"me@example.com"_s);
        QVERIFY2(settings.saveProblem().isEmpty(), qPrintable(settings.saveProblem()));
        const QString copy = m_dir.filePath(u"copy.conf"_s);
        QVERIFY(QFile::copy(path(), copy));
        QCOMPARE(AppSettings(copy).email(), u"me@example.com"_s);
    }

    // Four values make a connection (the email is optional), blank ones included; of them only the
    // site is normalised, in memory.
    void connectionSettings()
    {
        AppSettings settings(path());
        configure(settings);
        QVERIFY(settings.isConfigured()); // extra JQL is optional
        for (const char *name : {"siteURL", "token", "boardId", "statusName"}) {
            const QVariant kept = settings.property(name);
            QVERIFY(settings.setProperty(name, QString()));
            QVERIFY(settled(settings));
            AppSettings reread(path());
            QVERIFY(settled(reread));
            QVERIFY2(!settings.isConfigured() && !reread.isConfigured(), name);
            QVERIFY(settings.setProperty(name, kept));
        }
        // Without an email the token is a personal access token.
        settings.setEmail({});
        AppSettings withoutEmail(path());
        QVERIFY(settled(withoutEmail));
        QVERIFY(settings.isConfigured() && withoutEmail.isConfigured());
        // A board page stored for the site stays as stored, made https; the base is read from it.
        settings.setSiteURL(u"http://example.atlassian.net/jira/software/c/projects/AB/boards/7 "_s);
        settings.setEmail(u" me@example.com "_s);
        QVERIFY(fileContent(path()).contains(
            "http://example.atlassian.net/jira/software/c/projects/AB/boards/7 "));
        QCOMPARE(settings.jiraConfig().siteURL,
                 u"https://example.atlassian.net/jira/software/c/projects/AB/boards/7"_s);
        QCOMPARE(settings.jiraConfig().email, u" me@example.com "_s);
        QCOMPARE(settings.jiraConfig().token, u"tok"_s);
        // The client reports the empty normalised site itself.
        settings.setSiteURL(u"   "_s);
        QVERIFY(settings.isConfigured());
        QCOMPARE(settings.jiraConfig().siteURL, QString());
    }

    // The keyring is still locked when Norrid starts: the token is not treated as deleted, a form
    // handing back its empty field deletes nothing, nothing in the keyring is replaced, and the
    // token is read by itself once the keyring is unlocked.
    void keyringLockedAtStart()
    {
        {
            AppSettings first(path());
            configure(first);
            QVERIFY(settled(first));
        }
        QVERIFY(KeyringControl::lockLogin());

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^Norrid: token read failed — .+"_s));
        AppSettings settings(path());
        QSignalSpy unavailableSpy(&settings, &AppSettings::tokenUnavailableChanged);
        QSignalSpy tokenSpy(&settings, &AppSettings::tokenChanged);
        QVERIFY(settings.tokenReading() && !settings.tokenUnavailable()); // asked, no answer yet
        QVERIFY(settled(settings));
        QVERIFY(settings.token().isEmpty() && !settings.isConfigured() && settings.tokenUnavailable());
        QVERIFY(settings.tokenProblem().contains(u"locked"_s));

        settings.setToken(settings.token());
        QCOMPARE(awaitTask(Keychain::save(u"replacement"_s, kAccount)).status, Keychain::Status::Locked);
        QCOMPARE(tokenItems(), 1);

        // The unlock seen on the bus is enough: nobody reads the token meanwhile.
        QTRY_COMPARE(unavailableSpy.count(), 1); // observers heard of the locked keyring
        unavailableSpy.clear();
        QVERIFY(KeyringControl::unlockLogin());
        QTRY_VERIFY(!settings.tokenUnavailable());
        QTRY_VERIFY(settings.isConfigured());
        QCOMPARE(settings.jiraConfig().token, u"tok"_s);
        QVERIFY(!settings.tokenUnavailable() && settings.tokenProblem().isEmpty());
        QTRY_COMPARE(unavailableSpy.count(), 1);
        QTRY_VERIFY(tokenSpy.count() >= 2);
    }

    // The keyring daemon went away after launch. A token the user saves starts it again through
    // the bus, as a desktop starts its keyring on demand, and is stored once it is unlocked; it is
    // not left waiting in memory for a daemon that nobody else would start.
    void keyringStartedAgainForASave()
    {
        AppSettings settings(path());
        configure(settings);
        QVERIFY(settled(settings));
        QVERIFY(KeyringControl::stopDaemon());

        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(u"^Norrid: token save failed — the keyring is locked"_s));
        settings.setToken(u"rotated"_s);
        QTRY_VERIFY(settings.tokenProblem().startsWith(u"Your keyring is locked"_s));
        QVERIFY(KeyringControl::unlockLogin());
        QTRY_COMPARE(storedToken(), QByteArray("rotated"));
        QTRY_VERIFY(settings.tokenProblem().isEmpty());
        QCOMPARE(tokenItems(), 1);
    }
};

QTEST_GUILESS_MAIN(AppSettingsTest)
#include "tst_appsettings.moc"

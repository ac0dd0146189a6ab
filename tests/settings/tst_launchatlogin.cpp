// The autostart entry, in a temporary XDG_CONFIG_HOME.
#include "settings/LaunchAtLogin.h"

#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray fileContent(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

QByteArray thisProgramsExecLine()
{
    return "Exec=" + LaunchAtLogin::execValue(QCoreApplication::applicationFilePath()).toUtf8() + "\n";
}

const QRegularExpression kFailureLine(QStringLiteral("^Norrid: launch-at-login change failed — .+"));

} // namespace

class LaunchAtLoginTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_config;

private Q_SLOTS:
    void init()
    {
        QDir(m_config.path()).removeRecursively();
        QDir().mkpath(m_config.path());
        qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
        QCOMPARE(LaunchAtLogin::entryPath(),
                 m_config.filePath(QStringLiteral("autostart/app.norrid.Norrid.desktop")));
        // Only the failure cases may log.
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    }

    void enableWritesAnEntryForThisProgram()
    {
        QVERIFY(!LaunchAtLogin::isEnabled());
        QVERIFY(LaunchAtLogin::setEnabled(true));
        QVERIFY(LaunchAtLogin::isEnabled());
        const QByteArray entry = fileContent(LaunchAtLogin::entryPath());
        QVERIFY(entry.startsWith("[Desktop Entry]\n"));
        QVERIFY(entry.contains("\n" + thisProgramsExecLine()));
    }

    // An entry the desktop was told to skip, or one for a program that has moved, is rewritten.
    void staleOrSkippedEntryIsRewritten_data()
    {
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<bool>("enabledBefore");
        QTest::newRow("hidden") << QByteArray("[Desktop Entry]\nHidden=true\n" + thisProgramsExecLine())
                                << false;
        QTest::newRow("GNOME switch off")
            << QByteArray("[Desktop Entry]\nX-GNOME-Autostart-enabled=false\n" + thisProgramsExecLine())
            << false;
        QTest::newRow("moved program") << QByteArray("[Desktop Entry]\nExec=/old/place/norrid\n") << true;
    }

    void staleOrSkippedEntryIsRewritten()
    {
        QFETCH(QByteArray, entry);
        QFETCH(bool, enabledBefore);
        writeFile(LaunchAtLogin::entryPath(), entry);
        QCOMPARE(LaunchAtLogin::isEnabled(), enabledBefore);
        QVERIFY(LaunchAtLogin::setEnabled(true));
        QVERIFY(LaunchAtLogin::isEnabled());
        const QByteArray written = fileContent(LaunchAtLogin::entryPath());
        QVERIFY(written.contains(thisProgramsExecLine()));
        QVERIFY(!written.contains("Hidden=true"));
    }

    void disableRemovesTheEntry()
    {
        QVERIFY(LaunchAtLogin::setEnabled(true));
        QVERIFY(LaunchAtLogin::setEnabled(false));
        QVERIFY(!QFileInfo::exists(LaunchAtLogin::entryPath()));
        QVERIFY(LaunchAtLogin::setEnabled(false));
    }

    // The failures are made with files in the way rather than permissions, which root ignores.
    void failuresAreLoggedAndReported()
    {
        QTest::failOnWarning(QRegularExpression());
        writeFile(m_config.filePath(QStringLiteral("autostart")), "not a folder");
        QTest::ignoreMessage(QtWarningMsg, kFailureLine);
        QVERIFY(!LaunchAtLogin::setEnabled(true));
        QVERIFY(!LaunchAtLogin::isEnabled());

        QVERIFY(QFile::remove(m_config.filePath(QStringLiteral("autostart"))));
        writeFile(LaunchAtLogin::entryPath() + QStringLiteral("/blocker"), "a folder where the entry goes");
        QTest::ignoreMessage(QtWarningMsg, kFailureLine);
        QVERIFY(!LaunchAtLogin::setEnabled(true));
        QTest::ignoreMessage(QtWarningMsg, kFailureLine);
        QVERIFY(!LaunchAtLogin::setEnabled(false));
    }

    // The Desktop Entry rules: quote arguments with reserved characters, escape " ` $ \ inside the
    // quotes, double %, and then escape backslashes once more for the string value itself.
    void execQuoting_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << QStringLiteral("/usr/bin/norrid") << QStringLiteral("/usr/bin/norrid");
        QTest::newRow("specials") << QStringLiteral("/o/$x`y`\"z\"'(1)")
                                  << QStringLiteral("\"/o/\\\\$x\\\\`y\\\\`\\\\\"z\\\\\"'(1)\"");
        QTest::newRow("backslash") << QStringLiteral("/a\\b") << QStringLiteral("\"/a\\\\\\\\b\"");
        QTest::newRow("percent") << QStringLiteral("/a/100%/norrid") << QStringLiteral("/a/100%%/norrid");
        QTest::newRow("newline") << QStringLiteral("/a\nb") << QStringLiteral("\"/a\\nb\"");
    }

    void execQuoting()
    {
        QFETCH(QString, program);
        QFETCH(QString, exec);
        QCOMPARE(LaunchAtLogin::execValue(program), exec);
    }
};

QTEST_GUILESS_MAIN(LaunchAtLoginTest)
#include "tst_launchatlogin.moc"

// The autostart entry, in a temporary XDG_CONFIG_HOME.
#include "settings/LaunchAtLogin.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

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

const QRegularExpression kFailureLine(u"^Norrid: launch-at-login change failed — .+"_s);

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
        QCOMPARE(LaunchAtLogin::entryPath(), m_config.filePath(u"autostart/app.norrid.Norrid.desktop"_s));
        // Only the failure cases may log.
        QTest::failOnWarning(QRegularExpression(u".*"_s));
    }

    // Enabling writes an entry for this program; one the desktop was told to skip, or one for a
    // program that has moved, is rewritten. Disabling removes it.
    void enableAndDisable_data()
    {
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<bool>("enabledBefore");
        QTest::newRow("no entry") << QByteArray() << false;
        QTest::newRow("hidden") << "[Desktop Entry]\nHidden=true\n" + thisProgramsExecLine() << false;
        QTest::newRow("GNOME switch off")
            << "[Desktop Entry]\nX-GNOME-Autostart-enabled=false\n" + thisProgramsExecLine() << false;
        QTest::newRow("moved program") << QByteArray("[Desktop Entry]\nExec=/old/place/norrid\n") << true;
    }

    void enableAndDisable()
    {
        QFETCH(QByteArray, entry);
        QFETCH(bool, enabledBefore);
        if (!entry.isEmpty())
            writeFile(LaunchAtLogin::entryPath(), entry);
        QCOMPARE(LaunchAtLogin::isEnabled(), enabledBefore);
        QVERIFY(LaunchAtLogin::setEnabled(true));
        QVERIFY(LaunchAtLogin::isEnabled());
        const QByteArray written = fileContent(LaunchAtLogin::entryPath());
        QVERIFY(written.startsWith("[Desktop Entry]\nType=Application\n"));
        QVERIFY(written.contains("\n" + thisProgramsExecLine()) && !written.contains("Hidden=true"));
        QVERIFY(LaunchAtLogin::setEnabled(false));
        QVERIFY(!QFileInfo::exists(LaunchAtLogin::entryPath()));
        QVERIFY(LaunchAtLogin::setEnabled(false));
    }

    // The failures are made with files in the way rather than permissions, which root ignores.
    void failuresAreLoggedAndReported()
    {
        QTest::failOnWarning(QRegularExpression());
        writeFile(m_config.filePath(u"autostart"_s), "not a folder");
        QTest::ignoreMessage(QtWarningMsg, kFailureLine);
        QVERIFY(!LaunchAtLogin::setEnabled(true));
        QVERIFY(!LaunchAtLogin::isEnabled());

        QVERIFY(QFile::remove(m_config.filePath(u"autostart"_s)));
        writeFile(LaunchAtLogin::entryPath() + u"/blocker"_s, "a folder where the entry goes");
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
        QTest::newRow("specials") << u"/o/$x`y`\"z\"'(1)"_s << u"\"/o/\\\\$x\\\\`y\\\\`\\\\\"z\\\\\"'(1)\""_s;
        QTest::newRow("backslash") << u"/a\\b"_s << u"\"/a\\\\\\\\b\""_s;
        QTest::newRow("percent") << u"/a/100%/norrid"_s << u"/a/100%%/norrid"_s;
        QTest::newRow("newline") << u"/a\nb"_s << u"\"/a\\nb\""_s;
    }

    void execQuoting()
    {
        QFETCH(QString, program);
        QFETCH(QString, exec);
        QCOMPARE(LaunchAtLogin::execValue(program), exec + u" --autostart"_s);
    }
};

QTEST_GUILESS_MAIN(LaunchAtLoginTest)
#include "tst_launchatlogin.moc"

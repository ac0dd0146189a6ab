#pragma once

#include "settings/Keychain.h"
#include "support/AwaitTask.h"
#include "support/FakeJiraServer.h"
#include "support/TestCertificateAuthority.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

// Norrid run as a process the way a user's session runs it: its settings in a config home of its
// own, pointing at a board of the fake Jira and polling hourly (so only the first poll and Refresh
// Now fetch), its token in the session's keyring (never a file or an argument), the test authority
// trusted and no desktop named.
class NorridProcess
{
public:
    // Writes the settings, stores the token and readies the process; false when any of it fails.
    bool prepare(const FakeJiraServer &jira, const QString &boardId, const QString &email,
                 const QString &statusName, const QString &token)
    {
        QFile config(m_configHome.filePath(QStringLiteral("norrid/Norrid.conf")));
        if (!awaitTask(Keychain::save(token, QStringLiteral("jira-token"))).succeeded() ||
            !QDir().mkpath(m_configHome.filePath(QStringLiteral("norrid"))) ||
            !config.open(QIODevice::WriteOnly))
            return false;
        config.write(QStringLiteral("[General]\nsiteURL=%1\nemail=%2\nboardId=%3\nstatusName=%4\n"
                                    "pollInterval=3600\nnotificationSound=None\n")
                         .arg(jira.siteURL(), email, boardId, statusName)
                         .toUtf8());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_configHome.path());
        env.insert(QStringLiteral("NORRID_TEST_CA_FILE"), caFile());
        env.remove(QStringLiteral("XDG_CURRENT_DESKTOP"));
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        return true;
    }

    // Ends the process and takes the token out of the keyring.
    void stop()
    {
        process.terminate();
        if (!process.waitForFinished(5000))
            process.kill();
        awaitTask(Keychain::remove(QStringLiteral("jira-token")));
    }

    static QString caFile()
    {
        return TestCertificateAuthority::shared().directory() + QStringLiteral("/ca.pem");
    }

    QProcess process;

private:
    QTemporaryDir m_configHome;
};

// Norrid as the end-to-end tests and benchmarks start it: the real application, which also trusts
// the test certificate authority named by NORRID_TEST_CA_FILE. The shipped executable has no such
// door; only this build for tests does.
#include "notifications/NotificationManager.h"
#include "settings/AppSettings.h"
#include "shell/AppDelegate.h"
#include "shell/ApplicationSetup.h"

#include <QApplication>
#include <QSslConfiguration>

int main(int argc, char *argv[])
{
    ApplicationSetup::limitMemoryArenas();
    QApplication app(argc, argv);
    ApplicationSetup::configure(app);
    const QString caFile = qEnvironmentVariable("NORRID_TEST_CA_FILE");
    if (!caFile.isEmpty()) {
        QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
        tls.addCaCertificates(caFile);
        QSslConfiguration::setDefaultConfiguration(tls);
    }
    AppDelegate delegate(AppSettings::shared(), NotificationManager::shared());
    delegate.applicationDidFinishLaunching();
    return QApplication::exec();
}

// Norrid as the end-to-end tests and benchmarks start it: the real application, which also trusts
// the test certificate authority named by NORRID_TEST_CA_FILE. The shipped executable has no such
// door; only this build for tests does. It holds the application itself instead of loading it.
#include "shell/ApplicationSetup.h"
#include "shell/CommandLine.h"
#include "shell/Launch.h"

#include <QSslConfiguration>

int main(int argc, char *argv[])
{
    ApplicationSetup::limitMemoryArenas();
    const auto parsed = CommandLine::run(argc, argv);
    if (const int *status = std::get_if<int>(&parsed))
        return *status;
    return Launch::runApplication(argc, argv, std::get<CommandLine::Launch>(parsed).autostart, [] {
        const QString caFile = qEnvironmentVariable("NORRID_TEST_CA_FILE");
        if (!caFile.isEmpty()) {
            QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
            tls.addCaCertificates(caFile);
            QSslConfiguration::setDefaultConfiguration(tls);
        }
    });
}

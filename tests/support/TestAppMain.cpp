// Norrid as the end-to-end tests and benchmarks start it: the real application, which also trusts
// the test certificate authority named by NORRID_TEST_CA_FILE. The shipped executable has no such
// door; only this build for tests does.
#include "shell/Launch.h"

#include <QSslConfiguration>

int main(int argc, char *argv[])
{
    return Launch::run(argc, argv, [] {
        const QString caFile = qEnvironmentVariable("NORRID_TEST_CA_FILE");
        if (!caFile.isEmpty()) {
            QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
            tls.addCaCertificates(caFile);
            QSslConfiguration::setDefaultConfiguration(tls);
        }
    });
}

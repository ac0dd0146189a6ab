#include "support/TestCertificateAuthority.h"

#include <QFile>
#include <QProcess>
#include <QSslConfiguration>

namespace {

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

const TestCertificateAuthority &TestCertificateAuthority::shared()
{
    static const TestCertificateAuthority authority;
    return authority;
}

TestCertificateAuthority::TestCertificateAuthority()
{
    if (!m_directory.isValid()) {
        m_error = QStringLiteral("no temporary folder: ") + m_directory.errorString();
        return;
    }
    const QString dir = m_directory.path() + u'/';
    QFile extensions(dir + QStringLiteral("server.ext"));
    if (!extensions.open(QIODevice::WriteOnly)) {
        m_error = QStringLiteral("cannot write ") + extensions.fileName();
        return;
    }
    extensions.write("subjectAltName=IP:127.0.0.1,DNS:localhost\n"
                     "basicConstraints=critical,CA:FALSE\n"
                     "keyUsage=critical,digitalSignature,keyEncipherment\n"
                     "extendedKeyUsage=serverAuth\n");
    extensions.close();

    // Elliptic-curve keys: generated in milliseconds, unlike RSA.
    const QStringList ecKey{QStringLiteral("-newkey"), QStringLiteral("ec"), QStringLiteral("-pkeyopt"),
                            QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes")};
    const bool made =
        runOpenSSL(QStringList{QStringLiteral("req"), QStringLiteral("-x509")} + ecKey +
                   QStringList{QStringLiteral("-keyout"), dir + QStringLiteral("ca.key"),
                               QStringLiteral("-out"), dir + QStringLiteral("ca.pem"),
                               QStringLiteral("-days"), QStringLiteral("2"), QStringLiteral("-subj"),
                               QStringLiteral("/CN=Norrid Test CA"), QStringLiteral("-addext"),
                               QStringLiteral("basicConstraints=critical,CA:TRUE"), QStringLiteral("-addext"),
                               QStringLiteral("keyUsage=critical,keyCertSign,cRLSign")}) &&
        runOpenSSL(QStringList{QStringLiteral("req")} + ecKey +
                   QStringList{QStringLiteral("-keyout"), dir + QStringLiteral("server.key"),
                               QStringLiteral("-out"), dir + QStringLiteral("server.csr"),
                               QStringLiteral("-subj"), QStringLiteral("/CN=localhost")}) &&
        runOpenSSL({QStringLiteral("x509"), QStringLiteral("-req"), QStringLiteral("-in"),
                    dir + QStringLiteral("server.csr"), QStringLiteral("-CA"), dir + QStringLiteral("ca.pem"),
                    QStringLiteral("-CAkey"), dir + QStringLiteral("ca.key"), QStringLiteral("-set_serial"),
                    QStringLiteral("2"), QStringLiteral("-days"), QStringLiteral("2"),
                    QStringLiteral("-extfile"), dir + QStringLiteral("server.ext"), QStringLiteral("-out"),
                    dir + QStringLiteral("server.pem")});
    if (!made)
        return;

    m_caCertificate = QSslCertificate(readFile(dir + QStringLiteral("ca.pem")));
    m_serverCertificate = QSslCertificate(readFile(dir + QStringLiteral("server.pem")));
    m_serverKey = QSslKey(readFile(dir + QStringLiteral("server.key")), QSsl::Ec);
    if (m_caCertificate.isNull() || m_serverCertificate.isNull() || m_serverKey.isNull())
        m_error = QStringLiteral("openssl wrote certificates Qt cannot read in ") + dir;
}

bool TestCertificateAuthority::runOpenSSL(const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral("openssl"), arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        m_error =
            QStringLiteral("openssl %1 failed: %2 %3")
                .arg(arguments.first(), process.errorString(), QString::fromLocal8Bit(process.readAll()));
        return false;
    }
    return true;
}

void TestCertificateAuthority::trustInThisProcess() const
{
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    if (configuration.caCertificates().contains(m_caCertificate))
        return;
    configuration.addCaCertificate(m_caCertificate);
    QSslConfiguration::setDefaultConfiguration(configuration);
}

void TestCertificateAuthority::distrustInThisProcess() const
{
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    QList<QSslCertificate> authorities = configuration.caCertificates();
    if (authorities.removeAll(m_caCertificate) == 0)
        return;
    configuration.setCaCertificates(authorities);
    QSslConfiguration::setDefaultConfiguration(configuration);
}

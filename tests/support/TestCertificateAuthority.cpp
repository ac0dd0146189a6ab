#include "support/TestCertificateAuthority.h"

#include <QFile>
#include <QProcess>
#include <QSslConfiguration>

using namespace Qt::StringLiterals;

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
        m_error = u"no temporary folder: "_s + m_directory.errorString();
        return;
    }
    const QString dir = m_directory.path() + u'/';
    QFile extensions(dir + u"server.ext"_s);
    if (!extensions.open(QIODevice::WriteOnly)) {
        m_error = u"cannot write "_s + extensions.fileName();
        return;
    }
    extensions.write("subjectAltName=IP:127.0.0.1,DNS:localhost\n"
                     "basicConstraints=critical,CA:FALSE\n"
                     "keyUsage=critical,digitalSignature,keyEncipherment\n"
                     "extendedKeyUsage=serverAuth\n");
    extensions.close();

    // Elliptic-curve keys: generated in milliseconds, unlike RSA.
    const QStringList ecKey{u"-newkey"_s, u"ec"_s, u"-pkeyopt"_s, u"ec_paramgen_curve:prime256v1"_s,
                            u"-nodes"_s};
    const bool made =
        runOpenSSL(QStringList{u"req"_s, u"-x509"_s} + ecKey +
                   QStringList{u"-keyout"_s, dir + u"ca.key"_s, u"-out"_s, dir + u"ca.pem"_s, u"-days"_s,
                               u"2"_s, u"-subj"_s, u"/CN=Norrid Test CA"_s, u"-addext"_s,
                               u"basicConstraints=critical,CA:TRUE"_s, u"-addext"_s,
                               u"keyUsage=critical,keyCertSign,cRLSign"_s}) &&
        runOpenSSL(QStringList{u"req"_s} + ecKey +
                   QStringList{u"-keyout"_s, dir + u"server.key"_s, u"-out"_s, dir + u"server.csr"_s,
                               u"-subj"_s, u"/CN=localhost"_s}) &&
        runOpenSSL({u"x509"_s, u"-req"_s, u"-in"_s, dir + u"server.csr"_s, u"-CA"_s, dir + u"ca.pem"_s,
                    u"-CAkey"_s, dir + u"ca.key"_s, u"-set_serial"_s, u"2"_s, u"-days"_s, u"2"_s,
                    u"-extfile"_s, dir + u"server.ext"_s, u"-out"_s, dir + u"server.pem"_s});
    if (!made)
        return;

    m_caCertificate = QSslCertificate(readFile(dir + u"ca.pem"_s));
    m_serverCertificate = QSslCertificate(readFile(dir + u"server.pem"_s));
    m_serverKey = QSslKey(readFile(dir + u"server.key"_s), QSsl::Ec);
    if (m_caCertificate.isNull() || m_serverCertificate.isNull() || m_serverKey.isNull())
        m_error = u"openssl wrote certificates Qt cannot read in "_s + dir;
}

bool TestCertificateAuthority::runOpenSSL(const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(u"openssl"_s, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        m_error = u"openssl %1 failed: %2 %3"_s.arg(arguments.first(), process.errorString(),
                                                    QString::fromLocal8Bit(process.readAll()));
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

#pragma once

#include <QSslCertificate>
#include <QSslKey>
#include <QString>
#include <QTemporaryDir>

// A certificate authority made for this test run with the openssl command, and a server
// certificate it signed for 127.0.0.1 and localhost. Nothing is read from or written to the
// system's trust store; the process trusts the authority through Qt's default TLS configuration.
class TestCertificateAuthority
{
public:
    // Made on first use (a fraction of a second), then shared by every server of the process.
    static const TestCertificateAuthority &shared();

    bool isValid() const { return m_error.isEmpty(); }
    // Why the certificates could not be made, for a test's failure message.
    const QString &error() const { return m_error; }

    const QSslCertificate &serverCertificate() const { return m_serverCertificate; }
    const QSslKey &serverKey() const { return m_serverKey; }
    // The folder that holds ca.pem, server.pem and server.key, kept for the life of the process.
    QString directory() const { return m_directory.path(); }

    // Adds the authority to QSslConfiguration::defaultConfiguration(), which every later HTTPS
    // request of the process starts from. Idempotent.
    void trustInThisProcess() const;
    // Takes the authority out of that configuration again, so its servers present a certificate
    // the process does not trust (already open connections keep their verdict: clear the
    // network's connection cache too).
    void distrustInThisProcess() const;

private:
    TestCertificateAuthority();
    bool runOpenSSL(const QStringList &arguments);

    QTemporaryDir m_directory;
    QString m_error;
    QSslCertificate m_caCertificate;
    QSslCertificate m_serverCertificate;
    QSslKey m_serverKey;
};

#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

typedef struct evp_pkey_st EVP_PKEY;

// An Ed25519 key pair made for this test run, standing for the key whoever publishes Norrid's
// releases signs them with.
class TestSigningKey
{
public:
    TestSigningKey();
    ~TestSigningKey();

    bool isValid() const { return m_key != nullptr; }
    // Base64 of the raw 32-byte public key, the form of NORRID_UPDATE_PUBLIC_KEY.
    QByteArray publicKeyBase64() const;
    // Base64 of the 64-byte signature over data, the form of an enclosure's sparkle:edSignature.
    QString sign(const QByteArray &data) const;

private:
    EVP_PKEY *m_key = nullptr;
};

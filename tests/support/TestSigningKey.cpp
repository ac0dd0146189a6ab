#include "support/TestSigningKey.h"

#include <openssl/evp.h>

TestSigningKey::TestSigningKey() : m_key(EVP_PKEY_Q_keygen(nullptr, nullptr, "ED25519")) {}

TestSigningKey::~TestSigningKey()
{
    EVP_PKEY_free(m_key);
}

QByteArray TestSigningKey::publicKeyBase64() const
{
    QByteArray raw(32, '\0');
    size_t size = size_t(raw.size());
    if (!m_key || EVP_PKEY_get_raw_public_key(m_key, reinterpret_cast<uchar *>(raw.data()), &size) != 1)
        return {};
    return raw.left(qsizetype(size)).toBase64();
}

QString TestSigningKey::sign(const QByteArray &data) const
{
    QByteArray signature(64, '\0');
    size_t size = size_t(signature.size());
    const std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(), &EVP_MD_CTX_free);
    if (!m_key || !context || EVP_DigestSignInit(context.get(), nullptr, nullptr, nullptr, m_key) != 1 ||
        EVP_DigestSign(context.get(), reinterpret_cast<uchar *>(signature.data()), &size,
                       reinterpret_cast<const uchar *>(data.constData()), size_t(data.size())) != 1)
        return {};
    return QString::fromLatin1(signature.left(qsizetype(size)).toBase64());
}

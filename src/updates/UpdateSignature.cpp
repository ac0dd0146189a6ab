#include "updates/UpdateSignature.h"

#include <QFile>
#include <memory>
#include <openssl/evp.h>
#include <optional>

namespace {

constexpr qsizetype publicKeyBytes = 32;
constexpr qsizetype signatureBytes = 64;

std::optional<QByteArray> strictBase64(const QByteArray &text, qsizetype expectedBytes)
{
    const auto decoded =
        QByteArray::fromBase64Encoding(text.trimmed(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.size() != expectedBytes)
        return std::nullopt;
    return decoded.decoded;
}

} // namespace

UpdateSignature::Verdict UpdateSignature::verify(const QString &filePath, const QString &base64Signature,
                                                 const QByteArray &base64PublicKey)
{
    const auto key = strictBase64(base64PublicKey, publicKeyBytes);
    if (!key)
        return Verdict::badKey;
    const auto signature = strictBase64(base64Signature.toLatin1(), signatureBytes);
    if (!signature)
        return Verdict::malformed;

    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return Verdict::unreadable;
    // Ed25519 signs the message as a whole (no streaming in OpenSSL), so the file is mapped, not read.
    const qint64 size = file.size();
    const uchar *data = size > 0 ? file.map(0, size) : reinterpret_cast<const uchar *>("");
    if (!data)
        return Verdict::unreadable;

    const std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)> publicKey(
        EVP_PKEY_new_raw_public_key(EVP_PKEY_ED25519, nullptr,
                                    reinterpret_cast<const uchar *>(key->constData()), size_t(key->size())),
        &EVP_PKEY_free);
    if (!publicKey)
        return Verdict::badKey;
    const std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(), &EVP_MD_CTX_free);
    if (!context || EVP_DigestVerifyInit(context.get(), nullptr, nullptr, nullptr, publicKey.get()) != 1)
        return Verdict::badKey;
    const int result =
        EVP_DigestVerify(context.get(), reinterpret_cast<const uchar *>(signature->constData()),
                         size_t(signature->size()), data, size_t(size));
    return result == 1 ? Verdict::valid : Verdict::invalid;
}

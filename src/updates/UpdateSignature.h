#pragma once

#include <QByteArray>
#include <QString>

// Checks that a downloaded update is the file its publisher signed: an Ed25519 signature over the
// whole file, as the feed's sparkle:edSignature gives it, against the public key built into Norrid.
namespace UpdateSignature {

enum class Verdict
{
    valid,
    invalid,   // the signature does not fit the file and the key: damaged, altered, another key
    malformed, // the feed's signature is not base64 of 64 bytes
    badKey,    // the built-in key is not base64 of 32 bytes
    unreadable // the file could not be read
};

// Both texts are base64, as the feed and the build options carry them.
Verdict verify(const QString &filePath, const QString &base64Signature, const QByteArray &base64PublicKey);

} // namespace UpdateSignature

#pragma once

#include <QByteArray>
#include <QString>

// A real Debian package of the given version, made by dpkg-deb, for the update tests: the updater
// reads its version before it hands it to an installer. Empty when dpkg-deb fails.
namespace TestDebianPackage {
QByteArray build(const QString &version, qsizetype payloadBytes = 64 * 1024);
} // namespace TestDebianPackage

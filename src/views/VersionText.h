#pragma once

#include <QString>

// The version as the settings window shows it.
namespace VersionText {

// "dev" without a short version, the short version alone without a build, else "1.2 (34)".
QString compose(const QString &shortVersion, const QString &build);

// The running build's version.
QString current();

} // namespace VersionText

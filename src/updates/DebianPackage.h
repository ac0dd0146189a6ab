#pragma once

#include <QString>
#include <optional>

// What the Debian tools tell about a downloaded .deb before it is handed to an installer. The
// signature covers the file's bytes, not the version in them: whoever controls the feed's host could
// otherwise serve an older signed package as the new one.
namespace DebianPackage {

// The control file's Version of the package at this path; none when it is no package dpkg-deb can
// read.
std::optional<QString> version(const QString &path);
// Whether version a comes after version b by Debian's rules (dpkg --compare-versions).
bool isLater(const QString &a, const QString &b);

} // namespace DebianPackage

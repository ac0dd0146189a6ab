#pragma once

#include <QString>

// Orders version strings the way appcast publishers expect: "1.10" after "1.9", "2.0" after "2.0b3",
// "1.0" equal to "1.0.0". A version is split into runs of digits, runs of other text, and single
// separators (".", white space, punctuation). Numbers compare by value, text compares by code unit;
// where one version has text and the other a number or separator, the text side is older, so a
// letter after a number marks a pre-release ("2.0b3" < "2.0", "1.0 beta" < "1.0"). Any string is
// accepted, including versions that carry prose such as "3.0 (Visit abc.com for updates)".
namespace VersionComparator {

// Negative when a is older than b, zero when they are the same version, positive when a is newer.
int compare(const QString &a, const QString &b);

} // namespace VersionComparator

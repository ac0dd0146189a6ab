#pragma once

#include <QString>

// Finds the files Norrid ships beside its executable (the notification picture, the sounds).
namespace DataFiles {

// The absolute path of an existing data file such as "sounds/Glass.oga", or an empty text when
// none is installed. Looks in ../share/norrid beside the executable (a relocated install), then in
// the XDG data directories, then, for a program run from the build tree, in the source resources.
QString locate(const QString &relativePath);

// The same for a folder such as "translations"; a program run from the build tree falls back to
// buildTreeFolder (what the build made) when none is installed.
QString locateFolder(const QString &relativePath, const QString &buildTreeFolder);

// Whether this program is one of the build tree's own. Only such a program may read files from the
// build or source tree: an installed or unpacked Norrid takes nothing from wherever it was built.
bool runsFromBuildTree();

} // namespace DataFiles

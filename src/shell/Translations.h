#pragma once

#include <QString>

class QCoreApplication;

// Norrid in the user's language: its own catalogue and Qt's, for the first of the system's UI
// languages that Norrid is translated into. English, the source texts, needs no catalogue: a user
// whose first language is English keeps English even when a later one is translated.
namespace Translations {

// The folder of norrid_<language>.qm: share/norrid/translations beside the executable, in the XDG
// data directories, or, for a program of the build tree, the build tree's. Empty when none exists.
QString folder();

// Installs the catalogues on `app` (they live as long as it does); false when Norrid stays English.
bool install(QCoreApplication &app);

} // namespace Translations

// The application as a module of its own, which the executable loads only to start Norrid: the
// command line (`norrid status`, …) then loads Qt Core and Qt D-Bus and nothing else.
#include "shell/Launch.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT int norridRunApplication(int argc, char *argv[], bool autostart)
{
    return Launch::runApplication(argc, argv, autostart);
}

#pragma once

#include <functional>

// Starts Norrid, unless one runs in this session already: then it hands over to that one and
// ends. The command line has decided before that the application is wanted.
namespace Launch {

// `autostart`: started at login, so a Norrid that runs already opens nothing. `prepare` runs once
// the application object exists, before anything is built (the test build trusts its certificate
// authority there).
int runApplication(int argc, char *argv[], bool autostart, const std::function<void()> &prepare = {});

} // namespace Launch

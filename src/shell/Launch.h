#pragma once

#include <functional>

// What `main` does: runs a command of the command line, or starts Norrid unless one runs in this
// session already, in which case it hands over to that one and ends.
namespace Launch {

// `prepare` runs once the application object exists, before anything is built (the test build
// trusts its certificate authority there).
int run(int argc, char *argv[], const std::function<void()> &prepare = {});

} // namespace Launch

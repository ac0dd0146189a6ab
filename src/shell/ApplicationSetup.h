#pragma once

#include <QtGlobal>
#include <malloc.h>

class QApplication;

// What every Norrid process sets on its application object before the delegate launches.
namespace ApplicationSetup {
// Call first in main(), before any thread exists: one malloc arena for the whole process. Norrid's
// few threads allocate little, and each extra arena holds on to its own freed memory.
inline void limitMemoryArenas()
{
    // MALLOC_ARENA_MAX in the environment still decides when it is set.
    if (qEnvironmentVariableIsEmpty("MALLOC_ARENA_MAX"))
        mallopt(M_ARENA_MAX, 1);
}
void configure(QApplication &app);
// Hands the heap that a closed window freed back to the system, once the event loop has run the
// window's deferred deletions.
void returnFreedMemory();
} // namespace ApplicationSetup

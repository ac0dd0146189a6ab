#pragma once

class QApplication;

// What every Norrid process sets on its application object before the delegate launches.
namespace ApplicationSetup {
// Call first in main(), before any thread exists: one malloc arena for the whole process. Norrid's
// few threads allocate little, and each extra arena holds on to its own freed memory.
void limitMemoryArenas();
void configure(QApplication &app);
// Hands the heap that a closed window freed back to the system, once the event loop has run the
// window's deferred deletions.
void returnFreedMemory();
} // namespace ApplicationSetup

#pragma once

#include <QByteArray>
#include <QString>

// What the kernel and the allocator say about this process, for benchmarks that print figures.
namespace ProcessFigures {

struct Memory
{
    qint64 rssKiB = 0;       // VmRSS of /proc/self/status
    qint64 pssKiB = 0;       // Pss of /proc/self/smaps_rollup
    qint64 privateKiB = 0;   // Private_Dirty of /proc/self/smaps_rollup: memory this process wrote
    qint64 heapInUseKiB = 0; // bytes handed out by malloc and not freed (mallinfo2)
};

Memory memory();
// User plus system CPU time of the whole process so far, in microseconds (getrusage).
qint64 cpuMicroseconds();
// Voluntary plus involuntary context switches of the whole process so far.
qint64 contextSwitches();

// "rss 23.4 MiB, pss 19.0 MiB, private 12.1 MiB, heap in use 3.2 MiB"
QByteArray describe(const Memory &memory);

} // namespace ProcessFigures

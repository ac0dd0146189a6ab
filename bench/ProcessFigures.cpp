#include "ProcessFigures.h"

#include <QFile>
#include <malloc.h>
#include <sys/resource.h>

namespace {

// The value in kB of the line "<name>:   <value> kB" of a /proc file; summed over all such lines.
qint64 kibibytes(const QByteArray &text, const QByteArray &name)
{
    qint64 total = 0;
    for (const QByteArray &line : text.split('\n')) {
        if (!line.startsWith(name + ':'))
            continue;
        total += line.mid(name.size() + 1).trimmed().split(' ').value(0).toLongLong();
    }
    return total;
}

QByteArray readProc(const char *path)
{
    QFile file(QString::fromLatin1(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray mebibytes(qint64 kib)
{
    return QByteArray::number(double(kib) / 1024.0, 'f', 1) + " MiB";
}

} // namespace

ProcessFigures::Memory ProcessFigures::memory()
{
    const QByteArray status = readProc("/proc/self/status");
    const QByteArray rollup = readProc("/proc/self/smaps_rollup");
    Memory memory;
    memory.rssKiB = kibibytes(status, "VmRSS");
    memory.pssKiB = kibibytes(rollup, "Pss");
    memory.privateKiB = kibibytes(rollup, "Private_Dirty");
    memory.heapInUseKiB = qint64(mallinfo2().uordblks / 1024);
    return memory;
}

qint64 ProcessFigures::cpuMicroseconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return qint64(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1'000'000 + usage.ru_utime.tv_usec +
           usage.ru_stime.tv_usec;
}

qint64 ProcessFigures::contextSwitches()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_nvcsw + usage.ru_nivcsw;
}

QByteArray ProcessFigures::describe(const Memory &memory)
{
    return "rss " + mebibytes(memory.rssKiB) + ", pss " + mebibytes(memory.pssKiB) + ", private " +
           mebibytes(memory.privateKiB) + ", heap in use " + mebibytes(memory.heapInUseKiB);
}

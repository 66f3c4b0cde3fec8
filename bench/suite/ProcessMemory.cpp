#include "suite/ProcessMemory.h"

#include <QFile>
#include <QString>

namespace kalvor::bench {

namespace {

double statusValueMb(const char *key)
{
    QFile file(QStringLiteral("/proc/self/status"));
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray prefix = QByteArray(key) + ':';
    for (const QByteArray &line : file.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
    return 0;
}

} // namespace

double ProcessMemory::residentMb()
{
    return statusValueMb("VmRSS");
}

double ProcessMemory::peakMb()
{
    return statusValueMb("VmHWM");
}

bool ProcessMemory::resetPeak()
{
    QFile file(QStringLiteral("/proc/self/clear_refs"));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    return file.write("5") == 1;
}

} // namespace kalvor::bench

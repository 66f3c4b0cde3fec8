#include "suite/MachineInfo.h"

#include "suite/IsqlTimer.h"

#include <QFile>
#include <QSysInfo>
#include <QThread>

namespace kalvor::bench {

namespace {

QString procValue(const QString &file, const QByteArray &key)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray &line : f.readAll().split('\n')) {
        if (line.startsWith(key))
            return QString::fromUtf8(line.mid(line.indexOf(':') + 1)).trimmed();
    }
    return {};
}

} // namespace

MachineInfo MachineInfo::current()
{
    MachineInfo m;
    m.cpu = procValue(QStringLiteral("/proc/cpuinfo"), "model name");
    m.cores = QThread::idealThreadCount();
    m.memoryGb = procValue(QStringLiteral("/proc/meminfo"), "MemTotal").section(QLatin1Char(' '), 0, 0).toDouble()
        / 1024.0 / 1024.0;
    m.system = QSysInfo::prettyProductName() + QStringLiteral(", kernel ") + QSysInfo::kernelVersion();
    m.firebird = IsqlTimer::version();
    m.qt = QString::fromLatin1(qVersion());
    return m;
}

QString MachineInfo::markdown() const
{
    return QStringLiteral("Machine: %1, %2 cores, %3 GB RAM; %4; Firebird: %5 (embedded); Qt %6.")
        .arg(cpu.isEmpty() ? QStringLiteral("unknown CPU") : cpu)
        .arg(cores)
        .arg(memoryGb, 0, 'f', 1)
        .arg(system, firebird, qt);
}

} // namespace kalvor::bench

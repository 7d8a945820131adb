#include "help/sysreport.h"

#include "platform/numbers.h"

#include <dlfcn.h>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <sys/sysinfo.h>
#include <sys/utsname.h>
#include <time.h>
#include <unistd.h>

namespace sysreport {

namespace {

// A "Name:  1234 kB" line of /proc/meminfo in bytes; -1 when missing.
double meminfoBytes(const QString &meminfo, const QString &name)
{
    const QRegularExpression line(
        QStringLiteral("^%1:\\s+(\\d+)\\s*kB").arg(QRegularExpression::escape(name)),
        QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = line.match(meminfo);
    if (!match.hasMatch())
        return -1;
    return match.captured(1).toDouble() * 1024.0;
}

// The folder holding the C library this program runs on.
QString libraryFolder()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<void *>(&::sysinfo), &info) && info.dli_fname) {
        const QFileInfo library(QString::fromLocal8Bit(info.dli_fname));
        if (library.isAbsolute())
            return library.canonicalPath();
    }
    return QStringLiteral("/usr/lib");
}

} // namespace

QString processorType(const QString &machine)
{
    if (machine == QLatin1String("x86_64") || machine == QLatin1String("amd64"))
        return QStringLiteral("8664");
    if (machine == QLatin1String("i386"))
        return QStringLiteral("386");
    if (machine == QLatin1String("i486"))
        return QStringLiteral("486");
    if (machine == QLatin1String("i586") || machine == QLatin1String("i686"))
        return QStringLiteral("586");
    if (machine == QLatin1String("ia64"))
        return QStringLiteral("2200");
    return machine;
}

SystemFacts readSystem()
{
    SystemFacts facts;
    utsname names{};
    if (uname(&names) == 0)
        facts.processorType = processorType(QString::fromLatin1(names.machine));
    facts.processors = int(qMax(1L, sysconf(_SC_NPROCESSORS_ONLN)));
    facts.windowsDirectory = QStringLiteral("/usr");
    facts.systemDirectory = libraryFolder();

    struct sysinfo info
    {
    };
    const bool haveInfo = sysinfo(&info) == 0;
    const double unit = haveInfo ? double(info.mem_unit ? info.mem_unit : 1) : 0;
    QString meminfo;
    QFile file(QStringLiteral("/proc/meminfo"));
    if (file.open(QIODevice::ReadOnly))
        meminfo = QString::fromLatin1(file.readAll());
    auto pick = [&](const char *name, double fallback) {
        const double bytes = meminfoBytes(meminfo, QLatin1String(name));
        return bytes >= 0 ? bytes : fallback;
    };
    facts.totalPhysical = pick("MemTotal", haveInfo ? info.totalram * unit : 0);
    // Free memory plus what the kernel would give back from its caches.
    facts.availablePhysical = pick("MemAvailable", haveInfo ? info.freeram * unit : 0);
    const double swapTotal = pick("SwapTotal", haveInfo ? info.totalswap * unit : 0);
    const double swapFree = pick("SwapFree", haveInfo ? info.freeswap * unit : 0);
    facts.totalVirtual = facts.totalPhysical + swapTotal;
    facts.availableVirtual = facts.availablePhysical + swapFree;

    timespec boot{};
    if (clock_gettime(CLOCK_BOOTTIME, &boot) == 0)
        facts.uptimeMs = qint64(boot.tv_sec) * 1000 + boot.tv_nsec / 1000000;
    else if (haveInfo)
        facts.uptimeMs = qint64(info.uptime) * 1000;
    return facts;
}

QString megabytes(double bytes)
{
    return numbers::shortestDouble(bytes / 1024.0 / 1024.0);
}

QString hours(qint64 milliseconds)
{
    // Whole hundredths of an hour, rounded, then grouped by thousands.
    const qint64 hundredths = qint64(std::llround(double(milliseconds) / 36000.0));
    const QString whole = QString::number(hundredths / 100);
    QString grouped;
    for (qsizetype i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0)
            grouped += u',';
        grouped += whole.at(i);
    }
    return grouped + u'.' + QStringLiteral("%1").arg(hundredths % 100, 2, 10, QLatin1Char('0'));
}

QString build(const SystemFacts &facts)
{
    const QString end = QStringLiteral("\r\n");
    QString report;
    report += QStringLiteral("--About Your System--") + end;
    report +=
        QCoreApplication::translate("sysreport", "Processor Type:  ") + facts.processorType + end;
    report += QStringLiteral("# Of Processors: ") + QString::number(facts.processors) + end;
    report += QCoreApplication::translate("sysreport", "Windows Directory: ") +
              facts.windowsDirectory + end;
    report += QCoreApplication::translate("sysreport", "System Directory: ") +
              facts.systemDirectory + end;
    const QString mb = QStringLiteral(" Megabytes");
    report += QCoreApplication::translate("sysreport", "Total Physical Memory: ") +
              megabytes(facts.totalPhysical) + mb + end;
    report += QCoreApplication::translate("sysreport", "Physical Memory Available: ") +
              megabytes(facts.availablePhysical) + mb + end;
    report += QCoreApplication::translate("sysreport", "Total Virtual Memory: ") +
              megabytes(facts.totalVirtual) + mb + end;
    report += QCoreApplication::translate("sysreport", "Virtual Memory Available: ") +
              megabytes(facts.availableVirtual) + mb + end;
    report += QCoreApplication::translate("sysreport", "Windows has been running for: ") +
              hours(facts.uptimeMs) + QStringLiteral(" Hours") + end;
    return report;
}

} // namespace sysreport

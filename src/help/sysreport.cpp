// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/sysreport.h"

#include "platform/numbers.h"

#include <dlfcn.h>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSysInfo>
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

QString processorModel(const QString &cpuinfo)
{
    for (const char *key : {"model name", "Model", "Hardware"}) {
        const QRegularExpression line(QStringLiteral("^%1\\s*:\\s*(.+)$").arg(QLatin1String(key)),
                                      QRegularExpression::MultilineOption);
        const QRegularExpressionMatch match = line.match(cpuinfo);
        if (match.hasMatch())
            return match.captured(1).simplified();
    }
    return QString();
}

SystemFacts readSystem()
{
    SystemFacts facts;
    facts.system = QSysInfo::prettyProductName();
    facts.kernel = QStringLiteral("%1 %2").arg(QSysInfo::kernelType() == QLatin1String("linux")
                                                   ? QStringLiteral("Linux")
                                                   : QSysInfo::kernelType(),
                                               QSysInfo::kernelVersion());
    utsname names{};
    if (uname(&names) == 0)
        facts.machine = QString::fromLatin1(names.machine);
    QFile cpuinfo(QStringLiteral("/proc/cpuinfo"));
    if (cpuinfo.open(QIODevice::ReadOnly))
        facts.processorModel = processorModel(QString::fromLatin1(cpuinfo.read(1 << 16)));
    facts.processors = int(qMax(1L, sysconf(_SC_NPROCESSORS_ONLN)));
    facts.programFolder = QCoreApplication::applicationDirPath();
    facts.libraryFolder = libraryFolder();

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
    facts.totalSwap = pick("SwapTotal", haveInfo ? info.totalswap * unit : 0);
    facts.availableSwap = pick("SwapFree", haveInfo ? info.freeswap * unit : 0);

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
    auto line = [&end](const char *caption, const QString &value) {
        return QCoreApplication::translate("sysreport", caption) + QStringLiteral(": ") + value +
               end;
    };
    const QString mb = QCoreApplication::translate("sysreport", " Megabytes");
    QString processor = facts.processorModel;
    if (!facts.machine.isEmpty())
        processor +=
            processor.isEmpty() ? facts.machine : QStringLiteral(" (%1)").arg(facts.machine);
    QString report = QStringLiteral("--About Your System--") + end;
    report += line(QT_TRANSLATE_NOOP("sysreport", "Operating System"), facts.system);
    report += line(QT_TRANSLATE_NOOP("sysreport", "Kernel"), facts.kernel);
    report += line(QT_TRANSLATE_NOOP("sysreport", "Processor"), processor);
    report += line(QT_TRANSLATE_NOOP("sysreport", "Processors"), QString::number(facts.processors));
    report += line(QT_TRANSLATE_NOOP("sysreport", "Program Folder"), facts.programFolder);
    report += line(QT_TRANSLATE_NOOP("sysreport", "Library Folder"), facts.libraryFolder);
    report +=
        line(QT_TRANSLATE_NOOP("sysreport", "Total Memory"), megabytes(facts.totalPhysical) + mb);
    report += line(QT_TRANSLATE_NOOP("sysreport", "Memory Available"),
                   megabytes(facts.availablePhysical) + mb);
    report += line(QT_TRANSLATE_NOOP("sysreport", "Swap Space"), megabytes(facts.totalSwap) + mb);
    report +=
        line(QT_TRANSLATE_NOOP("sysreport", "Swap Free"), megabytes(facts.availableSwap) + mb);
    report += line(QT_TRANSLATE_NOOP("sysreport", "Up Since Boot"),
                   hours(facts.uptimeMs) + QCoreApplication::translate("sysreport", " Hours"));
    return report;
}

} // namespace sysreport

#pragma once
// The About window's report on the computer: processor, folders, memory
// and how long the system has been running.

#include <QString>

namespace sysreport {

struct SystemFacts
{
    QString processorType; // a number, as the operating system reports the processor
    int processors = 0;
    QString windowsDirectory; // the folder of the operating system's programs
    QString systemDirectory;  // the folder of its shared libraries
    double totalPhysical = 0; // bytes
    double availablePhysical = 0;
    double totalVirtual = 0; // physical memory and swap space
    double availableVirtual = 0;
    qint64 uptimeMs = 0; // milliseconds since the system started
};

// Reads the facts of this computer from /proc, sysconf and sysinfo.
SystemFacts readSystem();

// The processor type number for a machine name as uname gives it:
// 386, 486, 586 for the 32-bit x86 family, 8664 for x86-64, 2200 for
// Itanium; other machines keep their name.
QString processorType(const QString &machine);

// Bytes as megabytes (divided by 1024 twice) in shortest decimal form.
QString megabytes(double bytes);
// Milliseconds as hours with two decimals and thousands separators:
// 4444200000 gives "1,234.50".
QString hours(qint64 milliseconds);

// The report, each line ending in CR LF.
QString build(const SystemFacts &facts);

} // namespace sysreport

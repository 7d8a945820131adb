// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The About window's report on the computer, in the words of this system:
// the distribution and kernel, the processor, where the program and the
// libraries live, memory and swap, and how long the system has been up.

#include <QString>

namespace sysreport {

struct SystemFacts
{
    QString system;         // the distribution, as os-release names it
    QString kernel;         // "Linux 6.1.0-18-amd64"
    QString machine;        // as uname gives it: x86_64, aarch64 ...
    QString processorModel; // as /proc/cpuinfo names it; may be empty
    int processors = 0;
    QString programFolder;    // where this program is installed
    QString libraryFolder;    // the folder of the C library it runs on
    double totalPhysical = 0; // bytes
    double availablePhysical = 0;
    double totalSwap = 0;
    double availableSwap = 0;
    qint64 uptimeMs = 0; // milliseconds since the system started
};

// Reads the facts of this computer from os-release, /proc, uname, sysconf
// and sysinfo.
SystemFacts readSystem();

// The processor's name in a /proc/cpuinfo text: the first "model name"
// (x86) or "Model" / "Hardware" (ARM) line; empty when none.
QString processorModel(const QString &cpuinfo);

// Bytes as megabytes (divided by 1024 twice) in shortest decimal form.
QString megabytes(double bytes);
// Milliseconds as hours with two decimals and thousands separators:
// 4444200000 gives "1,234.50".
QString hours(qint64 milliseconds);

// The report, each line ending in CR LF.
QString build(const SystemFacts &facts);

} // namespace sysreport

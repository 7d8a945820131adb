// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/sysreport.h"

#include <QFile>
#include <QRegularExpression>
#include <QtTest>

using namespace sysreport;

class TestSysReport : public QObject
{
    Q_OBJECT
private slots:
    void figures_data()
    {
        QTest::addColumn<QString>("got");
        QTest::addColumn<QString>("expected");
        const double mb = 1024.0 * 1024.0;
        QTest::newRow("64 megabytes") << megabytes(64 * mb) << "64";
        QTest::newRow("half a megabyte") << megabytes(mb / 2) << "0.5";
        QTest::newRow("kilobytes") << megabytes(16303484.0 * 1024) << "15921.37109375";
        QTest::newRow("nothing") << megabytes(0) << "0";
        QTest::newRow("no time") << hours(0) << "0.00";
        QTest::newRow("one hour") << hours(3600000) << "1.00";
        QTest::newRow("rounded") << hours(3600000 * 2 + 17999) << "2.00";
        QTest::newRow("rounded up") << hours(3600000 * 2 + 18000) << "2.01";
        QTest::newRow("thousands") << hours(qint64(3600000) * 1234 + 1800000) << "1,234.50";
        QTest::newRow("millions") << hours(qint64(3600000) * 1234567) << "1,234,567.00";
        QTest::newRow("x86 processor")
            << processorModel("processor\t: 0\nvendor_id\t: GenuineIntel\n"
                              "model name\t: Intel(R) Xeon(R)  CPU @ 2.20GHz\nflags\t: fpu\n"
                              "processor\t: 1\nmodel name\t: Intel(R) Xeon(R) CPU @ 2.20GHz\n")
            << "Intel(R) Xeon(R) CPU @ 2.20GHz";
        QTest::newRow("ARM board")
            << processorModel("processor\t: 0\nBogoMIPS\t: 108.00\n"
                              "Hardware\t: BCM2835\nModel\t: Raspberry Pi 4\n")
            << "Raspberry Pi 4";
        QTest::newRow("no name") << processorModel("processor\t: 0\n") << "";
    }
    void figures()
    {
        QFETCH(QString, got);
        QFETCH(QString, expected);
        QCOMPARE(got, expected);
    }

    void report()
    {
        SystemFacts facts;
        facts.system = "Debian GNU/Linux 12 (bookworm)";
        facts.kernel = "Linux 6.1.0-18-amd64";
        facts.machine = "x86_64";
        facts.processorModel = "AMD EPYC 7B13";
        facts.processors = 4;
        facts.programFolder = "/usr/bin";
        facts.libraryFolder = "/usr/lib/x86_64-linux-gnu";
        facts.totalPhysical = 64.0 * 1024 * 1024;
        facts.availablePhysical = 12.5 * 1024 * 1024;
        facts.totalSwap = 128.0 * 1024 * 1024;
        facts.availableSwap = 76.25 * 1024 * 1024;
        facts.uptimeMs = 3600000LL * 1500 + 900000;
        QCOMPARE(build(facts), QStringLiteral("--About Your System--\r\n"
                                              "Operating System: Debian GNU/Linux 12 (bookworm)\r\n"
                                              "Kernel: Linux 6.1.0-18-amd64\r\n"
                                              "Processor: AMD EPYC 7B13 (x86_64)\r\n"
                                              "Processors: 4\r\n"
                                              "Program Folder: /usr/bin\r\n"
                                              "Library Folder: /usr/lib/x86_64-linux-gnu\r\n"
                                              "Total Memory: 64 Megabytes\r\n"
                                              "Memory Available: 12.5 Megabytes\r\n"
                                              "Swap Space: 128 Megabytes\r\n"
                                              "Swap Free: 76.25 Megabytes\r\n"
                                              "Up Since Boot: 1,500.25 Hours\r\n"));
        // No Windows words are left.
        QVERIFY(!build(facts).contains(QStringLiteral("Windows")));
    }

    void thisComputer()
    {
        const SystemFacts facts = readSystem();
        QFile file("/proc/meminfo");
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString meminfo = QString::fromLatin1(file.readAll());
        const QRegularExpressionMatch total =
            QRegularExpression("^MemTotal:\\s+(\\d+) kB", QRegularExpression::MultilineOption)
                .match(meminfo);
        QVERIFY(total.hasMatch());
        const QString expected = megabytes(total.captured(1).toDouble() * 1024);
        QVERIFY(build(facts).contains("Total Memory: " + expected + " Megabytes\r\n"));
        QVERIFY(facts.availablePhysical > 0 && facts.availablePhysical <= facts.totalPhysical);
        QVERIFY(facts.availableSwap <= facts.totalSwap);
        QVERIFY(facts.processors >= 1);
        QVERIFY(!facts.machine.isEmpty());
        QVERIFY(facts.kernel.startsWith(QStringLiteral("Linux ")));
        QVERIFY(!facts.system.isEmpty());
        QVERIFY(QFileInfo(facts.libraryFolder).isDir());
        QFile uptime("/proc/uptime");
        QVERIFY(uptime.open(QIODevice::ReadOnly));
        const double seconds = QString::fromLatin1(uptime.readAll()).section(u' ', 0, 0).toDouble();
        QVERIFY(qAbs(facts.uptimeMs / 1000.0 - seconds) < 60);
    }
};

QTEST_GUILESS_MAIN(TestSysReport)
#include "test_sysreport.moc"

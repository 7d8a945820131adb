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
        QTest::newRow("x86-64") << processorType("x86_64") << "8664";
        QTest::newRow("i686") << processorType("i686") << "586";
        QTest::newRow("i386") << processorType("i386") << "386";
        QTest::newRow("other machines by name") << processorType("aarch64") << "aarch64";
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
        facts.processorType = "8664";
        facts.processors = 4;
        facts.windowsDirectory = "/usr";
        facts.systemDirectory = "/usr/lib/x86_64-linux-gnu";
        facts.totalPhysical = 64.0 * 1024 * 1024;
        facts.availablePhysical = 12.5 * 1024 * 1024;
        facts.totalVirtual = 128.0 * 1024 * 1024;
        facts.availableVirtual = 76.25 * 1024 * 1024;
        facts.uptimeMs = 3600000LL * 1500 + 900000;
        QCOMPARE(build(facts), QStringLiteral("--About Your System--\r\n"
                                              "Processor Type:  8664\r\n"
                                              "# Of Processors: 4\r\n"
                                              "Windows Directory: /usr\r\n"
                                              "System Directory: /usr/lib/x86_64-linux-gnu\r\n"
                                              "Total Physical Memory: 64 Megabytes\r\n"
                                              "Physical Memory Available: 12.5 Megabytes\r\n"
                                              "Total Virtual Memory: 128 Megabytes\r\n"
                                              "Virtual Memory Available: 76.25 Megabytes\r\n"
                                              "Windows has been running for: 1,500.25 Hours\r\n"));
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
        QVERIFY(build(facts).contains("Total Physical Memory: " + expected + " Megabytes\r\n"));
        QVERIFY(facts.availablePhysical > 0 && facts.availablePhysical <= facts.totalPhysical);
        QVERIFY(facts.totalVirtual >= facts.totalPhysical);
        QVERIFY(facts.processors >= 1);
        QVERIFY(!facts.processorType.isEmpty());
        QVERIFY(QFileInfo(facts.systemDirectory).isDir());
        QFile uptime("/proc/uptime");
        QVERIFY(uptime.open(QIODevice::ReadOnly));
        const double seconds = QString::fromLatin1(uptime.readAll()).section(u' ', 0, 0).toDouble();
        QVERIFY(qAbs(facts.uptimeMs / 1000.0 - seconds) < 60);
    }
};

QTEST_GUILESS_MAIN(TestSysReport)
#include "test_sysreport.moc"

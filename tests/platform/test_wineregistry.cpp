// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/wineregistry.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace wineregistry;

Q_DECLARE_METATYPE(QList<RegisteredControl>)

namespace {

QString describe(const QList<RegisteredControl> &controls)
{
    QStringList out;
    for (const RegisteredControl &c : controls)
        out << QStringLiteral("[%1|%2|%3]").arg(c.progId, c.classId, c.name);
    return out.join(u' ');
}

const QByteArray Header = "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n"
                          "#arch=win32\n\n";

} // namespace

class TestWineRegistry : public QObject
{
    Q_OBJECT
private slots:
    void controls_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("expected");

        QTest::newRow("a control with its ProgID")
            << Header + "[Software\\\\Classes\\\\CLSID\\\\{1111-AA}] 1700000000\n"
                        "#time=1d9a0b1c2d3e4f5\n"
                        "@=\"Calendar Control\"\n"
                        "\"ThreadingModel\"=\"Apartment\"\n\n"
                        "[Software\\\\Classes\\\\CLSID\\\\{1111-AA}\\\\Control] 1700000000\n\n"
                        "[Software\\\\Classes\\\\CLSID\\\\{1111-AA}\\\\ProgID] 1700000000\n"
                        "@=\"MSCAL.Calendar.7\"\n"
            << "[MSCAL.Calendar.7|{1111-AA}|Calendar Control]";
        QTest::newRow("no Control subkey, outside CLSID, other hives: skipped")
            << Header + "[Software\\\\Classes\\\\CLSID\\\\{2222}] 1\n@=\"Not a control\"\n"
                        "[Software\\\\Classes\\\\Other\\\\{3333}\\\\Control] 1\n"
                        "[Software\\\\Classes\\\\CLSID] 1\n@=\"root\"\n"
                        "[System\\\\CLSID\\\\{4444}\\\\Control] 1\n"
            << "";
        QTest::newRow("ProgID missing, ProgID without default, name missing")
            << Header + "[Software\\\\Classes\\\\CLSID\\\\{B}] 1\n@=\"Beta\"\n"
                        "[Software\\\\Classes\\\\CLSID\\\\{B}\\\\Control] 1\n"
                        "[Software\\\\Classes\\\\CLSID\\\\{A}\\\\Control] 1\n"
                        "[Software\\\\Classes\\\\CLSID\\\\{C}] 1\n@=\"Gamma\"\n"
                        "[Software\\\\Classes\\\\CLSID\\\\{C}\\\\Control] 1\n"
                        "[Software\\\\Classes\\\\CLSID\\\\{C}\\\\ProgID] 1\n\"x\"=\"y\"\n"
            << "[|{A}|] [|{B}|Beta] [|{C}|Gamma]";
        QTest::newRow("escapes in names and values, NUL cut, blanks trimmed")
            << Header + "[Software\\\\Classes\\\\CLSID\\\\{E}] 1\n"
                        "@=\"  Caf\\xe9 \\\"Q\\\" \\\\ tab\\tend\\0ignored  \"\n"
                        "[Software\\\\Classes\\\\CLSID\\\\{E}\\\\Control] 1\n"
                        "[Software\\\\Classes\\\\CLSID\\\\{E}\\\\ProgID] 1\n"
                        "@=str(2):\"Prog\\x0041.\\101\"\n"
            << QStringLiteral("[ProgA.A|{E}|Caf\u00e9 \"Q\" \\ tab\tend]");
        QTest::newRow("letter case of key names, CR LF, hex(1) default over lines")
            << QByteArray(Header).replace('\n', "\r\n") +
                   "[software\\\\classes\\\\clsid\\\\{f}\\\\CONTROL] 1\r\n"
                   "[Software\\\\Classes\\\\CLSID\\\\{F}] 1\r\n"
                   "@=hex(1):48,00,69,00,\\\r\n  21,00,00,00\r\n"
                   "[SOFTWARE\\\\CLASSES\\\\CLSID\\\\{F}\\\\progid] 1\r\n@=\"F.1\"\r\n"
            << "[F.1|{F}|Hi!]";
        QTest::newRow("malformed lines are skipped")
            << Header + "[Software\\\\Classes\\\\CLSID\\\\{M}\\\\Control 1\n" // no ']'
                        "@=\"orphan\"\n"                                      // no valid key
                        "[Software\\\\Classes\\\\CLSID\\\\{N}] 1\n"
                        "@=\"unterminated\n" // no closing quote
                        "@\"no equals\"\n"
                        "@=dword:00000001\n" // not a string
                        "garbage line = \"x\"\n"
                        "[Software\\\\Classes\\\\CLSID\\\\{N}\\\\Control] 1\n"
                        "@=hex(2):zz,00\n"                                  // bad hex
                        "[Software\\\\Classes\\\\CLSID\\\\\\\\Control] 1\n" // empty class id
                        "[Software\\\\Classes\\\\CLSID\\\\{O}\\\\Control\\\\Deeper] 1\n"
                        "["
            << "[|{N}|] [|{O}|]";
        QTest::newRow("empty file") << QByteArray() << "";
    }
    void controls()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, expected);
        QCOMPARE(describe(parseControls(file)), expected);

        // The same from a file on disk.
        QTemporaryDir dir;
        QFile out(dir.filePath(QStringLiteral("system.reg")));
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(file);
        out.close();
        QCOMPARE(describe(readControls(out.fileName())), expected);
    }

    void missingOrUnreadableFileGivesNone()
    {
        QTemporaryDir dir;
        QVERIFY(readControls(dir.filePath(QStringLiteral("none.reg"))).isEmpty());
        QVERIFY(readControls(dir.path()).isEmpty()); // a folder, not a file
    }

    void prefixFromTheEnvironment()
    {
        const QByteArray saved = qgetenv("WINEPREFIX");
        qputenv("WINEPREFIX", "/tmp/some prefix");
        QCOMPARE(systemRegPath(), QStringLiteral("/tmp/some prefix/system.reg"));
        qunsetenv("WINEPREFIX");
        QCOMPARE(systemRegPath(), QDir::homePath() + QStringLiteral("/.wine/system.reg"));
        if (!saved.isNull())
            qputenv("WINEPREFIX", saved);
    }
};

QTEST_GUILESS_MAIN(TestWineRegistry)
#include "test_wineregistry.moc"

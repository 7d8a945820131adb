// SPDX-License-Identifier: GPL-3.0-or-later
// The settings files' syntax: what QSettings wrote reads back the same here,
// what is written here QSettings reads the same, and a value the program
// does not change goes back to the file as it stood.

#include "kernel/inifile.h"
#include "support/files.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using namespace testfiles;

class TestIniFile : public QObject
{
    Q_OBJECT
private slots:
    void valuesAsQSettingsHasThem_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("plain") << "8.5";
        QTest::newRow("empty") << "";
        QTest::newRow("commas") << "a,b, c";
        QTest::newRow("outer blanks") << "  both ends  ";
        QTest::newRow("quotes and backslashes") << "say \"hi\" C:\\dir\\";
        QTest::newRow("line breaks") << "Dentist\nat 10\r\nbring\tcard";
        QTest::newRow("at sign") << "@home";
        QTest::newRow("two at signs") << "@@x";
        QTest::newRow("semicolon, equals, hash") << "a;b=c #d";
        QTest::newRow("control then digit") << QString("x\x01"
                                                       "1\x1F"
                                                       "f");
        QTest::newRow("accents and CJK") << QString::fromUtf8("café 中文");
        QTest::newRow("beyond the BMP") << QString::fromUtf8("smile \xF0\x9F\x98\x80");
        QTest::newRow("list-like quotes") << "\"q, x\" , y";
    }
    void valuesAsQSettingsHasThem()
    {
        QFETCH(QString, value);
        QTemporaryDir dir;
        const QString path = dir.filePath("a.ini");
        {
            QSettings theirs(path, QSettings::IniFormat);
            theirs.setValue("Sec/key", value);
        }
        IniFile ours;
        QVERIFY(ours.parse(readFile(path)));
        QCOMPARE(ours.value("Sec", "key"), value);

        // Another file: QSettings keeps what it read of the first.
        const QString second = dir.filePath("b.ini");
        IniFile written;
        written.setValue("Sec", "key", value);
        QVERIFY(writeFile(second, written.serialize()));
        QSettings theirs(second, QSettings::IniFormat);
        QCOMPARE(theirs.value("Sec/key").toString(), value);
    }

    void keysAsQSettingsHasThem_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::newRow("plain") << "Direct"
                               << "FTPURL";
        QTest::newRow("organizer row") << "Data"
                                       << "12A";
        QTest::newRow("blanks") << "Sec Space"
                                << "key space";
        QTest::newRow("syntax characters") << "S"
                                           << "a;b=c,d[e]";
        QTest::newRow("accents") << QString::fromUtf8("Sé") << QString::fromUtf8("ké");
        QTest::newRow("CJK") << "S" << QString::fromUtf8("中");
    }
    void keysAsQSettingsHasThem()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QTemporaryDir dir;
        const QString path = dir.filePath("a.ini");
        {
            QSettings theirs(path, QSettings::IniFormat);
            theirs.setValue(section + '/' + key, "v");
        }
        IniFile ours;
        QVERIFY(ours.parse(readFile(path)));
        QCOMPARE(ours.keys(section), QStringList{key});

        const QString second = dir.filePath("b.ini");
        IniFile written;
        written.setValue(section, key, "w");
        QVERIFY(writeFile(second, written.serialize()));
        QSettings theirs(second, QSettings::IniFormat);
        QCOMPARE(theirs.value(section + '/' + key).toString(), QStringLiteral("w"));
    }

    // Files people and other programs wrote.
    void handWritten_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("value");
        QTest::newRow("commas stand") << QByteArray("k=/opt/a,b/ff") << "/opt/a,b/ff";
        QTest::newRow("blanks around") << QByteArray("k =  spaced  ") << "spaced";
        QTest::newRow("comment") << QByteArray("k=1 ; note") << "1";
        QTest::newRow("quoted over lines") << QByteArray("k=\"two\nlines\"") << "two\nlines";
        QTest::newRow("continued line") << QByteArray("k=a\\\nb") << "ab";
        QTest::newRow("quoted list") << QByteArray("k=\"q, x\" , y") << "q, x,y";
        QTest::newRow("not UTF-8") << QByteArray("k=caf\xE9") << QString::fromUtf8("café");
        QTest::newRow("CR LF file") << QByteArray("k=v\r\nother=w") << "v";
    }
    void handWritten()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, value);
        IniFile ini;
        QVERIFY(ini.parse("; made by hand\n[S]\n" + line + "\n"));
        QCOMPARE(ini.value("S", "k"), value);
    }

    // Nothing the program does not change is rewritten: the same text saved
    // again changes nothing, and a change touches its own line only.
    void unchangedValuesKeepTheirBytes()
    {
        const QByteArray file("[Data]\nNumber = 2\n1A=caf\xE9, cr\xE8me\n\n[Phone]\n0=\"x\"\n");
        IniFile ini;
        QVERIFY(ini.parse(file));
        QVERIFY(!ini.setValue("Data", "1A", ini.value("Data", "1A")));
        QVERIFY(!ini.setValue("Data", "Number", "2"));
        QCOMPARE(ini.serialize(), file);
        QVERIFY(ini.setValue("Phone", "0", "y"));
        QCOMPARE(ini.serialize(), QByteArray("[Data]\nNumber = 2\n1A=caf\xE9, cr\xE8me\n\n"
                                             "[Phone]\n0=y\n"));
    }

    void damagedSectionHeader()
    {
        IniFile ini;
        QString problem;
        QVERIFY(!ini.parse("[Settings]\nBrowser=x\n[Colors\nTables=255\n", &problem));
        QCOMPARE(problem, QStringLiteral("line 3 (\"[Colors\") cannot be read"));
        QVERIFY(!ini.contains("Settings", "Browser"));
    }

    // The organizer's keys are found in any case and keep the case they
    // are stored in; removed keys and sections are gone in every case.
    void caseInsensitiveKeys()
    {
        IniFile ini(true);
        QVERIFY(ini.parse("[Data]\nnumber=3\n1a=x\n"));
        QCOMPARE(ini.value("Data", "Number"), QStringLiteral("3"));
        QVERIFY(ini.setValue("Data", "NUMBER", "4"));
        QVERIFY(ini.setValue("Data", "1A", "y"));
        QCOMPARE(ini.serialize(), QByteArray("[Data]\nnumber=4\n1a=y\n"));
        QVERIFY(ini.remove("Data", "1A"));
        QVERIFY(!ini.contains("Data", "1a"));
        QVERIFY(ini.removeSection("Data"));
        QCOMPARE(ini.serialize(), QByteArray());
        IniFile exact;
        QVERIFY(exact.parse("[Data]\nnumber=3\n"));
        QVERIFY(!exact.contains("Data", "Number"));
    }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "test_inifile.moc"

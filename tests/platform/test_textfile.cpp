#include "platform/textfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace textfile;

class TestTextFile : public QObject
{
    Q_OBJECT
private slots:
    void roundTrip_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("encoding");
        QTest::newRow("crlf") << QByteArray("<P>\r\nline\r\n") << int(Encoding::Utf8);
        QTest::newRow("lf") << QByteArray("<P>\nline\n") << int(Encoding::Utf8);
        QTest::newRow("utf8") << QByteArray("caf\xC3\xA9 \xE2\x82\xAC\r\n") << int(Encoding::Utf8);
        QTest::newRow("utf8 bom") << QByteArray("\xEF\xBB\xBF<HTML>\xC3\xA9")
                                  << int(Encoding::Utf8Bom);
        QTest::newRow("cp1252") << QByteArray("caf\xE9 \x80 \x93quoted\x94\r\n")
                                << int(Encoding::Windows1252);
        QTest::newRow("cp1252 unassigned bytes")
            << QByteArray("\x81\x8D\x8F\x90\x9D") << int(Encoding::Windows1252);
        QTest::newRow("truncated utf8") << QByteArray("ab\xC3") << int(Encoding::Windows1252);
        QTest::newRow("nul byte") << QByteArray("a\0b", 3) << int(Encoding::Utf8);
        QTest::newRow("empty") << QByteArray() << int(Encoding::Utf8);
    }
    void roundTrip()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, encoding);
        QTemporaryDir dir;
        const QString path = dir.filePath("doc.htm");
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        }
        const Loaded loaded = load(path);
        QVERIFY(loaded.ok);
        QCOMPARE(int(loaded.encoding), encoding);
        const QString copy = dir.filePath("copy.htm");
        QVERIFY(save(copy, loaded.text, loaded.encoding));
        QFile f(copy);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), bytes);
    }

    void cp1252DecodesPunctuation()
    {
        Encoding e;
        QCOMPARE(decode(QByteArray("\x93x\x94 \x80"), &e), QString::fromUtf8("“x” €"));
        QCOMPARE(int(e), int(Encoding::Windows1252));
    }

    void unrepresentableIsCounted()
    {
        const QString text = QString::fromUtf8("a€b\u4E2D");
        QCOMPARE(firstUnrepresentable(text, Encoding::Windows1252), 3);
        QCOMPARE(firstUnrepresentable(text, Encoding::Utf8), -1);
        int bad = 0;
        QCOMPARE(encode(text, Encoding::Windows1252, &bad), QByteArray("a\x80"
                                                                       "b?"));
        QCOMPARE(bad, 1);
    }

    void loadFailures()
    {
        QTemporaryDir dir;
        QVERIFY(!load(dir.filePath("missing.htm")).ok);
        const Loaded folder = load(dir.path());
        QVERIFY(!folder.ok);
        QVERIFY(!folder.error.isEmpty());
    }

    void failedSaveKeepsOldFile()
    {
        QTemporaryDir dir;
        // A target whose parent is a regular file cannot be written, even by root.
        const QString blocker = dir.filePath("file");
        {
            QFile f(blocker);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("old");
        }
        QString error;
        QVERIFY(!save(blocker + "/doc.htm", "new", Encoding::Utf8, &error));
        QVERIFY(!error.isEmpty());
        QFile f(blocker);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("old"));
    }

    void lineEnds()
    {
        QCOMPARE(int(detectLineEnds("a\r\nb")), int(LineEnds::CrLf));
        QCOMPARE(int(detectLineEnds("a\nb\r\n")), int(LineEnds::Lf));
        QCOMPARE(int(detectLineEnds("")), int(LineEnds::CrLf));
        QCOMPARE(adaptLineEnds("\n<TABLE>\r\n</TABLE>\r\n", LineEnds::Lf),
                 QStringLiteral("\n<TABLE>\n</TABLE>\n"));
        QCOMPARE(adaptLineEnds("a\r\nb", LineEnds::CrLf), QStringLiteral("a\r\nb"));
    }
};

QTEST_GUILESS_MAIN(TestTextFile)
#include "test_textfile.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/textfile.h"
#include "support/files.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

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
        QTest::newRow("nul byte") << QByteArrayLiteral("a\0b") << int(Encoding::Utf8);
        QTest::newRow("nul first") << QByteArrayLiteral("\0<P>line\r\n") << int(Encoding::Utf8);
        QTest::newRow("empty") << QByteArray() << int(Encoding::Utf8);
        QTest::newRow("utf16 le") << QByteArrayLiteral("\xFF\xFE"
                                                       "a\0\t\0\xAC\x20\r\0\n\0")
                                  << int(Encoding::Utf16Le);
        QTest::newRow("utf16 be") << QByteArrayLiteral("\xFE\xFF\0a\0\t\x20\xAC")
                                  << int(Encoding::Utf16Be);
        QTest::newRow("bom then cp1252") << QByteArray("\xEF\xBB\xBF"
                                                       "caf\xE9 \x80")
                                         << int(Encoding::Windows1252Bom);
        QTest::newRow("two boms") << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFx")
                                  << int(Encoding::Utf8Bom);
        // Not UTF-16 after all: a byte left over.
        QTest::newRow("odd utf16") << QByteArray("\xFF\xFE"
                                                 "a")
                                   << int(Encoding::Windows1252);
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

    void decodes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("utf16 le") << QByteArrayLiteral("\xFF\xFE"
                                                       "a\0\t\0b\0")
                                  << "a\tb";
        QTest::newRow("utf16 be") << QByteArrayLiteral("\xFE\xFF\0a\0\0\0b")
                                  << QStringLiteral("a\0b");
        QTest::newRow("bom then cp1252") << QByteArray("\xEF\xBB\xBF"
                                                       "caf\xE9")
                                         << QString::fromUtf8("caf\xC3\xA9");
        QTest::newRow("second bom kept")
            << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBFx") << QString(QChar(0xFEFF)) + u'x';
        QTest::newRow("nul kept") << QByteArrayLiteral("a\0b") << QStringLiteral("a\0b");
    }
    void decodes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        Encoding e;
        QCOMPARE(decode(bytes, &e), text);
    }

    // Reading a file in pieces gives what loading it whole gives, whatever
    // the pieces' size: the encoding (UTF-8 exactly when Qt's decoder finds
    // no error), the text in UTF-8, the line ends and the refusal of data.
    void readTextInPieces_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("pieceBytes");
        const QByteArray long8 = QByteArray(70000, 'a') + "\xE2\x82\xAC\r\n\xF0\x9F\x98\x80";
        const QList<QPair<const char *, QByteArray>> files{
            {"crlf", "<P>\r\nline\r\n"},
            {"lf after text", "caf\xC3\xA9\nx\r\n"},
            {"lf first", "\nx"},
            {"no line end", "<B>x</B>"},
            {"utf8 bom", "\xEF\xBB\xBF<HTML>\xC3\xA9\r\n"},
            {"two boms", "\xEF\xBB\xBF\xEF\xBB\xBFx"},
            {"bom then cp1252", "\xEF\xBB\xBF"
                                "caf\xE9 \x80"},
            {"cp1252", "caf\xE9 \x80 \x93q\x94 \x81\x8D\r\n"},
            {"utf8, then one bad byte late", long8 + "\xE9"},
            {"utf8 long", long8},
            {"noncharacter", "a\xEF\xBF\xBE\xEF\xBF\xBFz"},
            {"overlong", "a\xC0\xAFz"},
            {"surrogate", "a\xED\xA0\x80z"},
            {"past U+10FFFF", "a\xF4\x90\x80\x80z"},
            {"cut short", "ab\xE2\x82"},
            {"utf16 le", QByteArrayLiteral("\xFF\xFE"
                                           "a\0\r\0\n\0\x3D\xD8\x00\xDE\xAC\x20")},
            {"utf16 be", QByteArrayLiteral("\xFE\xFF\0a\0\n\xD8\x3D\xDE\x00")},
            {"utf16 half pair", QByteArrayLiteral("\xFF\xFE"
                                                  "a\0\x3D\xD8")},
            {"odd utf16", "\xFF\xFE"
                          "a"},
            {"empty", ""},
            {"nul in text", QByteArrayLiteral("first\n\0second\n")},
            {"png", QByteArrayLiteral("\x89PNG\r\n\x1A\n\0\0\0\rIHDR")},
            {"data", QByteArray(64, '\0') + "a few letters"},
        };
        for (const auto &[name, bytes] : files) {
            for (int piece : {4, 5, 7, 1 << 20})
                QTest::addRow("%s, pieces of %d", name, piece) << bytes << piece;
        }
    }
    void readTextInPieces()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, pieceBytes);
        QTemporaryDir dir;
        const QString path = dir.filePath("page.htm");
        QVERIFY(testfiles::writeFile(path, bytes));
        const Loaded whole = load(path);
        qsizetype announced = -1;
        QByteArray pieces;
        const TextInfo info = readText(
            path, [&](qsizetype size) { announced = size; },
            [&](QByteArrayView piece) { pieces += piece.toByteArray(); }, pieceBytes);
        QCOMPARE(info.ok, whole.ok);
        QCOMPARE(info.binary, whole.binary);
        QCOMPARE(info.error, whole.error);
        if (!whole.ok)
            return;
        QCOMPARE(int(info.encoding), int(whole.encoding));
        QCOMPARE(pieces, whole.text.toUtf8());
        QCOMPARE(announced, pieces.size());
        QCOMPARE(int(info.lineEnds), int(detectLineEnds(whole.text)));
        if (!bytes.startsWith("\xEF\xBB\xBF") && !bytes.startsWith("\xFF\xFE") &&
            !bytes.startsWith("\xFE\xFF")) {
            QStringDecoder qt(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
            const QString decoded = qt.decode(bytes);
            QCOMPARE(info.encoding == Encoding::Utf8, !qt.hasError());
        }
    }

    // A file that changes between the two readings is not taken for text
    // it never held.
    void readTextNoticesAChange_data()
    {
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QByteArray>("then");
        QTest::newRow("grows") << QByteArray("<P>a</P>") << QByteArray("<P>a</P><P>b</P>");
        QTest::newRow("shrinks") << QByteArray("<P>a</P>") << QByteArray("<P>");
        QTest::newRow("same size, now cp1252")
            << QByteArray("caf\xC3\xA9") << QByteArray("caf\xE9!");
    }
    void readTextNoticesAChange()
    {
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, then);
        QTemporaryDir dir;
        const QString path = dir.filePath("page.htm");
        QVERIFY(testfiles::writeFile(path, first));
        const TextInfo info = readText(
            path, [&](qsizetype) { QVERIFY(testfiles::writeFile(path, then)); },
            [](QByteArrayView) {});
        QVERIFY(!info.ok);
        QCOMPARE(info.error, QStringLiteral("The file changed while it was being read."));
    }

    void binaryFilesAreRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("refused");
        QTest::newRow("png") << QByteArrayLiteral("\x89PNG\r\n\x1A\n\0\0\0\rIHDR") << true;
        QTest::newRow("zip") << QByteArrayLiteral("PK\x03\x04\x14\0\0\0") << true;
        QTest::newRow("data") << QByteArray(64, '\0') + "a few letters" << true;
        QTest::newRow("utf16 without its mark")
            << QByteArrayLiteral("<\0H\0T\0M\0L\0>\0\r\0\n\0") << true;
        QTest::newRow("text with a nul")
            << QByteArrayLiteral("first line\n\0second\nthird\n") << false;
        QTest::newRow("text with an escape") << QByteArray("\x1B[1mbold\x1B[0m\f") << false;
        QTest::newRow("utf16 with its mark")
            << QByteArrayLiteral("\xFF\xFE<\0H\0T\0M\0L\0>\0\r\0\n\0") << false;
    }
    void binaryFilesAreRefused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, refused);
        QTemporaryDir dir;
        const QString path = dir.filePath("file.htm");
        QVERIFY(testfiles::writeFile(path, bytes));
        const Loaded loaded = load(path);
        QCOMPARE(!loaded.ok, refused);
        QCOMPARE(loaded.error.isEmpty(), !refused);
    }

    // Pipes, devices and folders are never read; reading a pipe must not
    // wait for a writer.
    void nonRegularFiles()
    {
        QTemporaryDir dir;
        const QString fifo = dir.filePath("fifo.htm");
        QVERIFY(mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
        const QString link = dir.filePath("link.htm");
        QVERIFY(QFile::link(fifo, link));
        for (const QString &path : {fifo, link, QStringLiteral("/dev/null"), dir.path()}) {
            const Loaded loaded = load(path);
            QVERIFY2(!loaded.ok, qPrintable(path));
            QVERIFY(!loaded.error.isEmpty());
            QCOMPARE(regularFileSize(path), qint64(-1));
        }
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
        QCOMPARE(load(dir.filePath("missing.htm")).error,
                 QStringLiteral("No such file or directory"));
        const Loaded folder = load(dir.path());
        QVERIFY(!folder.ok);
        QVERIFY(!folder.error.isEmpty());
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
#include "support/files.h"
#include "test_textfile.moc"

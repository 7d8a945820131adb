// SPDX-License-Identifier: GPL-3.0-or-later
// Plain-text and table import: exact output.
#include "import/importconvert.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace importer;

namespace {

const QString kHead =
    QStringLiteral("<HTML>\r\n<HEAD>\r\n<TITLE>Imported Page</TITLE>\r\n</HEAD>\r\n<BODY>\r\n");
const QString kTail = QStringLiteral("\r\n</BODY>\r\n</HTML>");

} // namespace

class TestTextImport : public QObject
{
    Q_OBJECT
private slots:
    void fileKind_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kind");
        QTest::newRow("txt") << "/site/notes.txt" << int(FileKind::PlainText);
        QTest::newRow("mixed case") << "Notes.TxT" << int(FileKind::PlainText);
        QTest::newRow("rtf") << "letter.RTF" << int(FileKind::RichText);
        QTest::newRow("no dot") << "summarytxt" << int(FileKind::PlainText);
        QTest::newRow("longer extension") << "notes.text" << int(FileKind::Other);
        QTest::newRow("html") << "page.htm" << int(FileKind::Other);
        QTest::newRow("short name") << "tx" << int(FileKind::Other);
        QTest::newRow("empty") << "" << int(FileKind::Other);
    }
    void fileKind()
    {
        QFETCH(QString, name);
        QFETCH(int, kind);
        QCOMPARE(int(importer::fileKind(name)), kind);
    }

    void plainFragment_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("expected");
        QTest::newRow("angles") << QByteArray("a<b>c") << "a&lt;b&gt;c";
        QTest::newRow("two adjacent") << QByteArray("<<") << "&lt;&lt;";
        QTest::newRow("ampersand kept") << QByteArray("a &amp; b & c") << "a &amp; b & c";
        QTest::newRow("crlf keeps its cr") << QByteArray("one\r\ntwo") << "one\r<BR>\r\ntwo";
        QTest::newRow("lf only") << QByteArray("one\ntwo\n") << "one<BR>\r\ntwo<BR>\r\n";
        QTest::newRow("lone cr untouched") << QByteArray("one\rtwo") << "one\rtwo";
        QTest::newRow("blank lines") << QByteArray("\n\n") << "<BR>\r\n<BR>\r\n";
        QTest::newRow("entity next to break") << QByteArray("<\n>") << "&lt;<BR>\r\n&gt;";
        QTest::newRow("empty") << QByteArray() << "";
        QTest::newRow("utf8") << QByteArray("caf\xC3\xA9") << QString::fromUtf8("caf\xC3\xA9");
        QTest::newRow("cp1252") << QByteArray("caf\xE9 \x80")
                                << QString::fromUtf8("caf\xC3\xA9 \xE2\x82\xAC");
        QTest::newRow("bom dropped") << QByteArray("\xEF\xBB\xBFx<") << "x&lt;";
        QTest::newRow("nul kept") << QByteArrayLiteral("a\0b<c\r\nline2")
                                  << QStringLiteral("a\0b&lt;c\r<BR>\r\nline2");
        QTest::newRow("utf16 le") << QByteArrayLiteral("\xFF\xFE"
                                                       "a\0<\0\n\0\xAC\x20")
                                  << QString::fromUtf8("a&lt;<BR>\r\n\xE2\x82\xAC");
        QTest::newRow("utf16 be") << QByteArrayLiteral("\xFE\xFF\0a\0<\0\n\x20\xAC")
                                  << QString::fromUtf8("a&lt;<BR>\r\n\xE2\x82\xAC");
    }
    void plainFragment()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, expected);
        const Result r = importIntoDocument(QStringLiteral("in.txt"), contents);
        QVERIFY(r.ok);
        QCOMPARE(r.html, expected);
    }

    void buildingBlocks()
    {
        QCOMPARE(escapeAngles(u"<a href=\"x\">&</a>"),
                 QStringLiteral("&lt;a href=\"x\"&gt;&&lt;/a&gt;"));
        QCOMPARE(plainLineBreaks(u"a\r\nb<\n"), QStringLiteral("a\r<BR>\r\nb<<BR>\r\n"));
        QCOMPARE(pageSkeleton(u"T"), kHead + "T" + kTail);
    }

    void newFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("body");
        QTest::newRow("two lines") << "a.txt" << QByteArray("first line\r\nsecond line")
                                   << "first line\r<BR>\r\nsecond line";
        QTest::newRow("escaped") << "a.TXT" << QByteArray("x<y") << "x&lt;y";
        QTest::newRow("empty text file") << "a.txt" << QByteArray() << "";
        // Files of other types are not read: only the page remains.
        QTest::newRow("other type") << "a.doc" << QByteArray("ignored <text>") << "";
    }
    void newFile()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, contents);
        QFETCH(QString, body);
        const Result r = importNewFile(name, contents);
        QVERIFY(r.ok);
        QCOMPARE(r.html, kHead + body + kTail);
    }

    void otherTypeIntoDocument()
    {
        const Result r = importIntoDocument(QStringLiteral("picture.gif"), QByteArray("GIF89a"));
        QVERIFY(!r.ok);
        QVERIFY(r.html.isEmpty());
    }

    void table_data()
    {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("rows");
        QTest::newRow("two lines")
            << QByteArray("a\tb\r\nc\td\r\n") << "<TR><TD>a<TD>b\r\n<TR><TD>c<TD>d\r\n<TR><TD>";
        QTest::newRow("no tabs") << QByteArray("one\r\ntwo\r\n")
                                 << "<TR><TD>one\r\n<TR><TD>two\r\n<TR><TD>";
        QTest::newRow("two tabs in a row") << QByteArray("a\t\tb") << "<TR><TD>a<TD><TD>b";
        QTest::newRow("no final line break")
            << QByteArray("a\tb\r\nc\td") << "<TR><TD>a<TD>b\r\n<TR><TD>c<TD>d";
        QTest::newRow("blank line")
            << QByteArray("a\r\n\r\nb") << "<TR><TD>a\r\n<TR><TD>\r\n<TR><TD>b";
        // With LF line ends every line still gets its row, blank ones too.
        QTest::newRow("blank line, lf only")
            << QByteArray("a\n\nb\n") << "<TR><TD>a\n<TR><TD>\n<TR><TD>b\n<TR><TD>";
        QTest::newRow("leading tab") << QByteArray("\tx") << "<TR><TD><TD>x";
        QTest::newRow("empty") << QByteArray() << "<TR><TD>";
        // Cells are taken as they are: a spreadsheet cell may hold markup.
        QTest::newRow("markup kept") << QByteArray("<B>x</B>\t&") << "<TR><TD><B>x</B><TD>&";
        // "Unicode text" from a spreadsheet, both byte orders.
        QTest::newRow("utf16 le") << QByteArrayLiteral("\xFF\xFE"
                                                       "a\0\t\0b\0\r\0\n\0")
                                  << "<TR><TD>a<TD>b\r\n<TR><TD>";
        QTest::newRow("utf16 be") << QByteArrayLiteral("\xFE\xFF\0a\0\t\0b\0\r\0\n")
                                  << "<TR><TD>a<TD>b\r\n<TR><TD>";
        QTest::newRow("nul kept") << QByteArrayLiteral("a\0\tb")
                                  << QStringLiteral("<TR><TD>a\0<TD>b");
    }
    void table()
    {
        QFETCH(QByteArray, contents);
        QFETCH(QString, rows);
        const Result r = importTable(contents);
        QVERIFY(r.ok);
        QCOMPARE(r.html, "<TABLE BORDER=1>\r\n" + rows + "\r\n</TABLE>");
    }

    // Nothing is imported from a file that is no text: it is refused, so
    // the command can say so and open no window.
    void binaryFilesAreRefused()
    {
        const QByteArray png("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16);
        for (const Result &r :
             {importTable(png), importIntoDocument("p.txt", png), importNewFile("p.txt", png)}) {
            QVERIFY(!r.ok);
            QVERIFY(r.refused);
            QVERIFY(r.html.isEmpty());
            QCOMPARE(r.error, QStringLiteral("This looks like a binary file, not text."));
        }
    }

    void fromDisk()
    {
        QTemporaryDir dir;
        const QString txt = dir.filePath(QStringLiteral("list.txt"));
        {
            QFile f(txt);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("x\ty\r\n");
        }
        QCOMPARE(importTableFile(txt).html,
                 QStringLiteral("<TABLE BORDER=1>\r\n<TR><TD>x<TD>y\r\n<TR><TD>\r\n</TABLE>"));
        QCOMPARE(importIntoDocument(txt).html, QStringLiteral("x\ty\r<BR>\r\n"));
        QCOMPARE(importNewFile(txt).html, kHead + "x\ty\r<BR>\r\n" + kTail);

        // Missing files and folders fail without output.
        const QString missing = dir.filePath(QStringLiteral("missing.txt"));
        for (const Result &r : {importTableFile(missing), importIntoDocument(missing),
                                importNewFile(missing), importTableFile(dir.path())}) {
            QVERIFY(!r.ok);
            QVERIFY(r.refused);
            QVERIFY(r.html.isEmpty());
            QVERIFY(!r.error.isEmpty());
        }
        // A file of another type is never opened, so it need not exist.
        QCOMPARE(importNewFile(dir.filePath(QStringLiteral("none.doc"))).html, kHead + kTail);
    }
};

QTEST_GUILESS_MAIN(TestTextImport)
#include "test_textimport.moc"

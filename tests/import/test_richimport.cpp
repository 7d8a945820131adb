// SPDX-License-Identifier: GPL-3.0-or-later
// Rich-text import: exact HTML for small files, a slow step-by-step model of
// the conversion to check the one-pass version against, and files written
// by real word processors.
#include "import/importconvert.h"
#include "import/rtfreader.h"
#include "kernel/colour.h"
#include "platform/numbers.h"

#include "import/slowconversion.h"

#include <QFile>
#include <QRandomGenerator>
#include <QtTest>

using richtext::Alignment;
using richtext::CharFormat;
using richtext::ParagraphFormat;
using richtext::RichText;

namespace {

const QString kHead = QStringLiteral("<!-- Beginning of Paragraph -->\r\n<P>\r\n");
const QString kTail = QStringLiteral("\r\n</P>\r\n<!-- End Of Paragraph -->\r\n");

QByteArray rtfDoc(const QByteArray &body)
{
    return "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\fnil Symbol;}}"
           "{\\colortbl;\\red0\\green0\\blue0;\\red255\\green0\\blue0;}\\pard\\plain\\f0\\fs24 " +
           body + "}";
}

QString font(const QString &points, const QString &size, const QString &colour = "#000000",
             const QString &face = "Arial")
{
    return QStringLiteral("<FONT STYLE=\"font-size:%1pt\" SIZE=%2 COLOR=%3 FACE=\"%4\">")
        .arg(points, size, colour, face);
}

const QString F12 = font("12", "3");

QString convert(const QByteArray &rtf)
{
    const importer::Result r = importer::importIntoDocument(QStringLiteral("in.rtf"), rtf);
    if (!r.ok)
        qWarning("not converted: %s", qPrintable(r.error));
    return r.html;
}

RichText randomDocument(QRandomGenerator &rng)
{
    RichText doc;
    QList<int> formats;
    for (int k = 0; k < 4; ++k) {
        CharFormat f;
        f.bold = rng.bounded(2);
        f.italic = rng.bounded(3) == 0;
        f.underline = rng.bounded(3) == 0;
        f.strike = rng.bounded(4) == 0;
        f.size = rng.bounded(2) ? 12 : 7.5;
        f.face = rng.bounded(2) ? "Arial" : "Courier";
        f.colour = rng.bounded(2) ? 0 : 255;
        formats << doc.formatId(f);
    }
    const int length = int(rng.bounded(30));
    for (int k = 0; k < length; ++k) {
        const int id = formats[rng.bounded(formats.size())];
        if (rng.bounded(5) == 0) {
            doc.setParagraphFormat(ParagraphFormat{
                rng.bounded(3) ? Alignment::Left : Alignment::Center, rng.bounded(3) == 0});
            doc.endParagraph(id);
        } else {
            static const char16_t chars[] = u"ab<>&\t";
            doc.append(QChar(chars[rng.bounded(6)]), id);
        }
    }
    doc.setParagraphFormat(
        ParagraphFormat{rng.bounded(2) ? Alignment::Left : Alignment::Center, rng.bounded(2) == 0});
    return doc;
}

QByteArray sample(const char *name)
{
    QFile f(QStringLiteral(LORIMEL_TEST_DATA "/import/") + QLatin1String(name));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("missing sample %s", name);
    return f.readAll();
}

} // namespace

class TestRichImport : public QObject
{
    Q_OBJECT
private slots:
    void exact_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain 12 point black arial")
            << QByteArray("\\cf1 Hello world") << F12 + "Hello world</FONT>";
        QTest::newRow("7 points has no html size")
            << QByteArray("\\fs14 tiny")
            << "<FONT STYLE=\"font-size:7pt\" SIZE= COLOR=#000000 "
               "FACE=\"Arial\">tiny</FONT>";
        QTest::newRow("half points") << QByteArray("\\fs21 x") << font("10.5", "2") + "x</FONT>";
        QTest::newRow("red") << QByteArray("\\cf2 r") << font("12", "3", "#FF0000") + "r</FONT>";
        QTest::newRow("centred then left") << QByteArray("\\qc Title\\par\\pard Body")
                                           << F12 + "<CENTER>Title\r<BR>\r\n</CENTER>Body</FONT>";
        QTest::newRow("bulleted list then normal")
            << QByteArray("{\\pntext\\f1\\'B7\\tab}{\\*\\pn\\pnlvlblt\\pnf1{\\pntxtb\\'B7}}One\\par"
                          "{\\pntext\\f1\\'B7\\tab}Two\\par{\\pntext\\f1\\'B7\\tab}Three\\par"
                          "\\pard Normal")
            << F12 + "<UL><LI>One\r<BR>\r\n<LI>Two\r<BR>\r\n<LI>Three\r<BR>\r\n</UL>Normal</FONT>";
        QTest::newRow("ends underlined")
            << QByteArray("plain {\\ul under}") << F12 + "plain <U>under</U></FONT>";
        QTest::newRow("ends bold italic")
            << QByteArray("{\\b\\i end}") << "<B><I>" + F12 + "end</B></I></FONT>";
        QTest::newRow("ends bold underlined struck")
            << QByteArray("a\\b\\ul\\strike z") << F12 + "a<B><U><S>z</B></U></S></FONT>";
        QTest::newRow("colour change mid-word")
            << QByteArray("ab{\\cf2 cd}ef")
            << F12 + "ab</FONT>" + font("12", "3", "#FF0000") + "cd</FONT>" + F12 + "ef</FONT>";
        QTest::newRow("escaped text keeps its format")
            << QByteArray("{\\b a<b>}c") << "<B>" + F12 + "a&lt;b&gt;</B>c</FONT>";
        QTest::newRow("bold paragraph after plain")
            << QByteArray("one\\par{\\b two}\\par three")
            << F12 + "one\r<BR>\r\n<B>two</B>\r<BR>\r\nthree</FONT>";
        QTest::newRow("plain paragraph after bold")
            << QByteArray("\\b one\\par\\b0 two") << "<B>" + F12 + "one\r<BR>\r\n</B>two</FONT>";
        QTest::newRow("size change at a paragraph")
            << QByteArray("\\fs36 Big\\par\\fs24 small")
            << font("18", "5") + "Big\r<BR>\r\n</FONT>" + F12 + "small</FONT>";
        // Tags written at the start of a line take that line's format.
        QTest::newRow("centre tag in the line's format")
            << QByteArray("one\\par\\pard\\qc{\\b two}")
            << F12 + "one\r<BR>\r\n<B><CENTER>two</CENTER></B></FONT>";
        QTest::newRow("centred bulleted single paragraph")
            << QByteArray("\\qc{\\*\\pn\\pnlvlblt}only")
            << F12 + "<CENTER><UL><LI>only</CENTER></UL></FONT>";
        QTest::newRow("right and justified are not centred")
            << QByteArray("\\qr right\\par\\qj just") << F12 + "right\r<BR>\r\njust</FONT>";
        QTest::newRow("blank paragraph")
            << QByteArray("a\\par\\par b") << F12 + "a\r<BR>\r\n\r<BR>\r\nb</FONT>";
        QTest::newRow("final paragraph mark") << QByteArray("x\\par") << F12 + "x\r<BR>\r\n</FONT>";
        QTest::newRow("tab and ampersand") << QByteArray("a\\tab&b") << F12 + "a\t&b</FONT>";
    }
    void exact()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, expected);
        QCOMPARE(convert(rtfDoc(body)), kHead + expected + kTail);
    }

    void htmlFontSizes_data()
    {
        QTest::addColumn<int>("halfPoints");
        QTest::addColumn<QString>("tag");
        QTest::newRow("7.5 rounds to 8") << 15 << font("7.5", "1");
        QTest::newRow("8.5 rounds to even 8") << 17 << font("8.5", "1");
        QTest::newRow("9.5 rounds to even 10") << 19 << font("9.5", "2");
        QTest::newRow("23.5 rounds to 24") << 47 << font("23.5", "6");
    }
    void htmlFontSizes()
    {
        QFETCH(int, halfPoints);
        QFETCH(QString, tag);
        QCOMPARE(convert(rtfDoc("\\fs" + QByteArray::number(halfPoints) + " x")),
                 kHead + tag + "x</FONT>" + kTail);
    }

    void emptyDocument()
    {
        // No text and no font table: the control's own format.
        QCOMPARE(convert("{\\rtf1}"),
                 kHead + font("12", "3", "#000000", "Times New Roman") + "</FONT>" + kTail);
    }

    void newFile()
    {
        const importer::Result r =
            importer::importNewFile(QStringLiteral("a.rtf"), rtfDoc("\\qc x"));
        QVERIFY(r.ok);
        QCOMPARE(r.html,
                 "<HTML>\r\n<HEAD>\r\n<TITLE>Imported Page</TITLE>\r\n</HEAD>\r\n<BODY>\r\n" +
                     kHead + F12 + "<CENTER>x</CENTER></FONT>" + kTail + "\r\n</BODY>\r\n</HTML>");
    }

    void failures()
    {
        // Not rich text: nothing for either command.
        for (const QByteArray &bytes : {QByteArray("plain words"), QByteArray()}) {
            const importer::Result into = importer::importIntoDocument("x.rtf", bytes);
            const importer::Result page = importer::importNewFile("x.rtf", bytes);
            QVERIFY(!into.ok);
            QVERIFY(!page.ok);
            QVERIFY(into.refused);
            QVERIFY(page.refused);
            QCOMPARE(page.error, QStringLiteral("This is not a rich-text file."));
            QVERIFY(into.html.isEmpty());
            QVERIFY(page.html.isEmpty());
        }
        // Cut short: a failure, with what was read converted.
        const importer::Result cut =
            importer::importIntoDocument("x.rtf", "{\\rtf1{\\fonttbl{\\f0 Arial;}}\\f0 abc{\\b d");
        QVERIFY(!cut.ok);
        QVERIFY(!cut.refused); // what was read is kept
        QCOMPARE(cut.html, kHead + F12 + "abc<B>d</B></FONT>" + kTail);
    }

    void builtWithoutRtf()
    {
        // The converter reads any model, such as one an editor fills.
        RichText doc;
        CharFormat f;
        f.face = "Verdana";
        f.size = 14;
        f.colour = colour::number(0x12, 0x34, 0x56);
        doc.setParagraphFormat(ParagraphFormat{Alignment::Left, true});
        doc.append(u"a", f);
        doc.endParagraph(doc.formatId(f));
        doc.setParagraphFormat(ParagraphFormat{Alignment::Left, true});
        doc.append(u"b", f);
        QCOMPARE(importer::richTextFragment(doc), kHead + font("14", "4", "#123456", "Verdana") +
                                                      "<UL><LI>a\r<BR>\r\n<LI>b</UL></FONT>" +
                                                      kTail);
    }

    void matchesStepByStep_data()
    {
        QTest::addColumn<bool>("editor");
        QTest::newRow("file") << false;
        QTest::newRow("editor") << true;
    }
    void matchesStepByStep()
    {
        QFETCH(bool, editor);
        const importer::Source source = editor ? importer::Source::Editor : importer::Source::File;
        QRandomGenerator rng(20240611);
        for (int round = 0; round < 3000; ++round) {
            const RichText doc = randomDocument(rng);
            const QString expected = slowimport::richTextFragment(doc, editor);
            const QString got = importer::richTextFragment(doc, source);
            if (got != expected) {
                qWarning() << "text:" << doc.text();
                QCOMPARE(got, expected);
            }
        }
    }

    void realFiles_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("pandoc") << QByteArray("pandoc.rtf");
        QTest::newRow("libreoffice") << QByteArray("libreoffice.rtf");
        QTest::newRow("abiword") << QByteArray("abiword.rtf");
    }
    void realFiles()
    {
        QFETCH(QByteArray, file);
        const QByteArray bytes = sample(file.constData());
        const rtf::ReadResult r = rtf::read(bytes);
        QVERIFY2(r.ok, qPrintable(r.error));
        const RichText &doc = r.document;
        const QString &text = doc.text();
        auto formatOf = [&](const char *word) {
            const qsizetype at = text.indexOf(QLatin1String(word));
            if (at < 0)
                qFatal("%s missing", word);
            return doc.formatAt(int(at));
        };
        const QString html = convert(bytes);
        // Nothing of the style sheet, font table or document info leaks in.
        for (const char *stray : {"Normal", "Helvetica;", "Liberation", "Heading"})
            QVERIFY2(!text.contains(QLatin1String(stray)), stray);

        if (file == "pandoc.rtf") {
            QVERIFY(formatOf("Sample heading").bold);
            QCOMPARE(formatOf("Sample heading").size, 18.0);
            QVERIFY(formatOf("bold").bold);
            QVERIFY(formatOf("italic").italic);
            QVERIFY(formatOf("struck").strike);
            QCOMPARE(formatOf("code").face, QStringLiteral("Courier"));
            QCOMPARE(formatOf("Plain").face, QStringLiteral("Helvetica"));
            QVERIFY(
                text.contains(QString::fromUtf8("caf\xC3\xA9, na\xC3\xAFve, \xE2\x80\x9Cquotes")));
            QVERIFY(text.contains(QString::fromUtf8("\xCE\x95\xCE\xBB\xCE\xBB\xCE\xB7")));
            QVERIFY(html.contains("<B>bold</B>, <I>italic</I>, <S>struck</S>"));
            QVERIFY(html.contains("a &lt; and a &gt; sign & an ampersand"));
            QVERIFY(html.startsWith(kHead + "<B>" + font("18", "5", "#000000", "Helvetica") +
                                    "Sample heading\r<BR>\r\n</B></FONT>" +
                                    font("12", "3", "#000000", "Helvetica") + "Plain text"));
            return;
        }

        // LibreOffice and AbiWord read the same page.
        QCOMPARE(doc.paragraphAt(0).alignment, Alignment::Center);
        QVERIFY(formatOf("Centred Title").bold);
        QCOMPARE(formatOf("Centred Title").colour, colour::number(128, 0, 0));
        QCOMPARE(formatOf("Left paragraph").face, QStringLiteral("Arial"));
        QVERIFY(formatOf("italic").italic);
        QVERIFY(formatOf("underlined").underline);
        QVERIFY(formatOf("struck").strike);
        QCOMPARE(formatOf("blue").colour, colour::number(0, 0, 255));
        QCOMPARE(formatOf("Small Times").size, 10.0);
        QCOMPARE(formatOf("Small Times").face, QStringLiteral("Times New Roman"));
        for (const char *item : {"Apple", "Banana", "Cherry"})
            QVERIFY2(doc.paragraphAt(int(text.indexOf(QLatin1String(item)))).bullet, item);
        QVERIFY(!doc.paragraphAt(int(text.indexOf("Small"))).bullet);
        QCOMPARE(doc.paragraphAt(int(text.indexOf("Right"))).alignment, Alignment::Right);
        QCOMPARE(doc.paragraphAt(int(text.indexOf("Ends"))).alignment, Alignment::Justify);
        QVERIFY(formatOf("Ends underlined").underline);
        QVERIFY(text.contains(QString::fromUtf8(
            "caf\xC3\xA9 and \xE2\x82\xAC and \xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82.")));

        QVERIFY(html.contains("<CENTER>Centred Title"));
        QVERIFY(html.contains("</CENTER>Left paragraph with <I>italic</I>, <U>underlined</U>, "
                              "<S>struck</S> and </FONT>" +
                              font("12", "3", "#0000FF") + "blue</FONT>"));
        QVERIFY(html.contains("<UL><LI>Apple"));
        QVERIFY(html.contains("<LI>Banana"));
        QVERIFY(html.contains("<LI>Cherry"));
        QVERIFY(html.contains("</UL>Small Times text"));
        QVERIFY(html.contains("a &lt; sign and a &gt; sign."));
        QCOMPARE(html.count("<UL>"), 1);
        QCOMPARE(html.count("<CENTER>"), 1);
    }
};

QTEST_GUILESS_MAIN(TestRichImport)
#include "test_richimport.moc"

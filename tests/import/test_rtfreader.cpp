// SPDX-License-Identifier: GPL-3.0-or-later
// The RTF reader and the formatted-text model it fills.
#include "import/rtfreader.h"

#include <QtTest>

using richtext::Alignment;
using richtext::CharFormat;
using richtext::RichText;

namespace {

// A document with two fonts and red and blue in the colour table.
QByteArray rtfDoc(const QByteArray &body)
{
    return "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman Times New "
           "Roman;}{\\f2\\fswiss\\fcharset204 Arial Cyr;}}"
           "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}" +
           body + "}";
}

// The runs as "text:flags" with flags from b, i, u, s.
QStringList styledRuns(const RichText &doc)
{
    QStringList out;
    const auto &runs = doc.runs();
    for (size_t r = 0; r < runs.size(); ++r) {
        const int end = r + 1 < runs.size() ? runs[r + 1].start : doc.size();
        const CharFormat &f = doc.format(runs[r].formatId);
        QString flags;
        if (f.bold)
            flags += u'b';
        if (f.italic)
            flags += u'i';
        if (f.underline)
            flags += u'u';
        if (f.strike)
            flags += u's';
        out << doc.text().mid(runs[r].start, end - runs[r].start) + u':' + flags;
    }
    return out;
}

int indexOf(const RichText &doc, const char *text)
{
    const int i = int(doc.text().indexOf(QLatin1String(text)));
    if (i < 0)
        qFatal("%s not in the document", text);
    return i;
}

} // namespace

class TestRtfReader : public QObject
{
    Q_OBJECT
private slots:
    void characterFormatting_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QStringList>("runs");
        QTest::newRow("groups restore")
            << QByteArray("a{\\b b{\\i c}d}e") << QStringList{"a:", "b:b", "c:bi", "d:b", "e:"};
        QTest::newRow("zero parameter")
            << QByteArray("\\b x\\b0 y\\i z\\i0") << QStringList{"x:b", "y:", "z:i"};
        QTest::newRow("underline styles") << QByteArray("\\uldb a\\ulnone b\\ulwave c\\ul0 d")
                                          << QStringList{"a:u", "b:", "c:u", "d:"};
        QTest::newRow("underline colour is no underline")
            << QByteArray("\\ulc1 a") << QStringList{"a:"};
        QTest::newRow("strike") << QByteArray("\\strike a\\strike0 b\\striked1 c")
                                << QStringList{"a:s", "b:", "c:s"};
        QTest::newRow("plain resets")
            << QByteArray("\\b\\i\\ul\\strike a\\plain b") << QStringList{"a:bius", "b:"};
        QTest::newRow("hidden text dropped") << QByteArray("a{\\v secret}b") << QStringList{"ab:"};
        QTest::newRow("escaped braces") << QByteArray("\\{x\\}\\\\") << QStringList{"{x}\\:"};
    }
    void characterFormatting()
    {
        QFETCH(QByteArray, body);
        QFETCH(QStringList, runs);
        const rtf::ReadResult r = rtf::read(rtfDoc(body));
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(styledRuns(r.document), runs);
    }

    void fontsColoursAndSizes()
    {
        const rtf::ReadResult r =
            rtf::read(rtfDoc("d\\f1\\fs21 t\\f9 x\\cf1 r\\cf2 b\\cf7 k\\fs0 z\\fs9999 h\\plain p"));
        QVERIFY(r.ok);
        const RichText &doc = r.document;
        const CharFormat &d = doc.formatAt(indexOf(doc, "d"));
        QCOMPARE(d.face, QStringLiteral("Arial")); // \deff0
        QCOMPARE(d.size, 12.0);
        QCOMPARE(d.colour, qint64(0));
        const CharFormat &t = doc.formatAt(indexOf(doc, "t"));
        QCOMPARE(t.face, QStringLiteral("Times New Roman"));
        QCOMPARE(t.size, 10.5);
        // An unknown font number falls back on the default font.
        QCOMPARE(doc.formatAt(indexOf(doc, "x")).face, QStringLiteral("Arial"));
        QCOMPARE(doc.formatAt(indexOf(doc, "r")).colour, qint64(0x0000FF));
        QCOMPARE(doc.formatAt(indexOf(doc, "b")).colour, qint64(0xFF0000));
        QCOMPARE(doc.formatAt(indexOf(doc, "k")).colour, qint64(0)); // beyond the table
        QCOMPARE(doc.formatAt(indexOf(doc, "z")).size, 10.5);        // \fs0 ignored
        QCOMPARE(doc.formatAt(indexOf(doc, "h")).size, 1638.0);
        const CharFormat &p = doc.formatAt(indexOf(doc, "p"));
        QCOMPARE(p.face, QStringLiteral("Arial"));
        QCOMPARE(p.size, 12.0);
        QCOMPARE(p.colour, qint64(0));
    }

    void tableVariants()
    {
        // Entries without inner groups, a first colour that is not automatic,
        // alternative names and a quote that cannot be part of a name.
        const rtf::ReadResult r =
            rtf::read("{\\rtf1\\deff1{\\fonttbl\\f0\\fnil Courier;\\f1\\froman Georgia{\\*\\falt "
                      "Times};\\f2 Bad\"<Name>;}{\\colortbl\\red0\\green128\\blue0;}"
                      "a\\f0 b\\f2 c\\f1\\cf0 d}");
        QVERIFY(r.ok);
        const RichText &doc = r.document;
        QCOMPARE(doc.formatAt(0).face, QStringLiteral("Georgia"));
        QCOMPARE(doc.formatAt(0).colour, qint64(0x008000));
        QCOMPARE(doc.formatAt(1).face, QStringLiteral("Courier"));
        QCOMPARE(doc.formatAt(2).face, QStringLiteral("BadName"));
        QCOMPARE(doc.text(), QStringLiteral("abcd"));
    }

    void wordFontTable()
    {
        // Word puts the panose group before the name, the alternative after.
        const rtf::ReadResult r = rtf::read(
            "{\\rtf1{\\fonttbl{\\f0\\froman\\fcharset0\\fprq2{\\*\\panose "
            "02020603050405020304}Cambria Math{\\*\\falt Times};}{\\f1 Unended}}\\f0 a\\f1 b}");
        QVERIFY(r.ok);
        QCOMPARE(r.document.formatAt(0).face, QStringLiteral("Cambria Math"));
        QCOMPARE(r.document.formatAt(1).face, QStringLiteral("Unended"));
    }

    void characters_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");
        auto u = [](const char *s) { return QString::fromUtf8(s); };
        QTest::newRow("unicode with fallback") << rtfDoc("caf\\u233?s") << u("caf\xC3\xA9s");
        QTest::newRow("hex fallback") << rtfDoc("\\u8364\\'80x") << u("\xE2\x82\xACx");
        QTest::newRow("uc2") << rtfDoc("\\uc2\\u8364 abc")
                             << u("\xE2\x82\xAC"
                                  "c");
        QTest::newRow("uc0") << rtfDoc("\\uc0\\u233 x") << u("\xC3\xA9x");
        QTest::newRow("uc is scoped") << rtfDoc("{\\uc3 a}\\u233 xy") << u("a\xC3\xA9y");
        QTest::newRow("fallback ends at a group")
            << rtfDoc("\\uc3\\u233{\\b x}y") << u("\xC3\xA9xy");
        QTest::newRow("fallback word counts one") << rtfDoc("\\u233\\emdash x") << u("\xC3\xA9x");
        QTest::newRow("negative") << rtfDoc("\\u-4064?") << QString(QChar(0xF020));
        QTest::newRow("surrogate pair") << rtfDoc("\\u-10179?\\u-8704?") << u("\xF0\x9F\x98\x80");
        QTest::newRow("lone surrogate") << rtfDoc("\\u55357?x") << u("\xEF\xBF\xBDx");
        QTest::newRow("out of range") << rtfDoc("\\u99999999?x") << u("\xEF\xBF\xBDx");
        QTest::newRow("cp1252") << rtfDoc("\\'e9\\'80\\'93")
                                << u("\xC3\xA9\xE2\x82\xAC\xE2\x80\x9C");
        QTest::newRow("raw high byte") << rtfDoc("caf\xE9") << u("caf\xC3\xA9");
        QTest::newRow("ansicpg1251")
            << QByteArray("{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'f0}") << u("\xD0\x9F\xD1\x80");
        QTest::newRow("ansicpg1253") << QByteArray("{\\rtf1\\ansicpg1253 \\'c1}") << u("\xCE\x91");
        QTest::newRow("mac") << QByteArray("{\\rtf1\\mac \\'8e}") << u("\xC3\xA9");
        QTest::newRow("unknown code page reads as 1252")
            << QByteArray("{\\rtf1\\ansicpg932 \\'e9}") << u("\xC3\xA9");
        QTest::newRow("font charset") << rtfDoc("\\f2\\'c0\\f0\\'c0") << u("\xD0\x90\xC3\x80");
        QTest::newRow("special words")
            << rtfDoc("a\\tab b\\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote\\~c")
            << u("a\tb\xE2\x80\x94\xE2\x80\x93\xE2\x80\xA2\xE2\x80\x98\xE2\x80\x99\xE2\x80\x9C"
                 "\xE2\x80\x9D\xC2\xA0"
                 "c");
        QTest::newRow("optional hyphen dropped") << rtfDoc("co\\-op") << u("coop");
        QTest::newRow("line ends in the file ignored") << rtfDoc("a\r\nb\nc") << u("abc");
        QTest::newRow("control word delimiter") << rtfDoc("\\b  x\\b0\\i0;y") << u(" x;y");
        QTest::newRow("control characters dropped") << rtfDoc("a\\'00\\'07b") << u("ab");
        QTest::newRow("line breaks given as characters")
            << rtfDoc("a\\'0d\\'0ab\\'0ac") << u("a\r\nb\r\nc");
        QTest::newRow("line and par") << rtfDoc("a\\line b\\par c\\\nd") << u("a\r\nb\r\nc\r\nd");
        QTest::newRow("table cells")
            << rtfDoc("\\trowd a\\cell b\\cell\\row c") << u("a\tb\t\r\nc");
    }
    void characters()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, text);
        const rtf::ReadResult r = rtf::read(rtf);
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(r.document.text(), text);
    }

    void skippedDestinations_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::newRow("unknown starred") << QByteArray("{\\*\\unknownthing hidden {nested}}");
        QTest::newRow("picture") << QByteArray("{\\pict\\pngblip 89504e470d0a}");
        QTest::newRow("binary data") << QByteArray("{\\pict\\bin5 }{\\}x}");
        QTest::newRow("header and footer") << QByteArray("{\\header H}{\\footerl F}");
        QTest::newRow("field instruction") << QByteArray("{\\field{\\*\\fldinst HYPERLINK x}}");
        QTest::newRow("list tables") << QByteArray("{\\*\\listtable{\\list{\\leveltext x;}}}");
        QTest::newRow("par inside") << QByteArray("{\\header a\\par b}");
    }
    void skippedDestinations()
    {
        QFETCH(QByteArray, body);
        const rtf::ReadResult r = rtf::read(rtfDoc("<" + body + ">"));
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(r.document.text(), QStringLiteral("<>"));
        QCOMPARE(r.document.paragraphCount(), 1);
    }

    void fieldResultIsText()
    {
        const rtf::ReadResult r =
            rtf::read(rtfDoc("{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt {\\ul link}}}"));
        QCOMPARE(styledRuns(r.document), QStringList{"link:u"});
    }

    void unicodePair()
    {
        const rtf::ReadResult r =
            rtf::read(rtfDoc("{\\upr{\\f0 ansi}{\\*\\ud{\\f0 caf\\u233 ?}}}!"));
        QCOMPARE(r.document.text(), QString::fromUtf8("caf\xC3\xA9!"));
    }

    void paragraphs()
    {
        const rtf::ReadResult r = rtf::read(
            rtfDoc("\\qc one\\par two\\par\\pard\\qr three\\par\\qj four\\par{\\pard\\qc five\\par}"
                   "six"));
        QVERIFY(r.ok);
        const RichText &doc = r.document;
        QCOMPARE(doc.paragraphCount(), 6);
        const Alignment expected[] = {Alignment::Center,  Alignment::Center, Alignment::Right,
                                      Alignment::Justify, Alignment::Center, Alignment::Justify};
        for (int p = 0; p < 6; ++p)
            QCOMPARE(doc.paragraphFormat(p).alignment, expected[p]);
        // Alignment given anywhere in a paragraph is the paragraph's.
        const rtf::ReadResult late = rtf::read(rtfDoc("left at first\\qc\\par"));
        QCOMPARE(late.document.paragraphFormat(0).alignment, Alignment::Center);
    }

    void bullets_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("bullets"); // one letter per paragraph
        // Word's way: list text before \pard, the level in a \pn group.
        QTest::newRow("pn groups")
            << QByteArray("{\\pntext\\f1\\'B7\\tab}\\pard{\\*\\pn\\pnlvlblt\\pnf1{\\pntxtb\\'B7}}"
                          "A\\par{\\pntext\\f1\\'B7\\tab}B\\par\\pard C\\par")
            << "yynn";
        QTest::newRow("numbered") << QByteArray("{\\*\\pn\\pnlvlbody\\pndec}1\\par\\pard 2")
                                  << "yn";
        QTest::newRow("continuation") << QByteArray("{\\*\\pn\\pnlvlcont}x") << "n";
        QTest::newRow("list override")
            << QByteArray(
                   "{\\listtext\\pard\\plain \\u8226\\'95\\tab}\\ls1 A\\par\\pard B\\par\\ls0 C")
            << "ynn";
        QTest::newRow("list text alone") << QByteArray("{\\listtext 1.\\tab}A\\par B") << "yn";
        QTest::newRow("line break in a list item")
            << QByteArray("{\\listtext 1.\\tab}A\\line a\\par B") << "yyn";
        QTest::newRow("scoped by group") << QByteArray("{\\ls2 A\\par}B") << "yn";
    }
    void bullets()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, bullets);
        const rtf::ReadResult r = rtf::read(rtfDoc(body));
        QVERIFY2(r.ok, qPrintable(r.error));
        QString got;
        for (int p = 0; p < r.document.paragraphCount(); ++p)
            got += r.document.paragraphFormat(p).bullet ? u'y' : u'n';
        QCOMPARE(got, bullets);
        QVERIFY(!r.document.text().contains(QChar(0x2022)));
    }

    void malformed_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QByteArray() << false << "";
        QTest::newRow("plain text") << QByteArray("hello") << false << "";
        QTest::newRow("html") << QByteArray("<html>{\\rtf1 x}") << false << "";
        QTest::newRow("leading blanks") << QByteArray(" \r\n{\\rtf1 x}") << true << "x";
        QTest::newRow("truncated") << QByteArray("{\\rtf1 abc{\\b de") << false << "abcde";
        QTest::newRow("ends after backslash") << QByteArray("{\\rtf1 ab\\") << false << "ab";
        QTest::newRow("ends in hex") << QByteArray("{\\rtf1 ab\\'") << false << "ab";
        QTest::newRow("half hex") << QByteArray("{\\rtf1 \\'4x}") << true << "x";
        QTest::newRow("bad hex") << QByteArray("{\\rtf1 \\'zz}") << true << "zz";
        QTest::newRow("binary past the end")
            << QByteArray("{\\rtf1 a{\\pict\\bin999 xy}}") << false << "a";
        QTest::newRow("negative binary") << QByteArray("{\\rtf1 a\\bin-5 b}") << true << "ab";
        QTest::newRow("text after the end") << QByteArray("{\\rtf1 a}b}{c") << true << "a";
        QTest::newRow("huge parameter")
            << QByteArray("{\\rtf1\\fs99999999999999999999 a\\b-0 b}") << true << "ab";
        QTest::newRow("long word")
            << QByteArray("{\\rtf1 \\") + QByteArray(5000, 'x') + " a}" << true << "a";
        QTest::newRow("nul bytes") << QByteArray("{\\rtf1 a\0b}", 11) << true << "ab";
    }
    void malformed()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(bool, ok);
        QFETCH(QString, text);
        const rtf::ReadResult r = rtf::read(rtf);
        QCOMPARE(r.ok, ok);
        QCOMPARE(r.error.isEmpty(), ok);
        QCOMPARE(r.document.text(), text);
    }

    void deepNesting()
    {
        // Far deeper than any real file: read without crashing, text inside
        // the sane depth kept, the file reported as faulty.
        const int depth = 200000;
        const QByteArray rtf =
            "{\\rtf1 a" + QByteArray(depth, '{') + "deep" + QByteArray(depth, '}') + "b}";
        const rtf::ReadResult r = rtf::read(rtf);
        QVERIFY(!r.ok);
        QCOMPARE(r.document.text(), QStringLiteral("ab"));
    }

    void model()
    {
        RichText doc;
        CharFormat bold;
        bold.bold = true;
        const int b = doc.formatId(bold);
        const int plain = doc.formatId(CharFormat());
        QCOMPARE(doc.formatId(bold), b); // equal formats share an id
        doc.append(u"ab", plain);
        doc.append(u"cd\r\nef\ngh", b); // line ends become paragraph breaks
        doc.append(u"i", b);
        QCOMPARE(doc.text(), QStringLiteral("abcd\r\nef\r\nghi"));
        QCOMPARE(doc.runs().size(), size_t(2));
        QCOMPARE(doc.paragraphCount(), 3);
        RichText separators;
        separators.append(u"a\u2028b\u2029c\rd", plain);
        QCOMPARE(separators.text(), QStringLiteral("a\r\nb\r\nc\r\nd"));
        QCOMPARE(separators.paragraphCount(), 4);
        QCOMPARE(doc.paragraphIndexAt(4), 0); // before the CR
        QCOMPARE(doc.paragraphIndexAt(5), 0); // between CR and LF
        QCOMPARE(doc.paragraphIndexAt(6), 1);
        QCOMPARE(doc.paragraphIndexAt(99), 2);

        QCOMPARE(doc.formatIdBefore(0), plain);
        QCOMPARE(doc.formatIdBefore(2), plain);
        QCOMPARE(doc.formatIdBefore(3), b);
        QCOMPARE(doc.formatIdBefore(99), b);

        // At a paragraph start a control answers with the first character.
        RichText mixed;
        mixed.append(u"x", plain);
        mixed.endParagraph(plain);
        mixed.append(u"y", b);
        QCOMPARE(mixed.formatIdBefore(3), plain);
        QCOMPARE(mixed.caretFormatId(3), b);
        QCOMPARE(mixed.caretFormatId(0), plain);
        QCOMPARE(mixed.caretFormatId(4), b);

        RichText empty;
        CharFormat big;
        big.size = 20;
        empty.setEmptyFormat(big);
        QCOMPARE(empty.caretFormat(0).size, 20.0);
        QCOMPARE(empty.paragraphCount(), 1);
    }
};

QTEST_GUILESS_MAIN(TestRtfReader)
#include "test_rtfreader.moc"

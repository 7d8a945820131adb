// SPDX-License-Identifier: GPL-3.0-or-later
#include "builders/paragraphbuilderlogic.h"
#include "support/paragraphhtml.h"

#include <QtTest>

using richtext::Alignment;
using richtext::CharFormat;
using richtext::ParagraphFormat;
using richtext::RichText;

Q_DECLARE_METATYPE(richtext::RichText)

namespace {

using paragraphhtml::font;
const QString &kHead = paragraphhtml::Head;
const QString &kTail = paragraphhtml::Tail;
const QString F12 = font("12", "3");

CharFormat plain()
{
    return CharFormat();
}
CharFormat bold()
{
    CharFormat f;
    f.bold = true;
    return f;
}
CharFormat red()
{
    CharFormat f;
    f.colour = 255;
    return f;
}
CharFormat points(double size)
{
    CharFormat f;
    f.size = size;
    return f;
}

// An editor's text put together line by line.
struct Doc
{
    RichText rich;
    Doc &text(const QString &s, const CharFormat &f = plain())
    {
        rich.append(s, f);
        return *this;
    }
    // The format of the line being written.
    Doc &line(Alignment alignment, bool bullet = false)
    {
        rich.setParagraphFormat(ParagraphFormat{alignment, bullet});
        return *this;
    }
    // A line break in the given format; the next line starts left-aligned.
    Doc &br(const CharFormat &f = plain())
    {
        rich.endParagraph(rich.formatId(f));
        rich.setParagraphFormat(ParagraphFormat());
        return *this;
    }
};

} // namespace

class TestParagraphBuilderLogic : public QObject
{
    Q_OBJECT
private slots:
    void buildParagraph_data()
    {
        QTest::addColumn<RichText>("text");
        QTest::addColumn<QString>("body");
        QTest::newRow("hello world")
            << Doc().text("Hello ").text("world", bold()).rich << F12 + "Hello <B>world</B></FONT>";
        QTest::newRow("a<b") << Doc().text("a<b").rich << F12 + "a&lt;b</FONT>";
        QTest::newRow("<<") << Doc().text("<<").rich << F12 + "&lt;&lt;</FONT>";
        QTest::newRow("middle line centred")
            << Doc().text("one").br().line(Alignment::Center).text("two").br().text("three").rich
            << F12 + "one<BR>\r\n<CENTER>two<BR>\r\n</CENTER>three</FONT>";
        QTest::newRow("lines 2 and 3 bulleted")
            << Doc()
                   .text("one")
                   .br()
                   .line(Alignment::Left, true)
                   .text("two")
                   .br()
                   .line(Alignment::Left, true)
                   .text("three")
                   .br()
                   .text("four")
                   .rich
            << F12 + "one<BR>\r\n<UL><LI>two<BR>\r\n<LI>three<BR>\r\n</UL>four</FONT>";
        QTest::newRow("bullets to the end")
            << Doc()
                   .text("one")
                   .br()
                   .line(Alignment::Left, true)
                   .text("two")
                   .br()
                   .line(Alignment::Left, true)
                   .text("three")
                   .rich
            << F12 + "one<BR>\r\n<UL><LI>two<BR>\r\n<LI>three</UL></FONT>";
        CharFormat bus = bold();
        bus.underline = bus.strike = true;
        QTest::newRow("ends bold, underlined, struck")
            << Doc().text("a").text("z", bus).rich << F12 + "a<B><U><S>z</B></U></S></FONT>";
        QTest::newRow("colour change mid-word")
            << Doc().text("wo").text("rd", red()).rich
            << F12 + "wo</FONT>" + font("12", "3", "#FF0000") + "rd</FONT>";
        QTest::newRow("HTMLFont 7")
            << Doc().text("x", points(7)).rich << font("7", "") + "x</FONT>";
        QTest::newRow("HTMLFont 8")
            << Doc().text("x", points(8)).rich << font("8", "1") + "x</FONT>";
        QTest::newRow("HTMLFont 36")
            << Doc().text("x", points(36)).rich << font("36", "7") + "x</FONT>";
        QTest::newRow("7.5 rounds to 8")
            << Doc().text("x", points(7.5)).rich << font("7.5", "1") + "x</FONT>";
        QTest::newRow("35.5 rounds to 36")
            << Doc().text("x", points(35.5)).rich << font("35.5", "7") + "x</FONT>";
        QTest::newRow("empty editor") << RichText() << F12 + "</FONT>";
        // The caret just after a line break reports the break itself, so a
        // change that starts a line goes after "<BR>" CR LF and after the
        // line's own tags.
        QTest::newRow("bold second line") << Doc().text("one").br().text("two", bold()).rich
                                          << F12 + "one<BR>\r\n<B>two</B></FONT>";
        QTest::newRow("bold line break") << Doc().text("one", bold()).br(bold()).text("two").rich
                                         << "<B>" + F12 + "one<BR>\r\n</B>two</FONT>";
        QTest::newRow("centred bold line")
            << Doc().text("one").br().line(Alignment::Center).text("two", bold()).rich
            << F12 + "one<BR>\r\n<CENTER><B>two</CENTER></B></FONT>";
        QTest::newRow("right aligned is not converted")
            << Doc().line(Alignment::Right).text("r").rich << F12 + "r</FONT>";
    }
    void buildParagraph()
    {
        QFETCH(RichText, text);
        QFETCH(QString, body);
        QCOMPARE(paragraphbuilder::buildParagraph(text), kHead + body + kTail);
    }

    void readTextFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QString>("text");
        // One letter per paragraph: L left, R right, C centre, J justified.
        QTest::addColumn<QString>("alignments");
        QTest::addColumn<bool>("firstBold");

        const QByteArray rtf("{\\rtf1\\ansi{\\b a\\tab b}\\par\\qr right\\par\\qc centre\\par"
                             "\\qj just}");
        QTest::newRow("rich text") << "notes.rtf" << rtf << true << "ab\r\nright\r\ncentre\r\njust"
                                   << "LLCJ" << true;
        QTest::newRow(".RTF in any case, anywhere")
            << "old.RtF.bak" << rtf << true << "ab\r\nright\r\ncentre\r\njust"
            << "LLCJ" << true;
        QTest::newRow("plain text")
            << "notes.txt" << QByteArray("a\tb\r\nc\nd") << true << "ab\r\nc\r\nd"
            << "LLL" << false;
        QTest::newRow("rtf read as plain text")
            << "notes.txt" << QByteArray("{\\rtf1 x}") << true << "{\\rtf1 x}"
            << "L" << false;
        QTest::newRow("not rich text")
            << "notes.rtf" << QByteArray("plain words") << false << QString() << QString() << false;
    }
    void readTextFile()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, ok);
        QFETCH(QString, text);
        QFETCH(QString, alignments);
        QFETCH(bool, firstBold);

        const paragraphbuilder::LoadedText loaded = paragraphbuilder::readTextFile(name, bytes);
        QCOMPARE(loaded.ok, ok);
        QCOMPARE(loaded.error.isEmpty(), ok);
        QCOMPARE(loaded.text.text(), text);
        QString seen;
        for (int p = 0; ok && p < loaded.text.paragraphCount(); ++p)
            seen += "LRCJ"[int(loaded.text.paragraphFormat(p).alignment)];
        QCOMPARE(seen, alignments);
        if (!ok)
            return;
        QCOMPARE(loaded.text.formatAt(0).bold, firstBold);
        if (name.endsWith("txt")) {
            QCOMPARE(loaded.text.formatAt(0).face, QStringLiteral("Times New Roman"));
            QCOMPARE(loaded.text.formatAt(0).size, 12.0);
        }
    }
};

QTEST_GUILESS_MAIN(TestParagraphBuilderLogic)
#include "test_paragraphbuilderlogic.moc"

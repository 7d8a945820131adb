// SPDX-License-Identifier: GPL-3.0-or-later
// Which words of a page a spelling check reads, and the language a page
// declares.

#include "check/spelltext.h"

#include <QtTest>

using spelltext::State;

namespace {

// Pages whose scan crosses tags, values, comments and raw text over lines.
const char *const samplePages[] = {
    "<P>Hello <B>wrold</B> again</P>\r\n",
    "start <!-- x\r\nwrods\r\n--> after\r\n<SCRIPT LANGUAGE=\"JavaScript\">\r\nvar a = 1;\r\n"
    "</SCRIPT>\r\nend\r\n",
    "<A\r\nHREF=\"x\"\r\nTITLE=\"Go\r\nhome\">Home</A>\r\n<STYLE>\r\nP {color: red}\r\n</style >x",
    "<IMG ALT=Flower\nSRC=x.gif><IMG ALT=\nsun>\n<!-->after\n",
};

} // namespace

class TestSpellText : public QObject
{
    Q_OBJECT
private slots:
    void onlyTextIsRead_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("words");
        QTest::newRow("text between tags") << "<P>Hello <B>wrold</B> again</P>"
                                           << "Hello wrold again";
        QTest::newRow("tag and attribute names")
            << "<FONT FACE=\"Arial\" COLOR=red SIZE=3>colour</FONT>"
            << "colour";
        QTest::newRow("alt and title values")
            << "<IMG SRC=\"pic.gif\" ALT=\"A nice picutre\" TITLE='Sunset sky'>"
            << "nice picutre Sunset sky";
        QTest::newRow("unquoted alt") << "<IMG ALT=Flower SRC=x.gif>"
                                      << "Flower";
        QTest::newRow("other values")
            << "<A HREF=\"mispeled.htm\" NAME=\"wrongg\" CLASS=wrongg>link</A>"
            << "link";
        QTest::newRow("greater-than in a value")
            << "<IMG ALT=\"a > b\" TITLE=\"right\" SRC=\"left\">after"
            << "right after";
        QTest::newRow("comment") << "one <!-- hidden wrods --> two"
                                 << "one two";
        QTest::newRow("comment over lines") << "start <!-- x\r\nwrods\r\n--> after"
                                            << "start after";
        QTest::newRow("script") << "<SCRIPT>var wrods = 1;</SCRIPT>after"
                                << "after";
        QTest::newRow("end tag in a script string")
            << "<script>document.write('</b> wrods');</script>fine"
            << "fine";
        QTest::newRow("style over lines") << "<STYLE>\r\nBODY {colr: red}\r\n</STYLE>\r\nText"
                                          << "Text";
        QTest::newRow("textarea is text") << "<TEXTAREA>Wirte here</TEXTAREA>"
                                          << "Wirte here";
        QTest::newRow("entities inside words")
            << "caf&eacute; na&iuml;ve &amp; words &#233;t&#233; AT&T"
            << "words";
        QTest::newRow("entities between words")
            << "&nbsp;&nbsp;Hello&mdash;world&#160;again&hellip; Tom&amp;Jerry don&rsquo;t"
            << "Hello world again Tom Jerry don";
        QTest::newRow("addresses, numbers and code")
            << "see www.example.com or me@example.com file_name 3rd MP3 C++ e.g. this"
            << "see or this";
        QTest::newRow("abbreviations and single letters") << "HTML and NASA are a fine I"
                                                          << "and are fine";
        QTest::newRow("apostrophes and hyphens")
            << QString::fromUtf8("don't well-known \u2019quoted\u2019 it\u2019s 'tis")
            << QString::fromUtf8("don't well known quoted it\u2019s tis");
        QTest::newRow("other scripts") << QString::fromUtf8("Grüße aus Köln, Ελλάδα!")
                                       << QString::fromUtf8("Grüße aus Köln Ελλάδα");
        QTest::newRow("punctuation") << "(Hello), \"there\"; yes? no!"
                                     << "Hello there yes no";
        QTest::newRow("less-than that opens no tag") << "x < y and c<d"
                                                     << "and";
        QTest::newRow("doctype and processing instruction")
            << "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\"><?xml version=\"1.0\"?>Text"
            << "Text";
        QTest::newRow("value over lines") << "<IMG ALT=\"first\r\nsecond\" SRC=\"third\">"
                                          << "first second";
        QTest::newRow("tag over lines") << "<A\r\nHREF=\"x\"\r\nTITLE=\"Go home\">Home</A>"
                                        << "Go home Home";
        QTest::newRow("title element") << "<TITLE>My Homepage</TITLE>"
                                       << "My Homepage";
        QTest::newRow("non-breaking space") << QString::fromUtf8("one\u00A0two") << "one two";
        QTest::newRow("value without attribute name") << "<IMG =\"wrods\" ALT=\"ok\">"
                                                      << "ok";
        QTest::newRow("attribute without value before alt") << "<IMG ISMAP ALT=\"fine\">"
                                                            << "fine";
        QTest::newRow("tag that never ends") << "<B never ends"
                                             << "";
        QTest::newRow("empty") << ""
                               << "";
    }
    void onlyTextIsRead()
    {
        QFETCH(QString, html);
        QFETCH(QString, words);
        QCOMPARE(spelltext::wordTexts(html).join(u' '), words);
    }

    // Where each word is, in bytes of UTF-8.
    void offsets_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("expected"); // start+length of each word
        QTest::newRow("ascii") << "<P>ab cd</P>"
                               << "3+2 6+2";
        QTest::newRow("two-byte letters") << QString::fromUtf8("<B>naïve</B> été") << "3+6 14+5";
        QTest::newRow("apostrophe of three bytes") << QString::fromUtf8("it\u2019s") << "0+6";
        QTest::newRow("surrogate pair")
            << QString::fromUtf8("x \U0001D4B6\U0001D4B7 ok") << "2+8 11+2";
        QTest::newRow("after a line end") << "<P>\r\n  word"
                                          << "7+4";
    }
    void offsets()
    {
        QFETCH(QString, html);
        QFETCH(QString, expected);
        QStringList got;
        for (const spelltext::Word &w : spelltext::words(html.toUtf8()))
            got << QStringLiteral("%1+%2").arg(w.start).arg(w.length);
        QCOMPARE(got.join(u' '), expected);
    }

    // The quick scan without words ends where the full one does, and every
    // state survives being packed into a number.
    void stateAtEveryLine_data()
    {
        QTest::addColumn<QByteArray>("page");
        int n = 0;
        for (const char *page : samplePages)
            QTest::addRow("page %d", ++n) << QByteArray(page);
    }
    void stateAtEveryLine()
    {
        QFETCH(QByteArray, page);
        State quick, full;
        QList<spelltext::Word> found;
        qsizetype start = 0;
        while (start < page.size()) {
            qsizetype end = page.indexOf('\n', start);
            end = end < 0 ? page.size() : end + 1;
            spelltext::scan(page.constData() + start, end - start, quick);
            spelltext::scan(page.constData() + start, end - start, full, start, &found);
            QCOMPARE(quick.packed(), full.packed());
            QCOMPARE(State::unpacked(full.packed()), full);
            start = end;
        }
        // Line by line finds what the page read whole finds.
        QList<spelltext::Word> whole;
        State once;
        spelltext::scan(page.constData(), page.size(), once, 0, &whole);
        QCOMPARE(found.size(), whole.size());
        for (qsizetype i = 0; i < found.size(); ++i)
            QCOMPARE(found[i].start, whole[i].start);
    }

    void pageLanguage_data()
    {
        QTest::addColumn<QString>("html");
        QTest::addColumn<QString>("language");
        QTest::newRow("lang") << "<HTML LANG=\"fr\"><HEAD>"
                              << "fr";
        QTest::newRow("after a doctype and a comment")
            << "<!DOCTYPE html>\r\n<!-- <html lang=de> -->\r\n<html lang='en-GB'>"
            << "en-GB";
        QTest::newRow("xml:lang") << "<html xml:lang=\"de\" >"
                                  << "de";
        QTest::newRow("unquoted, after other attributes")
            << "<html class=\"a>b\" dir=ltr lang=pt-BR>"
            << "pt-BR";
        QTest::newRow("none on html") << "<HTML><BODY LANG=fr>"
                                      << "";
        QTest::newRow("no html tag") << "<P LANG=fr>Bonjour"
                                     << "";
        QTest::newRow("comment that never ends") << "<!-- <html lang=de>"
                                                 << "";
        QTest::newRow("empty") << ""
                               << "";
    }
    void pageLanguage()
    {
        QFETCH(QString, html);
        QFETCH(QString, language);
        QCOMPARE(spelltext::pageLanguage(html.toUtf8()), language);
    }
};

QTEST_GUILESS_MAIN(TestSpellText)
#include "test_spelltext.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/markupnav.h"

#include <QtTest>

using markupnav::Range;
using markupnav::ScannedText;
using markupscan::ElementEvent;

namespace {

// A text written with markers: "|" is the caret, "[" and "]" a selection,
// "{" and "}" the ranges expected. The markers are taken out; positions are
// byte offsets of the UTF-8 text left.
struct Marked
{
    QByteArray text;
    QMap<char, QVector<qsizetype>> at;

    explicit Marked(const QString &written)
    {
        for (const QChar c : written) {
            const char m = char(c.unicode());
            if (c.unicode() < 0x80 && QByteArrayView("|[]{}").contains(m))
                at[m] << text.size();
            else
                text += QString(c).toUtf8();
        }
    }
    qsizetype operator[](char m) const { return at.value(m).value(0, -1); }
    // The ranges between "{" and "}", in order.
    QVector<Range> expected() const
    {
        QVector<Range> out;
        for (qsizetype k = 0; k < at.value('{').size(); ++k)
            out << Range{at.value('{')[k], at.value('}').value(k)};
        return out;
    }
};

// The events of a whole text as "+name" (opened), "-name" (closed by its
// end tag), "~name" (ended without it), "=name" (empty), "!name" (stray).
class Recorder : public markupscan::ElementObserver
{
public:
    explicit Recorder(const markupscan::ElementPool &pool) : m_pool(pool) {}
    void element(const ElementEvent &event) override
    {
        static const char marks[] = "+=-~!";
        events << QString(QLatin1Char(marks[event.kind])) +
                      QString::fromLatin1(m_pool.nameOf(event.name));
        ends << event.tagEnd;
    }
    QStringList events;
    QVector<qsizetype> ends;

private:
    const markupscan::ElementPool &m_pool;
};

QString recorded(const QByteArray &bytes)
{
    markupscan::ElementPool pool;
    Recorder recorder(pool);
    markupscan::Scanner scanner(0, {}, &pool, &recorder);
    scanner.scan(bytes.constData(), bytes.size());
    return recorder.events.join(u' ');
}

} // namespace

class TestMarkupNav : public QObject
{
    Q_OBJECT
private slots:
    void elements_data();
    void elements();
    void resumeAtEveryLine_data() { elements_data(); }
    void resumeAtEveryLine();
    void foldDepths_data();
    void foldDepths();
    void matching_data();
    void matching();
    void selectElement_data();
    void selectElement();
    void openElement_data();
    void openElement();
    void endTagToAdd_data();
    void endTagToAdd();
};

void TestMarkupNav::elements_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("events");
    QTest::newRow("paragraphs without ends") << "<P>a<P>b</P>"
                                             << "+p ~p +p -p";
    QTest::newRow("items end at the next and at the list") << "<UL><LI>a<LI>b</UL>"
                                                           << "+ul +li ~li +li ~li -ul";
    QTest::newRow("nested lists") << "<UL><LI>a<UL><LI>b</UL><LI>c</UL>"
                                  << "+ul +li +ul +li ~li -ul ~li +li ~li -ul";
    QTest::newRow("an item in a DIV of an item") << "<LI>a<DIV><LI>b"
                                                 << "+li +div ~div ~li +li";
    QTest::newRow("definitions") << "<DL><DT>a<DD>b</DL>"
                                 << "+dl +dt ~dt +dd ~dd -dl";
    QTest::newRow("cells and rows without ends")
        << "<TABLE><TR><TD>a<TD>b<TR><TD>c</TABLE>"
        << "+table +tr +td ~td +td ~td ~tr +tr +td ~td ~tr -table";
    QTest::newRow("options") << "<SELECT><OPTION>a<OPTION>b</SELECT>"
                             << "+select +option ~option +option ~option -select";
    QTest::newRow("misnested phrase tags") << "<B><I>x</B></I>"
                                           << "+b +i ~i -b !i";
    QTest::newRow("a block end closes phrase tags in it") << "<DIV><B>x</DIV></B>"
                                                          << "+div +b ~b -div !b";
    QTest::newRow("a phrase end does not reach past a block") << "<B><DIV>x</B></DIV>"
                                                              << "+b +div !b -div";
    QTest::newRow("a block ends the paragraph") << "<P>a<DIV>b</DIV></P>"
                                                << "+p ~p +div -div !p";
    QTest::newRow("headings") << "<H1>a<H2>b</H2>"
                              << "+h1 ~h1 +h2 -h2";
    QTest::newRow("empty elements") << "<BR><img src=x><HR/><DIV/>"
                                    << "=br =img =hr =div";
    QTest::newRow("script text is not markup")
        << "<SCRIPT>if (a<b) document.write(\"</p>\");</SCRIPT>"
        << "+script -script";
    QTest::newRow("title and textarea text") << "<TITLE><B></TITLE><TEXTAREA></P></textarea>"
                                             << "+title -title +textarea -textarea";
    QTest::newRow("comments hide tags") << "<!-- <B> --><I>"
                                        << "+i";
    QTest::newRow("page outline") << "<HTML><HEAD><TITLE>t</TITLE></HEAD><BODY></BODY></HTML>"
                                  << "+html +head +title -title -head +body -body -html";
    QTest::newRow("body ends the head") << "<HEAD><BODY><BODY>"
                                        << "+head ~head +body =body";
    QTest::newRow("names in any case, custom names") << "<my-tag>x</MY-TAG><Table></TABLE>"
                                                     << "+my-tag -my-tag +table -table";
    QTest::newRow("a tag over lines") << "<TABLE\r\nBORDER=1>\r\n</TABLE\r\n>"
                                      << "+table -table";
    QTest::newRow("a lone < swallows the next tag") << "a < b <B>c"
                                                    << "";
    QTest::newRow("a stray end tag") << "</DIV>x"
                                     << "!div";
}

// What each tag does to the open elements.
void TestMarkupNav::elements()
{
    QFETCH(QString, text);
    QFETCH(QString, events);
    QCOMPARE(recorded(text.toUtf8()), events);
}

// A scan started at any line start, in the state the whole scan left
// there, goes on exactly as the whole scan does.
void TestMarkupNav::resumeAtEveryLine()
{
    QFETCH(QString, text);
    const QByteArray bytes = text.replace(QStringLiteral("><"), QStringLiteral(">\r\n<"))
                                 .replace(u' ', QStringLiteral("\n"))
                                 .toUtf8();
    const ScannedText whole(bytes);
    Recorder all(whole.pool());
    markupscan::Scanner scanner(0, {}, &whole.pool(), &all);
    scanner.scan(bytes.constData(), bytes.size());
    for (int line = 0; line < whole.lineCount(); ++line) {
        const qsizetype start = whole.lineStart(line);
        Recorder rest(whole.pool());
        markupscan::Scanner resumed(start, whole.lineState(line), &whole.pool(), &rest);
        resumed.scan(bytes.constData() + start, bytes.size() - start);
        // What the tags ending after the line start do, a tag begun on an
        // earlier line included.
        const qsizetype first =
            std::upper_bound(all.ends.cbegin(), all.ends.cend(), start) - all.ends.cbegin();
        QCOMPARE(rest.events, all.events.mid(first));
    }
}

void TestMarkupNav::foldDepths_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QVector<int>>("depths");
    QTest::newRow("nested elements")
        << "<HTML>\r\n<BODY>\r\n<TABLE>\r\n<TR><TD>x</TD></TR>\r\n</TABLE>\r\n</BODY>\r\n</HTML>"
        << QVector<int>{0, 1, 2, 3, 3, 2, 1};
    QTest::newRow("a comment over lines") << "<DIV>\n<!-- a\nb -->\n</DIV>\n"
                                          << QVector<int>{0, 1, 2, 1, 0};
    QTest::newRow("a tag over lines") << "<TABLE\nBORDER=1>\n</TABLE>\n"
                                      << QVector<int>{0, 1, 1, 0};
    QTest::newRow("legacy paragraphs and items") << "<UL>\n<LI>a\n<LI>b\n</UL>\n<P>c\n<P>d\n"
                                                 << QVector<int>{0, 1, 2, 2, 0, 1, 1};
}

// The depth of each line start: the fold levels.
void TestMarkupNav::foldDepths()
{
    QFETCH(QString, text);
    QFETCH(QVector<int>, depths);
    const ScannedText scanned(text.toUtf8());
    QVector<int> got;
    for (int line = 0; line < scanned.lineCount(); ++line)
        got << markupscan::foldDepth(scanned.pool(), scanned.lineState(line));
    QCOMPARE(got, depths);
}

void TestMarkupNav::matching_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("start tag to end tag") << "<DIV>{<B|>}x{</B>}</DIV>";
    QTest::newRow("end tag to start tag") << "<DIV>{<B>}x{</B|>}</DIV>";
    QTest::newRow("caret just after the start tag") << "{<B>|}x{</B>}";
    QTest::newRow("caret just before the end tag") << "{<B>}x|{</B>}";
    QTest::newRow("same names nested, outer") << "{<DIV|>}<DIV>a</DIV>{</DIV>}";
    QTest::newRow("same names nested, inner") << "<DIV>{<DIV>}a{</DIV|>}</DIV>";
    QTest::newRow("names in another case") << "{<table border=1|>}<tr><td>x{</TABLE>}";
    QTest::newRow("over lines") << "{<TABLE\r\nBORDER=1|>}\r\n<TR>\r\n</TR>\r\n{</TABLE>}\r\n";
    QTest::newRow("legacy paragraph") << "<P|>one<P>two</P>";
    QTest::newRow("the paragraph that is closed") << "<P>one{<P>}two{</P|>}";
    QTest::newRow("legacy item") << "<UL><LI|>a<LI>b</UL>";
    QTest::newRow("the list of legacy items") << "{<UL|>}<LI>a<LI>b{</UL>}";
    QTest::newRow("misnested, the closed one") << "{<B|>}<I>x{</B>}</I>";
    QTest::newRow("misnested, the one closed early") << "<B><I|>x</B></I>";
    QTest::newRow("misnested, the stray end") << "<B><I>x</B></I|>";
    QTest::newRow("a stray end tag") << "</DIV|>";
    QTest::newRow("unclosed, ended by the body") << "<BODY><DIV|>x</BODY>";
    QTest::newRow("empty element") << "<BR|><BR>";
    QTest::newRow("inside a comment") << "<!-- <B|> -->x</B>";
    QTest::newRow("inside script text") << "<SCRIPT>if (a<b|) x;</SCRIPT>";
    QTest::newRow("the script itself") << "{<SCRIPT|>}x<b>y{</SCRIPT>}";
    QTest::newRow("siblings alike on their own lines")
        << "<UL>\r\n<LI>a\r\n{<LI>}b\r\n{</LI|>}\r\n</UL>";
    QTest::newRow("alike siblings inside the element")
        << "{<DIV>}\n<DIV>\n</DIV>\n<DIV>\n</DIV>\n{</DIV|>}";
    QTest::newRow("non-ASCII text") << QString::fromUtf8("{<B>}é€😀{</B|>}");
    QTest::newRow("text, no tag") << "<B>x|y</B>";
}

// The tag at the caret and the one it matches, or none.
void TestMarkupNav::matching()
{
    QFETCH(QString, text);
    const Marked m(text);
    const ScannedText scanned(m.text);
    const auto match = markupnav::matchAt(scanned, m['|']);
    const QVector<Range> expected = m.expected();
    if (expected.isEmpty()) {
        QVERIFY(!match);
        return;
    }
    QVERIFY(match);
    QCOMPARE(match->open, expected[0]);
    QCOMPARE(match->close, expected[1]);
}

void TestMarkupNav::selectElement_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("the element around the caret") << "<P>a {<B>x|y</B>} b</P>";
    QTest::newRow("widens to the parent") << "{<P>a [<B>xy</B>] b</P>}";
    QTest::newRow("a selection ending at the end tag") << "<DIV>{<P>[a <B>xy</B> b</P>]}</DIV>";
    QTest::newRow("caret in a start tag") << "<DIV>{<B class=|x>y</B>}</DIV>";
    QTest::newRow("caret in an end tag") << "<DIV>{<B>y</|B>}</DIV>";
    QTest::newRow("an empty element") << "<P>{<IMG SR|C=x>}</P>";
    QTest::newRow("legacy items are passed over") << "{<UL><LI>a|<LI>b</UL>}";
    QTest::newRow("an unclosed block is passed over") << "{<BODY><DIV>a|</BODY>}";
    QTest::newRow("misnested") << "<P>{<B><I>x|</B>}</I></P>";
    QTest::newRow("a selection cut into tags") << "{<B>x<I[>y</I>z</B]>}";
    QTest::newRow("nothing around") << "a|b";
    QTest::newRow("over lines") << "{<TABLE>\r\n<TR>\r\n<TD>[x</TD>\r\n</TR>\r\n]</TABLE>}";
}

// Select Element: the smallest element holding more than the selection.
void TestMarkupNav::selectElement()
{
    QFETCH(QString, text);
    const Marked m(text);
    const ScannedText scanned(m.text);
    const qsizetype from = m['|'] >= 0 ? m['|'] : m['['];
    const qsizetype to = m['|'] >= 0 ? m['|'] : m[']'];
    const auto around = markupnav::elementAround(scanned, from, to);
    const QVector<Range> expected = m.expected();
    if (expected.isEmpty()) {
        QVERIFY(!around);
        return;
    }
    QVERIFY(around);
    QCOMPARE(*around, expected[0]);
}

void TestMarkupNav::openElement_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("name");
    QTest::newRow("legacy item") << "<ul><LI>a|"
                                 << "LI";
    QTest::newRow("spelled as its start tag") << "<Table><tr><td>x</td>|"
                                              << "tr";
    QTest::newRow("after a block end") << "<P>a<DIV>b</DIV>|"
                                       << "";
    QTest::newRow("script text") << "<SCRIPT>if (a<b) x|"
                                 << "SCRIPT";
    QTest::newRow("in a comment") << "<B><!-- x|"
                                  << "";
    QTest::newRow("in a tag") << "<B><I |"
                              << "";
    QTest::newRow("none open") << "<B>x</B>|"
                               << "";
    QTest::newRow("several lines up") << "<DIV>\n<B>x</B>\n<!-- y -->\n|"
                                      << "DIV";
}

// The element Close Element and "</" complete.
void TestMarkupNav::openElement()
{
    QFETCH(QString, text);
    QFETCH(QString, name);
    const Marked m(text);
    const ScannedText scanned(m.text);
    QCOMPARE(QString::fromUtf8(markupnav::openElementAt(scanned, m['|'])), name);
}

void TestMarkupNav::endTagToAdd_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("endTag");
    QTest::newRow("a start tag") << "<B>|"
                                 << "</B>";
    QTest::newRow("spelled as typed") << "<Td align=left>|"
                                      << "</Td>";
    QTest::newRow("an empty element") << "<BR>|"
                                      << "";
    QTest::newRow("an empty element with attributes") << "<IMG SRC=\"a.gif\">|"
                                                      << "";
    QTest::newRow("written as empty") << "<DIV/>|"
                                      << "";
    QTest::newRow("already followed by its end") << "<B>|</B>"
                                                 << "";
    QTest::newRow("closed further on") << "<P>|text</P>"
                                       << "";
    QTest::newRow("the end after belongs to another") << "<B>|<B>x</B>"
                                                      << "</B>";
    QTest::newRow("ended by an outer end tag") << "<TABLE><TR><TD>|</TABLE>"
                                               << "</TD>";
    QTest::newRow("an end tag") << "<B>x</B>|"
                                << "";
    QTest::newRow("in a comment") << "<!-- <B>| -->"
                                  << "";
    QTest::newRow("in script text") << "<SCRIPT>a<B>|</SCRIPT>"
                                    << "";
    QTest::newRow("the script itself") << "<SCRIPT>|"
                                       << "</SCRIPT>";
    QTest::newRow("a tag over lines") << "<TABLE\r\nBORDER=1>|"
                                      << "</TABLE>";
    QTest::newRow("a declaration") << "<!DOCTYPE html>|"
                                   << "";
}

// The end tag written after a typed ">".
void TestMarkupNav::endTagToAdd()
{
    QFETCH(QString, text);
    QFETCH(QString, endTag);
    const Marked m(text);
    const ScannedText scanned(m.text);
    QCOMPARE(QString::fromUtf8(markupnav::endTagToAdd(scanned, m['|']).value_or(QByteArray())),
             endTag);
}

QTEST_GUILESS_MAIN(TestMarkupNav)
#include "test_markupnav.moc"

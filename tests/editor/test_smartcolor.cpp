// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/smartcolor.h"

#include <QRandomGenerator>
#include <QtTest>

using smartcolor::Category;
using smartcolor::Span;

Q_DECLARE_METATYPE(smartcolor::Category)

namespace {

// One letter per category (Tables, Frames, Links, Comments, Other) in the
// expected colour maps below; "." is a position no span touches.
char letter(Category c)
{
    return "tflco"[int(c)];
}

// The final colours painted position by position, the slow and obvious way.
QByteArray paint(qsizetype size, const QVector<Span> &spans)
{
    QByteArray map(size, '.');
    for (const Span &s : spans) {
        for (qsizetype k = s.start; k < s.end(); ++k)
            map[k] = letter(s.category);
    }
    return map;
}

// The colouring rules read literally: 1-based positions, a search for each
// string, every category list tested with contains().
struct Reference
{
    QVector<Span> spans;
    qsizetype count = 0;
    qsizetype caret = 0;
};

Category referenceCategory(const QString &tag)
{
    static const QStringList tables{
        "<TABLE",  "<TD",  "<TR",  "<TFOOT",  "<THEAD",  "<COLGROUP",  "<COL", "<TH",    "<TBODY",
        "</TABLE", "</TD", "</TR", "</TFOOT", "</THEAD", "</COLGROUP", "</TH", "</TBODY"};
    static const QStringList frames{"<FRAMESET",  "<FRAME",   "<IFRAME",   "<NOFRAMES>",
                                    "</FRAMESET", "</IFRAME", "</NOFRAMES"};
    static const QStringList links{"<A ", "</A>"};
    const auto any = [&](const QStringList &list) {
        for (const QString &s : list) {
            if (tag.contains(s, Qt::CaseInsensitive))
                return true;
        }
        return false;
    };
    if (any(tables))
        return Category::Tables;
    if (any(frames))
        return Category::Frames;
    if (any(links))
        return Category::Links;
    return Category::Other;
}

Reference referenceScan(const QString &t, qsizetype colourStart, qsizetype colourLength,
                        qsizetype selStart)
{
    // InStr: 1-based, 0 when not found.
    const auto inStr = [&](qsizetype from, const QString &what) {
        return t.indexOf(what, from - 1) + 1;
    };
    Reference r;
    const bool whole = colourLength == 0;
    const qsizetype e = colourStart + colourLength;
    qsizetype pos = whole ? 1 : colourStart + 1;
    while (pos <= t.size()) {
        const qsizetype i = inStr(pos, "<");
        if (i == 0 || (!whole && i > e))
            break;
        ++r.count;
        const qsizetype j = inStr(i + 1, ">");
        if (j == 0 || (!whole && j > e))
            break;
        const QString tag = t.mid(i - 1, j - i + 1);
        pos = j + 1;
        r.spans.append({i - 1, j - i + 1, referenceCategory(tag)});
    }
    pos = whole ? 1 : colourStart + 1;
    while (pos <= t.size()) {
        const qsizetype n = inStr(pos, "<!--");
        if (n == 0 || (!whole && n > e))
            break;
        const qsizetype m = inStr(n + 1, "-->");
        // The comment, through its "-->", must lie within the range.
        if (m == 0 || (!whole && m + 2 > e))
            break;
        pos = m + 1;
        r.spans.append({n - 1, m - n + 3, Category::Comments});
    }
    const qsizetype current = r.spans.isEmpty() ? selStart : r.spans.last().start;
    if (whole)
        r.caret = selStart;
    else if (r.count == 1)
        r.caret = current + colourLength;
    else
        r.caret = current;
    r.caret = qBound<qsizetype>(0, r.caret, t.size());
    return r;
}

QString randomHtml(QRandomGenerator &rng, int tokens)
{
    static const char *const pieces[] = {
        "<",      ">",       "<!--",  "-->",        "<TD",       "<td>",   "</TR>",    "<A ",
        "<a",     "</A>",    "</a >", "<NOFRAMES>", "<NOFRAMES", "<FRAME", "</FRAME>", "<COLGROUP",
        "</COL>", "<TABLE>", "<B>",   "</B>",       "ABBR",      "x",      " ",        "\r\n",
        "\"",     "-",       "!",     "<IFRAME",    "<th",       "HREF=a", "<ABBR>",   "<A\r\n",
    };
    QString s;
    for (int k = 0; k < tokens; ++k)
        s += QLatin1String(pieces[rng.bounded(int(std::size(pieces)))]);
    return s;
}

} // namespace

class TestSmartColor : public QObject
{
    Q_OBJECT
private slots:
    void tagCategory_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<Category>("expected");
        QTest::newRow("table") << "<TABLE BORDER=1>" << Category::Tables;
        QTest::newRow("cell, lower case") << "<td align=center>" << Category::Tables;
        QTest::newRow("row end") << "</TR>" << Category::Tables;
        QTest::newRow("colgroup") << "<COLGROUP SPAN=2>" << Category::Tables;
        QTest::newRow("col end is not listed") << "</COL>" << Category::Other;
        QTest::newRow("TD in an attribute") << "<IMG ALT=\"<TD\">" << Category::Tables;
        QTest::newRow("tables beat frames") << "<FRAME NAME=\"<td\">" << Category::Tables;
        QTest::newRow("frameset") << "<FRAMESET ROWS=\"50%,*\">" << Category::Frames;
        QTest::newRow("frame end is not listed") << "</FRAME>" << Category::Other;
        QTest::newRow("noframes") << "<NOFRAMES>" << Category::Frames;
        QTest::newRow("noframes with a space") << "<NOFRAMES >" << Category::Other;
        QTest::newRow("frames beat links") << "<A HREF=\"<FRAME\">" << Category::Frames;
        QTest::newRow("link") << "<A HREF=\"page.htm\">" << Category::Links;
        QTest::newRow("link end") << "</A>" << Category::Links;
        QTest::newRow("link end with a space") << "</A >" << Category::Other;
        QTest::newRow("abbr") << "<ABBR>" << Category::Other;
        QTest::newRow("A then line break") << "<A\r\nHREF=x>" << Category::Other;
        QTest::newRow("comment up to a TD") << "<!-- <TD>" << Category::Tables;
        QTest::newRow("empty") << "" << Category::Other;
    }
    void tagCategory()
    {
        QFETCH(QString, tag);
        QFETCH(Category, expected);
        QCOMPARE(smartcolor::tagCategory(tag), expected);
        QCOMPARE(referenceCategory(tag), expected);
    }

    void wholeDocument_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("map");
        QTest::addColumn<qsizetype>("count");
        // clang-format off
        QTest::newRow("table")
            << "<TABLE><TR><TD>x</TD></TR></TABLE>"
            << QByteArray("ttttttttttttttt.tttttttttttttttttt") << qsizetype(6);
        QTest::newRow("link")
            << "<A HREF=\"a.htm\">link</A>"
            << QByteArray("llllllllllllllll....llll") << qsizetype(2);
        QTest::newRow("comment holding bold tags")
            << "a<!-- <B>b</B> -->c"
            << QByteArray(".ccccccccccccccccc.") << qsizetype(2);
        QTest::newRow("frameset")
            << "<FRAMESET><FRAME SRC=a></FRAMESET>"
            << QByteArray("ffffffffffffffffffffffffffffffffff") << qsizetype(3);
        QTest::newRow("noframes")
            << "<NOFRAMES>n</NOFRAMES><NOFRAMES >"
            << QByteArray("ffffffffff.fffffffffffooooooooooo") << qsizetype(3);
        QTest::newRow("abbr and A with a line break")
            << "<ABBR>x<A\r\nHREF=y>z</A>"
            << QByteArray("oooooo.ooooooooooo.llll") << qsizetype(3);
        QTest::newRow("colgroup")
            << "<COLGROUP><COL></COLGROUP>"
            << QByteArray("tttttttttttttttttttttttttt") << qsizetype(3);
        QTest::newRow("> inside a quoted value ends the tag")
            << "<IMG ALT=\"a>b\">"
            << QByteArray("oooooooooooo...") << qsizetype(1);
        QTest::newRow("comment with > inside")
            << "<!-- a > b -->"
            << QByteArray("cccccccccccccc") << qsizetype(1);
        QTest::newRow("< without > ends the tag pass")
            << "<B>b</B> 1 < 2"
            << QByteArray("ooo.oooo......") << qsizetype(3);
        QTest::newRow("comment pass runs after a lone <")
            << "<!-- c --> <"
            << QByteArray("cccccccccc..") << qsizetype(2);
        QTest::newRow("lone < swallowing a comment")
            << "x < y <!-- c -->"
            << QByteArray("..oooocccccccccc") << qsizetype(1);
        QTest::newRow("text only")
            << "plain text"
            << QByteArray("..........") << qsizetype(0);
        QTest::newRow("empty")
            << ""
            << QByteArray("") << qsizetype(0);
        // clang-format on
    }
    void wholeDocument()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, map);
        QFETCH(qsizetype, count);
        QCOMPARE(map.size(), text.size());
        const smartcolor::ScanResult r = smartcolor::scan(text, 0, 0, 1);
        QCOMPARE(paint(text.size(), r.spans), map);
        QCOMPARE(paint(text.size(), smartcolor::colourRuns(r.spans)), map);
        QCOMPARE(r.tagCount, count);
        QCOMPARE(r.caret, qMin<qsizetype>(1, text.size()));
    }

    void wholeDocumentKeepsCaret()
    {
        QCOMPARE(smartcolor::scan(u"<B></B>", 0, 0, 3).caret, 3);
        QCOMPARE(smartcolor::scan(u"<B></B>", 0, 0, 99).caret, 7);
    }

    void range_data()
    {
        QTest::addColumn<QString>("text"); // the document after the insertion
        QTest::addColumn<qsizetype>("start");
        QTest::addColumn<qsizetype>("length");
        QTest::addColumn<QByteArray>("map");
        QTest::addColumn<qsizetype>("count");
        QTest::addColumn<qsizetype>("caret");
        // selStart is start + length: the caret just after the inserted text.
        // clang-format off
        QTest::newRow("line break")
            << "ab<BR>cd" << qsizetype(2) << qsizetype(4)
            << QByteArray("..oooo..") << qsizetype(1) << qsizetype(6);
        QTest::newRow("empty pair: caret between the tags")
            << "ab<B></B>cd" << qsizetype(2) << qsizetype(7)
            << QByteArray("..ooooooo..") << qsizetype(2) << qsizetype(5);
        QTest::newRow("wrapped word: caret before the end tag")
            << "<B>word</B>" << qsizetype(0) << qsizetype(11)
            << QByteArray("ooo....oooo") << qsizetype(2) << qsizetype(7);
        QTest::newRow("text: caret after it")
            << "abtextcd" << qsizetype(2) << qsizetype(4)
            << QByteArray("........") << qsizetype(0) << qsizetype(6);
        QTest::newRow("tags outside the range untouched")
            << "<P>a<B>cd</B>e<P>" << qsizetype(4) << qsizetype(9)
            << QByteArray("....ooo..oooo....") << qsizetype(2) << qsizetype(9);
        QTest::newRow("one tag after text: past the end is cut")
            << "abtext<BR>" << qsizetype(2) << qsizetype(8)
            << QByteArray("......oooo") << qsizetype(1) << qsizetype(10);
        QTest::newRow("one tag after text: moved length past the tag")
            << "atext<BR>rest of the line" << qsizetype(1) << qsizetype(8)
            << QByteArray(".....oooo................") << qsizetype(1) << qsizetype(13);
        QTest::newRow("tag running past the range stops the scan")
            << "<B>x<I>y</I>" << qsizetype(0) << qsizetype(6)
            << QByteArray("ooo.........") << qsizetype(2) << qsizetype(0);
        QTest::newRow("comment running past the range")
            << "<!-- a -->" << qsizetype(0) << qsizetype(9)
            << QByteArray("..........") << qsizetype(1) << qsizetype(10);
        QTest::newRow("comment whose --> ends the range")
            << "x<!-- a -->" << qsizetype(1) << qsizetype(10)
            << QByteArray(".cccccccccc") << qsizetype(1) << qsizetype(11);
        QTest::newRow("lone < counts as the one tag")
            << "xa<by" << qsizetype(1) << qsizetype(3)
            << QByteArray(".....") << qsizetype(1) << qsizetype(5);
        QTest::newRow("range starting inside a tag")
            << "<TABLE>" << qsizetype(3) << qsizetype(4)
            << QByteArray(".......") << qsizetype(0) << qsizetype(7);
        QTest::newRow("range longer than the text")
            << "ab<TD>" << qsizetype(2) << qsizetype(50)
            << QByteArray("..tttt") << qsizetype(1) << qsizetype(6);
        // clang-format on
    }
    void range()
    {
        QFETCH(QString, text);
        QFETCH(qsizetype, start);
        QFETCH(qsizetype, length);
        QFETCH(QByteArray, map);
        QFETCH(qsizetype, count);
        QFETCH(qsizetype, caret);
        QCOMPARE(map.size(), text.size());
        const smartcolor::ScanResult r = smartcolor::scan(text, start, length, start + length);
        QCOMPARE(paint(text.size(), r.spans), map);
        QCOMPARE(r.tagCount, count);
        QCOMPARE(r.caret, caret);
    }

    void rangeOutsideText_data()
    {
        QTest::addColumn<qsizetype>("start");
        QTest::addColumn<qsizetype>("length");
        QTest::addColumn<qsizetype>("selStart");
        QTest::addColumn<qsizetype>("caret");
        QTest::newRow("start past the end")
            << qsizetype(40) << qsizetype(3) << qsizetype(43) << qsizetype(9);
        QTest::newRow("negative length")
            << qsizetype(2) << qsizetype(-5) << qsizetype(2) << qsizetype(2);
    }
    void rangeOutsideText()
    {
        QFETCH(qsizetype, start);
        QFETCH(qsizetype, length);
        QFETCH(qsizetype, selStart);
        QFETCH(qsizetype, caret);
        const smartcolor::ScanResult r = smartcolor::scan(u"<B>x</B>y", start, length, selStart);
        QVERIFY(r.spans.isEmpty());
        QCOMPARE(r.tagCount, 0);
        QCOMPARE(r.caret, caret);
    }

    void hugeLengthReachesTheEnd()
    {
        const smartcolor::ScanResult r =
            smartcolor::scan(u"<B>x</B>y", 4, std::numeric_limits<qsizetype>::max(), 4);
        QCOMPARE(paint(9, r.spans), QByteArray("....oooo."));
        QCOMPARE(r.caret, 9);
    }

    // Random documents and ranges against the rules read literally.
    void matchesLiteralRules()
    {
        QRandomGenerator rng(20240611);
        for (int round = 0; round < 3000; ++round) {
            const QString text = randomHtml(rng, 1 + rng.bounded(40));
            const qsizetype n = text.size();
            qsizetype start = 0;
            qsizetype length = 0;
            if (round % 4 != 0) {
                start = rng.bounded(int(n));
                length = 1 + rng.bounded(int(n - start));
            }
            const qsizetype selStart = rng.bounded(int(n + 1));
            const Reference ref = referenceScan(text, start, length, selStart);
            const smartcolor::ScanResult r = smartcolor::scan(text, start, length, selStart);
            const QByteArray context = QStringLiteral("text \"%1\" start %2 length %3")
                                           .arg(text)
                                           .arg(start)
                                           .arg(length)
                                           .toUtf8();
            QVERIFY2(r.spans == ref.spans, context);
            QVERIFY2(r.tagCount == ref.count, context);
            QVERIFY2(r.caret == ref.caret, context);
        }
    }

    void colourRuns_data()
    {
        QTest::addColumn<QVector<Span>>("spans");
        QTest::addColumn<QVector<Span>>("runs");
        using C = Category;
        QTest::newRow("comment over tags")
            << QVector<Span>{{0, 8, C::Other},
                             {8, 4, C::Other},
                             {14, 3, C::Tables},
                             {0, 16, C::Comments}}
            << QVector<Span>{{0, 16, C::Comments}, {16, 1, C::Tables}};
        QTest::newRow("comment inside a tag splits it")
            << QVector<Span>{{0, 20, C::Other}, {5, 6, C::Comments}}
            << QVector<Span>{{0, 5, C::Other}, {5, 6, C::Comments}, {11, 9, C::Other}};
    }
    void colourRuns()
    {
        QFETCH(QVector<Span>, spans);
        QFETCH(QVector<Span>, runs);
        QCOMPARE(smartcolor::colourRuns(spans), runs);
    }

    // Any order of spans: the runs must give what painting one by one gives.
    void colourRunsMatchPainting()
    {
        QRandomGenerator rng(7);
        for (int round = 0; round < 2000; ++round) {
            const int size = 1 + rng.bounded(60);
            QVector<Span> spans;
            const int count = rng.bounded(12);
            for (int k = 0; k < count; ++k) {
                const int start = rng.bounded(size);
                spans.append({start, rng.bounded(size - start + 1), Category(rng.bounded(5))});
            }
            const QVector<Span> runs = smartcolor::colourRuns(spans);
            QCOMPARE(paint(size, runs), paint(size, spans));
            for (qsizetype k = 0; k < runs.size(); ++k) {
                QVERIFY(runs[k].length > 0);
                if (k > 0) {
                    QVERIFY(runs[k].start >= runs[k - 1].end());
                    QVERIFY(runs[k].start > runs[k - 1].end() ||
                            runs[k].category != runs[k - 1].category);
                }
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestSmartColor)
#include "test_smartcolor.moc"

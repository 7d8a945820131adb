// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/markupscan.h"

#include <QtTest>

using markupscan::LineState;
using markupscan::Scanner;
using smartcolor::Category;

namespace {

// One letter per category, "." for plain text: position by position.
char letter(char paint)
{
    return paint == markupscan::Plain ? '.' : "tflco"[paint - 1];
}

// What SmartColor gives the whole text, per UTF-16 unit.
QByteArray expected(const QString &text)
{
    QByteArray map(text.size(), '.');
    for (const smartcolor::Span &run :
         smartcolor::colourRuns(smartcolor::scan(text, 0, 0, 0).spans)) {
        for (qsizetype k = run.start; k < run.end(); ++k)
            map[k] = letter(markupscan::paintOf(run.category));
    }
    return map;
}

// Byte paint of the UTF-8 text as a map per UTF-16 unit of text.
QByteArray perUnit(const QString &text, const QByteArray &paint)
{
    QByteArray map;
    qsizetype byte = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        map += letter(paint.at(byte));
        const char16_t c = text[i].unicode();
        byte += c < 0x80 ? 1 : c < 0x800 ? 2 : QChar::isSurrogate(c) ? 2 : 3;
    }
    return map;
}

// The UTF-16 index of the character at a UTF-8 offset of text.
qsizetype unitAt(const QString &text, qsizetype byteOffset)
{
    return QString::fromUtf8(text.toUtf8().left(byteOffset)).size();
}

// Offsets where lines start (after CR LF, LF or a lone CR), 0 first.
QVector<qsizetype> lineStarts(const QByteArray &bytes)
{
    QVector<qsizetype> starts{0};
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n' ||
            (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n')))
            starts << i + 1;
    }
    return starts;
}

} // namespace

class TestMarkupScan : public QObject
{
    Q_OBJECT
private slots:
    void paint_data();
    void paint();
    void resume_data() { paint_data(); }
    void resume();
    void lineState_data();
    void lineState();
};

void TestMarkupScan::paint_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("table") << "<TABLE><TR><TD>x</TD></TR></TABLE>";
    QTest::newRow("link, word black") << "a <A HREF=\"x.htm\">link</A> b";
    QTest::newRow("comment over tags") << "<P><!-- <B>x</B> --><I>";
    QTest::newRow("comment across lines") << "<!-- one\r\n<B>two</B>\r\nthree -->\r\n<P>";
    QTest::newRow("tag across lines takes a later category") << "<P\r\nclass=x\r\nalt=\"<TD\">x";
    QTest::newRow("tag open over many lines") << "<BR\na\nb\n<A \nc>d";
    QTest::newRow("unclosed tag stops the tags") << "<B>x</B> <I x\r\n y\r\n";
    QTest::newRow("unclosed comment, tags stay") << "<B>x</B><!-- a\n<TD>b\n";
    QTest::newRow("comment shares its dashes") << "<!-->x<!--->y<!-- -- >z-->";
    QTest::newRow("comment dashes on two lines") << "<!-- a -\n->b -->c";
    QTest::newRow("comment inside a tag") << "<P <!-- x --> y> z";
    QTest::newRow("A needs its space") << "<A\r\nHREF=x>y</A> <ABBR>";
    QTest::newRow("frames") << "<FRAMESET><FRAME SRC=a><NOFRAMES><NOFRAMES ></FRAMESET>";
    QTest::newRow("lone CR lines") << "<!-- a\r<B\rc -->\r<TD\r>";
    QTest::newRow("LF lines") << "<TABLE\n>\n<!--\n-->\n";
    QTest::newRow("non-ASCII text and names")
        << QString::fromUtf8("é<B>ü</B>€<FRAMEſET>😀<A\u00A0x></A>\U0001F600<T\u212A>");
    QTest::newRow("lower case") << "<table><td></td></table><a href=x>";
    QTest::newRow("stray >") << "> a > <B> >";
    QTest::newRow("empty") << "";
    QTest::newRow("only line ends") << "\r\n\r\n\n\r";
}

// One pass over the whole text gives SmartColor's colours.
void TestMarkupScan::paint()
{
    QFETCH(QString, text);
    const QByteArray bytes = text.toUtf8();
    Scanner scanner;
    scanner.scan(bytes.constData(), bytes.size());
    const QByteArray colours = expected(text);
    QCOMPARE(perUnit(text, scanner.takePaint()), colours);
    const QVector<int> states = scanner.takeLineStates();
    const QVector<qsizetype> starts = lineStarts(bytes);
    QCOMPARE(states.size(), starts.size() - 1);
    // A line start in a comment knows whether that comment ends: then it
    // is painted as one.
    for (qsizetype k = 0; k < states.size(); ++k) {
        const LineState state = LineState::unpacked(states[k]);
        if (state.inComment && starts[k + 1] < bytes.size())
            QCOMPARE(state.commentEnds, colours[unitAt(text, starts[k + 1])] == 'c');
    }
}

// Starting again at any line start with the state recorded there paints the
// rest of the text as the whole pass does, and scanning line by line gives
// the same states.
void TestMarkupScan::resume()
{
    QFETCH(QString, text);
    const QByteArray bytes = text.toUtf8();
    const QVector<qsizetype> starts = lineStarts(bytes);
    Scanner whole;
    whole.scan(bytes.constData(), bytes.size());
    const QByteArray paint = whole.takePaint();
    const QVector<int> states = QVector<int>{0} + whole.takeLineStates();
    QCOMPARE(states.size(), starts.size());

    Scanner byLine;
    for (qsizetype k = 0; k < starts.size(); ++k) {
        const qsizetype end = k + 1 < starts.size() ? starts[k + 1] : bytes.size();
        QVERIFY(byLine.state().sameScan(LineState::unpacked(states[k])));
        byLine.scan(bytes.constData() + starts[k], end - starts[k]);
    }
    QCOMPARE(byLine.takePaint(), paint);

    for (qsizetype k = 0; k < starts.size(); ++k) {
        Scanner rest(starts[k], LineState::unpacked(states[k]));
        rest.scan(bytes.constData() + starts[k], bytes.size() - starts[k]);
        QCOMPARE(rest.position(), bytes.size());
        QCOMPARE(rest.takePaint(), paint.mid(starts[k]));
    }
}

void TestMarkupScan::lineState_data()
{
    QTest::addColumn<bool>("inTag");
    QTest::addColumn<bool>("inComment");
    QTest::addColumn<bool>("commentEnds");
    QTest::addColumn<int>("category");
    for (int c = 0; c <= int(Category::Other); ++c) {
        for (int k = 0; k < 8; ++k) {
            QTest::addRow("tag %d comment %d ends %d category %d", k & 1, (k >> 1) & 1, k >> 2, c)
                << bool(k & 1) << bool(k & 2) << bool(k & 4) << c;
        }
    }
}

// A state survives being kept as a number; outside is 0, the category
// counts only inside a tag and the comment's end only inside a comment.
void TestMarkupScan::lineState()
{
    QFETCH(bool, inTag);
    QFETCH(bool, inComment);
    QFETCH(bool, commentEnds);
    QFETCH(int, category);
    LineState s;
    s.inTag = inTag;
    s.inComment = inComment;
    s.commentEnds = commentEnds;
    s.tagSoFar = Category(category);
    const LineState back = LineState::unpacked(s.packed());
    QCOMPARE(back.inTag, inTag);
    QCOMPARE(back.inComment, inComment);
    QCOMPARE(back.commentEnds, inComment && commentEnds);
    QVERIFY(back == s);
    QCOMPARE(s.packed() == 0, !inTag && !inComment);
    QCOMPARE(int(back.tagSoFar), inTag ? category : int(Category::Other));
    LineState other = back;
    other.commentEnds = !other.commentEnds;
    QVERIFY(other.sameScan(back));
}

QTEST_APPLESS_MAIN(TestMarkupScan)
#include "test_markupscan.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/htmleditor.h"
#include "editor/insertion.h"
#include "kernel/appstate.h"
#include "support/colours.h"

#include <QtTest>

namespace {
constexpr qint64 kTables = 8388736, kLinks = 8388608, kComments = 8421504, kOther = 32768;
using testcolours::coloursOf;

} // namespace

class TestInsertion : public QObject
{
    Q_OBJECT
private slots:
    void wholeDocument_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("pattern"); // T tables, L links, C comments, O other, . black
        QTest::newRow("table") << "<TABLE><TR><TD>x</TD></TR></TABLE>"
                               << "TTTTTTTTTTTTTTT.TTTTTTTTTTTTTTTTTT";
        QTest::newRow("link") << "<A HREF=\"a\">link</A>"
                              << "LLLLLLLLLLLL....LLLL";
        QTest::newRow("comment over tags") << "<!-- <B>x</B> -->"
                                           << "CCCCCCCCCCCCCCCCC";
        QTest::newRow("abbr is other") << "<ABBR>x"
                                       << "OOOOOO.";
        QTest::newRow("non-ascii text") << QString::fromUtf8("é<B>€</B>ü") << ".OOO.OOOO.";
    }
    void wholeDocument()
    {
        QFETCH(QString, text);
        QFETCH(QString, pattern);
        HtmlEditor e;
        AppState state;
        e.setDocumentText(text);
        e.colorRange(0, text.size(), kOther); // stale colours go first
        e.setSelStart(3);
        insertion::smartcolor(e, state);
        QVector<qint64> expected;
        for (QChar c : pattern) {
            expected << (c == u'T'   ? kTables
                         : c == u'L' ? kLinks
                         : c == u'C' ? kComments
                         : c == u'O' ? kOther
                                     : 0);
        }
        QCOMPARE(coloursOf(e), expected);
        QCOMPARE(e.selStart(), qsizetype(3)); // the caret returns
        QCOMPARE(state.colourLength, qsizetype(0));
    }

    void insertionCaret_data()
    {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("caret");
        QTest::newRow("bold, no selection") << ""
                                            << "<B>"
                                            << "</B>"
                                            << "ab<B></B>cd" << 5;
        QTest::newRow("bold around a word") << "XY"
                                            << "<B>"
                                            << "</B>"
                                            << "ab<B>XY</B>cd" << 7;
        QTest::newRow("line break replaces") << "XY"
                                             << "<BR>"
                                             << ""
                                             << "ab<BR>cd" << 6;
        QTest::newRow("plain text") << ""
                                    << "text"
                                    << ""
                                    << "abtextcd" << 6;
    }
    void insertionCaret()
    {
        QFETCH(QString, selected);
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(QString, result);
        QFETCH(int, caret);
        HtmlEditor e;
        AppState state;
        e.setDocumentText("ab" + selected + "cd");
        e.select(2, selected.size());
        insertion::wrapSelection(e, state, first, last);
        QCOMPARE(e.documentText(), result);
        QCOMPARE(e.selStart(), qsizetype(caret));
        QCOMPARE(e.selLength(), qsizetype(0));
        QVERIFY(state.undo.valid);
        QCOMPARE(state.undo.replacedText, selected);
        QCOMPARE(state.colourLength, qsizetype(0));
    }

    void undoRestoresSelectionInBlack()
    {
        HtmlEditor e;
        AppState state;
        e.setDocumentText("a word b");
        e.colorRange(2, 4, kLinks);
        e.select(2, 4);
        insertion::wrapSelection(e, state, "<BR>", "");
        QCOMPARE(e.documentText(), QStringLiteral("a <BR> b"));
        insertion::undo(e, state);
        QCOMPARE(e.documentText(), QStringLiteral("a word b"));
        QCOMPARE(e.colorAt(2), qint64(0));
        QCOMPARE(e.colorAt(5), qint64(0));
        QVERIFY(!state.undo.valid);
    }

    void secondUndoFallsThroughToEditorUndo()
    {
        HtmlEditor e;
        AppState state;
        e.setDocumentText("");
        insertion::insertFragment(e, state, "<P>");
        insertion::insertFragment(e, state, "<HR>");
        QCOMPARE(e.documentText(), QStringLiteral("<P><HR>"));
        insertion::undo(e, state); // removes <HR>
        QCOMPARE(e.documentText(), QStringLiteral("<P>"));
        insertion::undo(e, state); // the editor's own undo steps back further
        QVERIFY(e.documentText() != QStringLiteral("<P>"));
    }

    // Undo takes back the last change, whatever came between an insertion
    // and it: it never cuts text the insertion did not put there and never
    // brings undone text back. Keys: text types, "^" is Bold, "<" Left,
    // "H" Home, "E" End, "U" Up, "R" Right, "B" BackSpace, "D" Delete,
    // "\n" Enter, "z" one Undo.
    void undoNeverHarmsOtherText_data()
    {
        QTest::addColumn<bool>("colorOff");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");
        QTest::newRow("backspace after an insertion") << false << "XY\nTAIL|U|E|^|H|R|B|z"
                                                      << "XY<B></B>\r\nTAIL";
        QTest::newRow("delete after an insertion") << false << "XY|^|H|D|z"
                                                   << "XY<B></B>";
        QTest::newRow("typing after an insertion, colouring off")
            << true << "ZZZ|^|<|<|<|<|<|<|<|Q|z"
            << "ZZZ<B></B>";
        QTest::newRow("two insertions, two undos") << false << "ab|^|^|z|z"
                                                   << "ab";
        QTest::newRow("two insertions, two undos, colouring off") << true << "ab|^|^|z|z"
                                                                  << "ab";
        QTest::newRow("more undos than steps") << false << "|^|z|z|z"
                                               << "";
    }
    void undoNeverHarmsOtherText()
    {
        QFETCH(bool, colorOff);
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        HtmlEditor e;
        AppState state;
        state.colouringOff = colorOff;
        e.setDocumentText("");
        e.show();
        for (const QString &step : keys.split(u'|')) {
            if (step == u"^")
                insertion::wrapSelection(e, state, "<B>", "</B>");
            else if (step == u"z")
                insertion::undo(e, state);
            else if (step == u"<")
                QTest::keyClick(&e, Qt::Key_Left);
            else if (step == u"H")
                QTest::keyClick(&e, Qt::Key_Home);
            else if (step == u"E")
                QTest::keyClick(&e, Qt::Key_End);
            else if (step == u"U")
                QTest::keyClick(&e, Qt::Key_Up);
            else if (step == u"R")
                QTest::keyClick(&e, Qt::Key_Right);
            else if (step == u"B")
                QTest::keyClick(&e, Qt::Key_Backspace);
            else if (step == u"D")
                QTest::keyClick(&e, Qt::Key_Delete);
            else {
                const QStringList lines = step.split(u'\n');
                for (int i = 0; i < lines.size(); ++i) {
                    if (i > 0)
                        QTest::keyClick(&e, Qt::Key_Return);
                    QTest::keyClicks(&e, lines[i]);
                }
            }
        }
        QCOMPARE(e.documentText(), expected);
    }

    // The pasted range's lines take SmartColor's colours; other lines keep
    // theirs.
    void pasteColoursItsLines()
    {
        HtmlEditor e;
        AppState state;
        e.setDocumentText("<B>xy\r\n<I>");
        e.colorRange(0, e.characterLength(), kComments);
        e.setSelStart(4);
        insertion::paste(e, state, "<TABLE>z");
        QCOMPARE(e.documentText(), QStringLiteral("<B>x<TABLE>zy\r\n<I>"));
        QCOMPARE(e.colorAt(0), kOther);
        QCOMPARE(e.colorAt(3), qint64(0));
        QCOMPARE(e.colorAt(4), kTables);
        QCOMPARE(e.colorAt(10), kTables);
        QCOMPARE(e.colorAt(11), qint64(0));
        QCOMPARE(e.colorAt(15), kComments); // the next line: untouched
        QVERIFY(!state.undo.valid);
    }

    void colourSwitchOff()
    {
        HtmlEditor e;
        AppState state;
        state.colouringOff = true;
        e.setDocumentText("<B>x</B>");
        insertion::smartcolor(e, state);
        QCOMPARE(e.colorAt(0), qint64(0));
        insertion::insertFragment(e, state, "<I></I>");
        QCOMPARE(e.colorAt(0), qint64(0));
        QCOMPARE(e.selStart(), qsizetype(7));       // the caret stays after the text
        QCOMPARE(state.colourLength, qsizetype(7)); // kept for the next run
    }

    void fragmentsFollowTheDocumentsLineEnds()
    {
        HtmlEditor e;
        AppState state;
        e.setCrLf(false);
        insertion::insertFragment(e, state, "<UL>\r\n</UL>");
        QCOMPARE(e.documentText(), QStringLiteral("<UL>\n</UL>"));
        HtmlEditor crlf;
        insertion::insertFragment(crlf, state, "<UL>\r\n</UL>");
        QCOMPARE(crlf.documentText(), QStringLiteral("<UL>\r\n</UL>"));
    }

    // Every character the editor is given stays, NULs included: loading,
    // reading, selecting and replacing.
    void nulIsKept()
    {
        HtmlEditor e;
        const QString text = QStringLiteral("first line\n\0second\nthird\n");
        e.setDocumentText(text);
        QCOMPARE(e.characterLength(), qsizetype(25));
        QCOMPARE(e.documentText(), text);
        e.select(10, 3);
        QCOMPARE(e.selText(), QStringLiteral("\n\0s"));
        e.setSelText(QStringLiteral("<\0>"));
        QCOMPARE(e.documentText(), QStringLiteral("first line<\0>econd\nthird\n"));
        QCOMPARE(e.textRange(10, 4), QStringLiteral("<\0>e"));
        e.setDocumentText(QStringLiteral("\0<P>"));
        QCOMPARE(e.documentText(), QStringLiteral("\0<P>"));
    }

    // Past the last free style, styles whose colour no text shows any more
    // are used again; text keeps its colour whatever else is painted.
    void coloursNeverRunOutOfStyles()
    {
        HtmlEditor e;
        e.setDocumentText(QString(600, u'x'));
        auto colourOf = [](int i) { return qint64(0x010203 * (i + 1)) & 0xFFFFFF; };
        for (int i = 0; i < 230; ++i) // more than half the styles, each in use
            e.colorRange(i, 1, colourOf(i));
        e.colorRange(0, 200, 0); // 200 colours no longer shown
        for (int i = 230; i < 400; ++i)
            e.colorRange(i, 1, colourOf(i));
        for (int i = 0; i < 200; ++i)
            QCOMPARE(e.colorAt(i), qint64(0));
        for (int i = 200; i < 400; ++i)
            QCOMPARE(e.colorAt(i), colourOf(i));
    }

    void positionsAreCharacters()
    {
        HtmlEditor e;
        e.setDocumentText(QString::fromUtf8("€\r\nü<B>"));
        QCOMPARE(e.characterLength(), qsizetype(7));
        e.select(3, 1);
        QCOMPARE(e.selText(), QString::fromUtf8("ü"));
        QCOMPARE(e.findText("<b>", 0), qsizetype(4));
        QCOMPARE(e.findText("<b>", 0, -1, true), qsizetype(-1));
        QCOMPARE(e.textRange(3, 4), QString::fromUtf8("ü<B>"));
        // A position inside a surrogate pair stands for the pair's start.
        e.setDocumentText(QString::fromUtf8("a\U0001F600b"));
        QCOMPARE(e.characterLength(), qsizetype(4));
        e.setSelStart(2);
        QCOMPARE(e.selStart(), qsizetype(1));
        e.select(3, 1);
        QCOMPARE(e.selText(), QStringLiteral("b"));
        // Letters of any script match in any case; a match may lie across
        // the slices the text is read in.
        e.setDocumentText(QString::fromUtf8("xx caf\xC3\xA9 CAF\xC3\x89"));
        QCOMPARE(e.findText(QString::fromUtf8("\xC3\x89"), 0), qsizetype(6));
        QCOMPARE(e.findText(QString::fromUtf8("\xC3\x89"), 7), qsizetype(11));
        QCOMPARE(e.findText(QString::fromUtf8("\xC3\x89"), 7, 11), qsizetype(-1));
        // 65,532 bytes of two-byte letters: the match starts just before the
        // first slice ends.
        e.setDocumentText(QString(32766, u'\u00E9') + QStringLiteral("<Needle>"));
        QCOMPARE(e.findText("<needle>", 0), qsizetype(32766));
        QCOMPARE(e.selText(), QStringLiteral("<Needle>"));
    }
};

QTEST_MAIN(TestInsertion)
#include "test_insertion.moc"

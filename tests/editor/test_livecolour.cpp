// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/documentwindow.h"
#include "editor/htmleditor.h"
#include "editor/insertion.h"
#include "editor/smartcolor.h"
#include "kernel/appstate.h"
#include "support/scripteddialogs.h"
#include "support/typing.h"

#include <QtTest>

namespace {

// One letter per character: t f l c o for the five categories, "." black.
QString lettersOf(const HtmlEditor &e, const AppState &state)
{
    QString out;
    for (qsizetype i = 0; i < e.characterLength(); ++i) {
        const qint64 colour = e.colorAt(i);
        const auto at = std::find(state.colors.begin(), state.colors.end(), colour);
        out += at == state.colors.end() ? u'.' : QChar(u"tflco"[at - state.colors.begin()]);
    }
    return out;
}

// What a SmartColor run over the whole text gives.
QString smartcolorOf(const QString &text)
{
    QString out(text.size(), u'.');
    for (const smartcolor::Span &run :
         smartcolor::colourRuns(smartcolor::scan(text, 0, 0, 0).spans)) {
        for (qsizetype k = run.start; k < run.end(); ++k)
            out[k] = QChar(u"tflco"[int(run.category)]);
    }
    return out;
}

// The fold level of every line, brought up to date.
QVector<long> foldLevels(HtmlEditor &e)
{
    e.markup();
    QVector<long> levels;
    for (long line = 0; line < e.lines(); ++line)
        levels << e.SendScintilla(QsciScintillaBase::SCI_GETFOLDLEVEL, line);
    return levels;
}

} // namespace

class TestLiveColour : public QObject
{
    Q_OBJECT
private slots:
    void typing_data();
    void typing();
    void colouringOff();
};

void TestLiveColour::typing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("keys");
    const QString page = QStringLiteral("<HTML>\r\n<!-- head -->\r\n<P>one <B>two</B>\r\n"
                                        "<TABLE>\r\n<TR><TD>x</TD></TR>\r\n</TABLE>\r\n"
                                        "<!-- a <B>b</B>\r\nlong\r\ncomment -->\r\n<P>end</P>\r\n"
                                        "<B>after</B>\r\nthe end\r\n");
    const int end = int(page.size());
    const int inOne = int(page.indexOf(u"one")) + 3;
    QTest::newRow("a tag typed in text") << page << inOne << "<H1>title</H1>";
    QTest::newRow("a tag left open") << page << inOne << "<H1 class=x";
    QTest::newRow("a table tag over lines") << page << inOne << "<P\rclass=y\ralt=<TD>";
    QTest::newRow("a link") << page << inOne << "<A HREF=\"x.htm\">go</A>";
    QTest::newRow("a comment opened, later ones swallowed")
        << page << int(page.indexOf(u"<P>one")) << "<!-- new";
    QTest::newRow("a comment over lines, then closed") << page << inOne << "<!-- a\rb\rc -->";
    QTest::newRow("a comment typed at the end") << page << end << "<!-- x\r\r-->";
    QTest::newRow("deleting a comment's end")
        << page << int(page.indexOf(u"comment -->")) + 11 << "\b\b\b";
    QTest::newRow("deleting a tag's >") << page << int(page.indexOf(u"<B>")) + 3 << "\b";
    QTest::newRow("deleting a line end inside a comment")
        << page << int(page.indexOf(u"long")) << "\b\b";
    QTest::newRow("delete key joins a tag to the next")
        << page << int(page.indexOf(u"<B>")) + 2 << "\x7f";
    QTest::newRow("typing then undo") << page << inOne << "<TD\x1a\x1a";
    QTest::newRow("undo brings a comment's end back")
        << page << int(page.indexOf(u"comment -->")) + 11 << "\b\x1a";
    const QString open = QStringLiteral("<P>a</P>\r\n<!-- open\r\n<B>x</B>\r\n<P>y\r\n");
    QTest::newRow("typing below a comment that never ends")
        << open << int(open.size()) << "<I>z</I>\r<TD>";
    QTest::newRow("ending a comment opened lines above") << open << int(open.size()) << "-->";
    QTest::newRow("ending it, then taking the end back") << open << int(open.size()) << "-->\b\b";
    QTest::newRow("text typed inside a comment that ends")
        << page << int(page.indexOf(u"long")) << "more ";
    QTest::newRow("a tag typed inside a comment that ends")
        << page << int(page.indexOf(u"long")) << "<TD>";
    QTest::newRow("a block over lines") << page << inOne << "<DIV>\r\rx";
    QTest::newRow("an element left open") << page << inOne << "<DIV>\x7f\x7f\x7f\x7f\x7f\x7f\rmore";
    QTest::newRow("an end tag taken away")
        << page << int(page.indexOf(u"</TABLE>")) + 8 << "\b\b\b\b\b\b\b\b";
    QTest::newRow("an empty page") << QString() << 0 << "<B>x</B>\r<!--\r-->";
    QTest::newRow("lone < before text") << QStringLiteral("a b c\r\nd > e") << 2 << "<";
    QTest::newRow("non-ASCII around tags")
        << QString::fromUtf8("é <B>ü</B>\r\n€") << 1 << QString::fromUtf8("<I>😀</I>");
}

// Whatever is typed or deleted (end tags written for the typist
// included), the colours are those of a SmartColor run over the whole
// text.
void TestLiveColour::typing()
{
    QFETCH(QString, text);
    QFETCH(int, caret);
    QFETCH(QString, keys);
    AppState state;
    ScriptedDialogs dialogs;
    DocumentWindow window(DocumentWindow::Kind::Plain, state, dialogs);
    window.show();
    HtmlEditor *e = window.editor();
    e->setDocumentText(text);
    insertion::smartcolor(*e, state);
    QCOMPARE(lettersOf(*e, state), smartcolorOf(text));
    e->setSelStart(caret);
    typing::press(e, keys);
    QCOMPARE(lettersOf(*e, state), smartcolorOf(e->documentText()));
    // The fold levels too are those of the text scanned afresh.
    HtmlEditor fresh;
    fresh.setDocumentText(e->documentText());
    QCOMPARE(foldLevels(*e), foldLevels(fresh));
}

// With SmartColor off, edits keep the colours they had and the typing
// colour; the scan still follows, so switching it on colours edits right.
void TestLiveColour::colouringOff()
{
    AppState state;
    state.colouringOff = true;
    ScriptedDialogs dialogs;
    DocumentWindow window(DocumentWindow::Kind::Plain, state, dialogs);
    HtmlEditor *e = window.editor();
    e->setDocumentText(QStringLiteral("<P>a\r\nb</P>"));
    typing::press(e, QStringLiteral("<!-- c"));
    QCOMPARE(lettersOf(*e, state), QString(e->characterLength(), u'.'));
    state.colouringOff = false;
    e->setSelStart(e->characterLength());
    typing::press(e, QStringLiteral(" -->"));
    QCOMPARE(lettersOf(*e, state), smartcolorOf(e->documentText()));
}

QTEST_MAIN(TestLiveColour)
#include "test_livecolour.moc"

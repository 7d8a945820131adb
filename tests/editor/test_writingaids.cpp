// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/documentwindow.h"
#include "editor/htmleditor.h"
#include "editor/writingaids.h"
#include "kernel/appstate.h"
#include "support/scripteddialogs.h"
#include "support/typing.h"

#include <QAccessible>
#include <QListWidget>
#include <QtTest>

namespace {

using Sci = QsciScintillaBase;

// A document window with its text set from a marked text ("|" the caret).
struct Document
{
    AppState state;
    ScriptedDialogs dialogs;
    DocumentWindow window{DocumentWindow::Kind::Plain, state, dialogs};
    HtmlEditor *editor = window.editor();
    WritingAids *aids = WritingAids::of(*editor);

    explicit Document(const QString &marked = QString())
    {
        window.show();
        set(marked);
    }
    void set(const QString &marked)
    {
        QString text = marked;
        const qsizetype caret = text.indexOf(u'|');
        text.remove(u'|');
        editor->setDocumentText(text);
        editor->setSelStart(caret < 0 ? 0 : caret);
    }
    // The text with "|" at the caret, or "[" and "]" around the selection.
    QString marked() const
    {
        QString text = editor->documentText();
        const qsizetype start = editor->selStart();
        const qsizetype length = editor->selLength();
        if (length == 0)
            return text.insert(start, u'|');
        return text.insert(start + length, u']').insert(start, u'[');
    }
    QStringList listed() const
    {
        QStringList out;
        for (int row = 0; row < aids->completionList()->count(); ++row)
            out << aids->completionList()->item(row)->text();
        return out;
    }
    bool marks(qsizetype pos) const
    {
        return editor->SendScintilla(Sci::SCI_INDICATORVALUEAT, MatchingTagIndicator,
                                     long(editor->toBytes(pos))) != 0;
    }
};

} // namespace

class TestWritingAids : public QObject
{
    Q_OBJECT
private slots:
    void endTags_data();
    void endTags();
    void completionList();
    void completionFollowsTyping();
    void completionAfterAPause();
    void nothingToCompleteInComments();
    void matchingTagsMarked();
    void elementCommands();
    void folding();
};

void TestWritingAids::endTags_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("autoClose");
    QTest::addColumn<QString>("result");
    QTest::newRow("a start tag") << "|"
                                 << "<B>" << true << "<B>|</B>";
    QTest::newRow("lower case") << "|"
                                << "<b>" << true << "<b>|</b>";
    QTest::newRow("an empty element") << "|"
                                      << "<BR>" << true << "<BR>|";
    QTest::newRow("already closed") << "|</B>"
                                    << "<B>" << true << "<B>|</B>";
    QTest::newRow("setting off") << "|"
                                 << "<B>" << false << "<B>|";
    QTest::newRow("undo takes the end tag first") << "|"
                                                  << "<B>\x1a" << true << "<B>|";
    QTest::newRow("</ finishes the open element") << "<UL><LI>x|"
                                                  << "</" << true << "<UL><LI>x</LI>|";
    QTest::newRow("</ with the setting off") << "<UL><LI>x|"
                                             << "</" << false << "<UL><LI>x</|";
    QTest::newRow("</ before an end tag's name") << "<B>x|B>"
                                                 << "</" << true << "<B>x</|B>";
    QTest::newRow("</ in a comment") << "<B><!-- |"
                                     << "</" << true << "<B><!-- </|";
}

// End tags written as the start tag's ">" and as "</" are typed.
void TestWritingAids::endTags()
{
    QFETCH(QString, text);
    QFETCH(QString, keys);
    QFETCH(bool, autoClose);
    QFETCH(QString, result);
    Document doc(text);
    doc.state.autoClose = autoClose;
    typing::press(doc.editor, keys);
    QCOMPARE(doc.marked(), result);
}

// Ctrl+Space's list: read by screen readers, obsolete entries marked,
// Enter takes an entry as one undo step, Escape closes it.
void TestWritingAids::completionList()
{
    Document doc(QStringLiteral("<P><|"));
    doc.state.upperCaseTags = false;
    QListWidget *list = doc.aids->completionList();
    QVERIFY(doc.aids->complete());
    QVERIFY(list->isVisible());
    QCOMPARE(list->accessibleName(), QStringLiteral("Completions"));
    QVERIFY(doc.listed().contains("table"));
    const QListWidgetItem *center = list->findItems("center", Qt::MatchExactly).value(0);
    QVERIFY(center);
    QCOMPARE(center->data(Qt::AccessibleTextRole).toString(),
             QStringLiteral("center, obsolete in HTML 5"));
    QVERIFY(center->foreground().color() != list->item(0)->foreground().color());
    QTest::keyClick(doc.editor, Qt::Key_Escape);
    QVERIFY(!list->isVisible());
    QCOMPARE(doc.marked(), QStringLiteral("<P><|"));

    typing::press(doc.editor, QStringLiteral("TAB"));
    QVERIFY(doc.aids->complete());
    QCOMPARE(doc.listed().first(), QStringLiteral("TABLE"));
    QTest::keyClick(doc.editor, Qt::Key_Return);
    QVERIFY(!list->isVisible());
    QCOMPARE(doc.marked(), QStringLiteral("<P><TABLE|"));
    QTest::keyClick(doc.editor, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(doc.editor->documentText(), QStringLiteral("<P><TAB"));

    // An attribute with values offers them next; Tab takes one.
    doc.set(QStringLiteral("<TD VAL|"));
    QVERIFY(doc.aids->complete());
    QTest::keyClick(doc.editor, Qt::Key_Tab);
    QCOMPARE(doc.marked(), QStringLiteral("<TD VALIGN=\"|\""));
    QVERIFY(list->isVisible());
    QTest::keyClick(doc.editor, Qt::Key_Down);
    QTest::keyClick(doc.editor, Qt::Key_Tab);
    QCOMPARE(doc.marked(), QStringLiteral("<TD VALIGN=\"MIDDLE|\""));
}

// The list narrows as letters are typed and goes when nothing fits.
void TestWritingAids::completionFollowsTyping()
{
    Document doc(QStringLiteral("&|"));
    QListWidget *list = doc.aids->completionList();
    QVERIFY(doc.aids->complete());
    const int all = list->count();
    typing::press(doc.editor, QStringLiteral("eu"));
    QVERIFY(list->isVisible());
    QVERIFY(list->count() < all);
    QVERIFY(doc.listed().first().startsWith(QLatin1String("euml")));
    typing::press(doc.editor, QStringLiteral("\b"));
    QTest::qWait(0);
    QVERIFY(list->isVisible());
    typing::press(doc.editor, QStringLiteral("qq"));
    QVERIFY(!list->isVisible());
}

// Without Ctrl+Space the list comes once typing pauses.
void TestWritingAids::completionAfterAPause()
{
    Document doc;
    typing::press(doc.editor, QStringLiteral("<h"));
    QTRY_VERIFY_WITH_TIMEOUT(doc.aids->completionList()->isVisible(), 60000);
    QVERIFY(doc.listed().contains(QStringLiteral("hr")));
}

void TestWritingAids::nothingToCompleteInComments()
{
    Document doc(QStringLiteral("<!-- <ta|"));
    QVERIFY(!doc.aids->complete());
    doc.set(QStringLiteral("<SCRIPT>if (a <b|"));
    QVERIFY(!doc.aids->complete());
    QVERIFY(!doc.aids->completionList()->isVisible());
}

// The tag at the caret and its match are marked once the caret rests; a
// tag the markup does not pair marks nothing.
void TestWritingAids::matchingTagsMarked()
{
    Document doc(QStringLiteral("<DIV><B>x</B></DIV>\r\n<P>a<P>b"));
    const auto markedNow = [&doc] {
        QString got;
        for (qsizetype pos = 0; pos < doc.editor->characterLength(); ++pos)
            got += doc.marks(pos) ? u'x' : u' ';
        return got.trimmed();
    };
    doc.editor->setSelStart(7); // in <B>
    QTRY_VERIFY_WITH_TIMEOUT(doc.marks(5), 60000);
    QCOMPARE(markedNow(), QStringLiteral("xxx xxxx"));
    // Typed into, the tag no longer matches: no mark is left behind.
    typing::press(doc.editor, QStringLiteral("i"));
    QTRY_VERIFY_WITH_TIMEOUT(markedNow().isEmpty(), 60000);
    typing::press(doc.editor, QStringLiteral("\b"));
    doc.editor->setSelStart(18); // in </DIV>
    QTRY_VERIFY_WITH_TIMEOUT(doc.marks(0), 60000);
    QCOMPARE(markedNow(), QStringLiteral("xxxxx        xxxxxx"));
    doc.editor->setSelStart(22); // in the first <P>
    QTRY_VERIFY_WITH_TIMEOUT(!doc.marks(0), 60000);
    QCOMPARE(markedNow(), QString());
}

// Go to Matching Tag, Select Element (twice) and Close Element.
void TestWritingAids::elementCommands()
{
    Document doc(QStringLiteral("<DIV><B>|x</B></DIV>"));
    QVERIFY(doc.aids->goToMatchingTag());
    QCOMPARE(doc.marked(), QStringLiteral("<DIV><B>x|</B></DIV>"));
    QVERIFY(doc.aids->goToMatchingTag());
    QCOMPARE(doc.marked(), QStringLiteral("<DIV>|<B>x</B></DIV>"));
    doc.editor->setSelStart(8);
    QVERIFY(doc.aids->selectElement());
    QCOMPARE(doc.marked(), QStringLiteral("<DIV>[<B>x</B>]</DIV>"));
    QVERIFY(doc.aids->selectElement());
    QCOMPARE(doc.marked(), QStringLiteral("[<DIV><B>x</B></DIV>]"));
    QVERIFY(!doc.aids->selectElement());

    doc.set(QStringLiteral("<P>a<P>b|"));
    QVERIFY(!doc.aids->goToMatchingTag());
    QVERIFY(doc.aids->closeElement());
    QCOMPARE(doc.marked(), QStringLiteral("<P>a<P>b</P>|"));
    QVERIFY(!doc.aids->closeElement());
}

// Fold levels follow the elements; the commands fold and unfold them.
void TestWritingAids::folding()
{
    Document doc(QStringLiteral("<HTML>\r\n<BODY>\r\n<TABLE>\r\n<TR><TD>|x</TD></TR>\r\n"
                                "</TABLE>\r\n<!-- a\r\nb -->\r\n</BODY>\r\n</HTML>\r\n"));
    HtmlEditor *e = doc.editor;
    e->markup();
    QVector<int> depths;
    QVector<int> heads;
    for (long line = 0; line < e->lines(); ++line) {
        const long level = e->SendScintilla(Sci::SCI_GETFOLDLEVEL, line);
        depths << int((level & Sci::SC_FOLDLEVELNUMBERMASK) - Sci::SC_FOLDLEVELBASE);
        if (level & Sci::SC_FOLDLEVELHEADERFLAG)
            heads << int(line);
    }
    QCOMPARE(depths, QVector<int>({0, 1, 2, 3, 3, 2, 3, 2, 1, 0}));
    QCOMPARE(heads, QVector<int>({0, 1, 2, 5}));

    const auto visible = [e](long line) {
        return e->SendScintilla(Sci::SCI_GETLINEVISIBLE, line) != 0;
    };
    doc.aids->foldHere(true); // the caret's line is in TABLE
    QVERIFY(!visible(3) && !visible(4) && visible(5));
    QCOMPARE(e->SendScintilla(Sci::SCI_LINEFROMPOSITION, e->caretByte()), 2L);
    doc.aids->foldHere(false);
    QVERIFY(visible(3) && visible(4));
    doc.aids->foldEverything(true);
    QVERIFY(visible(0) && !visible(1) && !visible(9 - 1));
    doc.aids->foldEverything(false);
    for (long line = 0; line < e->lines(); ++line)
        QVERIFY(visible(line));
}

QTEST_MAIN(TestWritingAids)
#include "test_writingaids.moc"

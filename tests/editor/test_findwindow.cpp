// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/findwindow.h"
#include "editor/htmleditor.h"
#include "editor/insertion.h"
#include "support/colours.h"
#include "support/fakeworkbench.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

#define FIND(type, var, parent, name)                                                              \
    auto *var = (parent)->findChild<type *>(QStringLiteral(name));                                 \
    QVERIFY2(var, name)

namespace {
constexpr qint64 kTables = 8388736;
using namespace testcolours;

// Opens the window and waits until it is on the screen, laid out.
FindWindow *openShown(Workbench &wb, bool replace)
{
    FindWindow *w = FindWindow::open(wb, replace);
    if (!QTest::qWaitForWindowExposed(w))
        qWarning("the Find window was not shown");
    return w;
}

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The window's controls, found by their object names.
struct Controls
{
    QLineEdit *text1 = nullptr, *text2 = nullptr;
    QCheckBox *check1 = nullptr, *check2 = nullptr;
    QPushButton *findNext = nullptr, *replaceAll = nullptr, *done = nullptr;
    QLabel *label1 = nullptr;

    explicit Controls(QWidget *w)
        : text1(w->findChild<QLineEdit *>(QStringLiteral("Text1"))),
          text2(w->findChild<QLineEdit *>(QStringLiteral("Text2"))),
          check1(w->findChild<QCheckBox *>(QStringLiteral("Check1"))),
          check2(w->findChild<QCheckBox *>(QStringLiteral("Check2"))),
          findNext(w->findChild<QPushButton *>(QStringLiteral("Command2"))),
          replaceAll(w->findChild<QPushButton *>(QStringLiteral("Command1"))),
          done(w->findChild<QPushButton *>(QStringLiteral("Command3"))),
          label1(w->findChild<QLabel *>(QStringLiteral("Label1")))
    {
    }
    bool complete() const
    {
        return text1 && text2 && check1 && check2 && findNext && replaceAll && done && label1;
    }
    // Typed where the test's keyboard can type it.
    static void enter(QLineEdit *edit, const QString &text)
    {
        edit->clear();
        bool ascii = true;
        for (const QChar ch : text)
            ascii = ascii && ch.unicode() < 0x80;
        if (ascii)
            QTest::keyClicks(edit, text);
        else
            edit->insert(text);
    }
    void type(const QString &find) const { enter(text1, find); }
    void replaceWith(const QString &text) const
    {
        if (!check2->isChecked())
            QTest::mouseClick(check2, Qt::LeftButton);
        enter(text2, text);
    }
    void clickFindNext() const { QTest::mouseClick(findNext, Qt::LeftButton); }
    void clickReplaceAll() const { QTest::mouseClick(replaceAll, Qt::LeftButton); }
};

} // namespace

class TestFindWindow : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { flushDeletes(); }

    void opensForFinding()
    {
        FakeWorkbench wb;
        FindWindow *w = FindWindow::open(wb, false);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        const Controls c(w);
        QVERIFY(c.complete());
        QCOMPARE(w->objectName(), QStringLiteral("Form25"));
        QCOMPARE(w->windowTitle(), QStringLiteral("Find"));
        QCOMPARE(c.findNext->text(), QStringLiteral("&Find Next"));
        QCOMPARE(c.replaceAll->text(), QStringLiteral("&Replace All"));
        QCOMPARE(c.done->text(), QStringLiteral("&Done"));
        QCOMPARE(c.check1->text(), QStringLiteral("&Match Case"));
        QCOMPARE(c.check2->text(), QStringLiteral("Replace &With:"));
        QCOMPARE(c.text1->accessibleName(), QStringLiteral("Text To Find:"));
        QCOMPARE(c.label1->text(), QStringLiteral("-1"));
        QVERIFY(!c.label1->isVisible());
        QVERIFY(!c.check2->isChecked());
        QVERIFY(!c.text2->isEnabled());
        QCOMPARE(c.text2->palette().color(QPalette::Base), QColor(0xC0, 0xC0, 0xC0));
        QVERIFY(!c.replaceAll->isEnabled());
        // Centred on the screen.
        const QPoint centre = w->screen()->geometry().center();
        const QPoint offset = w->frameGeometry().center() - centre;
        QVERIFY2(qAbs(offset.x()) <= 2 && qAbs(offset.y()) <= 2,
                 qPrintable(QStringLiteral("%1,%2 off").arg(offset.x()).arg(offset.y())));

        QTest::mouseClick(c.check2, Qt::LeftButton);
        QVERIFY(c.text2->isEnabled());
        QCOMPARE(c.text2->palette().color(QPalette::Base), QColor(Qt::white));
        QVERIFY(c.replaceAll->isEnabled());
        QTest::mouseClick(c.check2, Qt::LeftButton);
        QVERIFY(!c.text2->isEnabled());
        QVERIFY(!c.replaceAll->isEnabled());
    }

    void opensForReplacing()
    {
        FakeWorkbench wb;
        FindWindow *w = FindWindow::open(wb, true);
        const Controls c(w);
        QVERIFY(c.complete());
        QVERIFY(c.check2->isChecked());
        QVERIFY(c.text2->isEnabled());
        QCOMPARE(c.text2->palette().color(QPalette::Base), QColor(Qt::white));
        QVERIFY(c.replaceAll->isEnabled());
        // Find while the window is open keeps replacing on.
        QCOMPARE(FindWindow::open(wb, false), w);
        QVERIFY(c.check2->isChecked());
    }

    void mainWindowHeldWhileOpen_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("Done") << false;
        QTest::newRow("close box") << true;
    }
    void mainWindowHeldWhileOpen()
    {
        QFETCH(bool, closeBox);
        FakeWorkbench wb;
        wb.main.show();
        FindWindow *w = FindWindow::open(wb, true);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QVERIFY(!wb.main.isEnabled());
        QVERIFY(w->isEnabled()); // usable although its parent is disabled
        Controls c(w);
        QVERIFY(c.text1->isEnabled());
        QVERIFY(c.findNext->isEnabled());
        QPointer<FindWindow> guard(w);
        if (closeBox)
            w->close();
        else
            QTest::mouseClick(c.done, Qt::LeftButton);
        QVERIFY(wb.main.isEnabled());
        flushDeletes();
        QVERIFY(!guard); // gone: the next opening starts afresh
        FindWindow *again = FindWindow::open(wb, false);
        const Controls fresh(again);
        QVERIFY(!fresh.check2->isChecked());
        QCOMPARE(fresh.label1->text(), QStringLiteral("-1"));
        QVERIFY(fresh.text1->text().isEmpty());
    }

    void findNextWalksTheMatches()
    {
        FakeWorkbench wb;
        wb.editor->setDocumentText(QStringLiteral("one two one"));
        const Controls c(openShown(wb, false));
        c.type(QStringLiteral("one"));
        const QList<qsizetype> expected{0, 8, -1, 0};
        for (const qsizetype at : expected) {
            if (at < 0)
                QTest::keyClick(c.text1, Qt::Key_Return); // Find Next is the default button
            else
                c.clickFindNext();
            QCOMPARE(c.label1->text(), QString::number(at));
            if (at >= 0) {
                QCOMPARE(wb.editor->selStart(), at);
                QCOMPARE(wb.editor->selLength(), qsizetype(3));
            }
        }
        QCOMPARE(wb.scripted.messages(), QStringList{QStringLiteral("Text Not Found")});
        QCOMPARE(wb.editor->documentText(), QStringLiteral("one two one"));
    }

    void changingTheSearchStartsAtTheTop()
    {
        FakeWorkbench wb;
        wb.editor->setDocumentText(QStringLiteral("ab ab ab"));
        const Controls c(openShown(wb, false));
        c.type(QStringLiteral("ab"));
        c.clickFindNext();
        c.clickFindNext();
        QCOMPARE(c.label1->text(), QStringLiteral("3"));
        QTest::keyClick(c.text1, Qt::Key_Backspace); // "a"
        QCOMPARE(c.text1->text(), QStringLiteral("a"));
        QCOMPARE(c.label1->text(), QStringLiteral("-1"));
        c.clickFindNext();
        QCOMPARE(wb.editor->selStart(), qsizetype(0));
        c.clickFindNext();
        QTest::mouseClick(c.check1, Qt::LeftButton); // Match Case resets too
        QCOMPARE(c.label1->text(), QStringLiteral("-1"));
        c.clickFindNext();
        QCOMPARE(wb.editor->selStart(), qsizetype(0));
        QVERIFY(wb.scripted.messages().isEmpty());
    }

    void matchCase_data()
    {
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<qsizetype>("found");
        QTest::newRow("any case") << false << qsizetype(4);
        QTest::newRow("matching case") << true << qsizetype(16);
    }
    void matchCase()
    {
        QFETCH(bool, matchCase);
        QFETCH(qsizetype, found);
        FakeWorkbench wb;
        wb.editor->setDocumentText(QStringLiteral("The TABLE and a table"));
        const Controls c(openShown(wb, false));
        if (matchCase)
            QTest::mouseClick(c.check1, Qt::LeftButton);
        c.type(QStringLiteral("table"));
        c.clickFindNext();
        QCOMPARE(wb.editor->selStart(), found);
        QCOMPARE(wb.editor->selText(), wb.editor->documentText().mid(found, 5));
    }

    void findNextOnTheActiveDocument()
    {
        FakeWorkbench wb;
        wb.editor->setDocumentText(QStringLiteral("xx cat"));
        HtmlEditor other(&wb.main);
        other.setDocumentText(QStringLiteral("cat"));
        const Controls c(openShown(wb, false));
        c.type(QStringLiteral("cat"));
        c.clickFindNext();
        QCOMPARE(wb.editor->selStart(), qsizetype(3));
        wb.editor = &other;
        c.type(QStringLiteral("cat"));
        c.clickFindNext();
        QCOMPARE(other.selStart(), qsizetype(0));
        QCOMPARE(other.selLength(), qsizetype(3));
        wb.editor = nullptr;
        c.clickFindNext(); // no document: nothing happens
        c.clickReplaceAll();
        QVERIFY(wb.scripted.messages().isEmpty());
    }

    void findNextReplaces()
    {
        FakeWorkbench wb;
        wb.appState.colouringOff = true;
        wb.editor->setDocumentText(QStringLiteral("a <b>x</b> b"));
        wb.editor->colorRange(2, 3, kRed);
        const Controls c(openShown(wb, true));
        c.type(QStringLiteral("B"));
        c.replaceWith(QStringLiteral("strong"));
        c.clickFindNext();
        QCOMPARE(wb.editor->documentText(), QStringLiteral("a <strong>x</b> b"));
        QCOMPARE(wb.editor->colorAt(3), kRed); // the colour of the replaced text
        QCOMPARE(wb.editor->selStart(), qsizetype(9));
        QCOMPARE(c.label1->text(), QStringLiteral("3"));
        c.clickFindNext();
        QCOMPARE(wb.editor->documentText(), QStringLiteral("a <strong>x</strong> b"));
    }

    void replaceAllWithNothingToFind()
    {
        FakeWorkbench wb;
        wb.editor->setDocumentText(QStringLiteral("abc"));
        const Controls c(openShown(wb, true));
        c.replaceWith(QStringLiteral("x"));
        c.clickReplaceAll();
        c.clickFindNext();
        QCOMPARE(wb.editor->documentText(), QStringLiteral("abc"));
        QVERIFY(wb.scripted.asked.isEmpty());
    }

    void replaceAll_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("find");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<qsizetype>("caret");
        QTest::newRow("nothing found") << "abc"
                                       << "z"
                                       << "x"
                                       << "abc" << qsizetype(1);
        QTest::newRow("replacement holds the find text") << "ab x ab"
                                                         << "ab"
                                                         << "abab"
                                                         << "abab x abab" << qsizetype(11);
        QTest::newRow("any case, shorter") << "One one ONE."
                                           << "one"
                                           << "1"
                                           << "1 1 1." << qsizetype(5);
        QTest::newRow("to nothing") << "a<B>b<B>c"
                                    << "<b>"
                                    << ""
                                    << "abc" << qsizetype(2);
        QTest::newRow("non-ascii") << "é€x€ü"
                                   << "€"
                                   << "😀"
                                   << "é😀x😀ü" << qsizetype(6);
    }
    void replaceAll()
    {
        QFETCH(QString, text);
        QFETCH(QString, find);
        QFETCH(QString, replacement);
        QFETCH(QString, expected);
        QFETCH(qsizetype, caret);
        FakeWorkbench wb;
        wb.editor->setDocumentText(text);
        wb.editor->setSelStart(1);
        const Controls c(openShown(wb, true));
        c.type(find);
        c.clickFindNext(); // Replace All neither uses nor moves the search position
        const QString position = c.label1->text();
        wb.editor->setDocumentText(text);
        wb.editor->setSelStart(1);
        wb.scripted.asked.clear();
        c.replaceWith(replacement);
        c.clickReplaceAll();
        QCOMPARE(wb.editor->documentText(), expected);
        QCOMPARE(wb.editor->selStart(), caret);
        QCOMPARE(wb.scripted.messages(), QStringList{QStringLiteral("Replacements Complete")});
        QCOMPARE(c.label1->text(), position);
    }

    void replaceAllIsOneUndoStep()
    {
        FakeWorkbench wb;
        HtmlEditor &e = *wb.editor;
        e.setDocumentText(QStringLiteral("cat dog cat dog cat"));
        e.setSelStart(0);
        e.setSelText(QStringLiteral("my "));
        const QString before = e.documentText();
        const Controls c(openShown(wb, true));
        c.type(QStringLiteral("cat"));
        c.replaceWith(QStringLiteral("bird"));
        c.clickReplaceAll();
        QCOMPARE(e.documentText(), QStringLiteral("my bird dog bird dog bird"));
        e.undo();
        QCOMPARE(e.documentText(), before);
        e.redo();
        QCOMPARE(e.documentText(), QStringLiteral("my bird dog bird dog bird"));
    }

    // An insertion's undo record describes positions that a replacement
    // before it moves; Undo must then fall to the editor's own undo.
    void replacingForgetsTheUndoRecord_data()
    {
        QTest::addColumn<bool>("all");
        QTest::newRow("Replace All") << true;
        QTest::newRow("Find Next replacing") << false;
    }
    void replacingForgetsTheUndoRecord()
    {
        QFETCH(bool, all);
        FakeWorkbench wb;
        HtmlEditor &e = *wb.editor;
        e.setDocumentText(QStringLiteral("long words here"));
        e.setSelStart(15);
        insertion::insertFragment(e, wb.appState, QStringLiteral("<BR>"));
        QVERIFY(wb.appState.undo.valid);
        const Controls c(openShown(wb, true));
        c.type(QStringLiteral("long words"));
        c.replaceWith(QStringLiteral("w"));
        if (all)
            c.clickReplaceAll();
        else
            c.clickFindNext();
        const QString replaced = QStringLiteral("w here<BR>");
        QCOMPARE(e.documentText(), replaced);
        QVERIFY(!wb.appState.undo.valid);
        insertion::undo(e, wb.appState);
        QCOMPARE(e.documentText(), QStringLiteral("long words here<BR>"));
    }

    void replaceAllRecolours()
    {
        FakeWorkbench wb;
        wb.editor->setDocumentText(QStringLiteral("<B>x</B>"));
        insertion::smartcolor(*wb.editor, wb.appState);
        wb.appState.colourStart = 1; // a pending range must not narrow the colouring
        wb.appState.colourLength = 1;
        const Controls c(openShown(wb, true));
        c.type(QStringLiteral("B"));
        c.replaceWith(QStringLiteral("TD"));
        c.clickReplaceAll();
        QCOMPARE(wb.editor->documentText(), QStringLiteral("<TD>x</TD>"));
        QCOMPARE(coloursOf(*wb.editor),
                 (QVector<qint64>{kTables, kTables, kTables, kTables, 0, kTables, kTables, kTables,
                                  kTables, kTables}));
    }

    // With SmartColor off the text keeps its colours; a replacement takes
    // the colour of the first character of the match it replaces.
    void replaceAllKeepsColoursWhenSmartColorIsOff_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("find");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<QString>("expectedPattern");
        QTest::newRow("longer") << "ab-ab-ab"
                                << "RB.BR.RR"
                                << "ab"
                                << "xyz"
                                << "RRR.BBB.RRR";
        QTest::newRow("non-ascii around") << "é€ab€ü"
                                          << "RBBRBR"
                                          << "€"
                                          << "ÿ€"
                                          << "RBBBRBBR";
        QTest::newRow("deleting") << "xaay"
                                  << "RBRB"
                                  << "a"
                                  << ""
                                  << "RB";
    }
    void replaceAllKeepsColoursWhenSmartColorIsOff()
    {
        QFETCH(QString, text);
        QFETCH(QString, pattern);
        QFETCH(QString, find);
        QFETCH(QString, replacement);
        QFETCH(QString, expectedPattern);
        FakeWorkbench wb;
        wb.appState.colouringOff = true;
        wb.editor->setDocumentText(text);
        for (qsizetype i = 0; i < pattern.size(); ++i)
            wb.editor->colorRange(i, 1, colours(pattern.mid(i, 1)).constFirst());
        const Controls c(openShown(wb, true));
        c.type(find);
        c.replaceWith(replacement);
        c.clickReplaceAll();
        QCOMPARE(coloursOf(*wb.editor), colours(expectedPattern));
    }
};

QTEST_MAIN(TestFindWindow)
#include "test_findwindow.moc"

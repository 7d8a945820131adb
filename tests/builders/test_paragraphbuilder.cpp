// SPDX-License-Identifier: GPL-3.0-or-later
#include "builders/paragraphbuilder.h"
#include "support/fakeworkbench.h"
#include "support/gui.h"
#include "support/paragraphhtml.h"

#include <QComboBox>
#include <QFile>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

namespace {

using paragraphhtml::font;
const QString &kHead = paragraphhtml::Head;
const QString &kTail = paragraphhtml::Tail;

// Chooses an item with the arrow keys, as a keyboard user does.
void choose(QComboBox *combo, const QString &item)
{
    combo->setFocus();
    const int target = combo->findText(item);
    QVERIFY(target >= 0);
    while (combo->currentIndex() < target)
        QTest::keyClick(combo, Qt::Key_Down);
    while (combo->currentIndex() > target)
        QTest::keyClick(combo, Qt::Key_Up);
}

} // namespace

class TestParagraphBuilder : public QObject
{
    Q_OBJECT
private slots:
    void formatsThroughTheToolbar()
    {
        FakeWorkbench bench;
        bench.appState.fontList = {"Arial", "Courier New", "Times New Roman"};
        ParagraphBuilder *builder = gui::open<ParagraphBuilder>(bench);
        QVERIFY(QTest::qWaitForWindowExposed(builder));
        QCOMPARE(builder->objectName(), QStringLiteral("Form10"));
        QCOMPARE(builder->windowTitle(), QStringLiteral("Paragraph Builder"));
        FIND(QTextEdit, editor, builder, "Text1");
        FIND(QComboBox, sizes, builder, "Combo1");
        FIND(QComboBox, names, builder, "Combo2");
        FIND(QAbstractButton, bulletButton, builder, "Command5");
        QCOMPARE(bulletButton->text(), QString(QChar(0x2022)));
        QCOMPARE(names->count(), 3);
        QCOMPARE(sizes->currentText(), QStringLiteral("12"));
        QCOMPARE(names->currentText(), QStringLiteral("Times New Roman"));

        QTest::keyClicks(editor, "Hello ");
        gui::click(builder, "Command1"); // B
        QVERIFY(editor->hasFocus());
        QTest::keyClicks(editor, "world");
        gui::click(builder, "Command1");
        // Right alignment shows in the editor but writes no tag.
        gui::click(builder, "Command8");
        QVERIFY(!editor->textCursor().hasSelection());
        QCOMPARE(editor->textCursor().blockFormat().alignment() & Qt::AlignRight, Qt::AlignRight);
        gui::click(builder, "Command6"); // left

        QTest::keyClick(editor, Qt::Key_Return);
        gui::click(builder, "Command7"); // centre
        QTest::keyClicks(editor, "Mid");
        QTest::keyClick(editor, Qt::Key_Home, Qt::ShiftModifier);
        choose(names, "Arial");
        QVERIFY(editor->hasFocus());
        QTest::keyClick(editor, Qt::Key_End);
        QTest::keyClick(editor, Qt::Key_Return);

        choose(names, "Times New Roman");
        gui::click(builder, "Command6"); // left
        gui::click(builder, "Command5"); // bullet
        choose(sizes, "24");
        QTest::keyClicks(editor, "Big");
        QTest::keyClick(editor, Qt::Key_Home, Qt::ShiftModifier);
        bench.scripted.answerColour(255);
        gui::click(builder, "Command9"); // Font Color
        QVERIFY(editor->hasFocus());

        gui::click(builder, "Command12"); // OK
        QCOMPARE(bench.editor->documentText(),
                 kHead + font("12", "3") + "Hello <B>world</B><BR>\r\n<CENTER></FONT>" +
                     font("12", "3", "#000000", "Arial") + "Mid<BR>\r\n</CENTER><UL><LI></FONT>" +
                     font("24", "6", "#FF0000") + "Big</UL></FONT>" + kTail);
        QCOMPARE(bench.scripted.unexpected, 0);
    }

    void opensTextFiles()
    {
        QTemporaryDir site;
        QFile rtf(site.filePath("Notes.RTF"));
        QVERIFY(rtf.open(QIODevice::WriteOnly));
        rtf.write("{\\rtf1{\\qr{\\b Right}\\tab side\\par}\\pard{\\*\\pn\\pnlvlblt}\\qc Item}");
        rtf.close();

        FakeWorkbench bench;
        bench.appState.siteFilePath = site.path();
        ParagraphBuilder *builder = gui::open<ParagraphBuilder>(bench);
        QVERIFY(QTest::qWaitForWindowExposed(builder));
        FIND(QTextEdit, editor, builder, "Text1");
        QTest::keyClicks(editor, "kept");
        bench.scripted.answer(QString()); // cancelled
        gui::click(builder, "Command11");
        QCOMPARE(editor->toPlainText(), QStringLiteral("kept"));

        bench.scripted.answer(rtf.fileName());
        gui::click(builder, "Command11");
        QCOMPARE(bench.scripted.asked.last().folder, site.path());
        QCOMPARE(bench.scripted.asked.last().filter,
                 QStringLiteral("Rich Text Files (*.rtf)|*.rtf|Text Files (*.txt)|*.txt"));
        QCOMPARE(editor->toPlainText(), QStringLiteral("Rightside\nItem"));
        QCOMPARE(editor->textCursor().position(), 0);
        QVERIFY(editor->hasFocus());

        builder->accept();
        QCOMPARE(bench.editor->documentText(), kHead + "<B>" + font("12", "3") +
                                                   "Right</B>side<BR>\r\n<CENTER><UL><LI>Item" +
                                                   "</CENTER></UL></FONT>" + kTail);
    }
};

QTEST_MAIN(TestParagraphBuilder)
#include "test_paragraphbuilder.moc"

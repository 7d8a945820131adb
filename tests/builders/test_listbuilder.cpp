// SPDX-License-Identifier: GPL-3.0-or-later
#include "builders/listbuilder.h"
#include "support/fakeworkbench.h"
#include "support/gui.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QTableWidget>

namespace {

void clickCell(QTableWidget *grid, int row, int column)
{
    const QRect rect = grid->visualRect(grid->model()->index(row, column));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, rect.center());
}

} // namespace

class TestListBuilder : public QObject
{
    Q_OBJECT
private slots:
    void kindsRowsTypeAndColours()
    {
        FakeWorkbench wb;
        wb.editor->setDocumentText(QStringLiteral("before|after"));
        wb.editor->select(6, 1);
        QPointer<ListBuilder> builder = gui::open<ListBuilder>(wb);
        QVERIFY(QTest::qWaitForWindowExposed(builder));
        QCOMPARE(builder->objectName(), QStringLiteral("Form9"));
        QCOMPARE(builder->windowTitle(), QStringLiteral("The List Builder"));
        FIND(QTableWidget, grid, builder, "Grid1");
        FIND(QLineEdit, editor, builder, "Text1");
        FIND(QListWidget, type, builder, "List1");
        FIND(QLabel, typeName, builder, "Label4");
        FIND(QLabel, flag, builder, "Label5");
        QCOMPARE(grid->rowCount(), 1);
        QCOMPARE(grid->columnWidth(0), 240);
        QVERIFY(type->isVisible());
        QCOMPARE(typeName->text(), QStringLiteral("Regular Numbers"));
        QCOMPARE(flag->text(), QStringLiteral("No Colors Set"));

        // A definition list has two columns and no Type; the items stay.
        QTest::keyClicks(editor, QStringLiteral("one"));
        gui::click(builder, "Option1");
        QCOMPARE(grid->columnCount(), 2);
        QCOMPARE(grid->columnWidth(0), 80);
        QCOMPARE(grid->columnWidth(1), 160);
        QVERIFY(!type->isVisible());
        gui::click(builder, "Option2");
        QCOMPARE(grid->columnCount(), 1);
        QVERIFY(type->isVisible());

        // Rows never go below one.
        gui::spin(builder, "SpinButton1", true);
        QCOMPARE(grid->rowCount(), 2);
        gui::spin(builder, "SpinButton1", false);
        gui::spin(builder, "SpinButton1", false);
        QCOMPARE(grid->rowCount(), 1);
        QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("one"));
        gui::spin(builder, "SpinButton1", true);
        clickCell(grid, 1, 0);
        QTest::keyClicks(editor, QStringLiteral("two"));

        // Colouring the second item puts every item into FONT.
        wb.scripted.answerColour(255);
        gui::click(builder, "Command3");
        QCOMPARE(flag->text(), QStringLiteral("Using Selected Colors"));
        QCOMPARE(grid->item(1, 0)->foreground().color(), QColor(255, 0, 0));
        QCOMPARE(editor->palette().color(QPalette::Text), QColor(255, 0, 0));

        type->setCurrentRow(3);
        QCOMPARE(typeName->text(), QStringLiteral("Small Roman Numerals"));
        gui::type(builder, "Text3", QStringLiteral("4"));
        gui::click(builder, "Command1");
        gui::flushDeletes();
        QVERIFY(!builder);
        QVERIFY(wb.main.isEnabled());
        QCOMPARE(wb.editor->documentText(),
                 QStringLiteral("before<!--Beginning of List-->\r\n<OL START=4 TYPE=i>\r\n"
                                "<FONT COLOR=#000000><LI>one</FONT>\r\n"
                                "<FONT COLOR=#FF0000><LI>two</FONT>\r\n"
                                "</OL>\r\n<!--End Of List-->\r\nafter"));
        QCOMPARE(wb.scripted.asked.size(), 1);
        QCOMPARE(wb.scripted.unexpected, 0);
    }
};

QTEST_MAIN(TestListBuilder)
#include "test_listbuilder.moc"

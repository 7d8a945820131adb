// SPDX-License-Identifier: GPL-3.0-or-later
#include "builders/formbuilder.h"
#include "builders/forminput.h"
#include "builders/listboxbuilder.h"
#include "support/fakeworkbench.h"
#include "support/gui.h"
#include "widgets/listgrid.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QTableWidget>

namespace {

void clickCell(ListGrid *grid, int row, int column)
{
    QTableWidget *table = grid->table();
    const QRect rect = table->visualRect(table->model()->index(row, column));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, rect.center());
}

QStringList labels(QWidget *page)
{
    QStringList out;
    for (const QLabel *label : page->findChildren<QLabel *>())
        out << QString(label->text()).remove(u'&'); // mnemonics are checked elsewhere
    return out;
}

} // namespace

class TestFormBuilders : public QObject
{
    Q_OBJECT
private slots:
    void formBuilder()
    {
        FakeWorkbench bench;
        FormBuilder *dialog = gui::open<FormBuilder>(bench);
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QCOMPARE(dialog->objectName(), QStringLiteral("Form11"));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Form Builder"));
        FIND(QListWidget, method, dialog, "List1");
        QCOMPARE(method->count(), 2);
        QVERIFY(method->selectedItems().isEmpty());

        gui::type(dialog, "Text1", "send.pl");
        QTest::mouseClick(method->viewport(), Qt::LeftButton, {},
                          method->visualItemRect(method->item(1)).center());
        gui::type(dialog, "Combo1", "_top");
        gui::click(dialog, "Command1");
        QCOMPARE(bench.editor->documentText(),
                 QStringLiteral("<!-- Begin Form -->\r\n"
                                "<FORM ACTION=\"send.pl\" METHOD=POST TARGET=\"_top\">\r\n"
                                "\r\n\r\n</FORM>\r\n<!-- Form End -->\r\n"));
        QVERIFY(bench.main.isEnabled());
    }

    void formInput()
    {
        FakeWorkbench bench;
        FormInput *dialog = gui::open<FormInput>(bench);
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QCOMPARE(dialog->objectName(), QStringLiteral("Form23"));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Form Input"));
        QStringList captions;
        for (int i = 1; i <= 9; ++i) {
            auto *option = dialog->findChild<QRadioButton *>(QStringLiteral("Option%1").arg(i));
            QVERIFY(option);
            captions << option->text();
        }
        QCOMPARE(captions, (QStringList{"Chec&kbox", "&Hidden", "&Image", "&Password", "&Radio",
                                        "R&eset", "&Submit", "&Text", "Textbo&x"}));
        FIND(QWidget, checkboxPage, dialog, "Frame1");
        FIND(QWidget, passwordPage, dialog, "Frame4");
        FIND(QWidget, textPage, dialog, "Frame8");
        QVERIFY(checkboxPage->isVisible());
        QVERIFY(!textPage->isVisible());
        QCOMPARE(labels(passwordPage),
                 (QStringList{"Name", "Width (in Characters)", "Maximun Length", "Value"}));
        QCOMPARE(labels(textPage),
                 (QStringList{"Name", "Width (In Characters)", "Maximum Length", "Value"}));

        // A name typed on another page is not written.
        gui::type(dialog, "Text1", "unused");
        gui::click(dialog, "Option8");
        QVERIFY(textPage->isVisible());
        QVERIFY(!checkboxPage->isVisible());
        gui::type(dialog, "Text18", "q");
        gui::type(dialog, "Text19", "20");
        gui::click(dialog, "Command1");
        QCOMPARE(bench.editor->documentText(),
                 QStringLiteral("<INPUT TYPE=\"TEXT\" NAME=\"q\" SIZE=\"20\">"));
    }

    void listboxBuilder()
    {
        FakeWorkbench bench;
        ListboxBuilder *dialog = gui::open<ListboxBuilder>(bench);
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QCOMPARE(dialog->objectName(), QStringLiteral("Form24"));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Listbox Builder"));
        FIND(QComboBox, size, dialog, "Combo1");
        QCOMPARE(size->currentText(), QStringLiteral("1"));
        QCOMPARE(size->count(), 10);
        ListGrid *grid = dialog->grid();
        QCOMPARE(grid->rowCount(), 1);
        QCOMPARE(grid->table()->columnWidth(0), 167); // 2500 twips
        QCOMPARE(grid->table()->columnWidth(1), 85);  // 1270 twips, rounded
        FIND(QLineEdit, editor, dialog, "Text3");

        gui::type(dialog, "Text1", "colour");
        clickCell(grid, 0, 0);
        QTest::keyClicks(editor, "Red");
        clickCell(grid, 0, 1);
        QTest::keyClicks(editor, "r");
        gui::spin(dialog, "SpinButton1", true);
        QCOMPARE(grid->rowCount(), 2);
        clickCell(grid, 1, 0);
        QTest::keyClicks(editor, "Green");
        clickCell(grid, 1, 1);
        QTest::keyClicks(editor, "g");
        gui::spin(dialog, "SpinButton1", true);
        gui::spin(dialog, "SpinButton1", false);
        QCOMPARE(grid->rowCount(), 2);
        gui::type(dialog, "Combo1", "2");
        gui::click(dialog, "Check1");
        gui::click(dialog, "Command1");
        QCOMPARE(bench.editor->documentText(),
                 QStringLiteral("<SELECT NAME=\"colour\" SIZE=\"2\" MULTIPLE>\r\n"
                                "<OPTION VALUE=\"r\">Red\r\n<OPTION VALUE=\"g\">Green\r\n"
                                "</SELECT>\r\n"));
    }
};

QTEST_MAIN(TestFormBuilders)
#include "test_formbuilders.moc"

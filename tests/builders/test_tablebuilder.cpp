// SPDX-License-Identifier: GPL-3.0-or-later
#include "builders/tablebuilder.h"
#include "builders/tablegridmodel.h"
#include "support/fakeworkbench.h"
#include "support/gui.h"
#include "widgets/colourfield.h"
#include "widgets/spinarrows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>

namespace {

const QString exampleCell = QStringLiteral("<TD WIDTH=126.666666666667 ALIGN=LEFT VALIGN=TOP>\r\n"
                                           "<FONT SIZE=3>\r\n%1\r\n</FONT>\r\n</TD>\r\n");

QString cellText(const QTableView *grid, int row, int column)
{
    return grid->model()->index(row, column).data().toString();
}

void clickCell(QTableView *grid, int row, int column)
{
    const QRect rect = grid->visualRect(grid->model()->index(row, column));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, rect.center());
}

void typeInCell(TableBuilder *builder, int row, int column, const QString &text)
{
    auto *grid = builder->findChild<QTableView *>(QStringLiteral("Grid1"));
    auto *editor = builder->findChild<QPlainTextEdit *>(QStringLiteral("Text1"));
    clickCell(grid, row, column);
    QTest::keyClicks(editor, text);
}

using gui::click;
using gui::flushDeletes;
using gui::spin;

} // namespace

class TestTableBuilder : public QObject
{
    Q_OBJECT
private slots:
    // The grid's model shows the table it edits and follows its rows and
    // columns; a picture goes with its cell.
    void gridModelFollowsTheTable_data()
    {
        QTest::addColumn<QString>("steps"); // r+ r- c+ c-: add or remove a row or column
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("columns");
        QTest::addColumn<bool>("pictureKept"); // the one shown in cell (1, 1)
        QTest::newRow("as made") << "" << 2 << 2 << true;
        QTest::newRow("a row more") << "r+" << 3 << 2 << true;
        QTest::newRow("a column more") << "c+" << 2 << 3 << true;
        QTest::newRow("its row removed") << "r-" << 1 << 2 << false;
        QTest::newRow("its column removed") << "c-" << 2 << 1 << false;
        QTest::newRow("never below one") << "r- r- c- c-" << 1 << 1 << false;
        QTest::newRow("removed and added again") << "r- r+" << 2 << 2 << false;
    }
    void gridModelFollowsTheTable()
    {
        QFETCH(QString, steps);
        QFETCH(int, rows);
        QFETCH(int, columns);
        QFETCH(bool, pictureKept);
        tablebuilder::TableOptions table;
        TableGridModel model(table, QFont(QStringLiteral("Times New Roman")));
        table.cells[1][1].text = QStringLiteral("cell");
        QPixmap picture(4, 4);
        picture.fill(Qt::red);
        model.setPicture(1, 1, QIcon(picture));
        for (const QString &step : steps.split(u' ', Qt::SkipEmptyParts)) {
            if (step == u"r+")
                model.addRow();
            else if (step == u"r-")
                model.removeRow();
            else if (step == u"c+")
                model.addColumn();
            else
                model.removeColumn();
        }
        QCOMPARE(model.rowCount(), rows);
        QCOMPARE(model.columnCount(), columns);
        QCOMPARE(table.rowCount(), rows);
        QCOMPARE(table.columnCount(), columns);
        const QModelIndex cell = model.index(1, 1);
        QCOMPARE(!cell.data(Qt::DecorationRole).value<QIcon>().isNull(), pictureKept);
        QCOMPARE(cell.data().toString(), pictureKept ? QStringLiteral("cell") : QString());
    }

    void gridModelShowsCells_data()
    {
        QTest::addColumn<qint64>("backColor");
        QTest::addColumn<float>("points");
        QTest::addColumn<bool>("background");
        QTest::addColumn<double>("drawnPoints");
        QTest::newRow("no colour") << qint64(0) << 12.0f << false << 12.0;
        QTest::newRow("chosen black") << qint64(1) << 8.0f << true << 8.0;
        QTest::newRow("huge size") << qint64(255) << 1000.0f << true << 200.0;
        QTest::newRow("no number")
            << qint64(0) << std::numeric_limits<float>::quiet_NaN() << false << 12.0;
    }
    void gridModelShowsCells()
    {
        QFETCH(qint64, backColor);
        QFETCH(float, points);
        QFETCH(bool, background);
        QFETCH(double, drawnPoints);
        tablebuilder::TableOptions table;
        tablebuilder::TableCell &c = table.cells[0][1];
        c.backColor = backColor;
        c.fontSize = points;
        c.textColor = 255;
        c.imageName = QStringLiteral("logo.gif");
        TableGridModel model(table, QFont(QStringLiteral("Times New Roman")));
        const QModelIndex index = model.index(0, 1);
        QCOMPARE(index.data(Qt::BackgroundRole).isValid(), background);
        if (background)
            QCOMPARE(index.data(Qt::BackgroundRole).value<QColor>(), formkit::toQColor(backColor));
        QCOMPARE(index.data(Qt::FontRole).value<QFont>().pointSizeF(), drawnPoints);
        QCOMPARE(index.data(Qt::ForegroundRole).value<QColor>(), QColor(255, 0, 0));
        QCOMPARE(index.data(Qt::ToolTipRole).toString(), QStringLiteral("logo.gif"));
        QVERIFY(!model.index(0, 0).data(Qt::ToolTipRole).isValid());
    }

    void exampleTableThroughTheGrid()
    {
        FakeWorkbench wb;
        TableBuilder *builder = gui::open<TableBuilder>(wb);
        QVERIFY(QTest::qWaitForWindowExposed(builder));
        QCOMPARE(builder->objectName(), QStringLiteral("Form1"));
        QCOMPARE(builder->windowTitle(), QStringLiteral("The Table Builder"));
        FIND(QPlainTextEdit, editor, builder, "Text1");
        QVERIFY(!editor->isVisible());

        typeInCell(builder, 0, 0, "a");
        QVERIFY(editor->isVisible());
        typeInCell(builder, 0, 1, "b");
        typeInCell(builder, 1, 0, "c");
        typeInCell(builder, 1, 1, "d");
        click(builder, "Command3");

        const QString expected = QStringLiteral("\n<!-- Beginning of Table -->\r\n"
                                                "<TABLE CELLPADDING=3 CELLSPACING=2>\r\n<TR>\r\n") +
                                 exampleCell.arg("a") + exampleCell.arg("b") +
                                 QStringLiteral("</TR>\r\n<TR>\r\n") + exampleCell.arg("c") +
                                 exampleCell.arg("d") +
                                 QStringLiteral("</TR>\r\n</TABLE>\r\n<!-- End Of Table -->\r\n");
        QCOMPARE(wb.editor->documentText(), expected);
        QCOMPARE(wb.scripted.asked.size(), 0);
    }

    void finishing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("retain");
        QTest::addColumn<bool>("inserts");
        QTest::newRow("OK, retained") << "ok" << true << true;
        QTest::newRow("OK, discarded") << "ok" << false << true;
        QTest::newRow("Cancel, retained") << "cancel" << true << false;
        QTest::newRow("Cancel, discarded") << "cancel" << false << false;
        QTest::newRow("Escape") << "escape" << false << false;
        QTest::newRow("close button") << "close" << true << false;
    }
    void finishing()
    {
        QFETCH(QString, how);
        QFETCH(bool, retain);
        QFETCH(bool, inserts);
        FakeWorkbench wb;
        wb.editor->setDocumentText(QStringLiteral("before|after"));
        wb.editor->select(6, 1);

        QPointer<TableBuilder> builder = gui::open<TableBuilder>(wb);
        QVERIFY(builder->isVisible());
        QVERIFY(!wb.main.isEnabled());
        QVERIFY(builder->isEnabled()); // a child window of the disabled main window
        FIND(QCheckBox, retainBox, builder, "Check1");
        QVERIFY(retainBox->isChecked());
        retainBox->setChecked(retain);
        typeInCell(builder, 0, 0, "x");

        if (how == "ok")
            click(builder, "Command3");
        else if (how == "cancel")
            click(builder, "Command4");
        else if (how == "escape")
            QTest::keyClick(builder, Qt::Key_Escape);
        else
            builder->close();

        QVERIFY(wb.main.isEnabled());
        flushDeletes();
        QCOMPARE(!builder.isNull(), retain);
        if (builder)
            QVERIFY(!builder->isVisible());
        const QString text = wb.editor->documentText();
        if (inserts) {
            QVERIFY(text.startsWith(QStringLiteral("before\n<!-- Beginning of Table -->")));
            QVERIFY(text.endsWith(QStringLiteral("<!-- End Of Table -->\r\nafter")));
            QVERIFY(text.contains(QStringLiteral("\r\nx\r\n</FONT>")));
        } else {
            QCOMPARE(text, QStringLiteral("before|after"));
        }
    }

    void retainedContentsComeBack()
    {
        FakeWorkbench wb;
        TableBuilder *first = gui::open<TableBuilder>(wb);
        typeInCell(first, 0, 0, "kept");
        spin(first, "SpinButton1", true);
        FIND(QLineEdit, title, first, "Text9");
        QTest::keyClicks(title, "T");
        click(first, "Command4");
        flushDeletes();

        TableBuilder *again = gui::open<TableBuilder>(wb);
        QCOMPARE(again, first);
        QVERIFY(!wb.main.isEnabled());
        FIND(QTableView, grid, again, "Grid1");
        FIND(QLabel, rows, again, "Label14");
        QCOMPARE(cellText(grid, 0, 0), QStringLiteral("kept"));
        QCOMPARE(rows->text(), QStringLiteral("3"));
        QCOMPARE(title->text(), QStringLiteral("T"));

        // Unchecked, the builder goes and the next one starts afresh.
        FIND(QCheckBox, retainBox, again, "Check1");
        retainBox->setChecked(false);
        QPointer<TableBuilder> gone = again;
        click(again, "Command4");
        flushDeletes();
        QVERIFY(gone.isNull());

        TableBuilder *fresh = gui::open<TableBuilder>(wb);
        FIND(QTableView, freshGrid, fresh, "Grid1");
        FIND(QLabel, freshRows, fresh, "Label14");
        QCOMPARE(cellText(freshGrid, 0, 0), QString());
        QCOMPARE(freshRows->text(), QStringLiteral("2"));
        QCOMPARE(wb.editor->documentText(), QString());
    }

    void spinArrows_data()
    {
        QTest::addColumn<QString>("spinName");
        QTest::addColumn<QString>("countName");
        QTest::addColumn<bool>("rows");
        QTest::newRow("rows") << "SpinButton1"
                              << "Label14" << true;
        QTest::newRow("columns") << "SpinButton2"
                                 << "Label15" << false;
    }
    void spinArrows()
    {
        QFETCH(QString, spinName);
        QFETCH(QString, countName);
        QFETCH(bool, rows);
        FakeWorkbench wb;
        TableBuilder *builder = gui::open<TableBuilder>(wb);
        FIND(QTableView, grid, builder, "Grid1");
        auto *count = builder->findChild<QLabel *>(countName);
        QVERIFY(count);
        const QByteArray name = spinName.toLatin1();
        auto gridCount = [&] {
            return rows ? grid->model()->rowCount() : grid->model()->columnCount();
        };

        typeInCell(builder, 0, 0, "first");
        typeInCell(builder, 1, 1, "last");
        spin(builder, name, true);
        QCOMPARE(count->text(), QStringLiteral("3"));
        QCOMPARE(gridCount(), 3);
        QVERIFY(!builder->findChild<QPlainTextEdit *>(QStringLiteral("Text1"))->isVisible());
        for (int i = 0; i < 4; ++i)
            spin(builder, name, false);
        QCOMPARE(count->text(), QStringLiteral("1"));
        QCOMPARE(gridCount(), 1);
        spin(builder, name, true);
        QCOMPARE(gridCount(), 2);
        QCOMPARE(cellText(grid, 1, 1), QString()); // the removed cell does not come back
        if (!rows)
            QCOMPARE(grid->columnWidth(1), 127); // 1900 twips

        click(builder, "Command3");
        const QString text = wb.editor->documentText();
        QCOMPARE(text.count(QStringLiteral("<TR>")), 2);
        QCOMPARE(text.count(QStringLiteral("<TD ")), 4);
        QVERIFY(text.contains(QStringLiteral("\r\nfirst\r\n")));
        QVERIFY(!text.contains(QStringLiteral("last")));
    }

    void textColor_data()
    {
        QTest::addColumn<bool>("uncheckInBetween");
        QTest::newRow("red stays") << false;
        QTest::newRow("unchecking makes all black") << true;
    }
    void textColor()
    {
        QFETCH(bool, uncheckInBetween);
        FakeWorkbench wb;
        TableBuilder *builder = gui::open<TableBuilder>(wb);
        FIND(QCheckBox, check, builder, "Check4");
        FIND(QPushButton, button, builder, "Command1");
        FIND(QPlainTextEdit, editor, builder, "Text1");
        QVERIFY(!button->isEnabled());
        check->click();
        QVERIFY(button->isEnabled());

        typeInCell(builder, 0, 0, "r");
        wb.scripted.answerCancel();
        button->click(); // cancelled: nothing changes
        wb.scripted.answerColour(255);
        button->click();
        QCOMPARE(editor->palette().color(QPalette::Text), QColor(255, 0, 0));
        if (uncheckInBetween) {
            check->click();
            QVERIFY(!button->isEnabled());
            QVERIFY(!editor->isVisible());
            check->click();
        }
        click(builder, "Command3");
        QCOMPARE(wb.scripted.unexpected, 0);
        const QString text = wb.editor->documentText();
        QCOMPARE(text.count(QStringLiteral("<FONT COLOR=#FF0000 SIZE=3>")),
                 uncheckInBetween ? 0 : 1);
        QCOMPARE(text.count(QStringLiteral("<FONT COLOR=#000000 SIZE=3>")),
                 uncheckInBetween ? 4 : 3);
    }

    void backColor()
    {
        FakeWorkbench wb;
        TableBuilder *builder = gui::open<TableBuilder>(wb);
        FIND(QCheckBox, transparent, builder, "Check2");
        FIND(QPushButton, button, builder, "Command6");
        QVERIFY(transparent->isChecked());
        QVERIFY(!button->isEnabled());
        transparent->click();
        QVERIFY(button->isEnabled());

        typeInCell(builder, 1, 0, "dark");
        wb.scripted.answerColour(0); // black, kept apart from "none chosen"
        button->click();
        click(builder, "Command3");
        const QString text = wb.editor->documentText();
        QCOMPARE(text.count(QStringLiteral(" BGColor=#000000 ")), 1);
        QCOMPARE(text.count(QStringLiteral(" BGColor=#FFFFFF ")), 3);
        QVERIFY(
            text.contains(QStringLiteral("<TR>\r\n<TD WIDTH=126.666666666667 BGColor=#000000")));
    }

    void imageCell_data()
    {
        QTest::addColumn<bool>("readable");
        QTest::newRow("picture shown") << true;
        QTest::newRow("not a picture, name still written") << false;
    }
    void imageCell()
    {
        QFETCH(bool, readable);
        FakeWorkbench wb;
        const QString site = wb.dir.filePath(QStringLiteral("site"));
        QVERIFY(QDir().mkpath(site));
        wb.appState.siteFilePath = site;
        const QString path = site + QStringLiteral("/logo.bmp");
        if (readable) {
            QImage image(40, 20, QImage::Format_RGB32);
            image.fill(Qt::blue);
            QVERIFY(image.save(path, "BMP"));
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("no picture here");
        }

        TableBuilder *builder = gui::open<TableBuilder>(wb);
        FIND(QTableView, grid, builder, "Grid1");
        FIND(QPlainTextEdit, editor, builder, "Text1");
        typeInCell(builder, 1, 1, "gone");
        wb.scripted.answerCancel();
        click(builder, "Command2");
        QCOMPARE(cellText(grid, 1, 1), QStringLiteral("gone"));

        wb.scripted.answer(path);
        click(builder, "Command2");
        QCOMPARE(wb.scripted.asked.last().kind, QStringLiteral("open"));
        QCOMPARE(wb.scripted.asked.last().folder, site);
        QCOMPARE(wb.scripted.asked.last().filter,
                 QStringLiteral("Image Files (*.GIF;*.JPG;*.BMP)|*.GIF;*.JPG;*.BMP"));
        QVERIFY(!editor->isVisible());
        QCOMPARE(cellText(grid, 1, 1), QString());
        QCOMPARE(grid->model()->index(1, 1).data(Qt::DecorationRole).value<QIcon>().isNull(),
                 !readable);
        clickCell(grid, 1, 1); // a picture cell gets no editor
        QVERIFY(!editor->isVisible());

        click(builder, "Command3");
        QVERIFY(wb.editor->documentText().contains(
            QStringLiteral("<FONT SIZE=3>\r\n<IMG SRC=\"logo.bmp\">\r\n</FONT>")));
        QCOMPARE(wb.editor->documentText().count(QStringLiteral("IMG")), 1);
    }

    void draggedColumnWidth()
    {
        FakeWorkbench wb;
        TableBuilder *builder = gui::open<TableBuilder>(wb);
        FIND(QTableView, grid, builder, "Grid1");
        grid->horizontalHeader()->resizeSection(0, 100); // as a drag of the border does
        QCOMPARE(builder->options().columnWidths, (QList<qint64>{1500, 1900}));
        click(builder, "Command3");
        const QString text = wb.editor->documentText();
        QCOMPARE(text.count(QStringLiteral("<TD WIDTH=100 ")), 2);
        QCOMPARE(text.count(QStringLiteral("<TD WIDTH=126.666666666667 ")), 2);
    }

    void fontSizePerCell_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("htmlSize");
        QTest::addColumn<QString>("shown");
        const auto row = [](const char *typed, const char *htmlSize, const char *shown) {
            QTest::newRow(typed) << QString(typed) << QString(htmlSize) << QString(shown);
        };
        row("24", "6", "24");
        row("8", "1", "8");
        row("9.75", "2", "10");
        row("15", "4", "14");
        row("18pt", "5", "18");
        row("7", "", "7"); // below the list
    }
    void fontSizePerCell()
    {
        QFETCH(QString, typed);
        QFETCH(QString, htmlSize);
        QFETCH(QString, shown);
        FakeWorkbench wb;
        TableBuilder *builder = gui::open<TableBuilder>(wb);
        FIND(QTableView, grid, builder, "Grid1");
        FIND(QComboBox, combo, builder, "Combo2");
        FIND(QPlainTextEdit, editor, builder, "Text1");
        typeInCell(builder, 0, 1, "b");
        combo->lineEdit()->selectAll();
        QTest::keyClicks(combo->lineEdit(), typed);
        QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
        if (typed.toDouble() >= 8)
            QCOMPARE(editor->font().pointSizeF(), typed.toDouble());

        clickCell(grid, 0, 0);
        QCOMPARE(combo->currentText(), QStringLiteral("12"));
        clickCell(grid, 0, 1);
        QCOMPARE(combo->currentText(), shown);

        click(builder, "Command3");
        const QString text = wb.editor->documentText();
        QVERIFY(text.contains(QStringLiteral("<FONT SIZE=%1>\r\nb\r\n").arg(htmlSize)));
        QCOMPARE(text.count(QStringLiteral("<FONT SIZE=3>")), 3);
    }

    void fontSizeFromTheList()
    {
        // Choosing with the keyboard goes through the list, not the typed text.
        FakeWorkbench wb;
        TableBuilder *builder = gui::open<TableBuilder>(wb);
        FIND(QComboBox, combo, builder, "Combo2");
        typeInCell(builder, 1, 1, "d");
        QTest::keyClick(combo, Qt::Key_Down); // "12" -> "14"
        QCOMPARE(combo->currentText(), QStringLiteral("14"));
        click(builder, "Command3");
        QVERIFY(wb.editor->documentText().contains(QStringLiteral("<FONT SIZE=4>\r\nd\r\n")));
    }

    void tableSettings()
    {
        FakeWorkbench wb;
        TableBuilder *builder = gui::open<TableBuilder>(wb);
        FIND(QTabWidget, tabs, builder, "TabStrip1");
        QCOMPARE(tabs->tabText(1), QStringLiteral("&Table Settings"));
        tabs->setCurrentIndex(1);
        auto type = [&](const char *name, const QString &text) {
            auto *combo = builder->findChild<QComboBox *>(QLatin1String(name));
            QVERIFY2(combo, name);
            combo->lineEdit()->selectAll();
            if (text.isEmpty())
                QTest::keyClick(combo->lineEdit(), Qt::Key_Delete);
            QTest::keyClicks(combo->lineEdit(), text);
        };
        FIND(QLineEdit, title, builder, "Text9");
        QTest::keyClicks(title, "Prices");
        type("Combo1", "CENTER");
        type("Combo8", "1");
        type("Combo10", "");
        type("Combo9", "0");
        type("Combo4", "BOX");
        type("Combo6", "ALL");
        type("Combo5", "RIGHT");
        type("Combo7", "MIDDLE");
        type("Combo11", "50%");
        click(builder, "Check3");
        wb.scripted.answerColour(0x0080FF); // orange: red FF, green 80
        click(builder, "Command5");
        QCOMPARE(builder->findChild<QComboBox *>("Combo3")->currentText(),
                 QStringLiteral("#FF8000"));

        click(builder, "Command3");
        const QString text = wb.editor->documentText();
        QVERIFY2(text.startsWith(QStringLiteral(
                     "\n<!-- Beginning of Table -->\r\n<CENTER>\r\n"
                     "<TABLE ALIGN=CENTER BORDER=1 BORDERCOLOR=#FF8000 CELLSPACING=0 FRAME=BOX "
                     "RULES=ALL WIDTH=50%>\r\n<THEAD>\r\n<TR>\r\n<TH COLSPAN=2>Prices</TH>\r\n")),
                 qPrintable(text));
        QCOMPARE(text.count(QStringLiteral("<TD WIDTH=50% ALIGN=RIGHT VALIGN=MIDDLE>")), 4);
        QVERIFY(text.endsWith(
            QStringLiteral("</TBODY>\r\n</TABLE>\r\n</CENTER>\r\n<!-- End Of Table -->\r\n")));
    }

    void cellEditorFollowsItsCell()
    {
        FakeWorkbench wb;
        TableBuilder *builder = gui::open<TableBuilder>(wb);
        QVERIFY(QTest::qWaitForWindowExposed(builder));
        FIND(QTableView, grid, builder, "Grid1");
        FIND(QPlainTextEdit, editor, builder, "Text1");
        for (int i = 0; i < 6; ++i)
            spin(builder, "SpinButton2", true);

        auto cellRect = [&](int column) {
            return grid->visualRect(grid->model()->index(0, column));
        };
        clickCell(grid, 0, 1);
        QCOMPARE(editor->geometry().topLeft(), cellRect(1).topLeft());
        QCOMPARE(editor->width(), 145); // (1900 + 280) twips
        QCOMPARE(editor->height(), cellRect(1).height());

        grid->horizontalHeader()->resizeSection(0, 200);
        QCOMPARE(editor->x(), cellRect(1).x());
        grid->horizontalScrollBar()->setValue(grid->horizontalScrollBar()->maximum());
        QVERIFY(grid->horizontalScrollBar()->value() > 0);
        QCOMPARE(editor->x(), cellRect(1).x());

        // Every keystroke reaches the cell; line breaks become <BR>.
        QTest::keyClicks(editor, "x");
        QCOMPARE(cellText(grid, 0, 1), QStringLiteral("x"));
        QTest::keyClick(editor, Qt::Key_Return);
        QTest::keyClicks(editor, QStringLiteral("y\u00A0z"));
        QCOMPARE(cellText(grid, 0, 1), QStringLiteral("x\ny\u00A0z"));
        click(builder, "Command3");
        QVERIFY(wb.editor->documentText().contains(QStringLiteral("\r\nx<BR>\r\ny\u00A0z\r\n")));
    }

    void keyboardReachesTheCells()
    {
        FakeWorkbench wb;
        TableBuilder *builder = gui::open<TableBuilder>(wb);
        FIND(QTableView, grid, builder, "Grid1");
        FIND(QPlainTextEdit, editor, builder, "Text1");
        QTest::keyClick(grid, Qt::Key_Right);
        QCOMPARE(grid->currentIndex().column(), 1);
        QTest::keyClick(grid, Qt::Key_F2);
        QVERIFY(editor->isVisible());
        QTest::keyClicks(editor, "k");
        QCOMPARE(cellText(grid, 0, 1), QStringLiteral("k"));
        FIND(SpinArrows, rows, builder, "SpinButton1");
        QTest::keyClick(rows, Qt::Key_Up);
        QCOMPARE(grid->model()->rowCount(), 3);
    }

    void noDocumentInsertsNothing()
    {
        FakeWorkbench wb;
        HtmlEditor *editor = wb.editor;
        wb.editor = nullptr;
        TableBuilder *builder = gui::open<TableBuilder>(wb);
        click(builder, "Command3");
        QVERIFY(wb.main.isEnabled());
        QCOMPARE(editor->documentText(), QString());
    }

    void centresWhenResized()
    {
        FakeWorkbench wb;
        TableBuilder *builder = gui::open<TableBuilder>(wb);
        QVERIFY(QTest::qWaitForWindowExposed(builder));
        builder->resize(500, 300);
        const QRect screen = builder->screen()->geometry();
        const QRect frame = builder->frameGeometry();
        QCOMPARE(frame.x(), screen.x() + (screen.width() - frame.width()) / 2);
        QCOMPARE(frame.y(), screen.y() + (screen.height() - frame.height()) / 2);
    }

    void hiddenEnablesTheMainWindow()
    {
        FakeWorkbench wb;
        TableBuilder *builder = gui::open<TableBuilder>(wb);
        builder->releaseMainIfHidden(); // visible: the main window stays disabled
        QVERIFY(!wb.main.isEnabled());
        click(builder, "Command4");
        wb.main.setEnabled(false);
        builder->releaseMainIfHidden();
        QVERIFY(wb.main.isEnabled());
    }

    void mainWindowGoesFirst()
    {
        auto wb = std::make_unique<FakeWorkbench>();
        QPointer<TableBuilder> builder = gui::open<TableBuilder>(*wb);
        wb.reset(); // the builder dies with its main window, touching nothing
        QVERIFY(builder.isNull());
    }

    void everyControlHasAName()
    {
        FakeWorkbench wb;
        TableBuilder *builder = gui::open<TableBuilder>(wb);
        const QList<QWidget *> widgets = builder->findChildren<QWidget *>();
        for (QWidget *w : widgets) {
            const bool named = !w->accessibleName().isEmpty();
            if (qobject_cast<QComboBox *>(w) || qobject_cast<QPlainTextEdit *>(w) ||
                qobject_cast<QTableView *>(w) || qobject_cast<SpinArrows *>(w) ||
                (qobject_cast<QLineEdit *>(w) && !qobject_cast<QComboBox *>(w->parentWidget())))
                QVERIFY2(named, qPrintable(w->objectName()));
            // The grid's own corner button is the view's business.
            auto *button = qobject_cast<QAbstractButton *>(w);
            if (button && !qobject_cast<QAbstractItemView *>(w->parentWidget()))
                QVERIFY2(named || !button->text().isEmpty(), qPrintable(w->objectName()));
        }
        QCOMPARE(builder->findChild<QComboBox *>("Combo10")->accessibleName(),
                 QStringLiteral("Cell Padding"));
        QCOMPARE(builder->findChild<QComboBox *>("Combo11")->accessibleName(),
                 QStringLiteral("Percentage Width"));
        QCOMPARE(builder->findChild<SpinArrows *>("SpinButton2")->accessibleName(),
                 QStringLiteral("Columns"));
    }

    // Every control can be reached without the mouse, and the grid lets go.
    void keyboardReachesEveryControl()
    {
        FakeWorkbench wb;
        TableBuilder *builder = gui::open<TableBuilder>(wb);
        QVERIFY(QTest::qWaitForWindowActive(builder));
        FIND(QTableView, grid, builder, "Grid1");
        FIND(QPlainTextEdit, editor, builder, "Text1");
        FIND(QTabWidget, tabs, builder, "TabStrip1");
        typeInCell(builder, 0, 0, "a");

        // Escape ends the cell edit only; the builder stays.
        QTest::keyClick(editor, Qt::Key_Escape);
        QVERIFY(builder->isVisible());
        QVERIFY(!editor->isVisible());
        QVERIFY(grid->hasFocus());

        // Tab walks the four cells, then leaves the grid.
        QStringList reached;
        auto press = [&](Qt::Key key, Qt::KeyboardModifiers mods = {}) {
            QTest::keyClick(QApplication::focusWidget(), key, mods);
            QWidget *focus = QApplication::focusWidget();
            reached << (focus ? focus->objectName() : QString());
        };
        for (int i = 0; i < 4; ++i)
            press(Qt::Key_Tab);
        QCOMPARE(reached.mid(0, 3), QStringList({"Text1", "Text1", "Text1"}));
        QVERIFY(!grid->isAncestorOf(QApplication::focusWidget()));
        for (int i = 0; i < 12; ++i)
            press(Qt::Key_Tab);
        for (const char *name : {"SpinButton1", "SpinButton2", "Combo2", "Check4", "Check2",
                                 "Command2", "Check1", "Command3", "Command4"})
            QVERIFY2(reached.contains(QLatin1String(name)), name);

        // Ctrl+Tab leaves the grid from a cell at once.
        typeInCell(builder, 0, 0, "b");
        press(Qt::Key_Tab, Qt::ControlModifier);
        QVERIFY(!grid->isAncestorOf(QApplication::focusWidget()));
        QVERIFY(QApplication::focusWidget() != grid);

        // Ctrl+PageDown shows the settings, whose fields Tab reaches.
        press(Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(tabs->currentIndex(), 1);
        reached.clear();
        FIND(QLineEdit, title, builder, "Text9");
        title->setFocus();
        for (int i = 0; i < 14; ++i)
            press(Qt::Key_Tab);
        for (const char *name : {"Combo1", "Combo8", "Combo3", "Command5", "Combo10", "Combo9",
                                 "Combo4", "Combo6", "Combo5", "Combo7", "Check3", "Combo11"})
            QVERIFY2(reached.contains(QLatin1String(name)), name);
        press(Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(tabs->currentIndex(), 0);

        // A second Escape, outside a cell, is Cancel.
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Escape);
        QVERIFY(!builder->isVisible());
        QCOMPARE(wb.editor->documentText(), QString());
    }
};

QTEST_MAIN(TestTableBuilder)
#include "test_tablebuilder.moc"

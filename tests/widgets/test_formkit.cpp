#include "support/fakeworkbench.h"
#include "support/gui.h"
#include "widgets/formkit.h"
#include "widgets/listgrid.h"

#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

class TestFormKit : public QObject
{
    Q_OBJECT
private slots:
    // Typed text is written verbatim: "Center" must not become the item
    // "CENTER", neither on Enter nor when the focus leaves.
    void editableComboKeepsTypedText_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("enter");
        QTest::newRow("other case, Enter") << "Center" << true;
        QTest::newRow("other case, focus out") << "center" << false;
        QTest::newRow("prefix in another case") << "Cen" << true;
        QTest::newRow("exact item") << "CENTER" << true;
    }
    void editableComboKeepsTypedText()
    {
        QFETCH(QString, typed);
        QFETCH(bool, enter);
        QWidget window;
        QComboBox *combo =
            formkit::editableCombo("Combo1", {"LEFT", "CENTER", "RIGHT"}, QString(), &window);
        auto *other = new QLineEdit(&window);
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(combo);
        layout->addWidget(other);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        combo->setFocus();
        QTest::keyClicks(combo->lineEdit(), typed);
        if (enter)
            QTest::keyClick(combo->lineEdit(), Qt::Key_Return);
        other->setFocus();
        QCOMPARE(combo->currentText(), typed);
        QCOMPARE(combo->count(), 3);
    }

    void captionLabelNamesItsControl()
    {
        QWidget window;
        auto *edit = formkit::lineEdit("Text1", QString(), &window);
        QLabel *label = formkit::captionLabel(QStringLiteral("&Title:"), edit, &window);
        QCOMPARE(label->buddy(), edit);
        QCOMPARE(edit->accessibleName(), QStringLiteral("Title:"));
    }

    void colourFieldWritesHtmlColourAndRemembers()
    {
        FakeWorkbench bench;
        qint64 last = 0;
        ColourField a("Combo1", "Command1", QStringLiteral("Set Color"), bench.scripted, &last);
        ColourField b("Combo2", "Command2", QStringLiteral("Choose"), bench.scripted, &last);
        QCOMPARE(a.combo()->count(), 16);
        QCOMPARE(a.combo()->itemText(0), QStringLiteral("AQUA"));
        bench.scripted.answerColour(0x0080FF); // red FF, green 80, blue 00
        QTest::mouseClick(a.button(), Qt::LeftButton);
        QCOMPARE(a.text(), QStringLiteral("#FF8000"));
        QCOMPARE(last, qint64(0x0080FF));
        // Cancel changes nothing.
        b.setText(QStringLiteral("navy"));
        bench.scripted.answerCancel();
        QTest::mouseClick(b.button(), Qt::LeftButton);
        QCOMPARE(b.text(), QStringLiteral("navy"));
        QCOMPARE(last, qint64(0x0080FF));
    }

    void filePickerGivesTheBareName()
    {
        FakeWorkbench bench;
        bench.appState.siteFilePath = QStringLiteral("/srv/site");
        FileField field("Text1", "Command1", QStringLiteral("Find"), QStringLiteral("All|*.*"),
                        bench);
        bench.scripted.answer(QStringLiteral("/srv/site/img/logo.GIF"));
        QTest::mouseClick(field.button(), Qt::LeftButton);
        QCOMPARE(field.text(), QStringLiteral("logo.GIF"));
        QCOMPARE(bench.scripted.asked.last().folder, QStringLiteral("/srv/site"));
        bench.scripted.answerCancel();
        QTest::mouseClick(field.button(), Qt::LeftButton);
        QCOMPARE(field.text(), QStringLiteral("logo.GIF"));
    }

    void listGridRowsAndEditor_data()
    {
        QTest::addColumn<bool>("downAdds");
        QTest::newRow("up adds") << false;
        QTest::newRow("down adds") << true;
    }
    void listGridRowsAndEditor()
    {
        QFETCH(bool, downAdds);
        ListGrid::Options options;
        options.columns = {{QStringLiteral("Name"), 1500}, {QStringLiteral("Value"), 3000}};
        options.addArrow = downAdds ? ListGrid::AddArrow::Down : ListGrid::AddArrow::Up;
        options.caption = QStringLiteral("Options");
        ListGrid grid(options);
        grid.show();
        QVERIFY(QTest::qWaitForWindowExposed(&grid));
        QCOMPARE(grid.table()->columnWidth(1), 200);

        // Removing stops at one row.
        gui::spin(&grid, "SpinButton1", downAdds);
        QCOMPARE(grid.rowCount(), 1);
        gui::spin(&grid, "SpinButton1", !downAdds);
        gui::spin(&grid, "SpinButton1", !downAdds);
        QCOMPARE(grid.rowCount(), 3);

        // A clicked cell's text goes to the editor and back.
        grid.setText(1, 1, QStringLiteral("old"));
        const QRect cell = grid.table()->visualRect(grid.table()->model()->index(1, 1));
        QTest::mouseClick(grid.table()->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(grid.editor()->text(), QStringLiteral("old"));
        QVERIFY(grid.editor()->hasFocus());
        QTest::keyClicks(grid.editor(), QStringLiteral("new")); // replaces the selected text
        QCOMPARE(grid.text(1, 1), QStringLiteral("new"));
        QCOMPARE(grid.rows(), (QList<QStringList>{{"", ""}, {"", "new"}, {"", ""}}));
    }
};

QTEST_MAIN(TestFormKit)
#include "test_formkit.moc"

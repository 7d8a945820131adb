// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fakeworkbench.h"
#include "support/gui.h"
#include "widgets/colourfield.h"
#include "widgets/formkit.h"
#include "widgets/listgrid.h"
#include "widgets/messagebar.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
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

    // How each kind of colour field chooses: which part opens the dialog,
    // where the dialog starts, what text and colour a choice leaves.
    void colourFieldChooses_data()
    {
        QTest::addColumn<QString>("parts"); // c combo, p patch, b button
        QTest::addColumn<bool>("shared");   // the window's fields share one memory
        QTest::addColumn<qint64>("answer"); // -1 cancels
        QTest::addColumn<qint64>("startsOn");
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("shown");
        // The field starts on colour 0x112233 and text "navy"; the memory on 0x445566.
        QTest::newRow("names and button") << "cb" << true << qint64(0x0080FF) << qint64(0x445566)
                                          << "#FF8000" << qint64(0x0080FF);
        QTest::newRow("cancel keeps all")
            << "cb" << true << qint64(-1) << qint64(0x445566) << "navy" << qint64(0x112233);
        QTest::newRow("button and patch, own colour")
            << "bp" << false << qint64(0xFF) << qint64(0x112233) << "#FF0000" << qint64(0xFF);
        QTest::newRow("patch alone")
            << "p" << true << qint64(0xFF0000) << qint64(0x445566) << "#0000FF" << qint64(0xFF0000);
        QTest::newRow("button alone")
            << "b" << true << qint64(0x00FF00) << qint64(0x445566) << "#00FF00" << qint64(0x00FF00);
    }
    void colourFieldChooses()
    {
        QFETCH(QString, parts);
        QFETCH(bool, shared);
        QFETCH(qint64, answer);
        QFETCH(qint64, startsOn);
        QFETCH(QString, text);
        QFETCH(qint64, shown);
        FakeWorkbench bench;
        qint64 memory = 0x445566;
        ColourField field(QStringLiteral("Colour"),
                          {parts.contains(u'c') ? "Combo1" : nullptr,
                           parts.contains(u'p') ? "Picture1" : nullptr,
                           parts.contains(u'b') ? "Command1" : nullptr, QStringLiteral("Set")});
        field.setDialog(bench.scripted, shared ? &memory : nullptr);
        field.showColour(0x112233);
        field.setText(QStringLiteral("navy"));
        if (answer < 0)
            bench.scripted.answerCancel();
        else
            bench.scripted.answerColour(answer);
        QAbstractButton *opener =
            field.button() ? static_cast<QAbstractButton *>(field.button()) : field.patch();
        QTest::mouseClick(opener, Qt::LeftButton);
        QCOMPARE(bench.scripted.initialColours, QList<qint64>{startsOn});
        QCOMPARE(field.text(), text);
        QCOMPARE(field.colour(), shown);
        QCOMPARE(memory, shared && answer >= 0 ? answer : qint64(0x445566));
        QCOMPARE(bench.scripted.unexpected, 0);
    }

    void colourFieldParts()
    {
        ColourField named(QStringLiteral("Border Color"),
                          {"Combo3", nullptr, "Command5", QStringLiteral("Set Color")});
        QCOMPARE(named.combo()->count(), 16);
        QCOMPARE(named.combo()->itemText(0), QStringLiteral("AQUA"));
        QCOMPARE(named.combo()->accessibleName(), QStringLiteral("Border Color"));
        QVERIFY(!named.patch());
        // Typed text stays as typed.
        named.setText(QStringLiteral("navy"));
        QCOMPARE(named.text(), QStringLiteral("navy"));

        // A patch without a dialog only shows; text that is no "#RRGGBB"
        // leaves its colour.
        ColourField shown(QStringLiteral("Sample"), {nullptr, "Picture1"});
        QCOMPARE(shown.objectName(), QStringLiteral("Picture1"));
        QCOMPARE(shown.patch()->accessibleName(), QStringLiteral("Sample"));
        QVERIFY(!shown.choose());
        shown.setText(QStringLiteral("#00ff80"));
        QCOMPARE(shown.colour(), qint64(0x80FF00));
        QCOMPARE(shown.patch()->toolTip(), QStringLiteral("#00FF80"));
        shown.setText(QStringLiteral("teal"));
        QCOMPARE(shown.colour(), qint64(0x80FF00));
        QCOMPARE(shown.text(), QStringLiteral("teal"));
        QCOMPARE(shown.patch()->focusPolicy(), Qt::NoFocus);
    }

    // OK and Cancel sit in the desktop's button box with their captions;
    // Enter in a field presses OK, Enter on a focused button presses that
    // button.
    void okCancelRow_data()
    {
        QTest::addColumn<bool>("onCancel");
        QTest::newRow("in a field") << false;
        QTest::newRow("on Cancel") << true;
    }
    void okCancelRow()
    {
        QFETCH(bool, onCancel);
        QDialog dialog;
        auto *field = new QLineEdit(&dialog);
        auto *layout = new QVBoxLayout(&dialog);
        layout->addWidget(field);
        layout->addLayout(formkit::okCancelRow(&dialog, "cmdOK", "cmdCancel"));
        FIND(QPushButton, ok, &dialog, "cmdOK");
        FIND(QPushButton, cancel, &dialog, "cmdCancel");
        QCOMPARE(ok->text(), QStringLiteral("&OK"));
        QCOMPARE(cancel->text(), QStringLiteral("&Cancel"));
        auto *box = qobject_cast<QDialogButtonBox *>(ok->parentWidget());
        QVERIFY(box);
        QCOMPARE(box->buttonRole(ok), QDialogButtonBox::AcceptRole);
        QCOMPARE(box->buttonRole(cancel), QDialogButtonBox::RejectRole);

        QSignalSpy accepted(&dialog, &QDialog::accepted);
        QSignalSpy rejected(&dialog, &QDialog::rejected);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QWidget *target = onCancel ? static_cast<QWidget *>(cancel) : field;
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Return);
        QCOMPARE(accepted.size(), onCancel ? 0 : 1);
        QCOMPARE(rejected.size(), onCancel ? 1 : 0);
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

    // An answer runs once and takes the bar away; Escape only takes it away.
    void messageBarAnswers_data()
    {
        QTest::addColumn<bool>("escape");
        QTest::newRow("button") << false;
        QTest::newRow("escape") << true;
    }
    void messageBarAnswers()
    {
        QFETCH(bool, escape);
        QWidget window;
        auto *layout = new QVBoxLayout(&window);
        auto *bar = new MessageBar(&window);
        layout->addWidget(bar);
        bar->setText(QStringLiteral("Changed on disk"));
        int runs = 0;
        QPushButton *reload =
            bar->addAction(QStringLiteral("&Reload"), QStringLiteral("reload"), [&] { ++runs; });
        QSignalSpy closed(bar, &MessageBar::closed);
        window.show();
        if (escape)
            QTest::keyClick(bar, Qt::Key_Escape);
        else
            reload->click();
        QCOMPARE(runs, escape ? 0 : 1);
        QCOMPARE(closed.size(), 1);
        QVERIFY(window.findChildren<MessageBar *>().isEmpty());
    }
};

QTEST_MAIN(TestFormKit)
#include "test_formkit.moc"

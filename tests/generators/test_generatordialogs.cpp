// SPDX-License-Identifier: GPL-3.0-or-later
// One walk through each page-generator dialog by its real controls.

#include "generators/effectsdialog.h"
#include "generators/generatorkit.h"
#include "generators/inlinestyle.h"
#include "generators/quickstart.h"
#include "generators/quickstartstyle.h"
#include "generators/randombackground.h"
#include "generators/randomtext.h"
#include "support/fakeworkbench.h"
#include "support/gui.h"
#include "widgets/colourfield.h"

#include <QCheckBox>
#include <QLabel>
#include <QTableWidget>
#include <QTabWidget>

namespace {

QFont chosenFont(const QString &family, int size, bool bold, bool underline)
{
    QFont font(family, size);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

} // namespace

class TestGeneratorDialogs : public QObject
{
    Q_OBJECT
private slots:
    void quickStart()
    {
        FakeWorkbench wb;
        wb.appState.siteFilePath = wb.dir.path();
        QuickStartDialog *d = gui::open<QuickStartDialog>(wb);
        QCOMPARE(d->objectName(), QStringLiteral("Form7"));
        QCOMPARE(d->windowTitle(), QStringLiteral(" QuickStart"));
        FIND(QComboBox, docType, d, "Combo7");
        QCOMPARE(docType->count(), 5);
        QCOMPARE(docType->itemText(0),
                 QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\"> "));
        FIND(QComboBox, textColour, d, "Combo1");
        FIND(QComboBox, linkColour, d, "Combo2");
        FIND(QComboBox, visitedColour, d, "Combo3");
        FIND(QComboBox, background, d, "Combo4");
        FIND(QLabel, textSample, d, "Label1");
        FIND(QLabel, linkSample, d, "Label2");
        FIND(QLabel, visitedSample, d, "Label3");
        FIND(QCheckBox, watermark, d, "Check1");

        gui::type(d, "Text1", QStringLiteral("Home"));
        textColour->setCurrentIndex(textColour->findText(QStringLiteral("NAVY")));
        QCOMPARE(textSample->palette().color(QPalette::WindowText), QColor(0x00, 0x00, 0x80));
        visitedColour->setCurrentIndex(visitedColour->findText(QStringLiteral("FUCHSIA")));
        QCOMPARE(visitedSample->palette().color(QPalette::WindowText), QColor(0xC0, 0x00, 0xC0));
        gui::type(d, "Combo3", QStringLiteral("fuchsia")); // typed, kept, preview unchanged
        QCOMPARE(visitedSample->palette().color(QPalette::WindowText), QColor(0xC0, 0x00, 0xC0));

        // A cancelled colour dialog leaves its row as it was.
        wb.scripted.answerCancel();
        gui::click(d, "Command2");
        QCOMPARE(linkColour->currentText(), QString());
        QCOMPARE(linkSample->palette().color(QPalette::WindowText), QColor(0x00, 0x00, 0xFF));
        wb.scripted.answerColour(0xFFFFFF);
        gui::click(d, "Command4");
        QCOMPARE(background->currentText(), QStringLiteral("#FFFFFF"));

        // The watermark follows the image; clearing the image leaves both out.
        QVERIFY(!watermark->isEnabled());
        wb.scripted.answer(wb.dir.filePath(QStringLiteral("back.gif")));
        gui::click(d, "Command7");
        QCOMPARE(wb.scripted.asked.last().filter, QStringLiteral("All Files (*.*)|*.*"));
        QCOMPARE(wb.scripted.asked.last().folder, wb.dir.path());
        QVERIFY(watermark->isEnabled());
        watermark->setChecked(true);
        QCOMPARE(d->options().backgroundImage, QStringLiteral("back.gif"));
        QVERIFY(d->options().watermark);
        gui::type(d, "Text4", QString());
        QVERIFY(!watermark->isEnabled());
        gui::type(d, "Combo3", QString());

        gui::click(d, "Command8");
        QCOMPARE(wb.editor->documentText(),
                 QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\">\r\n<HTML>\r\n"
                                "<HEAD>\r\n<TITLE>Home</TITLE>\r\n</HEAD>\r\n"
                                "<BODY TEXT=NAVY BGCOLOR=#FFFFFF>\r\n\r\n\r\n</BODY>\r\n"
                                "</HTML>\r\n"));
        QCOMPARE(wb.scripted.unexpected, 0);
    }

    void quickStartWithStyle()
    {
        FakeWorkbench wb;
        QuickStartStyleDialog *d = gui::open<QuickStartStyleDialog>(wb);
        QCOMPARE(d->objectName(), QStringLiteral("Form2"));
        QCOMPARE(d->windowTitle(), QStringLiteral("QuickStart: With Style Sheets"));
        FIND(QCheckBox, body, d, "Check1");
        FIND(QCheckBox, h1, d, "Check3");
        FIND(QCheckBox, background, d, "Check11");
        FIND(QCheckBox, hover, d, "Check12");
        FIND(QComboBox, rightUnit, d, "Combo2");
        QVERIFY(!body->isEnabled() && !background->isEnabled() && !hover->isEnabled());

        gui::type(d, "Combo1", QStringLiteral("0.5"));
        gui::type(d, "Combo4", QStringLiteral("1"));
        rightUnit->setCurrentIndex(rightUnit->findText(QStringLiteral("(cm) centimeters")));
        wb.scripted.answerCancel(); // background colour: nothing changes
        gui::click(d, "Command11");
        QVERIFY(!background->isEnabled());

        // The body font, then its colour.
        wb.scripted.answerFont(chosenFont(QStringLiteral("Serif"), 14, true, false));
        wb.scripted.answerColour(0x0000FF);
        gui::click(d, "Command1");
        QVERIFY(body->isEnabled() && body->isChecked());
        // H1 gets a font, and is then left out again.
        wb.scripted.answerFont(chosenFont(QStringLiteral("Serif"), 30, false, false));
        wb.scripted.answerCancel();
        gui::click(d, "Command3");
        QVERIFY(h1->isChecked());
        h1->click();
        // P becomes an edited selector with an underlined font, colour kept black.
        gui::type(d, "Custom1", QStringLiteral("P, DIV"));
        wb.scripted.answerFont(chosenFont(QStringLiteral("Serif"), 10, false, true));
        wb.scripted.answerCancel();
        gui::click(d, "Command2");
        wb.scripted.answerColour(0x00FF00);
        gui::click(d, "Command12");
        QVERIFY(hover->isChecked());

        gui::click(d, "Command14");
        QCOMPARE(wb.editor->documentText(),
                 QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\">\r\n<HTML>\r\n"
                                "<HEAD>\r\n<TITLE></TITLE>\r\n<STYLE TYPE=\"text/css\">\r\n"
                                "<!--\r\nBODY { margin-left: 0.5in;\r\n margin-right: 1cm;\r\n"
                                " font-family: \"Serif\";\r\n font-size: 14pt;\r\n"
                                " color: #FF0000;\r\n font-weight: bold;\r\n"
                                " font-style: normal;\r\n text-decoration: none}\r\n\r\n"
                                "P, DIV { font-family: \"Serif\";\r\n font-size: 10pt;\r\n"
                                " color: #000000;\r\n font-weight: medium;\r\n"
                                " font-style: normal;\r\n text-decoration: underline;\r\n}\r\n"
                                "\r\nA:hover {color: #00FF00}\r\n-->\r\n</STYLE>\r\n</HEAD>\r\n"
                                "<BODY>\r\n\r\n\r\n</BODY>\r\n</HTML>\r\n"));
        QCOMPARE(wb.scripted.unexpected, 0);
    }

    void inlineStyle()
    {
        FakeWorkbench wb;
        wb.editor->setDocumentText(QStringLiteral("<P>Hello</P>"));
        wb.editor->select(3, 5);
        InlineStyleDialog *d = gui::open<InlineStyleDialog>(wb);
        QCOMPARE(d->objectName(), QStringLiteral("Form22"));
        QCOMPARE(d->windowTitle(), QStringLiteral("Inline Style Sheets"));
        FIND(QTabWidget, tabs, d, "TabStrip1");
        FIND(QCheckBox, fontBox, d, "Check1");
        FIND(QCheckBox, colourBox, d, "Check3");
        FIND(QCheckBox, backgroundBox, d, "Check2");
        FIND(QComboBox, left, d, "Combo2");
        FIND(QComboBox, leftUnit, d, "Combo3");
        QCOMPARE(tabs->tabText(tabs->currentIndex()), QStringLiteral("&Font Properties"));
        QCOMPARE(left->count(), 50);
        QCOMPARE(leftUnit->currentText(), QStringLiteral("(px) pixels"));

        wb.scripted.answerCancel(); // background colour cancelled
        gui::click(d, "Command5");
        QVERIFY(!backgroundBox->isEnabled());
        wb.scripted.answerFont(chosenFont(QStringLiteral("Serif"), 11, false, false));
        gui::click(d, "Command4");
        QVERIFY(fontBox->isChecked() && colourBox->isChecked());
        QCOMPARE(d->options().font.family, QStringLiteral("Serif"));
        fontBox->click(); // left out again, the colour stays
        QCOMPARE(
            inlinestyle::buildDiv(d->options(), QString()),
            QStringLiteral("<DIV Style=\"position:relative; color: #000000;\">\r\n\r\n</DIV>"));
        colourBox->click();

        gui::type(d, "Text1", QStringLiteral("box1"));
        tabs->setCurrentIndex(1);
        gui::type(d, "Combo2", QStringLiteral("10"));
        gui::click(d, "Command2");
        QCOMPARE(wb.editor->documentText(),
                 QStringLiteral("<P><DIV ID=\"box1\" Style=\"position:relative; left:10px;\">\r\n"
                                "Hello\r\n</DIV></P>"));
        QCOMPARE(wb.scripted.unexpected, 0);
    }

    void specialEffects()
    {
        FakeWorkbench wb;
        wb.appState.fontList = QStringList{QStringLiteral("Arial"), QStringLiteral("Verdana")};
        wb.editor->setDocumentText(QStringLiteral("wavy"));
        wb.editor->select(0, 4);
        SpecialEffectsDialog *d = gui::open<SpecialEffectsDialog>(wb);
        QCOMPARE(d->objectName(), QStringLiteral("CStuff"));
        QCOMPARE(d->windowTitle(), QStringLiteral("Cool Stuff!!!"));
        FIND(QTabWidget, tabs, d, "TabStrip1");
        QCOMPARE(tabs->tabToolTip(2),
                 QStringLiteral("Create Colorful Gradients (No ActiveX or Java Required)"));
        FIND(QComboBox, font, d, "Combo4");
        QCOMPARE(font->count(), 2);
        FIND(QLineEdit, sloped, d, "Text1");
        QCOMPARE(sloped->text(), QStringLiteral("wavy"));
        FIND(ColourField, back, d, "Label22");
        wb.scripted.answerCancel();
        back->patch()->click();
        QCOMPARE(back->colour(), 0xC0C0C0);

        tabs->setCurrentIndex(SpecialEffectsDialog::Divider);
        FIND(QLineEdit, red2, d, "Text7");
        FIND(QLineEdit, steps, d, "Text3");
        FIND(ColourField, swatch2, d, "Picture2");
        gui::type(d, "Text7", QStringLiteral("300"));
        QCOMPARE(red2->text(), QStringLiteral("255"));
        gui::type(d, "Text8", QStringLiteral("0"));
        QCOMPARE(swatch2->colour(), 0xFF00FF); // blue 255, green 0, red 255
        steps->selectAll();
        QTest::keyClick(steps, Qt::Key_Backspace);
        QCOMPARE(steps->text(), QStringLiteral("1"));
        QCOMPARE(steps->selectedText(), QStringLiteral("1"));
        QTest::keyClicks(steps, QStringLiteral("3"));
        QCOMPARE(steps->text(), QStringLiteral("3"));

        gui::type(d, "Text2", QString());
        gui::click(d, "Command1");
        QCOMPARE(wb.scripted.messages(),
                 QStringList{QStringLiteral("All textboxes must be filled with a value")});
        QVERIFY(d->isVisible());
        QCOMPARE(wb.editor->documentText(), QStringLiteral("wavy"));

        gui::type(d, "Text2", QStringLiteral("4"));
        gui::click(d, "Command1");
        QVERIFY(!d->isVisible());
        QCOMPARE(wb.editor->documentText(),
                 QStringLiteral("<!-- Begin Gradient Divider -->\r\n<TABLE STYLE=\"font-size: 4; "
                                "fontsize: 4\" CELLSPACING=0 BORDER=0 WIDTH=\"100%\">\r\n<TR>\r\n"
                                "<TD WIDTH=\"33.33333%\" BGCOLOR=#000000>\r\n"
                                "<FONT COLOR=\"#000000\">.</FONT></TD>\r\n"
                                "<TD WIDTH=\"33.33333%\" BGCOLOR=#550055>\r\n"
                                "<FONT COLOR=\"#550055\">.</FONT></TD>\r\n"
                                "<TD WIDTH=\"33.33333%\" BGCOLOR=#AA00AA>\r\n"
                                "<FONT COLOR=\"#AA00AA\">.</FONT></TD>\r\n"
                                "</TR>\r\n</TABLE>\r\n<!-- End Gradient Divider-->"));
        QCOMPARE(wb.scripted.unexpected, 0);
    }

    void randomBackground()
    {
        FakeWorkbench wb;
        RandomBackgroundDialog *d = gui::open<RandomBackgroundDialog>(wb);
        QCOMPARE(d->objectName(), QStringLiteral("Form39"));
        QCOMPARE(d->windowTitle(), QStringLiteral("Random Background Coloring"));
        wb.scripted.answerColour(0x0000FF);
        gui::click(d, "Picture1_2");
        wb.scripted.answerCancel();
        gui::click(d, "Picture1_4");
        gui::click(d, "Command1");
        const QString text = wb.editor->documentText();
        QCOMPARE(text.count(QStringLiteral("window.document.bgColor = \"#FFFFFF\"")), 4);
        QVERIFY(text.contains(QStringLiteral(
            "If Random < 3 AND Random > 2 Then\r\nwindow.document.bgColor = \"#FF0000\"\r\n")));
        QCOMPARE(wb.scripted.unexpected, 0);
    }

    void randomText()
    {
        FakeWorkbench wb;
        RandomTextDialog *d = gui::open<RandomTextDialog>(wb);
        QCOMPARE(d->objectName(), QStringLiteral("Form40"));
        QCOMPARE(d->windowTitle(), QStringLiteral("Random Text Generator"));
        FIND(QTableWidget, grid, d, "Grid1");
        QCOMPARE(grid->rowCount(), 2);
        QCOMPARE(grid->columnWidth(0), 233); // 3495 twips
        gui::type(d, "Text1", QStringLiteral("One"));
        gui::spin(d, "SpinButton1", false); // down adds a row, made current
        QCOMPARE(grid->rowCount(), 3);
        gui::type(d, "Text1", QStringLiteral("Three"));
        for (int i = 0; i < 4; ++i)
            gui::spin(d, "SpinButton1", true); // up removes, never the last row
        QCOMPARE(grid->rowCount(), 1);
        gui::spin(d, "SpinButton1", false);
        gui::click(d, "Command1");
        const QString text = wb.editor->documentText();
        QVERIFY(text.contains(QStringLiteral("RandomText = Rnd * 2\r\n")));
        QVERIFY(text.contains(QStringLiteral("If RandomText < 1 AND Randomtext > 0 Then\r\n"
                                             "window.document.write(\"One\")\r\n")));
        QVERIFY(text.contains(QStringLiteral("window.document.write(\"\")\r\nEnd If\r\n-->")));
        QVERIFY(!text.contains(QStringLiteral("Three")));
    }

    // What setOptions puts in, options gives back: the fragments agree.
    void optionsRoundTrip()
    {
        FakeWorkbench wb;
        quickstart::PageOptions page;
        page.documentType = quickstart::documentTypes().at(4);
        page.title = "t";
        page.leftMargin = "1";
        page.topMargin = "2";
        page.textColour = "RED";
        page.linkColour = "a";
        page.visitedColour = "b";
        page.activeColour = "c";
        page.hoverColour = "d";
        page.backgroundColour = "e";
        page.backgroundImage = "f.gif";
        page.watermark = true;
        auto *quick = gui::open<QuickStartDialog>(wb);
        quick->setOptions(page);
        QCOMPARE(buildPage(quick->options()), buildPage(page));

        quickstart::StylePageOptions style;
        style.title = "t";
        style.leftMargin = "1";
        style.leftUnit = "(pt) points";
        style.rightMargin = "2";
        style.rightUnit = "(cm) centimeters";
        style.backgroundChecked = true;
        style.backgroundColour = 0x123456;
        style.bodyChecked = true;
        style.body.family = "Serif";
        style.body.colour = "#010203";
        style.elements[6] = {"EM", true, generatorkit::fromQFont(QFont("Mono", 9), "#FF0000")};
        style.linkChecked = style.visitedChecked = style.hoverChecked = true;
        style.linkColour = "#000001";
        style.visitedColour = "#000002";
        style.hoverColour = "#000003";
        auto *styled = gui::open<QuickStartStyleDialog>(wb);
        styled->setOptions(style);
        QCOMPARE(buildStylePage(styled->options()), buildStylePage(style));

        inlinestyle::DivOptions div;
        div.id = "i";
        div.alignment = "right";
        div.fontChecked = div.colourChecked = div.backgroundChecked = div.absolute = true;
        div.font.family = "Serif";
        div.fontColour = "#00FF00";
        div.backgroundColour = "#0000FF";
        div.left = {"1", "(pt) points"};
        div.top = {"2", "(in) inches"};
        div.width = {"3", "(cm) centimeters"};
        div.height = {"4", "(px) pixels"};
        div.zIndex = "5";
        auto *inl = gui::open<InlineStyleDialog>(wb);
        inl->setOptions(div);
        QCOMPARE(inlinestyle::buildDiv(inl->options(), "x"), inlinestyle::buildDiv(div, "x"));
        QCOMPARE(inl->findChild<ColourField *>("Picture2")->colour(), 0xFF0000);

        effects::DividerOptions divider;
        divider.red1 = "1";
        divider.green1 = "2";
        divider.blue1 = "3";
        divider.red2 = "4";
        divider.green2 = "5";
        divider.blue2 = "6";
        divider.height = "7";
        divider.steps = "8";
        effects::GradientTextOptions gradient;
        gradient.red1 = "9";
        gradient.blue2 = "10";
        gradient.height = "2";
        gradient.text = "ab";
        auto *fx = gui::open<SpecialEffectsDialog>(wb);
        fx->setThreeDOptions({"t", "Serif", "12", 1, 2});
        fx->setSlopedOptions({"s", "2", "5"});
        fx->setDividerOptions(divider);
        fx->setGradientTextOptions(gradient);
        QCOMPARE(threeDText(fx->threeDOptions()), effects::threeDText({"t", "Serif", "12", 1, 2}));
        QCOMPARE(slopedText(fx->slopedOptions()), effects::slopedText({"s", "2", "5"}));
        QCOMPARE(effects::gradientDivider(fx->dividerOptions()), effects::gradientDivider(divider));
        QCOMPARE(effects::gradientText(fx->gradientTextOptions()), effects::gradientText(gradient));

        auto *background = gui::open<RandomBackgroundDialog>(wb);
        background->setOptions({{1, 2, 3, 4, 5}});
        QCOMPARE(background->options().colours, (std::array<qint64, 5>{1, 2, 3, 4, 5}));
        auto *texts = gui::open<RandomTextDialog>(wb);
        texts->setOptions({{"a", "b", "c"}});
        QCOMPARE(texts->options().texts, (QStringList{"a", "b", "c"}));
    }
};

QTEST_MAIN(TestGeneratorDialogs)
#include "test_generatordialogs.moc"

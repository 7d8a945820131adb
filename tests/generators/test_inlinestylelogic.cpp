// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/inlinestylelogic.h"

#include <QtTest>

using namespace inlinestyle;

Q_DECLARE_METATYPE(inlinestyle::DivOptions)

class TestInlineStyleLogic : public QObject
{
    Q_OBJECT
private slots:
    void divs_data()
    {
        QTest::addColumn<DivOptions>("options");
        QTest::addColumn<QString>("selection");
        QTest::addColumn<QString>("expected");

        DivOptions box1;
        box1.id = "box1";
        box1.left.value = "10";
        QTest::newRow("box1, Hello")
            << box1 << "Hello"
            << "<DIV ID=\"box1\" Style=\"position:relative; left:10px;\">\r\nHello\r\n</DIV>";

        QTest::newRow("nothing chosen, no selection")
            << DivOptions() << ""
            << "<DIV Style=\"position:relative;\">\r\n\r\n</DIV>";

        DivOptions colourOnly;
        colourOnly.font.family = "Arial"; // the font box was unchecked again
        colourOnly.colourChecked = true;
        colourOnly.fontColour = "#FF0000";
        QTest::newRow("font box unchecked, colour kept")
            << colourOnly << "x"
            << "<DIV Style=\"position:relative; color: #FF0000;\">\r\nx\r\n</DIV>";

        DivOptions autoWidth;
        autoWidth.width = {"auto", "(cm) centimeters"};
        QTest::newRow("auto with a unit")
            << autoWidth << "x"
            << "<DIV Style=\"position:relative; width:autocm;\">\r\nx\r\n</DIV>";

        DivOptions all;
        all.absolute = true;
        all.alignment = "center";
        all.left = {"2.5", "(cm) centimeters"};
        all.top = {"3.0", "(in) inches"};
        all.width = {"100", "(pt) points"};
        all.height = {"50", "(px) pixels"};
        all.zIndex = "2";
        all.fontChecked = true;
        all.font.family = "Times New Roman";
        all.font.size = 10.5f;
        all.font.bold = true;
        all.font.italic = true;
        all.font.underline = true;
        all.font.strikeOut = true;
        all.colourChecked = true;
        all.backgroundChecked = true;
        all.backgroundColour = "#FFFF00";
        QTest::newRow("everything")
            << all << "a\r\nb"
            << "<DIV Style=\"position:absolute; text-align:center; left:2.5cm; top:3.0in;"
               " width:100pt; height:50px; z-index:2; font-family: Times New Roman;"
               " font-size: 10.5pt; font-weight: bold; font-style: italic;"
               " text-decoration: underline; text-decoration: line-through; color: #000000;"
               " background: #FFFF00\">\r\na\r\nb\r\n</DIV>";

        DivOptions plainFont;
        plainFont.fontChecked = true;
        plainFont.font.size = 0;
        QTest::newRow("font without name or size")
            << plainFont << "x"
            << "<DIV Style=\"position:relative; font-weight: medium; font-style: normal;\">"
               "\r\nx\r\n</DIV>";
    }
    void divs()
    {
        QFETCH(DivOptions, options);
        QFETCH(QString, selection);
        QFETCH(QString, expected);
        QCOMPARE(buildDiv(options, selection), expected);
    }

    void lists()
    {
        QCOMPARE(numberItems().size(), 50);
        QCOMPARE(numberItems().at(12), QStringLiteral("3.0"));
        QCOMPARE(numberItems().at(16), QStringLiteral("4"));
        QCOMPARE(numberItems().last(), QStringLiteral("1000"));
        QCOMPARE(zIndexItems().size(), 11);
    }
};

QTEST_MAIN(TestInlineStyleLogic)
#include "test_inlinestylelogic.moc"

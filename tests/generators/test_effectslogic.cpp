// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/effectslogic.h"

#include <QtTest>

using namespace effects;

namespace {

QString cell(const QString &width, const QString &colour)
{
    return QStringLiteral("<TD WIDTH=\"%1%\" BGCOLOR=%2>\r\n<FONT COLOR=\"%2\">.</FONT></TD>\r\n")
        .arg(width, colour);
}

QString divider(const QString &height, const QString &cells)
{
    return QStringLiteral("<!-- Begin Gradient Divider -->\r\n"
                          "<TABLE STYLE=\"font-size: %1; fontsize: %1\" CELLSPACING=0 BORDER=0 "
                          "WIDTH=\"100%\">\r\n<TR>\r\n")
               .arg(height) +
           cells + QStringLiteral("</TR>\r\n</TABLE>\r\n<!-- End Gradient Divider-->");
}

QString div3d(const QString &margins, const QString &size, const QString &colour,
              const QString &text)
{
    return QStringLiteral("<DIV STYLE=\"%1; font-family: Arial; font-size: %2pt; fontsize: "
                          "%2pt; font-weight: medium; font-style: normal; color: %3;\">\r\n%4\r\n"
                          "</DIV>\r\n")
        .arg(margins, size, colour, text);
}

DividerOptions dividerFrom(const QStringList &boxes)
{
    DividerOptions o;
    o.red1 = boxes[0];
    o.green1 = boxes[1];
    o.blue1 = boxes[2];
    o.red2 = boxes[3];
    o.green2 = boxes[4];
    o.blue2 = boxes[5];
    o.height = boxes[6];
    o.steps = boxes[7];
    return o;
}

} // namespace

class TestEffectsLogic : public QObject
{
    Q_OBJECT
private slots:
    void threeD_data()
    {
        QTest::addColumn<QString>("size");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("sizeShown");
        QTest::addColumn<QString>("top");
        const auto row = [](const char *name, const char *size, const char *text, const char *shown,
                            const char *top) {
            QTest::newRow(name) << QString(size) << QString(text) << QString(shown) << QString(top);
        };

        row("defaults", "30", "Deep", "30", "-48");
        row("25", "25", "x", "25", "-40.5");
        row("21", "21", "x", "21", "-34.5");
        row("20 gets one more", "20", "x", "20", "-32");
        row("10", "10", "", "10", "-17");
        row("fraction", "12.5pt", "x", "12.5", "-20.75");
    }
    void threeD()
    {
        QFETCH(QString, size);
        QFETCH(QString, text);
        QFETCH(QString, sizeShown);
        QFETCH(QString, top);
        ThreeDTextOptions o;
        o.size = size;
        o.text = text;
        QVERIFY(threeDTextProblem(o).isEmpty());
        const QString expected =
            QStringLiteral("<!-- Begin 3D Text -->\r\n") +
            div3d(QStringLiteral("margin-left: 0px; margin-top: 0px"), sizeShown,
                  QStringLiteral("#C0C0C0"), text) +
            div3d(QStringLiteral("margin-left: 2px; margin-top: %1px ").arg(top), sizeShown,
                  QStringLiteral("#0000C0"), text) +
            QStringLiteral("<!-- End 3D Text -->\r\n");
        QCOMPARE(threeDText(o), expected);
    }

    void sloped_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("smallest");
        QTest::addColumn<QString>("largest");
        QTest::addColumn<QString>("sizes");
        const auto row = [](const char *name, const char *text, const char *smallest,
                            const char *largest, const char *sizes) {
            QTest::newRow(name) << QString(text) << QString(smallest) << QString(largest)
                                << QString(sizes);
        };

        row("2 to 4", "abcdef", "2", "4", "2,3,4,3,2,3");
        row("equal", "abcd", "3", "3", "3,3,3,3");
        row("range 1", "abcde", "1", "2", "1,2,1,2,1");
        row("range 6", "abcdefghijklm", "1", "7", "1,2,3,4,5,6,7,6,5,4,3,2,1");
        row("peak stays at +6", "abcdefghijkl", "1", "20", "1,2,3,4,5,6,7,6,5,4,3,2");
        row("surrogate pair is one character", "a\U0001F600b", "1", "2", "1,2,1");
        row("empty", "", "1", "7", "");
    }
    void sloped()
    {
        QFETCH(QString, text);
        QFETCH(QString, smallest);
        QFETCH(QString, largest);
        QFETCH(QString, sizes);
        const QStringList sizeList = sizes.split(u',', Qt::SkipEmptyParts);
        QString expected;
        int i = 0;
        for (qsizetype at = 0; at < text.size(); ++at, ++i) {
            const qsizetype len = text.at(at).isHighSurrogate() ? 2 : 1;
            expected += QStringLiteral("<FONT SIZE=\"%1\">%2</FONT>")
                            .arg(sizeList.at(i), text.mid(at, len));
            at += len - 1;
        }
        QCOMPARE(i, sizeList.size());
        SlopedTextOptions o{text, smallest, largest};
        QVERIFY(slopedTextProblem(o).isEmpty());
        QCOMPARE(slopedText(o), expected);
    }

    void dividerCells_data()
    {
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("width");
        QTest::addColumn<QStringList>("colours");
        QTest::newRow("defaults") << QStringList{"0", "0", "0", "255", "255", "255", "5", "10"}
                                  << "10" << QStringList{"#000000", "#191919", "#323232", "#4B4B4B",
                                                         "#646464", "#7D7D7D", "#969696", "#AFAFAF",
                                                         "#C8C8C8", "#E1E1E1"};
        QTest::newRow("steps 3") << QStringList{"0", "0", "0", "255", "255", "255", "5", "3"}
                                 << "33.33333" << QStringList{"#000000", "#555555", "#AAAAAA"};
        QTest::newRow("steps 7") << QStringList{"0", "0", "0", "0", "0", "70", "2", "7"}
                                 << "14.28571"
                                 << QStringList{"#000000", "#00000A", "#000014", "#00001E",
                                                "#000028", "#000032", "#00003C"};
        QTest::newRow("counting down by 25")
            << QStringList{"255", "255", "255", "0", "0", "0", "5", "10"} << "10"
            << QStringList{"#FFFFFF", "#E6E6E6", "#CDCDCD", "#B4B4B4", "#9B9B9B",
                           "#828282", "#696969", "#505050", "#373737", "#1E1E1E"};
        QTest::newRow("truncating toward zero")
            << QStringList{"10", "0", "0", "0", "7", "0", "1", "4"} << "25"
            << QStringList{"#0A0000", "#080100", "#060200", "#040300"};
        QTest::newRow("steps rounded half to even")
            << QStringList{"0", "0", "0", "255", "255", "255", "5", "2.5"} << "50"
            << QStringList{"#000000", "#7F7F7F"};
        QTest::newRow("negative steps: no cells")
            << QStringList{"0", "0", "0", "255", "255", "255", "5", "-3"} << "" << QStringList{};
    }
    void dividerCells()
    {
        QFETCH(QStringList, boxes);
        QFETCH(QString, width);
        QFETCH(QStringList, colours);
        const DividerOptions o = dividerFrom(boxes);
        QVERIFY(dividerProblem(o).isEmpty());
        QString cells;
        for (const QString &colour : colours)
            cells += cell(width, colour);
        const QString html = gradientDivider(o);
        QCOMPARE(html, divider(boxes[6], cells));
        QVERIFY(!html.endsWith(u'\n'));
    }

    void gradientText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QString>("inner");
        QTest::newRow("Hi") << "Hi" << QStringList{"0", "0", "0", "255", "255", "255", "3"}
                            << "<FONT COLOR=#000000>H</FONT><FONT COLOR=#7F7F7F>i</FONT>";
        QTest::newRow("falling, height typed")
            << "abc" << QStringList{"255", "0", "9", "0", "0", "0", "+1"}
            << "<FONT COLOR=#FF0009>a</FONT><FONT COLOR=#AA0006>b</FONT>"
               "<FONT COLOR=#550003>c</FONT>";
        QTest::newRow("one character")
            << "\U0001F600" << QStringList{"1", "2", "3", "255", "255", "255", "7"}
            << "<FONT COLOR=#010203>\U0001F600</FONT>";
    }
    void gradientText()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, boxes);
        QFETCH(QString, inner);
        GradientTextOptions o;
        o.red1 = boxes[0];
        o.green1 = boxes[1];
        o.blue1 = boxes[2];
        o.red2 = boxes[3];
        o.green2 = boxes[4];
        o.blue2 = boxes[5];
        o.height = boxes[6];
        o.text = text;
        QVERIFY(gradientTextProblem(o).isEmpty());
        QCOMPARE(
            effects::gradientText(o),
            QStringLiteral("<!-- Begin Gradient Text -->\r\n<FONT SIZE=%1>\r\n").arg(boxes[6]) +
                inner + QStringLiteral("</FONT>\r\n<!-- End Gradient Text -->\r\n"));
    }

    void problems_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QString>("message");
        const QString fill = QStringLiteral("All textboxes must be filled with a value");
        QTest::newRow("3D: font empty")
            << "3d" << QStringList{"", "30"} << "All Textboxes must be filled";
        QTest::newRow("3D: size empty")
            << "3d" << QStringList{"Arial", ""} << "All Textboxes must be filled";
        QTest::newRow("sloped: large below small")
            << "sloped" << QStringList{"4", "2"} << "Small Font is > Than Large Font";
        QTest::newRow("sloped: not whole") << "sloped" << QStringList{"1.5", "2"}
                                           << "Smallest Font and Largest Font must be whole "
                                              "numbers";
        QTest::newRow("divider: height empty")
            << "divider" << QStringList{"0", "0", "0", "255", "255", "255", "", "10"} << fill;
        QTest::newRow("divider: steps 0.4")
            << "divider" << QStringList{"0", "0", "0", "255", "255", "255", "5", "0.4"}
            << "Steps must be a whole number other than 0";
        QTest::newRow("divider: too many steps")
            << "divider" << QStringList{"0", "0", "0", "255", "255", "255", "5", "1001"}
            << "Steps cannot be more than 1000";
        QTest::newRow("divider: negative component")
            << "divider" << QStringList{"0", "-1", "0", "255", "255", "255", "5", "10"}
            << "Red, Green and Blue cannot be below 0";
        QTest::newRow("text: text empty")
            << "text" << QStringList{"0", "0", "0", "255", "255", "255", ""} << fill;
        QTest::newRow("text: blue 2 empty")
            << "text" << QStringList{"0", "0", "0", "255", "255", "", "x"} << fill;
        QTest::newRow("text: negative component")
            << "text" << QStringList{"0", "0", "0", "255", "-0.6", "0", "x"}
            << "Red, Green and Blue cannot be below 0";
    }
    void problems()
    {
        QFETCH(QString, page);
        QFETCH(QStringList, values);
        QFETCH(QString, message);
        QString problem;
        if (page == "3d") {
            ThreeDTextOptions o;
            o.font = values[0];
            o.size = values[1];
            problem = threeDTextProblem(o);
        } else if (page == "sloped") {
            problem = slopedTextProblem({QStringLiteral("x"), values[0], values[1]});
        } else if (page == "divider") {
            problem = dividerProblem(dividerFrom(values));
        } else {
            GradientTextOptions o;
            o.red1 = values[0];
            o.green1 = values[1];
            o.blue1 = values[2];
            o.red2 = values[3];
            o.green2 = values[4];
            o.blue2 = values[5];
            o.text = values[6];
            problem = gradientTextProblem(o);
        }
        QCOMPARE(problem, message);
    }

    void editingTheBoxes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("corrected"); // "" = left as typed
        QTest::addColumn<bool>("stepsOne");
        const auto row = [](const char *name, const char *text, const char *corrected, bool one) {
            QTest::newRow(name) << QString(text) << QString(corrected) << one;
        };

        row("300", "300", "255", false);
        row("255.4 is above 255", "255.4", "255", false);
        row("255", "255", "", false);
        row("below 0 not corrected", "-5", "", false);
        row("empty", "", "", true);
        row("not a number", "x", "", true);
        row("0.4 passes the box", "0.4", "", false);
    }
    void editingTheBoxes()
    {
        QFETCH(QString, text);
        QFETCH(QString, corrected);
        QFETCH(bool, stepsOne);
        QCOMPARE(correctedComponent(text).value_or(QString()), corrected);
        QCOMPARE(stepsNeedsOne(text), stepsOne);
    }

    void swatches()
    {
        QCOMPARE(swatchColour("255", "0", "128"), std::optional<qint64>(0x8000FF));
        QCOMPARE(swatchColour("1.5", "2.5", "-3"), std::optional<qint64>(0x000202));
        QCOMPARE(swatchColour("255", "", "0"), std::nullopt);
        QCOMPARE(swatchColour("12abc", "0", "0"), std::nullopt);
        QCOMPARE(threeDSizeItems().size(), 20);
        QCOMPARE(threeDSizeItems().last(), QStringLiteral("48"));
    }
};

QTEST_MAIN(TestEffectsLogic)
#include "test_effectslogic.moc"

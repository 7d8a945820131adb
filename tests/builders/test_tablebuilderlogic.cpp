// SPDX-License-Identifier: GPL-3.0-or-later
#include "builders/tablebuilderlogic.h"

#include <QtTest>

using namespace tablebuilder;

namespace {

TableOptions abcd()
{
    TableOptions options;
    options.cells[0][0].text = QStringLiteral("a");
    options.cells[0][1].text = QStringLiteral("b");
    options.cells[1][0].text = QStringLiteral("c");
    options.cells[1][1].text = QStringLiteral("d");
    return options;
}

TableOptions oneCell(const QString &text = QString())
{
    TableOptions options;
    options.columnWidths = {1500};
    options.cells = {{TableCell()}};
    options.cells[0][0].text = text;
    return options;
}

} // namespace

class TestTableBuilderLogic : public QObject
{
    Q_OBJECT
private slots:
    void initialTwoByTwo()
    {
        const QString cell = QStringLiteral("<TD WIDTH=126.666666666667 ALIGN=LEFT VALIGN=TOP>\r\n"
                                            "<FONT SIZE=3>\r\n%1\r\n</FONT>\r\n</TD>\r\n");
        const QString expected =
            QStringLiteral("\n<!-- Beginning of Table -->\r\n"
                           "<TABLE CELLPADDING=3 CELLSPACING=2>\r\n"
                           "<TR>\r\n") +
            cell.arg("a") + cell.arg("b") + QStringLiteral("</TR>\r\n<TR>\r\n") + cell.arg("c") +
            cell.arg("d") + QStringLiteral("</TR>\r\n</TABLE>\r\n<!-- End Of Table -->\r\n");
        QCOMPARE(buildTableFragment(abcd()), expected);
    }

    void lineBreaks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("CR LF") << "x\r\ny"
                               << "x<BR>\r\ny";
        QTest::newRow("LF") << "x\ny"
                            << "x<BR>\r\ny";
        QTest::newRow("CR") << "x\ry"
                            << "x<BR>\r\ny";
        QTest::newRow("LF CR is two") << "x\n\ry"
                                      << "x<BR>\r\n<BR>\r\ny";
        QTest::newRow("blank line") << "x\r\n\r\ny"
                                    << "x<BR>\r\n<BR>\r\ny";
        QTest::newRow("trailing") << "x\r\n"
                                  << "x<BR>\r\n";
        QTest::newRow("leading CR") << "\rx"
                                    << "<BR>\r\nx";
        QTest::newRow("none") << "plain"
                              << "plain";
    }
    void lineBreaks()
    {
        QFETCH(QString, text);
        QFETCH(QString, expected);
        QCOMPARE(cellTextWithBreaks(text), expected);
        const QString fragment = buildTableFragment(oneCell(text));
        QVERIFY2(fragment.contains(QStringLiteral("<FONT SIZE=3>\r\n") + expected +
                                   QStringLiteral("\r\n</FONT>")),
                 qPrintable(fragment));
    }

    void alignment_data()
    {
        QTest::addColumn<QString>("alignment");
        QTest::addColumn<bool>("centred");
        QTest::newRow("CENTER") << "CENTER" << true;
        QTest::newRow("LEFT") << "LEFT" << false;
        QTest::newRow("RIGHT") << "RIGHT" << false;
        QTest::newRow("lower case is not CENTER") << "center" << false;
    }
    void alignment()
    {
        QFETCH(QString, alignment);
        QFETCH(bool, centred);
        TableOptions options = abcd();
        options.alignment = alignment;
        const QString fragment = buildTableFragment(options);
        QVERIFY(
            fragment.contains("<TABLE ALIGN=" + alignment + " CELLPADDING=3 CELLSPACING=2>\r\n"));
        const QString head = "\n<!-- Beginning of Table -->\r\n<CENTER>\r\n<TABLE";
        const QString tail = "</TABLE>\r\n</CENTER>\r\n<!-- End Of Table -->\r\n";
        QCOMPARE(fragment.startsWith(head), centred);
        QCOMPARE(fragment.endsWith(tail), centred);
        QCOMPARE(fragment.count("CENTER>"), centred ? 2 : 0);
    }

    void tableAttributesInOrder()
    {
        TableOptions options = abcd();
        options.alignment = "RIGHT";
        options.borderSize = "2";
        options.borderColor = "#00FF00";
        options.cellPadding = "10";
        options.cellSpacing = "0";
        options.frame = "BOX";
        options.rules = "ALL";
        options.percentageWidth = true;
        options.percentageWidthText = "80%";
        QVERIFY(buildTableFragment(options).contains(
            "<TABLE ALIGN=RIGHT BORDER=2 BORDERCOLOR=#00FF00 CELLPADDING=10 CELLSPACING=0 "
            "FRAME=BOX RULES=ALL WIDTH=80%>\r\n"));

        // Empty fields leave their attribute out; a percentage width is
        // written even when its text is empty, quoted so that it cannot take
        // what follows as its value.
        TableOptions bare = abcd();
        bare.cellPadding.clear();
        bare.cellSpacing.clear();
        bare.percentageWidth = true;
        bare.percentageWidthText.clear();
        QVERIFY(buildTableFragment(bare).contains("<TABLE WIDTH=\"\">\r\n"));
    }

    void cellAlignmentAlwaysWritten()
    {
        TableOptions options = oneCell("x");
        options.textAlignment.clear();
        options.textVerticalAlignment = "BASELINE";
        QVERIFY(
            buildTableFragment(options).contains("<TD WIDTH=100 ALIGN=\"\" VALIGN=BASELINE>\r\n"));
    }

    void titleOverThreeColumns()
    {
        TableOptions options = abcd();
        addColumn(options);
        options.title = "Prices";
        const QString fragment = buildTableFragment(options);
        QVERIFY(fragment.contains("<TABLE CELLPADDING=3 CELLSPACING=2>\r\n"
                                  "<THEAD>\r\n<TR>\r\n<TH COLSPAN=3>Prices</TH>\r\n</TR>\r\n"
                                  "</THEAD>\r\n<TBODY>\r\n<TR>\r\n"));
        QVERIFY(fragment.endsWith("</TR>\r\n</TBODY>\r\n</TABLE>\r\n<!-- End Of Table -->\r\n"));
        QCOMPARE(fragment.count("<TD "), 6);

        QVERIFY(!buildTableFragment(abcd()).contains("THEAD"));
        QVERIFY(!buildTableFragment(abcd()).contains("TBODY"));
    }

    void percentageWidths_data()
    {
        QTest::addColumn<QList<qint64>>("twips");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("1500 and 3000") << QList<qint64>{1500, 3000} << QStringList{"33%", "66%"};
        QTest::newRow("equal") << QList<qint64>{1900, 1900} << QStringList{"50%", "50%"};
        // 38000 twips: beyond a 16-bit sum.
        QTest::newRow("wider than 32767 twips")
            << QList<qint64>{15000, 15000, 8000} << QStringList{"39%", "39%", "21%"};
        QTest::newRow("wide and many")
            << QList<qint64>(40, 1900) << QStringList(40, QStringLiteral("2%"));
        // Together narrower than a pixel: shared by twips, not divided by 0.
        QTest::newRow("sub-pixel") << QList<qint64>{2, 5} << QStringList{"28%", "71%"};
        QTest::newRow("all zero") << QList<qint64>{0, 0, 0} << QStringList(3, "33%");
    }
    void percentageWidths()
    {
        QFETCH(QList<qint64>, twips);
        QFETCH(QStringList, expected);
        TableOptions options;
        options.columnWidths = twips;
        options.cells = {QList<TableCell>(twips.size())};
        options.percentageWidth = true;
        const QString fragment = buildTableFragment(options);
        QVERIFY(fragment.contains("<TABLE CELLPADDING=3 CELLSPACING=2 WIDTH=100%>\r\n"));
        QStringList got;
        static const QRegularExpression width(QStringLiteral("<TD WIDTH=([^ ]*) "));
        for (auto it = width.globalMatch(fragment); it.hasNext();)
            got << it.next().captured(1);
        QCOMPARE(got, expected);
    }

    void pixelWidthsBeyondSixteenBits()
    {
        TableOptions options;
        options.columnWidths = {30000, 30000, 1900};
        options.cells = {QList<TableCell>(3)};
        const QString fragment = buildTableFragment(options);
        QVERIFY(fragment.contains("<TD WIDTH=2000 ALIGN"));
        QVERIFY(fragment.contains("<TD WIDTH=126.666666666667 ALIGN"));
    }

    void backgrounds_data()
    {
        QTest::addColumn<qint64>("backColor");
        QTest::addColumn<QString>("expected");
        QTest::newRow("none chosen") << qint64(0) << "#FFFFFF";
        QTest::newRow("black chosen") << storedBackColor(0) << "#000000";
        QTest::newRow("red") << qint64(255) << "#FF0000";
        QTest::newRow("grey") << qint64(8421504) << "#808080";
    }
    void backgrounds()
    {
        QFETCH(qint64, backColor);
        QFETCH(QString, expected);
        TableOptions options = oneCell("x");
        options.cells[0][0].backColor = backColor;
        options.transparentBackgrounds = false;
        QVERIFY(buildTableFragment(options).contains("<TD WIDTH=100 BGColor=" + expected +
                                                     " ALIGN=LEFT VALIGN=TOP>\r\n"));
        options.transparentBackgrounds = true;
        QVERIFY(!buildTableFragment(options).contains("BGColor"));
    }

    void storedBlack()
    {
        QCOMPARE(storedBackColor(0), qint64(1));
        QCOMPARE(storedBackColor(255), qint64(255));
        TableCell cell;
        QCOMPARE(editorBackColor(cell, false), qint64(0xFFFFFF));
        cell.backColor = 255;
        QCOMPARE(editorBackColor(cell, false), qint64(255));
        QCOMPARE(editorBackColor(cell, true), qint64(0xFFFFFF));
    }

    void image_data()
    {
        QTest::addColumn<bool>("textColor");
        QTest::addColumn<QString>("fontLine");
        QTest::newRow("Text Color off") << false << "<FONT SIZE=3>";
        QTest::newRow("Text Color on") << true << "<FONT COLOR=#000000 SIZE=3>";
    }
    void image()
    {
        QFETCH(bool, textColor);
        QFETCH(QString, fontLine);
        TableOptions options = oneCell();
        options.cells[0][0].imageName = "logo.gif";
        options.textColorEnabled = textColor;
        QVERIFY(buildTableFragment(options).contains(
            fontLine + "\r\n<IMG SRC=\"logo.gif\">\r\n</FONT>\r\n</TD>\r\n"));

        // Text after the picture keeps its line breaks.
        options.cells[0][0].text = "a\nb";
        QVERIFY(buildTableFragment(options).contains("<IMG SRC=\"logo.gif\">a<BR>\r\nb\r\n"));
    }

    void textColour()
    {
        TableOptions options = abcd();
        options.textColorEnabled = true;
        options.cells[1][0].textColor = 255;
        const QString fragment = buildTableFragment(options);
        QCOMPARE(fragment.count("<FONT COLOR=#FF0000 SIZE=3>\r\nc\r\n"), 1);
        QCOMPARE(fragment.count("<FONT COLOR=#000000 SIZE=3>\r\n"), 3);

        options.textColorEnabled = false;
        QVERIFY(!buildTableFragment(options).contains("COLOR"));

        clearTextColors(options);
        options.textColorEnabled = true;
        QCOMPARE(buildTableFragment(options).count("<FONT COLOR=#000000 SIZE=3>"), 4);
    }

    void cellHtmlSize_data()
    {
        QTest::addColumn<float>("points");
        QTest::addColumn<QString>("expected");
        QTest::newRow("7.99") << 7.99f << "";
        QTest::newRow("0") << 0.0f << "";
        QTest::newRow("8") << 8.0f << "1";
        QTest::newRow("9.74") << 9.74f << "1";
        QTest::newRow("9.75") << 9.75f << "2";
        QTest::newRow("10") << 10.0f << "2";
        QTest::newRow("11.99") << 11.99f << "2";
        QTest::newRow("12") << 12.0f << "3";
        QTest::newRow("13") << 13.0f << "3";
        QTest::newRow("14") << 14.0f << "4";
        QTest::newRow("17.5") << 17.5f << "4";
        QTest::newRow("18") << 18.0f << "5";
        QTest::newRow("23") << 23.0f << "5";
        QTest::newRow("24") << 24.0f << "6";
        QTest::newRow("35.9") << 35.9f << "6";
        QTest::newRow("36") << 36.0f << "7";
        QTest::newRow("200") << 200.0f << "7";
        QTest::newRow("NaN") << std::numeric_limits<float>::quiet_NaN() << "";
    }
    void cellHtmlSize()
    {
        QFETCH(float, points);
        QFETCH(QString, expected);
        QCOMPARE(tablebuilder::cellHtmlSize(points), expected);

        TableOptions options = oneCell("x");
        options.cells[0][0].fontSize = points;
        QVERIFY(buildTableFragment(options).contains("<FONT SIZE=" + expected + ">\r\nx\r\n"));
    }

    void fontSizeCombo_data()
    {
        QTest::addColumn<float>("points");
        QTest::addColumn<QString>("expected");
        QTest::newRow("72") << 72.0f << "36";
        QTest::newRow("36") << 36.0f << "36";
        QTest::newRow("30") << 30.0f << "24";
        QTest::newRow("20") << 20.0f << "18";
        QTest::newRow("14") << 14.0f << "14";
        QTest::newRow("13") << 13.0f << "12";
        QTest::newRow("12") << 12.0f << "12";
        QTest::newRow("11") << 11.0f << "10";
        QTest::newRow("9.75") << 9.75f << "10";
        QTest::newRow("9.7") << 9.7f << "8";
        QTest::newRow("8") << 8.0f << "8";
        QTest::newRow("7.5 typed") << 7.5f << "7.5";
        QTest::newRow("6 typed") << 6.0f << "6";
    }
    void fontSizeCombo()
    {
        QFETCH(float, points);
        QFETCH(QString, expected);
        QCOMPARE(fontSizeComboText(points), expected);
    }

    void fontSizeFromText()
    {
        QCOMPARE(fontSizeFromComboText("14"), 14.0f);
        QCOMPARE(fontSizeFromComboText("9.75pt"), 9.75f);
        QCOMPARE(fontSizeFromComboText("big"), 0.0f);
        QCOMPARE(fontSizeFromComboText("1e300"), 1000.0f);
        QCOMPARE(fontSizeFromComboText("-1e300"), 0.0f);
        // Every combo item maps back onto itself.
        for (const QString &item : fontSizeItems())
            QCOMPARE(fontSizeComboText(fontSizeFromComboText(item)), item);
    }

    void rowsAndColumns()
    {
        TableOptions options = oneCell("only");
        QVERIFY(!removeRow(options));
        QVERIFY(!removeColumn(options));
        QCOMPARE(options.rowCount(), 1);
        QCOMPARE(options.columnCount(), 1);
        QCOMPARE(options.cells[0][0].text, QStringLiteral("only"));

        TableOptions grid;
        grid.cells[0][0].imageName = "a.gif";
        grid.cells[1][1].imageName = "d.gif";
        grid.columnWidths[0] = 900;
        addRow(grid);
        addColumn(grid);
        QCOMPARE(grid.rowCount(), 3);
        QCOMPARE(grid.columnCount(), 3);
        QCOMPARE(grid.columnWidths, (QList<qint64>{900, DefaultColumnWidth, DefaultColumnWidth}));
        for (const auto &row : grid.cells)
            QCOMPARE(row.size(), 3);
        QCOMPARE(grid.cells[0][0].imageName, QStringLiteral("a.gif"));
        QCOMPARE(grid.cells[1][1].imageName, QStringLiteral("d.gif"));
        QVERIFY(grid.cells[2][2].imageName.isEmpty());
        QCOMPARE(grid.cells[2][2].fontSize, DefaultFontSize);

        QVERIFY(removeRow(grid));
        QVERIFY(removeColumn(grid));
        QVERIFY(removeColumn(grid));
        QCOMPARE(grid.columnCount(), 1);
        QCOMPARE(grid.cells.size(), 2);
        QCOMPARE(grid.cells[0].size(), 1);
        QCOMPARE(grid.cells[0][0].imageName, QStringLiteral("a.gif"));
        QVERIFY(!removeColumn(grid));
        QVERIFY(removeRow(grid));
        QVERIFY(!removeRow(grid));
        QCOMPARE(grid.cells[0][0].imageName, QStringLiteral("a.gif"));
    }

    void ragged()
    {
        // A row shorter than the column count reads as empty cells; extra
        // cells beyond it are not written.
        TableOptions options = abcd();
        options.cells[0].removeLast();
        options.cells[1].append(TableCell{"extra", 0, 0, 12.0f, QString()});
        const QString fragment = buildTableFragment(options);
        QCOMPARE(fragment.count("<TD "), 4);
        QVERIFY(!fragment.contains("extra"));
        QVERIFY(fragment.contains("<FONT SIZE=3>\r\n\r\n</FONT>"));

        TableOptions empty;
        empty.cells.clear();
        empty.columnWidths.clear();
        QCOMPARE(buildTableFragment(empty),
                 QStringLiteral("\n<!-- Beginning of Table -->\r\n<TABLE CELLPADDING=3 "
                                "CELLSPACING=2>\r\n</TABLE>\r\n<!-- End Of Table -->\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestTableBuilderLogic)
#include "test_tablebuilderlogic.moc"

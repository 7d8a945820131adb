// SPDX-License-Identifier: GPL-3.0-or-later
#include "kernel/htmlvalues.h"
#include "platform/filefilter.h"
#include "platform/numbers.h"
#include "platform/paths.h"

#include <QtTest>

class TestNumbers : public QObject
{
    Q_OBJECT
private slots:
    void leadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected");
        QTest::newRow("plain") << "12" << 12.0;
        QTest::newRow("trailing letters") << "12abc" << 12.0;
        QTest::newRow("letters only") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("decimal") << "8.5" << 8.5;
        QTest::newRow("negative") << "-1" << -1.0;
        QTest::newRow("leading blanks") << "  42 px" << 42.0;
        QTest::newRow("blanks inside") << "1 2" << 12.0;
        QTest::newRow("exponent") << "1.5e2x" << 150.0;
        QTest::newRow("e without digits") << "3em" << 3.0;
        QTest::newRow("hex") << "&H800080" << 8388736.0;
        QTest::newRow("second point ends") << "1.2.3" << 1.2;
        QTest::newRow("sign only") << "-" << 0.0;
        QTest::newRow("huge exponent") << "1e999" << 0.0;
    }
    void leadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, expected);
        QCOMPARE(numbers::leadingNumber(text), expected);
    }

    void roundHalfEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<qint64>("expected");
        QTest::newRow("half down to even") << 2.5 << qint64(2);
        QTest::newRow("half up to even") << 3.5 << qint64(4);
        QTest::newRow("below half") << 126.4 << qint64(126);
        QTest::newRow("above half") << 126.6 << qint64(127);
        QTest::newRow("negative half") << -0.5 << qint64(0);
    }
    void roundHalfEven()
    {
        QFETCH(double, value);
        QFETCH(qint64, expected);
        QCOMPARE(numbers::roundHalfEven(value), expected);
    }

    void shortestDouble_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("1900 twips") << 1900.0 / 15 << "126.666666666667";
        QTest::newRow("1500 twips") << 1500.0 / 15 << "100";
        QTest::newRow("half") << 0.5 << "0.5";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("big") << 1e16 << "1E+16";
    }
    void shortestDouble()
    {
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(numbers::shortestDouble(value), expected);
    }

    void shortestSingle()
    {
        QCOMPARE(numbers::shortestSingle(9.75f), QStringLiteral("9.75"));
        QCOMPARE(numbers::shortestSingle(1.0f / 3.0f), QStringLiteral("0.3333333"));
    }

    void htmlFontSize_data()
    {
        QTest::addColumn<int>("points");
        QTest::addColumn<QString>("expected");
        const QList<QPair<int, QString>> rows{
            {7, ""},   {8, "1"},  {9, "1"},  {10, "2"}, {11, "2"}, {12, "3"}, {13, "3"}, {14, "4"},
            {17, "4"}, {18, "5"}, {23, "5"}, {24, "6"}, {35, "6"}, {36, "7"}, {72, "7"}, {-3, ""}};
        for (const auto &row : rows)
            QTest::newRow(qPrintable(QString::number(row.first))) << row.first << row.second;
    }
    void htmlFontSize()
    {
        QFETCH(int, points);
        QFETCH(QString, expected);
        QCOMPARE(htmlvalues::htmlFontSize(points), expected);
    }

    void joinPath_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("expected");
        QTest::newRow("root") << "/"
                              << "/caching.htm";
        QTest::newRow("folder") << "/home/u/site"
                                << "/home/u/site/caching.htm";
        QTest::newRow("trailing slash") << "/home/u/site/"
                                        << "/home/u/site/caching.htm";
    }
    void joinPath()
    {
        QFETCH(QString, folder);
        QFETCH(QString, expected);
        QCOMPARE(paths::join(folder, paths::previewFileName()), expected);
    }

    void fileFilter_data()
    {
        QTest::addColumn<QString>("bar");
        QTest::addColumn<QString>("qt");
        QTest::newRow("open") << "HTML Files (*.htm;*.html)|*.htm;*.html|Text Files (*.txt)|*.txt"
                              << "HTML Files (*.htm *.html);;Text Files (*.txt)";
        QTest::newRow("all") << "All Files (*.*)|*.*"
                             << "All Files (*.*)";
        QTest::newRow("executables") << "Executable Files (*.EXE)|*.EXE"
                                     << "Executable Files (*)";
    }
    void fileFilter()
    {
        QFETCH(QString, bar);
        QFETCH(QString, qt);
        QCOMPARE(filefilter::toQt(bar), qt);
    }
};

QTEST_GUILESS_MAIN(TestNumbers)
#include "test_numbers.moc"

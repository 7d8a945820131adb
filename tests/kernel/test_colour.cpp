// SPDX-License-Identifier: GPL-3.0-or-later
// Colour numbers, HTML colour values, the colour names and the contrast
// between two colours.

#include "kernel/colour.h"

#include <QtTest>

class TestColour : public QObject
{
    Q_OBJECT
private slots:
    void html_data()
    {
        QTest::addColumn<qint64>("number");
        QTest::addColumn<QString>("expected");
        QTest::newRow("red") << qint64(255) << "#FF0000";
        QTest::newRow("green") << qint64(65280) << "#00FF00";
        QTest::newRow("blue") << qint64(16711680) << "#0000FF";
        QTest::newRow("black") << qint64(0) << "#000000";
        QTest::newRow("grey") << qint64(8421504) << "#808080";
        QTest::newRow("hex 123") << qint64(291) << "#230100";
        QTest::newRow("stored black") << qint64(1) << "#010000";
        // Seven digits are not padded; the first six are reversed in pairs.
        QTest::newRow("seven digits") << qint64(0x1234567) << "#563412";
        QTest::newRow("negative as 32 bits") << qint64(-1) << "#FFFFFF";
    }
    void html()
    {
        QFETCH(qint64, number);
        QFETCH(QString, expected);
        QCOMPARE(colour::html(number), expected);
    }

    void fromHtml_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<qint64>("expected"); // -1: not a colour
        QTest::newRow("red") << "#FF0000" << qint64(255);
        QTest::newRow("lower case") << "#00ff80" << qint64(0x80FF00);
        QTest::newRow("mixed") << "#aBc123" << qint64(0x23C1AB);
        QTest::newRow("name") << "RED" << qint64(-1);
        QTest::newRow("empty") << "" << qint64(-1);
        QTest::newRow("no hash") << "FF0000" << qint64(-1);
        QTest::newRow("short") << "#FFF" << qint64(-1);
        QTest::newRow("long") << "#FF00001" << qint64(-1);
        QTest::newRow("not hex") << "#GG0000" << qint64(-1);
        QTest::newRow("sign") << "#+FFFFF" << qint64(-1);
        QTest::newRow("space") << "# FFFFF" << qint64(-1);
        QTest::newRow("prefix") << "#0x1234" << qint64(-1);
    }
    void fromHtml()
    {
        QFETCH(QString, value);
        QFETCH(qint64, expected);
        const std::optional<qint64> number = colour::fromHtml(value);
        QCOMPARE(number.value_or(-1), expected);
        if (number)
            QCOMPARE(colour::html(*number), value.toUpper());
    }

    void parts_data()
    {
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("green");
        QTest::addColumn<int>("blue");
        QTest::newRow("black") << 0 << 0 << 0;
        QTest::newRow("orange") << 255 << 128 << 0;
        QTest::newRow("each apart") << 1 << 2 << 3;
        QTest::newRow("white") << 255 << 255 << 255;
    }
    void parts()
    {
        QFETCH(int, red);
        QFETCH(int, green);
        QFETCH(int, blue);
        const qint64 number = colour::number(red, green, blue);
        QCOMPARE(colour::red(number), red);
        QCOMPARE(colour::green(number), green);
        QCOMPARE(colour::blue(number), blue);
        QCOMPARE(colour::fromRgb(quint32(red << 16 | green << 8 | blue)), number);
        QCOMPARE(colour::fromHtml(colour::html(number)), number);
    }

    void names()
    {
        const QStringList &names = colour::names();
        QCOMPARE(names.size(), 16);
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), 16);
        QStringList sorted = names;
        sorted.sort();
        QCOMPARE(names, sorted);
        for (const QString &name : names)
            QCOMPARE(name, name.toUpper());
    }

    void fromText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("expected"); // -1: not a colour
        QTest::newRow("value") << "#102030" << colour::fromRgb(0x102030);
        QTest::newRow("name") << "NAVY" << colour::fromRgb(0x000080);
        QTest::newRow("name, any case, spaces") << " fuchsia " << colour::fromRgb(0xFF00FF);
        QTest::newRow("silver") << "Silver" << colour::fromRgb(0xC0C0C0);
        QTest::newRow("not one of the sixteen") << "ORANGE" << qint64(-1);
        QTest::newRow("empty") << "" << qint64(-1);
    }
    void fromText()
    {
        QFETCH(QString, text);
        QFETCH(qint64, expected);
        QCOMPARE(colour::fromText(text).value_or(-1), expected);
    }

    void contrast_data()
    {
        QTest::addColumn<quint32>("text");
        QTest::addColumn<quint32>("background");
        QTest::addColumn<double>("ratio");
        QTest::addColumn<bool>("aa");
        QTest::addColumn<bool>("aaa");
        QTest::newRow("black on white") << 0x000000u << 0xFFFFFFu << 21.0 << true << true;
        QTest::newRow("white on black") << 0xFFFFFFu << 0x000000u << 21.0 << true << true;
        QTest::newRow("#777777 on white") << 0x777777u << 0xFFFFFFu << 4.48 << false << false;
        QTest::newRow("#767676 on white, just AA")
            << 0x767676u << 0xFFFFFFu << 4.54 << true << false;
        QTest::newRow("#595959 on white, AAA") << 0x595959u << 0xFFFFFFu << 7.0 << true << true;
        QTest::newRow("red on white") << 0xFF0000u << 0xFFFFFFu << 4.0 << false << false;
        QTest::newRow("blue on white") << 0x0000FFu << 0xFFFFFFu << 8.59 << true << true;
        QTest::newRow("green on white") << 0x008000u << 0xFFFFFFu << 5.14 << true << false;
        QTest::newRow("the same colour") << 0x336699u << 0x336699u << 1.0 << false << false;
    }
    void contrast()
    {
        QFETCH(quint32, text);
        QFETCH(quint32, background);
        QFETCH(double, ratio);
        QFETCH(bool, aa);
        QFETCH(bool, aaa);
        const double measured =
            colour::contrastRatio(colour::fromRgb(text), colour::fromRgb(background));
        QVERIFY2(qAbs(measured - ratio) < 0.005, qPrintable(QString::number(measured, 'f', 4)));
        QCOMPARE(colour::passesAA(measured), aa);
        QCOMPARE(colour::passesAAA(measured), aaa);
    }

    void luminance_data()
    {
        QTest::addColumn<quint32>("rgb");
        QTest::addColumn<double>("luminance");
        QTest::newRow("black") << 0x000000u << 0.0;
        QTest::newRow("white") << 0xFFFFFFu << 1.0;
        // Each channel weighs as the eye sees it.
        QTest::newRow("red") << 0xFF0000u << 0.2126;
        QTest::newRow("green") << 0x00FF00u << 0.7152;
        QTest::newRow("blue") << 0x0000FFu << 0.0722;
        // Below the knee the curve is a straight line.
        QTest::newRow("dark grey") << 0x0A0A0Au << 10 / 255.0 / 12.92;
    }
    void luminance()
    {
        QFETCH(quint32, rgb);
        QFETCH(double, luminance);
        QVERIFY(qAbs(colour::relativeLuminance(colour::fromRgb(rgb)) - luminance) < 1e-6);
    }
};

QTEST_GUILESS_MAIN(TestColour)
#include "test_colour.moc"

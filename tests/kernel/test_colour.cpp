// SPDX-License-Identifier: GPL-3.0-or-later
// Colour numbers, HTML colour values and the colour names.

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
};

QTEST_GUILESS_MAIN(TestColour)
#include "test_colour.moc"

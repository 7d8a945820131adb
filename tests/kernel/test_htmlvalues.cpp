// SPDX-License-Identifier: GPL-3.0-or-later
// The values builders write into HTML: attribute values that stay one
// value, the fields that take numbers, style sheet values, and the
// mnemonics every window's captions get.

#include "kernel/htmlvalues.h"
#include "kernel/mnemonics.h"

#include <QtTest>

using htmlvalues::Entry;
using htmlvalues::FieldKind;

Q_DECLARE_METATYPE(htmlvalues::Entry)
Q_DECLARE_METATYPE(htmlvalues::FieldKind)

class TestHtmlValues : public QObject
{
    Q_OBJECT
private slots:
    void attributeValues_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("bare");   // after NAME= where quotes are optional
        QTest::addColumn<QString>("quoted"); // where quotes are always written
        QTest::newRow("plain") << "CENTER"
                               << "CENTER"
                               << "\"CENTER\"";
        QTest::newRow("percent") << "50%"
                                 << "50%"
                                 << "\"50%\"";
        QTest::newRow("colour") << "#FF0000"
                                << "#FF0000"
                                << "\"#FF0000\"";
        QTest::newRow("a typed reference stays") << "a&amp;b"
                                                 << "a&amp;b"
                                                 << "\"a&amp;b\"";
        QTest::newRow("space") << "top left"
                               << "\"top left\""
                               << "\"top left\"";
        QTest::newRow("double quote") << "He said \"hi\""
                                      << "\"He said &quot;hi&quot;\""
                                      << "\"He said &quot;hi&quot;\"";
        QTest::newRow("single quote") << "it's"
                                      << "\"it's\""
                                      << "\"it's\"";
        QTest::newRow("greater than") << "a>b"
                                      << "\"a>b\""
                                      << "\"a>b\"";
        QTest::newRow("equals") << "a=b"
                                << "\"a=b\""
                                << "\"a=b\"";
        QTest::newRow("tab") << "a\tb"
                             << "\"a\tb\""
                             << "\"a\tb\"";
        QTest::newRow("empty") << ""
                               << "\"\""
                               << "\"\"";
    }
    void attributeValues()
    {
        QFETCH(QString, typed);
        QFETCH(QString, bare);
        QFETCH(QString, quoted);
        QCOMPARE(htmlvalues::attributeValue(typed), bare);
        QCOMPARE(htmlvalues::quoted(typed), quoted);
        QString out;
        htmlvalues::attribute(out, QLatin1String("ALIGN"), typed);
        QCOMPARE(out, typed.isEmpty() ? QString() : QStringLiteral(" ALIGN=") + bare);
    }

    void fieldEntries_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<FieldKind>("kind");
        QTest::addColumn<Entry>("entry");
        const auto ok = Entry::Acceptable;
        const auto part = Entry::Unfinished;
        const auto no = Entry::Refused;
        QTest::newRow("empty leaves it out") << "" << FieldKind::Length << ok;
        QTest::newRow("pixels") << "60" << FieldKind::Length << ok;
        QTest::newRow("percent") << "50%" << FieldKind::Length << ok;
        QTest::newRow("words") << "sixty" << FieldKind::Length << no;
        QTest::newRow("below zero") << "-5" << FieldKind::Length << no;
        QTest::newRow("lone percent") << "%" << FieldKind::Length << no;
        QTest::newRow("percent twice") << "5%%" << FieldKind::Length << no;
        QTest::newRow("unit") << "60px" << FieldKind::Length << no;
        QTest::newRow("whole") << "10" << FieldKind::Whole << ok;
        QTest::newRow("no percent") << "10%" << FieldKind::Whole << no;
        QTest::newRow("letters") << "ten" << FieldKind::Whole << no;
        QTest::newRow("blank") << " 10" << FieldKind::Whole << no;
        QTest::newRow("negative") << "-10" << FieldKind::Integer << ok;
        QTest::newRow("minus so far") << "-" << FieldKind::Integer << part;
        QTest::newRow("fraction") << "1.5" << FieldKind::Decimal << ok;
        QTest::newRow("point so far") << "1." << FieldKind::Decimal << part;
        QTest::newRow("point first") << ".5" << FieldKind::Decimal << ok;
        QTest::newRow("two points") << "1.2.3" << FieldKind::Decimal << no;
        QTest::newRow("negative fraction") << "-0.25" << FieldKind::SignedDecimal << ok;
        QTest::newRow("unsigned refuses minus") << "-1" << FieldKind::Decimal << no;
        QTest::newRow("infinite") << "INFINITE" << FieldKind::Loop << ok;
        QTest::newRow("infinite, small") << "infinite" << FieldKind::Loop << ok;
        QTest::newRow("infinite so far") << "INF" << FieldKind::Loop << part;
        QTest::newRow("minus one") << "-1" << FieldKind::Loop << ok;
        QTest::newRow("minus two") << "-2" << FieldKind::Loop << no;
        QTest::newRow("times") << "3" << FieldKind::Loop << ok;
        QTest::newRow("word") << "DYNSRC" << FieldKind::Word << ok;
        QTest::newRow("word with a blank") << "SRC X" << FieldKind::Word << no;
        QTest::newRow("empty word") << "" << FieldKind::Word << part;
    }
    void fieldEntries()
    {
        QFETCH(QString, text);
        QFETCH(FieldKind, kind);
        QFETCH(Entry, entry);
        QCOMPARE(htmlvalues::fieldEntry(text, kind), entry);
        QVERIFY(!htmlvalues::fieldReason(kind).isEmpty());
    }

    void cssValues_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::newRow("colour") << "#FF0000"
                                << "#FF0000";
        QTest::newRow("family") << "Times New Roman"
                                << "Times New Roman";
        QTest::newRow("paired brackets stay") << "rgb(1, 2, 3)"
                                              << "rgb(1, 2, 3)";
        QTest::newRow("lone bracket") << "a)b"
                                      << "a\\)b";
        QTest::newRow("ends the declaration") << "red; x: y"
                                              << "red\\; x: y";
        QTest::newRow("ends the block") << "red}"
                                        << "red\\}";
        QTest::newRow("quotes") << "a\"b'c"
                                << "a\\\"b\\'c";
        QTest::newRow("ends the element") << "</style>"
                                          << "\\3C /style>";
        QTest::newRow("starts a comment") << "a/*b"
                                          << "a/\\*b";
        QTest::newRow("line end") << "a\nb"
                                  << "a\\A b";
        QTest::newRow("backslash") << "a\\b"
                                   << "a\\\\b";
    }
    void cssValues()
    {
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QCOMPARE(htmlvalues::cssValue(typed), written);
    }

    void mnemonicsOfTheirOwn_data()
    {
        QTest::addColumn<QStringList>("captions");
        QTest::addColumn<QList<bool>>("fixed");
        QTest::addColumn<QStringList>("assigned");
        QTest::newRow("word starts first")
            << QStringList{"Name", "Number", "Value"} << QList<bool>{}
            << QStringList{"&Name", "N&umber", "&Value"};
        QTest::newRow("own letters kept") << QStringList{"Save &As", "&Save"} << QList<bool>{}
                                          << QStringList{"Save &As", "&Save"};
        QTest::newRow("a later claim moves")
            << QStringList{"&Checkbox", "&Cancel"} << QList<bool>{false, true}
            << QStringList{"C&heckbox", "&Cancel"};
        QTest::newRow("the first claim keeps it")
            << QStringList{"&Hidden", "&Height"} << QList<bool>{}
            << QStringList{"&Hidden", "H&eight"};
        QTest::newRow("literal ampersand")
            << QStringList{"Form && Script"} << QList<bool>{} << QStringList{"&Form && Script"};
        QTest::newRow("nothing free")
            << QStringList{"&Ab", "&Ba", "AB"} << QList<bool>{} << QStringList{"&Ab", "&Ba", "AB"};
        QTest::newRow("digits are not given")
            << QStringList{"31", "Heading &1"} << QList<bool>{} << QStringList{"31", "Heading &1"};
    }
    void mnemonicsOfTheirOwn()
    {
        QFETCH(QStringList, captions);
        QFETCH(QList<bool>, fixed);
        QFETCH(QStringList, assigned);
        QCOMPARE(mnemonics::assign(captions, fixed), assigned);
    }
};

QTEST_MAIN(TestHtmlValues)
#include "test_htmlvalues.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "builders/listbuilderlogic.h"

#include <QtTest>

using namespace listbuilder;

namespace {

ListOptions listOf(ListKind kind, const QStringList &items)
{
    ListOptions options;
    options.kind = kind;
    options.rows.clear();
    for (const QString &item : items) {
        ListRow row;
        row.item.text = item;
        options.rows << row;
    }
    return options;
}

QString framed(const QString &list)
{
    return QStringLiteral("<!--Beginning of List-->\r\n") + list +
           QStringLiteral("\r\n<!--End Of List-->\r\n");
}

} // namespace

class TestListBuilderLogic : public QObject
{
    Q_OBJECT
private slots:
    void lists_data()
    {
        QTest::addColumn<ListOptions>("options");
        QTest::addColumn<QString>("expected");

        const QStringList oneTwo{QStringLiteral("one"), QStringLiteral("two")};
        QTest::newRow("example: ordered, initial settings")
            << listOf(ListKind::Ordered, oneTwo)
            << framed(QStringLiteral("<OL START=1 TYPE=1>\r\n<LI>one\r\n<LI>two\r\n</OL>"));

        ListOptions roman = listOf(ListKind::Ordered, {QStringLiteral("iv")});
        roman.numbering = Numbering::SmallRoman;
        roman.startingNumber = QStringLiteral("4");
        QTest::newRow("small roman numerals from 4")
            << roman << framed(QStringLiteral("<OL START=4 TYPE=i>\r\n<LI>iv\r\n</OL>"));

        ListOptions letters = listOf(ListKind::Ordered, {QString()});
        letters.numbering = Numbering::LargeLetters;
        letters.startingNumber.clear();
        QTest::newRow("no starting number, empty item")
            << letters << framed(QStringLiteral("<OL TYPE=A>\r\n<LI>\r\n</OL>"));

        for (const auto &[numbering, type] :
             {std::pair{Numbering::SmallLetters, "a"}, std::pair{Numbering::LargeRoman, "I"}}) {
            ListOptions options = listOf(ListKind::Ordered, {QStringLiteral("x")});
            options.numbering = numbering;
            QTest::addRow("TYPE=%s", type)
                << options
                << framed(QStringLiteral("<OL START=1 TYPE=%1>\r\n<LI>x\r\n</OL>").arg(type));
        }

        ListOptions definition = listOf(ListKind::Definition, {QStringLiteral("HTML")});
        definition.rows[0].definition.text = QStringLiteral("markup");
        QTest::newRow("definition list")
            << definition << framed(QStringLiteral("<DL>\r\n<DT>HTML\r\n<DD>markup\r\n</DL>"));

        QTest::newRow("unordered") << listOf(ListKind::Unordered, oneTwo)
                                   << framed(QStringLiteral("<UL>\r\n<LI>one\r\n<LI>two\r\n</UL>"));
        QTest::newRow("itemized") << listOf(ListKind::Itemized, oneTwo)
                                  << framed(
                                         QStringLiteral("<MENU>\r\n<LI>one\r\n<LI>two\r\n</MENU>"));
        QTest::newRow("directory") << listOf(ListKind::Directory, {QStringLiteral("a&b <x>")})
                                   << framed(QStringLiteral("<DIR>\r\n<LI>a&b <x>\r\n</DIR>"));

        ListOptions coloured = listOf(ListKind::Unordered, oneTwo);
        coloured.useColors = true;
        coloured.rows[1].item.color = 0x0000FF; // red
        QTest::newRow("colours in use: every item in FONT")
            << coloured
            << framed(QStringLiteral("<UL>\r\n<FONT COLOR=#000000><LI>one</FONT>\r\n"
                                     "<FONT COLOR=#FF0000><LI>two</FONT>\r\n</UL>"));

        ListOptions colouredTerms = definition;
        colouredTerms.useColors = true;
        colouredTerms.rows[0].definition.color = 0xFF8000; // blue 255, green 128
        QTest::newRow("coloured definition")
            << colouredTerms
            << framed(QStringLiteral("<DL>\r\n<FONT COLOR=#000000><DT>HTML</FONT>\r\n"
                                     "<FONT COLOR=#0080FF><DD>markup</FONT>\r\n</DL>"));

        ListOptions colourNotInUse = listOf(ListKind::Ordered, {QStringLiteral("x")});
        colourNotInUse.rows[0].item.color = 0x0000FF;
        QTest::newRow("a colour without the flag is not written")
            << colourNotInUse << framed(QStringLiteral("<OL START=1 TYPE=1>\r\n<LI>x\r\n</OL>"));
    }
    void lists()
    {
        QFETCH(ListOptions, options);
        QFETCH(QString, expected);
        QCOMPARE(buildList(options), expected);
    }
};

QTEST_MAIN(TestListBuilderLogic)
#include "test_listbuilderlogic.moc"

// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/palettecatalog.h"
#include "shell/referencelists.h"
#include "shell/timedate.h"

#include <QtTest>

using namespace palette;

namespace {

const ToolTab *findTab(const QString &strip, const QString &caption)
{
    const ToolStrip *found = findToolStrip(toolStrips(), strip);
    if (!found)
        return nullptr;
    for (const ToolTab &tab : found->tabs) {
        if (tab.caption == caption)
            return &tab;
    }
    return nullptr;
}

const CharacterCombo &comboLabelled(const QString &label)
{
    for (const CharacterCombo &combo : characterCombos()) {
        if (combo.label == label)
            return combo;
    }
    qFatal("no combo %s", qPrintable(label));
}

} // namespace

class TestPaletteCatalog : public QObject
{
    Q_OBJECT
private slots:
    void listCounts()
    {
        QCOMPARE(tagNames().size(), 95);
        QCOMPARE(attributeNames().size(), 123);
        QCOMPARE(faces().size(), 20);
        QCOMPARE(javaScriptTopics().size(), 280);
        QCOMPARE(timeDateFormatNames().size(), 7);

        QCOMPARE(tagNames().first(), QStringLiteral("!-- --"));
        QCOMPARE(tagNames().last(), QStringLiteral("VAR"));
        QCOMPARE(attributeNames().first(), QStringLiteral("ABBR"));
        QCOMPARE(attributeNames().last(), QStringLiteral("WIDTH"));
        QCOMPARE(faces().first(), QStringLiteral(": - )"));
        QCOMPARE(faces().last(), QStringLiteral("; o |"));
        QCOMPARE(javaScriptTopics().first(), QStringLiteral("$1...$9 Properties"));
        QCOMPARE(javaScriptTopics().last(), QStringLiteral("WriteLine Method"));
    }

    void listsInOrder()
    {
        // Tags are unique and sorted as the list shows them; attributes keep
        // exactly four doubled names.
        QCOMPARE(QSet<QString>(tagNames().begin(), tagNames().end()).size(), tagNames().size());
        for (int i = 1; i < tagNames().size(); ++i)
            QVERIFY2(tagNames()[i - 1] < tagNames()[i], qPrintable(tagNames()[i]));
        QStringList doubled;
        for (int i = 1; i < attributeNames().size(); ++i) {
            QVERIFY2(attributeNames()[i - 1] <= attributeNames()[i],
                     qPrintable(attributeNames()[i]));
            if (attributeNames()[i - 1] == attributeNames()[i])
                doubled << attributeNames()[i];
        }
        QCOMPARE(doubled, (QStringList{"NORESIZE", "NOSHADE", "NOWRAP", "OBJECT"}));
        for (const QString &name : emptyElements())
            QVERIFY2(tagNames().contains(name), qPrintable(name));
    }

    void paletteChooser()
    {
        QCOMPARE(paletteTabs().size(), 10);
        QStringList panels;
        for (const PaletteTab &tab : paletteTabs()) {
            QVERIFY(!tab.toolTip.isEmpty());
            QVERIFY2(tab.panel == QLatin1String(CharacterPanel) ||
                         findToolStrip(toolStrips(), tab.panel),
                     qPrintable(tab.panel));
            panels << tab.panel;
        }
        // Every panel is shown by exactly one tab.
        QCOMPARE(QSet<QString>(panels.begin(), panels.end()).size(), 10);
        QCOMPARE(paletteTabs()[1].panel, QString::fromLatin1(CharacterPanel));
        QCOMPARE(paletteTabs()[7].caption, QStringLiteral("Tables"));
        QCOMPARE(paletteTabs()[7].panel, QStringLiteral("TabStrip5"));
    }

    void toolStripsHoldTagTabs()
    {
        QCOMPARE(toolStrips().size(), 9);
        for (int i = 0; i < toolStrips().size(); ++i) {
            const ToolStrip &strip = toolStrips()[i];
            QCOMPARE(strip.name, QStringLiteral("TabStrip%1").arg(i + 3));
            for (const ToolTab &tab : strip.tabs) {
                QVERIFY(!tab.caption.isEmpty());
                // Builder tabs come from the registry rows.
                QVERIFY(tab.action != ToolAction::OpenBuilder);
                QCOMPARE(toolFragment(tab, QString()).has_value(),
                         tab.action != ToolAction::QuickColor);
            }
        }
        QVERIFY(!findToolStrip(toolStrips(), "TabStrip2"));
        const ToolTab *quickColor = findTab("TabStrip8", "QuickColor");
        QVERIFY(quickColor);
        QCOMPARE(quickColor->action, ToolAction::QuickColor);
    }

    void placeTabs_data()
    {
        QTest::addColumn<QString>("placements"); // caption@position, on TabStrip4 unless strip/
        QTest::addColumn<QString>("expected");   // TabStrip4's captions afterwards
        QTest::newRow("none") << ""
                              << "A B";
        QTest::newRow("front") << "x@0"
                               << "x A B";
        QTest::newRow("between and after") << "x@1 y@3"
                                           << "A x B y";
        QTest::newRow("given out of order") << "y@3 x@1"
                                            << "A x B y";
        QTest::newRow("same place keeps order") << "x@0 y@0"
                                                << "y x A B";
        QTest::newRow("past the end") << "x@9"
                                      << "A B x";
        QTest::newRow("another strip") << "TabStrip5/x@0"
                                       << "A B";
        QTest::newRow("unknown strip") << "TabStrip99/x@0"
                                       << "A B";
    }
    void placeTabs()
    {
        QFETCH(QString, placements);
        QFETCH(QString, expected);
        auto tab = [](const QString &caption) {
            ToolTab t;
            t.caption = caption;
            return t;
        };
        const QList<ToolStrip> strips{{"TabStrip4", {tab("A"), tab("B")}}, {"TabStrip5", {}}};
        QList<PlacedTab> tabs;
        for (const QString &p : placements.split(u' ', Qt::SkipEmptyParts)) {
            const QString strip = p.contains(u'/') ? p.section(u'/', 0, 0) : "TabStrip4";
            const QString rest = p.section(u'/', -1);
            tabs.append({strip, rest.section(u'@', 1).toInt(), tab(rest.section(u'@', 0, 0))});
        }
        const QList<ToolStrip> placed = palette::placeTabs(strips, tabs);
        QCOMPARE(placed.size(), 2);
        QStringList captions;
        for (const ToolTab &t : placed[0].tabs)
            captions << t.caption;
        QCOMPARE(captions.join(u' '), expected);
        QCOMPARE(placed[1].tabs.size(), placements.contains("TabStrip5/") ? 1 : 0);
    }

    void toolFragments_data()
    {
        QTest::addColumn<QString>("strip");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("selection");
        QTest::addColumn<QString>("expected");
        QTest::newRow("TABLE") << "TabStrip5"
                               << "<TABLE>"
                               << "x"
                               << "<TABLE>\r\n\r\n</TABLE>";
        QTest::newRow("TFOOT") << "TabStrip5"
                               << "<TFOOT>"
                               << ""
                               << "<TFOOT>\r\n\r\n</TFOOT>";
        QTest::newRow("TD") << "TabStrip5"
                            << "<TD>"
                            << "x"
                            << "<TD></TD>";
        QTest::newRow("TH") << "TabStrip5"
                            << "<TH>"
                            << ""
                            << "<TH></TH>";
        QTest::newRow("FORM") << "TabStrip7"
                              << "<FORM>"
                              << ""
                              << "<FORM>\r\n\r\n\r\n</FORM>";
        QTest::newRow("INPUT") << "TabStrip7"
                               << "<INPUT>"
                               << "word"
                               << "<INPUT>";
        QTest::newRow("MAP") << "TabStrip8"
                             << "<MAP>"
                             << ""
                             << "<MAP NAME=\"\">\r\n\r\n</MAP>";
        QTest::newRow("STYLE") << "TabStrip9"
                               << "<STYLE>"
                               << ""
                               << "<STYLE>\r\n\r\n\r\n</STYLE>";
        QTest::newRow("B") << "TabStrip4"
                           << "<B>"
                           << "word"
                           << "<B>word</B>";
        QTest::newRow("SMALL") << "TabStrip4"
                               << "<SMALL>"
                               << ""
                               << "<SMALL></SMALL>";
        QTest::newRow("H3") << "TabStrip4"
                            << "<H3>"
                            << "a\r\nb"
                            << "<H3>a\r\nb</H3>";
        QTest::newRow("FRAMESET") << "TabStrip10"
                                  << "<FRAMESET>"
                                  << "word"
                                  << "<FRAMESET></FRAMESET>";
        QTest::newRow("FRAME") << "TabStrip10"
                               << "<FRAME>"
                               << "word"
                               << "<FRAME>";
        QTest::newRow("IFRAME") << "TabStrip10"
                                << "<IFRAME>"
                                << ""
                                << "<IFRAME></IFRAME>";
        QTest::newRow("UL") << "TabStrip11"
                            << "<UL>"
                            << ""
                            << "<UL>\r\n\r\n</UL>";
        QTest::newRow("LI with word") << "TabStrip11"
                                      << "<LI>"
                                      << "word"
                                      << "<LI>word";
        QTest::newRow("LI alone") << "TabStrip11"
                                  << "<LI>"
                                  << ""
                                  << "<LI>";
        QTest::newRow("DT DD") << "TabStrip11"
                               << "<DT> && <DD>"
                               << "x"
                               << "<DT>\r\n<DD>\r\n";
    }
    void toolFragments()
    {
        QFETCH(QString, strip);
        QFETCH(QString, caption);
        QFETCH(QString, selection);
        QFETCH(QString, expected);
        const ToolTab *tab = findTab(strip, caption);
        QVERIFY(tab);
        const std::optional<QString> fragment = toolFragment(*tab, selection);
        QVERIFY(fragment);
        QCOMPARE(*fragment, expected);
    }

    void characterCombosLaidOut()
    {
        QCOMPARE(characterCombos().size(), 4);
        const QStringList labels{"Math", "Currency", "Legal", "Latin"};
        const QList<int> sizes{11, 4, 3, 64};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(characterCombos()[i].name, QStringLiteral("Combo%1").arg(i + 1));
            QCOMPARE(characterCombos()[i].label, labels[i]);
            QCOMPARE(characterCombos()[i].items.size(), sizes[i]);
        }
        const CharacterCombo &legal = comboLabelled("Legal");
        QCOMPARE(legal.items[2].character, QString(QChar(0x2122)));
        QCOMPARE(legal.items[2].reference, QStringLiteral("&trade;"));
        QCOMPARE(comboLabelled("Math").items[3].reference, QStringLiteral("&lt;"));
    }

    void latin_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("reference");
        QTest::newRow("iexcl") << 161 << "&iexcl;";
        QTest::newRow("iquest") << 191 << "&iquest;";
        QTest::newRow("Agrave") << 192 << "&Agrave;";
        QTest::newRow("AElig") << 198 << "&AElig;";
        QTest::newRow("ETH") << 208 << "&ETH;";
        QTest::newRow("Oslash") << 216 << "&Oslash;";
        QTest::newRow("THORN") << 222 << "&THORN;";
        QTest::newRow("szlig") << 223 << "&szlig;";
        QTest::newRow("aelig") << 230 << "&aelig;";
        QTest::newRow("eth") << 240 << "&eth;";
        QTest::newRow("oslash") << 248 << "&oslash;";
        QTest::newRow("yuml") << 255 << "&yuml;";
    }
    void latin()
    {
        QFETCH(int, code);
        QFETCH(QString, reference);
        for (const CharacterItem &item : comboLabelled("Latin").items) {
            if (item.character == QString(QChar(code))) {
                QCOMPARE(item.reference, reference);
                return;
            }
        }
        QFAIL("character missing");
    }

    void latinComplete()
    {
        // ¡ then 191..255 without × and ÷, in order.
        QList<int> expected{161};
        for (int code = 191; code <= 255; ++code) {
            if (code != 215 && code != 247)
                expected << code;
        }
        QList<int> codes;
        QStringList references;
        for (const CharacterItem &item : comboLabelled("Latin").items) {
            QCOMPARE(item.character.size(), 1);
            codes << item.character.at(0).unicode();
            references << item.reference;
        }
        QCOMPARE(codes, expected);
        QVERIFY(!references.contains("&times;"));
        QVERIFY(!references.contains("&divide;"));

        // A letter with one accent is named after its letter and accent.
        const QHash<ushort, QString> accents{{0x300, "grave"}, {0x301, "acute"}, {0x302, "circ"},
                                             {0x303, "tilde"}, {0x308, "uml"},   {0x30A, "ring"},
                                             {0x327, "cedil"}};
        int checked = 0;
        for (const CharacterItem &item : comboLabelled("Latin").items) {
            const QString parts = item.character.at(0).decomposition();
            if (parts.size() != 2)
                continue;
            QCOMPARE(item.reference, QLatin1Char('&') + parts.at(0) +
                                         accents.value(parts.at(1).unicode(), "?") +
                                         QLatin1Char(';'));
            ++checked;
        }
        QCOMPARE(checked, 53);
    }

    void tagDoubleClick_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("selection");
        QTest::addColumn<bool>("inserts");
        QTest::addColumn<QString>("expected");
        QTest::newRow("B around word") << "B"
                                       << "word" << true << "<B>word</B>";
        QTest::newRow("BR replaces word") << "BR"
                                          << "word" << true << "<BR>";
        QTest::newRow("comment") << "!-- --"
                                 << "" << true << "<!-- -->";
        QTest::newRow("doctype") << "!DOCTYPE"
                                 << "x" << true << "<!DOCTYPE>";
        QTest::newRow("TABLE empty") << "TABLE"
                                     << "" << true << "<TABLE></TABLE>";
        QTest::newRow("LI") << "LI"
                            << "item" << true << "<LI>";
        QTest::newRow("no item") << ""
                                 << "word" << false << "";
    }
    void tagDoubleClick()
    {
        QFETCH(QString, name);
        QFETCH(QString, selection);
        QFETCH(bool, inserts);
        QFETCH(QString, expected);
        const std::optional<QString> fragment = tagFragment(name, selection);
        QCOMPARE(fragment.has_value(), inserts);
        if (inserts)
            QCOMPARE(*fragment, expected);
    }

    void javaScriptDoubleClick_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("inserts");
        QTest::addColumn<QString>("expected");
        QTest::newRow("first does nothing") << 0 << false << "";
        QTest::newRow("comment") << 1 << true << "/*..*/";
        QTest::newRow("abs Method")
            << int(javaScriptTopics().indexOf("abs Method")) << true << "abs";
        QTest::newRow("no space") << int(javaScriptTopics().indexOf("JavaScript")) << true
                                  << "JavaScript";
        QTest::newRow("last") << 279 << true << "WriteLine";
        QTest::newRow("past the end") << 280 << false << "";
        QTest::newRow("no item") << -1 << false << "";
    }
    void javaScriptDoubleClick()
    {
        QFETCH(int, row);
        QFETCH(bool, inserts);
        QFETCH(QString, expected);
        QVERIFY(row > 0 || !inserts);
        const std::optional<QString> text = javaScriptText(row);
        QCOMPARE(text.has_value(), inserts);
        if (inserts)
            QCOMPARE(*text, expected);
    }

    void timeDate_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("en_US") << "en_US"
                               << QStringList{"1/2/24 3:04:05 PM",
                                              "Tuesday, January 2, 2024",
                                              "02-Jan-24",
                                              "1/2/24",
                                              "3:04:05 PM",
                                              "03:04 PM",
                                              "15:04"};
        QTest::newRow("en_GB") << "en_GB"
                               << QStringList{"02/01/2024 15:04:05",
                                              "Tuesday, 2 January 2024",
                                              "02-Jan-24",
                                              "02/01/2024",
                                              "15:04:05",
                                              "03:04 PM",
                                              "15:04"};
    }
    void timeDate()
    {
        QFETCH(QString, locale);
        QFETCH(QStringList, expected);
        const QDateTime when(QDate(2024, 1, 2), QTime(15, 4, 5));
        QStringList entries = timeDateEntries(when, QLocale(locale));
        // Newer locale data puts a narrow space before AM/PM.
        for (QString &entry : entries)
            entry.replace(QChar(0x202F), u' ').replace(QChar(0xA0), u' ');
        QCOMPARE(entries, expected);
    }
};

QTEST_GUILESS_MAIN(TestPaletteCatalog)
#include "test_palettecatalog.moc"

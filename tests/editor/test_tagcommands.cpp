// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/smartcolor.h"
#include "editor/tagcommands.h"

#include <QtTest>

using tagcommands::Menu;
using tagcommands::TagCommand;

class TestTagCommands : public QObject
{
    Q_OBJECT
private slots:
    void fragment_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("selection");
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("expected");
        QTest::newRow("pair, nothing selected") << "<B>"
                                                << ""
                                                << "</B>"
                                                << "<B></B>";
        QTest::newRow("pair around a word") << "<B>"
                                            << "word"
                                            << "</B>"
                                            << "<B>word</B>";
        QTest::newRow("single tag replaces the selection") << "<BR>"
                                                           << "gone"
                                                           << ""
                                                           << "<BR>";
        QTest::newRow("multi-line selection") << "<P>"
                                              << "a\r\nb"
                                              << "</P>"
                                              << "<P>a\r\nb</P>";
    }
    void fragment()
    {
        QFETCH(QString, first);
        QFETCH(QString, selection);
        QFETCH(QString, last);
        QFETCH(QString, expected);
        QCOMPARE(tagcommands::fragment(first, selection, last), expected);
    }

    void popupCaptionsInOrder()
    {
        QStringList popup(7);
        for (const TagCommand &c : tagcommands::tagCommands()) {
            QCOMPARE(c.popupIndex >= 0, !c.popupCaption.isEmpty());
            if (c.popupIndex >= 0) {
                QVERIFY(c.popupIndex < popup.size());
                QVERIFY(popup[c.popupIndex].isEmpty());
                popup[c.popupIndex] = c.popupCaption;
            }
        }
        QCOMPARE(popup,
                 QStringList({"Center Text <CENTER></CENTER>", "&Line Break <BR>",
                              "Paragraph Tag <P></P>", "&Bold Text <B></B>", "&Italic Text <I></I>",
                              "&Strikethru Text <STRIKE></STRIKE>", "&Underline Text <U></U>"}));
    }

    // Every command inserted over a selected word, then coloured as an
    // insertion: a pair leaves the caret before its end tag, a single tag
    // after itself; the tag texts are the ones the captions show.
    void caretAfterEachCommand()
    {
        for (const TagCommand &c : tagcommands::tagCommands()) {
            const QString caption = c.menuCaption.isEmpty() ? c.popupCaption : c.menuCaption;
            QVERIFY2(caption.endsWith(c.firstTag + c.lastTag), qPrintable(caption));
            const QString before = QStringLiteral("ab ");
            const QString insert = tagcommands::fragment(c.firstTag, u"word", c.lastTag);
            const QString document = before + insert + QStringLiteral(" cd");
            const auto r = smartcolor::scan(document, before.size(), insert.size(),
                                            before.size() + insert.size());
            const qsizetype expected = c.lastTag.isEmpty()
                                           ? before.size() + c.firstTag.size()
                                           : before.size() + insert.size() - c.lastTag.size();
            QVERIFY2(r.caret == expected, qPrintable(caption));
        }
    }
};

QTEST_APPLESS_MAIN(TestTagCommands)
#include "test_tagcommands.moc"

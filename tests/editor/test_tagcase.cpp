// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/tagcase.h"

#include <QtTest>

class TestTagCase : public QObject
{
    Q_OBJECT
private slots:
    void convert_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("upper");
        QTest::addColumn<QString>("lower");
        QTest::newRow("link with a mixed-case value") << "<a Href=\"Page.Htm\">Link Text</a>"
                                                      << "<A HREF=\"PAGE.HTM\">Link Text</A>"
                                                      << "<a href=\"page.htm\">Link Text</a>";
        QTest::newRow("empty") << ""
                               << ""
                               << "";
        QTest::newRow("no tags") << "Plain Text"
                                 << "Plain Text"
                                 << "Plain Text";
        QTest::newRow("last tag without >") << "<b>Bold</b> <Img Src=x"
                                            << "<B>Bold</B> <Img Src=x"
                                            << "<b>Bold</b> <Img Src=x";
        QTest::newRow("comment only up to its first >") << "<!-- Note <b> Kept --> Text <P>"
                                                        << "<!-- NOTE <B> Kept --> Text <P>"
                                                        << "<!-- note <b> Kept --> Text <p>";
        QTest::newRow("> inside a quoted value ends the tag") << "<img alt=\"a>b\">"
                                                              << "<IMG ALT=\"A>b\">"
                                                              << "<img alt=\"a>b\">";
        QTest::newRow("> before any <") << "a > b <i>"
                                        << "a > b <I>"
                                        << "a > b <i>";
        QTest::newRow("accented letters") << "<p title=\"été\">"
                                          << "<P TITLE=\"ÉTÉ\">"
                                          << "<p title=\"été\">";
        QTest::newRow("sharp s keeps its length") << "<p title=Straße>"
                                                  << "<P TITLE=STRAßE>"
                                                  << "<p title=straße>";
        // U+10428 and U+10400: a letter outside the basic plane.
        QTest::newRow("surrogate pair")
            << QString::fromUtf8("<p \xF0\x90\x90\xA8>x\xF0\x90\x90\xA8")
            << QString::fromUtf8("<P \xF0\x90\x90\x80>x\xF0\x90\x90\xA8")
            << QString::fromUtf8("<p \xF0\x90\x90\xA8>x\xF0\x90\x90\xA8");
        QTest::newRow("CR LF inside a tag") << "<a\r\nhref=x>y</a>"
                                            << "<A\r\nHREF=X>y</A>"
                                            << "<a\r\nhref=x>y</a>";
    }
    void convert()
    {
        QFETCH(QString, text);
        QFETCH(QString, upper);
        QFETCH(QString, lower);
        const QString up = tagcase::upperCaseTags(text);
        const QString low = tagcase::lowerCaseTags(text);
        QCOMPARE(up, upper);
        QCOMPARE(low, lower);
        QCOMPARE(up.size(), text.size());
        QCOMPARE(low.size(), text.size());
        // Upper then lower equals lower alone: both touch the same characters.
        QCOMPARE(tagcase::lowerCaseTags(up), low);
    }

    void sourceLeftAlone()
    {
        const QString text = QStringLiteral("<b>x</b>");
        const QString copy = text;
        QCOMPARE(tagcase::upperCaseTags(text), QStringLiteral("<B>x</B>"));
        QCOMPARE(text, copy);
    }
};

QTEST_APPLESS_MAIN(TestTagCase)
#include "test_tagcase.moc"

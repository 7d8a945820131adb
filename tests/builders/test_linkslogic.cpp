// SPDX-License-Identifier: GPL-3.0-or-later
#include "builders/linkslogic.h"

#include <QtTest>

using namespace links;

Q_DECLARE_METATYPE(LinksOptions)
Q_DECLARE_METATYPE(LinkBoxOptions)
Q_DECLARE_METATYPE(FloatingFrameOptions)

class TestLinksLogic : public QObject
{
    Q_OBJECT
private slots:
    void links_data()
    {
        QTest::addColumn<LinksOptions>("options");
        QTest::addColumn<QString>("expected");
        LinksOptions o;
        o.url = "page.htm";
        o.linkCaption = "Next";
        // The other pages' fields are never written.
        o.referenceName = "top";
        o.address = "me@example.org";
        QTest::newRow("URL only") << o << "<A HREF=\"page.htm\">Next</A>";
        o.target = "_blank";
        QTest::newRow("target unquoted") << o << "<A HREF=\"page.htm\" TARGET=_blank>Next</A>";
        o.toolTip = "Go on";
        QTest::newRow("tool tip") << o
                                  << "<A HREF=\"page.htm\" TARGET=_blank TITLE=\"Go on\">Next</A>";

        LinksOptions r;
        r.page = LinkPage::NamedReference;
        r.url = "ignored.htm";
        r.referenceName = "part2";
        r.referenceText = "Part 2";
        QTest::newRow("named reference") << r << "<A NAME=\"part2\">Part 2</A>";

        LinksOptions e;
        e.page = LinkPage::Email;
        e.address = "me@example.org";
        e.emailCaption = "Write";
        QTest::newRow("e-mail") << e << "<A HREF=MAILTO:me@example.org>Write</A>";
    }
    void links()
    {
        QFETCH(LinksOptions, options);
        QFETCH(QString, expected);
        QCOMPARE(buildLinks(options), expected);
    }

    void linkBox_data()
    {
        QTest::addColumn<LinkBoxOptions>("options");
        QTest::addColumn<QString>("expected");
        QTest::newRow("opening values")
            << LinkBoxOptions()
            << "<!--Begin LinkBox -->\r\n<FORM>\r\n<SELECT ID=\"LinkBox\" SIZE=\"1\">\r\n"
               "<OPTION VALUE=\"\">\r\n</SELECT>\r\n"
               "<BUTTON TYPE=\"BUTTON\" ONCLICK=\"location.href=LinkBox.value\">Goto</BUTTON>\r\n"
               "</FORM>\r\n<!-- End LinkBox -->";
        LinkBoxOptions o;
        o.name = "nav";
        o.rows = {{"Home", "index.htm"}, {"News", "news.htm"}};
        QTest::newRow("nav with two rows")
            << o
            << "<!--Begin LinkBox -->\r\n<FORM>\r\n<SELECT ID=\"nav\" SIZE=\"1\">\r\n"
               "<OPTION VALUE=\"index.htm\">Home\r\n<OPTION VALUE=\"news.htm\">News\r\n"
               "</SELECT>\r\n<BUTTON TYPE=\"BUTTON\" "
               "ONCLICK=\"location.href=nav.value\">Goto</BUTTON>\r\n"
               "</FORM>\r\n<!-- End LinkBox -->";
    }
    void linkBox()
    {
        QFETCH(LinkBoxOptions, options);
        QFETCH(QString, expected);
        QCOMPARE(buildLinkBox(options), expected);
    }

    void floatingFrame_data()
    {
        QTest::addColumn<FloatingFrameOptions>("options");
        QTest::addColumn<QString>("expected");
        QTest::newRow("defaults only")
            << FloatingFrameOptions()
            << "<IFRAME ALIGN=TOP NAME=\"Frame1\" SRC=\"\" FRAMEBORDER=0 SCROLLING=NO></IFRAME>";
        FloatingFrameOptions o;
        o.alignment.clear();
        o.name.clear();
        QTest::newRow("empty alignment and name still written")
            << o << "<IFRAME ALIGN=\"\" NAME=\"\" SRC=\"\" FRAMEBORDER=0 SCROLLING=NO></IFRAME>";
        o = FloatingFrameOptions();
        o.alignment = "RIGHT";
        o.source = "side.htm";
        o.height = "200";
        o.width = "50%";
        o.marginHeight = "4";
        o.marginWidth = "6";
        o.frameBorder = true;
        o.scrollBars = true;
        QTest::newRow("everything")
            << o
            << "<IFRAME ALIGN=RIGHT NAME=\"Frame1\" SRC=\"side.htm\" HEIGHT=200 WIDTH=50% "
               "MARGINHEIGHT=4 MARGINWIDTH=6 FRAMEBORDER=1 SCROLLING=YES></IFRAME>";
    }
    void floatingFrame()
    {
        QFETCH(FloatingFrameOptions, options);
        QFETCH(QString, expected);
        QCOMPARE(buildFloatingFrame(options), expected);
    }
};

QTEST_APPLESS_MAIN(TestLinksLogic)
#include "test_linkslogic.moc"

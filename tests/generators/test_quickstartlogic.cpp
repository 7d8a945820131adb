// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/quickstartlogic.h"

#include <QtTest>

using namespace quickstart;
using stylelogic::FontChoice;

Q_DECLARE_METATYPE(quickstart::PageOptions)
Q_DECLARE_METATYPE(quickstart::StylePageOptions)
Q_DECLARE_METATYPE(stylelogic::FontChoice)

namespace {

const QString DocType = QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\">");

QString lines(const QStringList &list)
{
    return list.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

// The plain page around its HEAD extras and BODY line.
QString page(const QString &first, const QStringList &head, const QString &body)
{
    return lines(QStringList{first, "<HTML>", "<HEAD>"} + head +
                 QStringList{"</HEAD>", body, "", "", "</BODY>", "</HTML>"});
}

// The style page around its style lines (BODY block first).
QString stylePage(const QString &title, const QStringList &style)
{
    return lines(QStringList{DocType, "<HTML>", "<HEAD>", "<TITLE>" + title + "</TITLE>",
                             "<STYLE TYPE=\"text/css\">", "<!--"} +
                 style +
                 QStringList{"-->", "</STYLE>", "</HEAD>", "<BODY>", "", "", "</BODY>", "</HTML>"});
}

FontChoice font(const QString &family, float size, bool bold = false, bool italic = false,
                bool underline = false, bool strikeOut = false,
                const QString &colour = QStringLiteral("#000000"))
{
    FontChoice f;
    f.family = family;
    f.size = size;
    f.bold = bold;
    f.italic = italic;
    f.underline = underline;
    f.strikeOut = strikeOut;
    f.colour = colour;
    return f;
}

} // namespace

class TestQuickStartLogic : public QObject
{
    Q_OBJECT
private slots:
    void plainPage_data()
    {
        QTest::addColumn<PageOptions>("options");
        QTest::addColumn<QString>("expected");
        const QString title = QStringLiteral("<TITLE></TITLE>");

        QTest::newRow("all empty") << PageOptions() << page(DocType, {title}, "<BODY>");

        PageOptions example;
        example.title = "Home";
        example.textColour = "NAVY";
        example.backgroundColour = "#FFFFFF";
        QTest::newRow("Home, NAVY, white")
            << example
            << page(DocType, {"<TITLE>Home</TITLE>"}, "<BODY TEXT=NAVY BGCOLOR=#FFFFFF>");

        PageOptions noType;
        noType.documentType.clear();
        QTest::newRow("document type cleared") << noType << page("", {title}, "<BODY>");

        PageOptions listed;
        listed.documentType = documentTypes().at(2);
        QTest::newRow("listed document type, blanks kept")
            << listed
            << page("<!DOCTYPE HTML PUBLIC  \"-//IETF//DTD HTML 2.0//EN\">", {title}, "<BODY>");

        PageOptions hover;
        hover.hoverColour = "RED";
        QTest::newRow("hover colour only") << hover
                                           << page(DocType,
                                                   {title, "<STYLE TYPE=\"text/css\">", "<!--",
                                                    "A:hover {color: RED}", "-->", "</STYLE>"},
                                                   "<BODY>");

        PageOptions all;
        all.title = " ";
        all.leftMargin = "10";
        all.topMargin = "x";
        all.textColour = "navy";
        all.linkColour = "#00ff00";
        all.visitedColour = "PURPLE";
        all.activeColour = "RED";
        all.backgroundColour = "Silver";
        all.backgroundImage = "back.gif";
        all.watermark = true;
        QTest::newRow("every attribute, typed text kept")
            << all
            << page(DocType, {"<TITLE> </TITLE>"},
                    "<BODY LEFTMARGIN=10 TOPMARGIN=x TEXT=navy LINK=#00ff00 VLINK=PURPLE "
                    "ALINK=RED BGCOLOR=Silver BACKGROUND=\"back.gif\" BGPROPERTIES=FIXED>");

        PageOptions imageGone;
        imageGone.watermark = true; // checked, then the image text was cleared
        QTest::newRow("watermark without image") << imageGone << page(DocType, {title}, "<BODY>");
    }
    void plainPage()
    {
        QFETCH(PageOptions, options);
        QFETCH(QString, expected);
        QCOMPARE(buildPage(options), expected);
    }

    void fontBlocks_data()
    {
        QTest::addColumn<FontChoice>("font");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << font("Arial", 12)
                               << " font-family: \"Arial\";\r\n font-size: 12pt;\r\n"
                                  " color: #000000;\r\n font-weight: medium;\r\n"
                                  " font-style: normal;\r\n text-decoration: none";
        QTest::newRow("everything")
            << font("Times New Roman", 10.5f, true, true, true, true, "#FF0080")
            << " font-family: \"Times New Roman\";\r\n"
               " font-size: 10.5pt;\r\n color: #FF0080;\r\n"
               " font-weight: bold;\r\n font-style: italic;\r\n"
               " text-decoration: line-through;\r\n"
               " text-decoration: underline;\r\n";
        QTest::newRow("no name, no size, underlined")
            << font("", 0, false, false, true)
            << " color: #000000;\r\n font-weight: medium;\r\n font-style: normal;\r\n"
               " text-decoration: underline;\r\n";
    }
    void fontBlocks()
    {
        QFETCH(FontChoice, font);
        QFETCH(QString, expected);
        QCOMPARE(fontBlock(font), expected);
    }

    void stylePages_data()
    {
        QTest::addColumn<StylePageOptions>("options");
        QTest::addColumn<QString>("expected");

        QTest::newRow("nothing chosen") << StylePageOptions() << stylePage("", {"BODY {}", ""});

        StylePageOptions margins;
        margins.title = "M";
        margins.leftMargin = "0.5";
        margins.rightMargin = "auto";
        margins.rightUnit = "(px) pixels";
        QTest::newRow("margins only")
            << margins
            << stylePage("M", {"BODY { margin-left: 0.5in;", " margin-right: autopx;", "}", ""});

        StylePageOptions both;
        both.backgroundChecked = true;
        both.backgroundColour = 0x00FF80; // red 80, green FF
        both.backgroundImage = "back.gif";
        QTest::newRow("colour wins over the image")
            << both << stylePage("", {"BODY { background: #80FF00;", "}", ""});

        StylePageOptions image;
        image.backgroundImage = "back.gif";
        QTest::newRow("image") << image
                               << stylePage("", {"BODY { background: URL(back.gif);", "}", ""});

        StylePageOptions body;
        body.bodyChecked = true;
        body.body = font("Arial", 12);
        QTest::newRow("body font")
            << body
            << stylePage("", {"BODY { font-family: \"Arial\";", " font-size: 12pt;",
                              " color: #000000;", " font-weight: medium;", " font-style: normal;",
                              " text-decoration: none}", ""});

        StylePageOptions rows;
        rows.elements[1].checked = true;
        rows.elements[1].selector = "H1, H2";
        rows.elements[1].font = font("", 14, true, false, false, false, "#0000FF");
        rows.elements[2].font = font("Ignored", 20); // font set, then unchecked
        rows.elements[6].checked = true;
        rows.elements[6].font = font("Courier", 9.75f, false, true, true);
        QTest::newRow("edited selector, unchecked row left out")
            << rows
            << stylePage("", {"BODY {}", "", "H1, H2 { font-size: 14pt;", " color: #0000FF;",
                              " font-weight: bold;", " font-style: normal;",
                              " text-decoration: none}", "", "B { font-family: \"Courier\";",
                              " font-size: 9.75pt;", " color: #000000;", " font-weight: medium;",
                              " font-style: italic;", " text-decoration: underline;", "}", ""});

        StylePageOptions links;
        links.linkChecked = true;
        links.linkColour = "#FF0000";
        links.visitedChecked = false;
        links.visitedColour = "#00FF00";
        links.hoverChecked = true;
        links.hoverColour = "#0000FF";
        QTest::newRow("link colours only")
            << links
            << stylePage("",
                         {"BODY {}", "", "A:link {color: #FF0000}", "A:hover {color: #0000FF}"});
    }
    void stylePages()
    {
        QFETCH(StylePageOptions, options);
        QFETCH(QString, expected);
        QCOMPARE(buildStylePage(options), expected);
    }

    void lists()
    {
        QCOMPARE(documentTypes().size(), 5);
        QVERIFY(documentTypes().first().endsWith(QStringLiteral("//EN\"> ")));
        QCOMPARE(previewColour("FUCHSIA"), std::optional<qint64>(0xC000C0));
        QCOMPARE(previewColour("NAVY"), std::optional<qint64>(0x800000)); // blue 80
        QCOMPARE(previewColour("navy"), std::nullopt);
        QCOMPARE(marginItems().size(), 17);
        QCOMPARE(stylelogic::unitOf(stylelogic::unitItems().at(2)), QStringLiteral("cm"));
    }
};

QTEST_MAIN(TestQuickStartLogic)
#include "test_quickstartlogic.moc"

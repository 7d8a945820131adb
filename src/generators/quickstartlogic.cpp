// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/quickstartlogic.h"

#include "kernel/colour.h"
#include "kernel/htmlvalues.h"

#include <QHash>

namespace quickstart {

namespace {

const QString CrLf = QStringLiteral("\r\n");

using htmlvalues::attribute;
using htmlvalues::cssValue;

void line(QString &out, const QString &text)
{
    out += text;
    out += CrLf;
}

} // namespace

// The plain page.

QString buildPage(const PageOptions &o)
{
    QString out;
    line(out, o.documentType);
    line(out, QStringLiteral("<HTML>"));
    line(out, QStringLiteral("<HEAD>"));
    line(out, QStringLiteral("<TITLE>") + o.title + QStringLiteral("</TITLE>"));
    if (!o.hoverColour.isEmpty()) {
        line(out, QStringLiteral("<STYLE TYPE=\"text/css\">"));
        line(out, QStringLiteral("<!--"));
        line(out, QStringLiteral("A:hover {color: ") + cssValue(o.hoverColour) + QLatin1Char('}'));
        line(out, QStringLiteral("-->"));
        line(out, QStringLiteral("</STYLE>"));
    }
    line(out, QStringLiteral("</HEAD>"));
    out += QStringLiteral("<BODY");
    attribute(out, QLatin1String("LEFTMARGIN"), o.leftMargin);
    attribute(out, QLatin1String("TOPMARGIN"), o.topMargin);
    attribute(out, QLatin1String("TEXT"), o.textColour);
    attribute(out, QLatin1String("LINK"), o.linkColour);
    attribute(out, QLatin1String("VLINK"), o.visitedColour);
    attribute(out, QLatin1String("ALINK"), o.activeColour);
    attribute(out, QLatin1String("BGCOLOR"), o.backgroundColour);
    if (!o.backgroundImage.isEmpty()) {
        out += QStringLiteral(" BACKGROUND=") + htmlvalues::quoted(o.backgroundImage);
        if (o.watermark)
            out += QStringLiteral(" BGPROPERTIES=FIXED");
    }
    line(out, QStringLiteral(">"));
    out += CrLf + CrLf;
    line(out, QStringLiteral("</BODY>"));
    line(out, QStringLiteral("</HTML>"));
    return out;
}

const QStringList &documentTypes()
{
    static const QStringList items{
        QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\"> "),
        QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\">"),
        QStringLiteral("<!DOCTYPE HTML PUBLIC  \"-//IETF//DTD HTML 2.0//EN\">"),
        QStringLiteral("<!DOCTYPE HTML PUBLIC  \"-//IETF//DTD HTML Level 1//EN\">"),
        QStringLiteral("<!DOCTYPE HTML PUBLIC  \"-//Microsoft/DTD Microsoft Internet Explorer 3.01 "
                       "HTML//EN\">"),
    };
    return items;
}

std::optional<qint64> previewColour(const QString &name)
{
    // Red-green-blue as the previews show them; FUCHSIA is the darker one.
    static const QHash<QString, int> rgb{
        {QStringLiteral("AQUA"), 0x00FFFF},   {QStringLiteral("BLACK"), 0x000000},
        {QStringLiteral("BLUE"), 0x0000FF},   {QStringLiteral("FUCHSIA"), 0xC000C0},
        {QStringLiteral("GRAY"), 0x808080},   {QStringLiteral("GREEN"), 0x008000},
        {QStringLiteral("LIME"), 0x00FF00},   {QStringLiteral("MAROON"), 0x800000},
        {QStringLiteral("NAVY"), 0x000080},   {QStringLiteral("OLIVE"), 0x808000},
        {QStringLiteral("PURPLE"), 0x800080}, {QStringLiteral("RED"), 0xFF0000},
        {QStringLiteral("SILVER"), 0xC0C0C0}, {QStringLiteral("TEAL"), 0x008080},
        {QStringLiteral("WHITE"), 0xFFFFFF},  {QStringLiteral("YELLOW"), 0xFFFF00},
    };
    const auto it = rgb.constFind(name);
    if (it == rgb.constEnd())
        return std::nullopt;
    return colour::fromRgb(quint32(*it));
}

// The page with a style sheet.

std::array<ElementRow, 7> StylePageOptions::defaultElements()
{
    std::array<ElementRow, 7> rows;
    const char *selectors[] = {"P",     "H1", "H2", "H3", "UL, OL, LI, DL, DD, DT, MENU, DIR",
                               "TABLE", "B"};
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i].selector = QLatin1String(selectors[i]);
    return rows;
}

QString fontBlock(const stylelogic::FontChoice &font)
{
    QString out;
    if (!font.family.isEmpty())
        line(out, QStringLiteral(" font-family: ") + htmlvalues::cssString(font.family) +
                      QLatin1Char(';'));
    if (font.size != 0)
        line(out, QStringLiteral(" font-size: ") + stylelogic::pointSize(font.size) +
                      QStringLiteral("pt;"));
    line(out, QStringLiteral(" color: ") + cssValue(font.colour) + QLatin1Char(';'));
    line(out, font.bold ? QStringLiteral(" font-weight: bold;")
                        : QStringLiteral(" font-weight: medium;"));
    line(out, font.italic ? QStringLiteral(" font-style: italic;")
                          : QStringLiteral(" font-style: normal;"));
    if (!font.strikeOut && !font.underline)
        out += QStringLiteral(" text-decoration: none");
    if (font.strikeOut)
        line(out, QStringLiteral(" text-decoration: line-through;"));
    if (font.underline)
        line(out, QStringLiteral(" text-decoration: underline;"));
    return out;
}

QString buildStylePage(const StylePageOptions &o)
{
    QString out;
    line(out, QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\">"));
    line(out, QStringLiteral("<HTML>"));
    line(out, QStringLiteral("<HEAD>"));
    line(out, QStringLiteral("<TITLE>") + o.title + QStringLiteral("</TITLE>"));
    line(out, QStringLiteral("<STYLE TYPE=\"text/css\">"));
    line(out, QStringLiteral("<!--"));

    out += QStringLiteral("BODY {");
    if (!o.leftMargin.isEmpty())
        line(out, QStringLiteral(" margin-left: ") + cssValue(o.leftMargin) +
                      stylelogic::unitOf(o.leftUnit) + QLatin1Char(';'));
    if (!o.rightMargin.isEmpty())
        line(out, QStringLiteral(" margin-right: ") + cssValue(o.rightMargin) +
                      stylelogic::unitOf(o.rightUnit) + QLatin1Char(';'));
    if (o.backgroundChecked)
        line(out,
             QStringLiteral(" background: ") + colour::html(o.backgroundColour) + QLatin1Char(';'));
    else if (!o.backgroundImage.isEmpty())
        line(out, QStringLiteral(" background: URL(") + htmlvalues::cssUrl(o.backgroundImage) +
                      QStringLiteral(");"));
    if (o.bodyChecked)
        out += fontBlock(o.body);
    line(out, QStringLiteral("}"));
    out += CrLf;

    for (const ElementRow &row : o.elements) {
        if (!row.checked)
            continue;
        out += row.selector + QStringLiteral(" {") + fontBlock(row.font);
        line(out, QStringLiteral("}"));
        out += CrLf;
    }

    if (o.linkChecked)
        line(out, QStringLiteral("A:link {color: ") + cssValue(o.linkColour) + QLatin1Char('}'));
    if (o.visitedChecked)
        line(out,
             QStringLiteral("A:visited {color: ") + cssValue(o.visitedColour) + QLatin1Char('}'));
    if (o.hoverChecked)
        line(out, QStringLiteral("A:hover {color: ") + cssValue(o.hoverColour) + QLatin1Char('}'));

    line(out, QStringLiteral("-->"));
    line(out, QStringLiteral("</STYLE>"));
    line(out, QStringLiteral("</HEAD>"));
    line(out, QStringLiteral("<BODY>"));
    out += CrLf + CrLf;
    line(out, QStringLiteral("</BODY>"));
    line(out, QStringLiteral("</HTML>"));
    return out;
}

const QStringList &marginItems()
{
    static const QStringList items{
        QStringLiteral("0"), QStringLiteral("0.25"), QStringLiteral("0.5"), QStringLiteral("0.75"),
        QStringLiteral("1"), QStringLiteral("1.25"), QStringLiteral("1.5"), QStringLiteral("1.75"),
        QStringLiteral("2"), QStringLiteral("2.25"), QStringLiteral("2.5"), QStringLiteral("2.75"),
        QStringLiteral("3"), QStringLiteral("3.25"), QStringLiteral("3.5"), QStringLiteral("3.75"),
        QStringLiteral("4")};
    return items;
}

} // namespace quickstart

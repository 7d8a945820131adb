// SPDX-License-Identifier: GPL-3.0-or-later
#include "builders/tablebuilderlogic.h"

#include "kernel/colour.h"
#include "kernel/htmlvalues.h"
#include "platform/numbers.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tablebuilder {

namespace {

// Adds without wrapping round; a sum that large is nonsense anyway, but it
// must not turn negative.
qint64 saturatingAdd(qint64 a, qint64 b)
{
    qint64 sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        return b > 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
    return sum;
}

QString wholePercent(double percent)
{
    // + 0.0 turns a negative zero into "0" rather than "-0".
    return QString::number(std::floor(percent) + 0.0, 'f', 0) + QLatin1Char('%');
}

void appendWithBreaks(QString &out, const QString &text)
{
    const QLatin1String lineBreak("<BR>\r\n");
    const qsizetype n = text.size();
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar ch = text.at(i);
        if (ch != u'\r' && ch != u'\n')
            continue;
        out += QStringView(text).mid(runStart, i - runStart);
        out += lineBreak;
        if (ch == u'\r' && i + 1 < n && text.at(i + 1) == u'\n')
            ++i;
        runStart = i + 1;
    }
    out += QStringView(text).mid(runStart);
}

// Neighbouring cells mostly share their colours; convert each once.
class ColourCache
{
public:
    const QString &get(qint64 colour)
    {
        if (!m_valid || colour != m_colour) {
            m_colour = colour;
            m_text = colour::html(colour);
            m_valid = true;
        }
        return m_text;
    }

private:
    bool m_valid = false;
    qint64 m_colour = 0;
    QString m_text;
};

} // namespace

std::optional<TableOptions> readTable(const tagreader::Element &element, TableOptions o)
{
    const tagreader::Tag &tag = element.tag;
    o.alignment = tag.value(u"ALIGN");
    o.borderSize = tag.value(u"BORDER");
    o.borderColor = tag.value(u"BORDERCOLOR");
    o.cellPadding = tag.value(u"CELLPADDING");
    o.cellSpacing = tag.value(u"CELLSPACING");
    o.frame = tag.value(u"FRAME");
    o.rules = tag.value(u"RULES");
    o.percentageWidth = tag.has(u"WIDTH");
    if (o.percentageWidth)
        o.percentageWidthText = tag.value(u"WIDTH");
    return o;
}

QString cellHtmlSize(float points)
{
    if (points >= 36.0f)
        return QStringLiteral("7");
    if (points >= 24.0f)
        return QStringLiteral("6");
    if (points >= 18.0f)
        return QStringLiteral("5");
    if (points >= 14.0f)
        return QStringLiteral("4");
    if (points >= 12.0f)
        return QStringLiteral("3");
    if (points >= 9.75f)
        return QStringLiteral("2");
    if (points >= 8.0f)
        return QStringLiteral("1");
    return QString();
}

QString cellTextWithBreaks(const QString &text)
{
    QString out;
    out.reserve(text.size() + text.size() / 8);
    appendWithBreaks(out, text);
    return out;
}

QString fontSizeComboText(float points)
{
    static const struct
    {
        float from;
        const char *text;
    } steps[] = {{36.0f, "36"}, {24.0f, "24"}, {18.0f, "18"}, {14.0f, "14"},
                 {12.0f, "12"}, {9.75f, "10"}, {8.0f, "8"}};
    for (const auto &step : steps) {
        if (points >= step.from)
            return QString::fromLatin1(step.text);
    }
    if (!std::isfinite(points))
        return QString();
    return numbers::shortestSingle(points);
}

float fontSizeFromComboText(const QString &text)
{
    const double points = numbers::leadingNumber(text);
    return std::isnan(points) ? 0.0f : float(std::clamp(points, 0.0, 1000.0));
}

qint64 editorBackColor(const TableCell &cell, bool transparentBackgrounds)
{
    static constexpr qint64 white = colour::number(255, 255, 255);
    if (transparentBackgrounds || cell.backColor == 0)
        return white;
    return cell.backColor;
}

QString buildTableFragment(const TableOptions &options)
{
    const int rows = options.rowCount();
    const int columns = options.columnCount();

    // Total width in pixels, from the sum in twips.
    qint64 totalTwips = 0;
    for (const qint64 width : options.columnWidths)
        totalTwips = saturatingAdd(totalTwips, width);
    const qint64 totalPixels = numbers::roundHalfEven(double(totalTwips) / numbers::TwipsPerPixel);

    // A column's WIDTH value, the same for every row.
    QStringList widths;
    widths.reserve(columns);
    for (const qint64 width : options.columnWidths) {
        const double pixels = double(width) / numbers::TwipsPerPixel;
        if (!options.percentageWidth) {
            widths << numbers::shortestDouble(pixels);
        } else if (totalPixels != 0) {
            widths << wholePercent(pixels / double(totalPixels) * 100.0);
        } else if (totalTwips != 0) {
            // Columns narrower than a pixel in all: share by twips instead
            // of dividing by zero.
            widths << wholePercent(double(width) / double(totalTwips) * 100.0);
        } else {
            widths << wholePercent(100.0 / columns);
        }
    }

    const bool center = options.alignment == QLatin1String("CENTER");
    const bool titled = !options.title.isEmpty();
    const QString cellAlign =
        QStringLiteral(" ALIGN=") + htmlvalues::attributeValue(options.textAlignment) +
        QStringLiteral(" VALIGN=") + htmlvalues::attributeValue(options.textVerticalAlignment) +
        QStringLiteral(">\r\n");

    QString out;
    out.reserve(256 + qsizetype(rows) * columns * 160);
    out += QLatin1Char('\n');
    out += QStringLiteral("<!-- Beginning of Table -->\r\n");
    if (center)
        out += QStringLiteral("<CENTER>\r\n");
    out += QStringLiteral("<TABLE");
    htmlvalues::attribute(out, QLatin1String("ALIGN"), options.alignment);
    htmlvalues::attribute(out, QLatin1String("BORDER"), options.borderSize);
    htmlvalues::attribute(out, QLatin1String("BORDERCOLOR"), options.borderColor);
    htmlvalues::attribute(out, QLatin1String("CELLPADDING"), options.cellPadding);
    htmlvalues::attribute(out, QLatin1String("CELLSPACING"), options.cellSpacing);
    htmlvalues::attribute(out, QLatin1String("FRAME"), options.frame);
    htmlvalues::attribute(out, QLatin1String("RULES"), options.rules);
    if (options.percentageWidth)
        out += QStringLiteral(" WIDTH=") + htmlvalues::attributeValue(options.percentageWidthText);
    out += QStringLiteral(">\r\n");

    if (titled) {
        out += QStringLiteral("<THEAD>\r\n<TR>\r\n<TH COLSPAN=") + QString::number(columns) +
               QLatin1Char('>') + options.title + QStringLiteral("</TH>\r\n</TR>\r\n</THEAD>\r\n") +
               QStringLiteral("<TBODY>\r\n");
    }

    const TableCell emptyCell;
    ColourCache textColours;
    ColourCache backColours;
    for (const QList<TableCell> &row : options.cells) {
        out += QLatin1String("<TR>\r\n");
        for (int c = 0; c < columns; ++c) {
            const TableCell &cell = c < row.size() ? row.at(c) : emptyCell;

            out += QLatin1String("<TD WIDTH=");
            out += widths.at(c);
            if (!options.transparentBackgrounds) {
                const QString &background = backColours.get(
                    cell.backColor == 0 ? colour::number(255, 255, 255) : cell.backColor);
                out += QLatin1String(" BGColor=");
                // A chosen black is stored as 1 and written as black.
                if (background == QLatin1String("#010000"))
                    out += QLatin1String("#000000");
                else
                    out += background;
            }
            out += cellAlign;

            out += QLatin1String("<FONT ");
            if (options.textColorEnabled) {
                out += QLatin1String("COLOR=");
                out += textColours.get(cell.textColor);
                out += QLatin1Char(' ');
            }
            out += QLatin1String("SIZE=");
            out += cellHtmlSize(cell.fontSize);
            out += QLatin1String(">\r\n");
            if (!cell.imageName.isEmpty()) {
                out += QLatin1String("<IMG SRC=");
                out += htmlvalues::quoted(cell.imageName);
                out += QLatin1Char('>');
            }
            appendWithBreaks(out, cell.text);
            out += QLatin1String("\r\n</FONT>\r\n</TD>\r\n");
        }
        out += QLatin1String("</TR>\r\n");
    }

    if (titled)
        out += QStringLiteral("</TBODY>\r\n");
    out += QStringLiteral("</TABLE>\r\n");
    if (center)
        out += QStringLiteral("</CENTER>\r\n");
    out += QStringLiteral("<!-- End Of Table -->\r\n");
    return out;
}

void addRow(TableOptions &options)
{
    options.cells.append(QList<TableCell>(options.columnCount()));
}

bool removeRow(TableOptions &options)
{
    if (options.rowCount() <= 1)
        return false;
    options.cells.removeLast();
    return true;
}

void addColumn(TableOptions &options)
{
    const int oldColumns = options.columnCount();
    options.columnWidths.append(DefaultColumnWidth);
    for (QList<TableCell> &row : options.cells) {
        // Rows are kept exactly C wide so the new cell lands in the new column.
        row.resize(oldColumns);
        row.append(TableCell());
    }
}

bool removeColumn(TableOptions &options)
{
    if (options.columnCount() <= 1)
        return false;
    options.columnWidths.removeLast();
    const int columns = options.columnCount();
    for (QList<TableCell> &row : options.cells) {
        if (row.size() > columns)
            row.resize(columns);
    }
    return true;
}

void clearTextColors(TableOptions &options)
{
    for (QList<TableCell> &row : options.cells) {
        for (TableCell &cell : row)
            cell.textColor = 0;
    }
}

const QStringList &fontSizeItems()
{
    static const QStringList items{"8", "10", "12", "14", "18", "24", "36"};
    return items;
}

const QStringList &alignmentItems()
{
    static const QStringList items{"LEFT", "CENTER", "RIGHT"};
    return items;
}

const QStringList &borderSizeItems()
{
    static const QStringList items{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    return items;
}

const QStringList &borderColorItems()
{
    return colour::names();
}

const QStringList &spacingItems()
{
    static const QStringList items{"0", "1", "2",  "3",  "4",  "5",  "6",  "7",
                                   "8", "9", "10", "20", "30", "50", "100"};
    return items;
}

const QStringList &frameItems()
{
    static const QStringList items{"VOID", "ABOVE",  "BELOW", "HSIDES", "LHS",
                                   "RHS",  "VSIDES", "BOX",   "BORDER"};
    return items;
}

const QStringList &rulesItems()
{
    static const QStringList items{"NONE", "GROUPS", "ROWS", "COLS", "ALL"};
    return items;
}

const QStringList &verticalAlignmentItems()
{
    static const QStringList items{"TOP", "MIDDLE", "BOTTOM", "BASELINE"};
    return items;
}

const QStringList &percentageWidthItems()
{
    static const QStringList items = [] {
        QStringList list;
        for (int percent = 10; percent <= 120; percent += 10)
            list << QString::number(percent) + QLatin1Char('%');
        return list;
    }();
    return items;
}

} // namespace tablebuilder

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the Table Builder dialog edits, and the TABLE fragment it writes.
// The dialog maps its widgets onto TableOptions and calls
// buildTableFragment(); it holds no HTML of its own.

#include "kernel/tagreader.h"

#include <optional>
#include <QList>
#include <QString>
#include <QStringList>

namespace tablebuilder {

constexpr qint64 DefaultColumnWidth = 1900; // twips, every new data column
constexpr qint64 HeaderColumnWidth = 500;   // twips, the fixed column 0
constexpr qint64 EditorExtraWidth = 280;    // twips the cell editor is wider than its column
constexpr float DefaultFontSize = 12.0f;

struct TableCell
{
    QString text;                     // may hold CR LF, LF or CR line breaks
    qint64 textColor = 0;             // colour number, written when Text Color is on
    qint64 backColor = 0;             // colour number; 0 = none chosen, a chosen black is 1
    float fontSize = DefaultFontSize; // points
    QString imageName;                // file name without folder; empty = no picture
};

struct TableOptions
{
    // "Table Settings": the combo and box texts, written verbatim.
    QString title;
    QString alignment;
    QString borderSize;
    QString borderColor;
    QString cellPadding = QStringLiteral("3");
    QString cellSpacing = QStringLiteral("2");
    QString frame;
    QString rules;
    QString textAlignment = QStringLiteral("LEFT");
    QString textVerticalAlignment = QStringLiteral("TOP");
    bool percentageWidth = false;
    QString percentageWidthText = QStringLiteral("100%");

    // "Grid Cells".
    bool textColorEnabled = false;      // the Text Color check box
    bool transparentBackgrounds = true; // suppresses BGColor

    // One width per data column; its size is the column count C.
    QList<qint64> columnWidths{DefaultColumnWidth, DefaultColumnWidth};
    // R rows; a row shorter than C is read as if padded with empty cells.
    QList<QList<TableCell>> cells{QList<TableCell>(2), QList<TableCell>(2)};

    int rowCount() const { return int(cells.size()); }
    int columnCount() const { return int(columnWidths.size()); }
};

// The whole fragment, starting with a lone LF and ending with the closing
// comment's CR LF.
QString buildTableFragment(const TableOptions &options);
// The settings a TABLE start tag gives, over `options` (its cells stay).
std::optional<TableOptions> readTable(const tagreader::Element &element, TableOptions options);

// FONT SIZE of a cell: the last of >= 8 "1", >= 9.75 "2", >= 12 "3",
// >= 14 "4", >= 18 "5", >= 24 "6", >= 36 "7" that holds; below 8 (or NaN)
// nothing holds and the value is empty.
QString cellHtmlSize(float points);

// The cell text with each line break (CR LF, LF or CR) written as
// "<BR>" CR LF.
QString cellTextWithBreaks(const QString &text);

// What the Font Size combo shows for a cell: the largest of 36, 24, 18, 14,
// 12 the size reaches, else "10" from 9.75, else "8" from 8. A smaller size
// (only reachable by typing it) is shown as it is, e.g. "6" or "7.5".
QString fontSizeComboText(float points);
// The size a combo text sets: its leading number ("14pt" is 14, "x" is 0),
// kept within 0 .. 1000 points (a typed "1e300" is no size to draw or
// store; the HTML size is the same for anything from 36 up).
float fontSizeFromComboText(const QString &text);

// A background colour as stored: a chosen black becomes 1 so that it
// differs from "no colour".
constexpr qint64 storedBackColor(qint64 chosen)
{
    return chosen == 0 ? 1 : chosen;
}
// The cell editor's background: the cell's colour, white when it has none
// or when backgrounds are transparent.
qint64 editorBackColor(const TableCell &cell, bool transparentBackgrounds);

// Grid changes. Rows and columns never go below one; removing then returns
// false and changes nothing. Cells that remain keep everything, including
// their image names; new cells are empty, new columns DefaultColumnWidth.
void addRow(TableOptions &options);
bool removeRow(TableOptions &options);
void addColumn(TableOptions &options);
bool removeColumn(TableOptions &options);
// Unchecking Text Color makes every cell's text black.
void clearTextColors(TableOptions &options);

// The item lists of the dialog's combos.
const QStringList &fontSizeItems();          // Font Size
const QStringList &alignmentItems();         // Alignment and Text Alignment
const QStringList &borderSizeItems();        // Border Size
const QStringList &borderColorItems();       // Border Color
const QStringList &spacingItems();           // Cell Padding and Cell Spacing
const QStringList &frameItems();             // Frame
const QStringList &rulesItems();             // Rules
const QStringList &verticalAlignmentItems(); // Text Vertical Alignment
const QStringList &percentageWidthItems();   // Percentage Width

} // namespace tablebuilder

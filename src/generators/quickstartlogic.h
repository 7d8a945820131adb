// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whole-page skeletons: the plain QuickStart page with BODY attributes, and
// the page whose look lives in an embedded style sheet. Every value is the
// text the user typed, written as it is.

#include "generators/stylelogic.h"

#include <array>
#include <optional>
#include <QString>
#include <QStringList>

namespace quickstart {

// The plain page.
struct PageOptions
{
    QString documentType = QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\">");
    QString title;
    QString leftMargin;
    QString topMargin;
    QString textColour;
    QString linkColour;
    QString visitedColour;
    QString activeColour;
    QString hoverColour;
    QString backgroundColour;
    QString backgroundImage;
    // Only written with a background image (the box is disabled without).
    bool watermark = false;
};
QString buildPage(const PageOptions &options);

// The document-type list, blanks included.
const QStringList &documentTypes();
// The preview colour (colour number) of a colour name of the list;
// nullopt for any other text.
std::optional<qint64> previewColour(const QString &name);

// The page with a style sheet.
struct ElementRow
{
    QString selector;
    bool checked = false;
    stylelogic::FontChoice font;
};

struct StylePageOptions
{
    QString title;
    QString leftMargin;
    QString leftUnit = QStringLiteral("(in) inches"); // a unit item
    QString rightMargin;
    QString rightUnit = QStringLiteral("(in) inches");
    bool backgroundChecked = false;
    qint64 backgroundColour = 0xFFFFFF; // colour number
    QString backgroundImage;
    bool bodyChecked = false;
    stylelogic::FontChoice body;
    std::array<ElementRow, 7> elements = defaultElements();
    bool linkChecked = false;
    QString linkColour;
    bool visitedChecked = false;
    QString visitedColour;
    bool hoverChecked = false;
    QString hoverColour;

    static std::array<ElementRow, 7> defaultElements();
};
QString buildStylePage(const StylePageOptions &options);

// The declarations of one font row, each line led by a blank. Ends with
// " text-decoration: none" without semicolon or line end when the font is
// neither underlined nor struck through.
QString fontBlock(const stylelogic::FontChoice &font);

// The margin number items.
const QStringList &marginItems();

} // namespace quickstart

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The DIV with an inline style that wraps the selected text: positioning,
// size, alignment, font and colours, each declaration written only when its
// value is given.

#include "generators/stylelogic.h"

#include <QString>
#include <QStringList>

namespace inlinestyle {

struct Length
{
    QString value;                                // typed, e.g. "2.5" or "auto"
    QString unit = QStringLiteral("(px) pixels"); // a unit item
};

struct DivOptions
{
    QString id;
    QString alignment;
    bool fontChecked = false;
    stylelogic::FontChoice font; // its colour is not used: see fontColour
    bool colourChecked = false;
    QString fontColour = QStringLiteral("#000000");
    bool backgroundChecked = false;
    QString backgroundColour;
    bool absolute = false;
    Length left, top, width, height;
    QString zIndex;
};

// The DIV around the selection, ending with "</DIV>" and no line end.
QString buildDiv(const DivOptions &options, const QString &selection);

// The 50 items of the position and size combos.
const QStringList &numberItems();
// "0" to "10".
const QStringList &zIndexItems();
const QStringList &alignmentItems();

} // namespace inlinestyle

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the style-sheet dialogs share: a font as the font dialog leaves it,
// the CSS unit lists and the size written for a font.

#include <QString>
#include <QStringList>

namespace stylelogic {

// A font as chosen in a font dialog, with the colour that goes with it.
struct FontChoice
{
    QString family;
    float size = 12; // points; 0 writes no size
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    QString colour = QStringLiteral("#000000"); // an HTML colour value
};

// "(pt) points", "(in) inches", "(cm) centimeters", "(px) pixels".
const QStringList &unitItems();
// The unit written for a unit item: its characters 2 and 3 ("pt").
QString unitOf(const QString &item);
// A font size in points as written in a declaration: "12", "10.5".
QString pointSize(float size);

} // namespace stylelogic

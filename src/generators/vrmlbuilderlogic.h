// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The VRML 2.0 worlds of the VRML Builder: one line of coloured 3-D text,
// or a site map of captioned, linked spheres or cubes in a row.

#include <QList>
#include <QString>

namespace vrml {

enum class Mode { Text, Sitemap };
enum class Shape { Spheres, Cubes };

struct Site
{
    QString caption;
    QString url;
};

struct VrmlOptions
{
    Mode mode = Mode::Text;
    // Text mode. The colour stays the swatch's white until one is chosen,
    // so the material line is always complete.
    QString text;
    qint64 textColour = 0xFFFFFF; // colour number 0x00BBGGRR
    // Sitemap mode: one site per grid row, at least one.
    Shape shape = Shape::Spheres;
    QList<Site> sites{Site()};
};

// The world, lines ending in CR LF except the last "}".
QString buildVrmlWorld(const VrmlOptions &options);

// A colour number as the three VRML components "r g b", each the byte
// divided by 255 with six decimals: pure red is "1.000000 0.000000 0.000000".
QString vrmlColour(qint64 colourNumber);

} // namespace vrml

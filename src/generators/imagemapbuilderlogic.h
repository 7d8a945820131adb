// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The client-side image map of the Image Map Builder: a MAP of rectangular
// AREAs followed by the IMG tag that uses it.

#include <QList>
#include <QString>

namespace imagemap {

// One grid row. The coordinates are the grid's texts, written as they
// are (empty ones give empty numbers between the commas).
struct Area
{
    QString x1, y1, x2, y2;
    QString link; // empty: NOHREF
};

struct ImageMapOptions
{
    QString mapName;
    QString imageName; // the image's file name without folder
    QString width;     // the image's size in pixels, written when known
    QString height;
    QList<Area> areas{Area()};
};

// Every line ends in CR LF.
QString buildImageMap(const ImageMapOptions &options);

// A mouse position in image pixels as the grid records it.
QString coordinateText(double value);

} // namespace imagemap

// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/imagemapbuilderlogic.h"

#include "kernel/htmlvalues.h"

#include "platform/numbers.h"

namespace imagemap {

using htmlvalues::quoted;

namespace {

const QString CrLf = QStringLiteral("\r\n");

} // namespace

QString buildImageMap(const ImageMapOptions &options)
{
    QString map = QStringLiteral("<!-- Begin Image Map -->") + CrLf;
    map += QStringLiteral("<MAP NAME=") + quoted(options.mapName) + u'>' + CrLf;
    for (const Area &area : options.areas) {
        map += QStringLiteral(" <AREA SHAPE=") + quoted(QStringLiteral("RECTANGLE")) +
               QStringLiteral(" COORDS=") +
               quoted(area.x1 + u',' + area.y1 + u',' + area.x2 + u',' + area.y2) + u' ';
        if (!area.link.isEmpty())
            map += QStringLiteral("HREF=") + quoted(area.link) + u'>';
        else
            map += QStringLiteral("NOHREF>");
        map += CrLf;
    }
    map += QStringLiteral("</MAP>") + CrLf;
    map += QStringLiteral("<IMG SRC=") + quoted(options.imageName);
    htmlvalues::attribute(map, QLatin1String("WIDTH"), options.width);
    htmlvalues::attribute(map, QLatin1String("HEIGHT"), options.height);
    map += QStringLiteral(" USEMAP=") + quoted(u'#' + options.mapName) +
           QStringLiteral(" BORDER=0 ISMAP>") + CrLf;
    map += QStringLiteral("<!-- End Image Map -->") + CrLf;
    return map;
}

QString coordinateText(double value)
{
    return numbers::shortestDouble(value);
}

} // namespace imagemap

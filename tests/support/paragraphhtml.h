// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pieces of the HTML the paragraph conversions write, for expected values.

#include <QString>

namespace paragraphhtml {

inline const QString Head = QStringLiteral("<!-- Beginning of Paragraph -->\r\n<P>\r\n");
inline const QString Tail = QStringLiteral("\r\n</P>\r\n<!-- End Of Paragraph -->\r\n");

inline QString font(const QString &points, const QString &size, const QString &colour = "#000000",
                    const QString &face = "Times New Roman")
{
    return QStringLiteral("<FONT STYLE=\"font-size:%1pt\" SIZE=%2 COLOR=%3 FACE=\"%4\">")
        .arg(points, size, colour, face);
}

} // namespace paragraphhtml

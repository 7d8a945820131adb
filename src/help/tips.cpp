// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/tips.h"

#include <QRandomGenerator>

namespace tips {

const QStringList &tipList()
{
    static const QStringList tips{
        QStringLiteral("The Table Builder supports WYSIWYG cell sizing."),
        QStringLiteral("Several pre-made VBScripts are available to help enhance your website."),
        QStringLiteral("HTML generated graphics are available through \"Special Effects\""),
        QStringLiteral("You can use the Image Map Editor to create context sensitive images."),
        QStringLiteral("Lorimel 3.0 supports both header and inline Style Sheets."),
        QStringLiteral("Lorimel 3.0 can convert both text files and table files to HTML."),
        QStringLiteral("Lorimel 3.0 supports ActiveX controls and Java Applets."),
        QStringLiteral("The Frame Builder supports 6 layouts."),
        QStringLiteral("VRML Site maps can be generated with the VRML Builder."),
        QStringLiteral("Microsoft Visual Filters are supported through the Image tool."),
        QStringLiteral("Internet Explorer 4.0 or higher is used as the main preview window."),
    };
    return tips;
}

int randomTipIndex(QRandomGenerator &random)
{
    const int count = int(tipList().size());
    const int index = int(random.generateDouble() * count);
    // generateDouble() is below 1, but keep the index safe from rounding.
    return qBound(0, index, count - 1);
}

} // namespace tips

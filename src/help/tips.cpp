// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/tips.h"

#include <QCoreApplication>
#include <QRandomGenerator>

namespace tips {

const QStringList &tipList()
{
    static const QStringList tips{
        QCoreApplication::translate("tips", "The Table Builder supports WYSIWYG cell sizing."),
        QCoreApplication::translate(
            "tips", "Several pre-made VBScripts are available to help enhance your website."),
        QCoreApplication::translate(
            "tips", "HTML generated graphics are available through \"Special Effects\""),
        QCoreApplication::translate(
            "tips", "You can use the Image Map Editor to create context sensitive images."),
        QCoreApplication::translate("tips",
                                    "Lorimel 3.0 supports both header and inline Style Sheets."),
        QCoreApplication::translate(
            "tips", "Lorimel 3.0 can convert both text files and table files to HTML."),
        QCoreApplication::translate("tips",
                                    "Lorimel 3.0 supports ActiveX controls and Java Applets."),
        QCoreApplication::translate("tips", "The Frame Builder supports 6 layouts."),
        QCoreApplication::translate("tips",
                                    "VRML Site maps can be generated with the VRML Builder."),
        QCoreApplication::translate(
            "tips", "Microsoft Visual Filters are supported through the Image tool."),
        QCoreApplication::translate(
            "tips", "Internet Explorer 4.0 or higher is used as the main preview window."),
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

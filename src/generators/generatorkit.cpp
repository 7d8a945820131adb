// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/generatorkit.h"

#include <QCoreApplication>

namespace generatorkit {

QFont toQFont(const stylelogic::FontChoice &choice)
{
    QFont font;
    if (!choice.family.isEmpty())
        font.setFamily(choice.family);
    font.setPointSizeF(choice.size > 0 ? double(choice.size) : 12.0);
    font.setBold(choice.bold);
    font.setItalic(choice.italic);
    font.setUnderline(choice.underline);
    font.setStrikeOut(choice.strikeOut);
    return font;
}

stylelogic::FontChoice fromQFont(const QFont &font, const QString &colour)
{
    stylelogic::FontChoice choice;
    choice.family = font.family();
    // A font given in pixels has no point size; it writes none.
    choice.size = font.pointSizeF() > 0 ? float(font.pointSizeF()) : 0.0f;
    choice.bold = font.bold();
    choice.italic = font.italic();
    choice.underline = font.underline();
    choice.strikeOut = font.strikeOut();
    choice.colour = colour;
    return choice;
}

QString describeFont(const stylelogic::FontChoice &choice)
{
    QStringList parts;
    if (!choice.family.isEmpty())
        parts << choice.family;
    if (choice.size != 0)
        parts << stylelogic::pointSize(choice.size) +
                     QCoreApplication::translate("generatorkit", " pt");
    if (choice.bold)
        parts << QStringLiteral("bold");
    if (choice.italic)
        parts << QStringLiteral("italic");
    if (choice.underline)
        parts << QStringLiteral("underlined");
    if (choice.strikeOut)
        parts << QCoreApplication::translate("generatorkit", "struck through");
    return parts.join(QStringLiteral(", "));
}

} // namespace generatorkit

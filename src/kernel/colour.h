// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Colours as the program stores and writes them: colour numbers in the
// platform's 0x00BBGGRR order (red in the low byte, as the colour dialog
// and the settings give them), HTML colour values "#RRGGBB", and the
// sixteen colour names every colour combo offers. Checks on colours (such
// as the contrast between two of them) belong here too.

#include <optional>
#include <QString>
#include <QStringList>

namespace colour {

// A colour number from its red, green and blue parts.
constexpr qint64 number(int red, int green, int blue)
{
    return qint64(red & 0xFF) | (qint64(green & 0xFF) << 8) | (qint64(blue & 0xFF) << 16);
}
// A colour number from 0xRRGGBB, the order HTML writes.
constexpr qint64 fromRgb(quint32 rgb)
{
    return number(int(rgb >> 16), int(rgb >> 8), int(rgb));
}
constexpr int red(qint64 colour)
{
    return int(colour & 0xFF);
}
constexpr int green(qint64 colour)
{
    return int((colour >> 8) & 0xFF);
}
constexpr int blue(qint64 colour)
{
    return int((colour >> 16) & 0xFF);
}

// A colour number to "#RRGGBB": 255 gives "#FF0000", 291 gives "#230100".
// Numbers of more than six hex digits are not padded and their first six
// digits are used, byte pairs reversed.
QString html(qint64 colour);
// The colour number of "#RRGGBB" (hex digits in either case); nothing for
// any other text.
std::optional<qint64> fromHtml(const QString &value);

// The sixteen colour names, as written into the HTML.
const QStringList &names();

// The colour a colour field's text names: "#RRGGBB", or one of the sixteen
// names in any letter case with the value browsers give it; nothing for
// any other text.
std::optional<qint64> fromText(const QString &text);

// Contrast as WCAG 2.x measures it. The relative luminance of a colour,
// from 0 (black) to 1 (white).
double relativeLuminance(qint64 colour);
// (L1 + 0.05) / (L2 + 0.05), L1 the lighter of the two: 1 to 21, the same
// either way round.
double contrastRatio(qint64 a, qint64 b);
// Normal-size text needs 4.5:1 for level AA and 7:1 for AAA; the ratio is
// not rounded first.
constexpr bool passesAA(double ratio)
{
    return ratio >= 4.5;
}
constexpr bool passesAAA(double ratio)
{
    return ratio >= 7.0;
}

} // namespace colour

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Number conversions whose exact results the stored settings and the
// generated HTML depend on. One home for each, so every caller agrees.

#include <QString>

namespace numbers {

constexpr int TwipsPerPixel = 15;

// The leading number of a text, 0 when there is none: "12abc" is 12,
// " -3.5e2x" is -350, "abc" is 0. Spaces between digits are skipped and
// "&H"/"&O" prefixes read hexadecimal/octal, as a lenient reader expects.
double leadingNumber(const QString &text);

// Rounds to the nearest integer, a half going to the even neighbour.
qint64 roundHalfEven(double value);

// A double in its shortest decimal form with up to 15 significant digits:
// 126.666666666667, 100, 0.5. Very large or small values use E notation.
QString shortestDouble(double value);

// The same for single precision values (7 significant digits).
QString shortestSingle(float value);

// Two upper-case hexadecimal digits.
QString hex2(int byte);

// The value of a hexadecimal digit in either case, -1 for any other
// character.
constexpr int hexDigit(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

} // namespace numbers

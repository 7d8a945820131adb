// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Upper- or lower-case conversion of everything inside tags (upperCaseAllTags, lowerCaseAllTags).

#include <QString>

namespace tagcase {

enum class Case { Upper, Lower };

// Converts every character from each "<" up to and including the next ">",
// attribute values too; text between tags keeps its case. A "<" with no ">"
// after it ends the conversion, leaving its tail as it was. One character
// maps to one character (no "ß" to "SS"), so the text keeps its length and
// every position in it stays valid.
QString convertTags(const QString &text, Case to);

inline QString upperCaseTags(const QString &text)
{
    return convertTags(text, Case::Upper);
}
inline QString lowerCaseTags(const QString &text)
{
    return convertTags(text, Case::Lower);
}

} // namespace tagcase

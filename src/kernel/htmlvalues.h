// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Values that many builders write into HTML, and the escapes for the other
// languages a page carries (style sheets and scripts), so that what a person
// types stays one value wherever it lands.

#include <QString>
#include <QStringList>

namespace htmlvalues {

// A whole point size to a FONT SIZE value: 7 or less gives "", 8-9 "1",
// 10-11 "2", 12-13 "3", 14-17 "4", 18-23 "5", 24-35 "6", 36 and more "7".
QString htmlFontSize(qint64 points);

// The line end of generated HTML.
inline const QString CrLf = QStringLiteral("\r\n");

// Text for between double quotes: each '"' written as "&quot;", the rest
// as typed (a typed "&amp;" stays "&amp;").
QString escapedQuotes(const QString &value);
// The value between double quotes, escaped as above.
QString quoted(const QString &value);
// The value as typed where it can stand without quotes; quoted when it
// holds a space, a quote, '=', '<', '>' or '`', or is empty.
QString attributeValue(const QString &value);
// " NAME=value" (quoted only where needed), only when the value is not empty.
void attribute(QString &out, QLatin1String name, const QString &value);
// " NAME=\"value\"", only when the value is not empty.
void quotedAttribute(QString &out, QLatin1String name, const QString &value);

// Fields that take a number, or a word that becomes an attribute's name.
enum class FieldKind {
    Whole,         // 0, 1, 2 ...
    Integer,       // a whole number, also below 0
    Length,        // a whole number of pixels or a percentage: 200, 50%
    Decimal,       // 1.5
    SignedDecimal, // 1.5, -1.5
    Loop,          // a whole number, -1 or INFINITE
    Word,          // letters only
};
enum class Entry { Acceptable, Unfinished, Refused };
// Acceptable: complete, or empty in a number field (which leaves the
// attribute out); Unfinished: the start of one ("-", "1.", "INF", an empty
// word); Refused: anything else.
Entry fieldEntry(const QString &text, FieldKind kind);
// What such a field takes, said to the person who typed something else.
QString fieldReason(FieldKind kind);

// A style sheet value (or part of one) that cannot end its declaration,
// block, comment or style element: the characters that would are escaped,
// brackets only where they do not pair up.
QString cssValue(const QString &text);
// A style sheet string in double quotes.
QString cssString(const QString &text);
// What goes between the brackets of url(): the address as typed, or a
// quoted string when it holds a character that would end it.
QString cssUrl(const QString &text);
// A JavaScript string literal. Quotes, '<', '>' and '&' are written as
// escapes, so it is safe in a script element and in an attribute value.
QString jsString(const QString &text);
// A VBScript string expression: '"' doubled, line ends joined in with
// vbCrLf, vbLf or vbCr, and "</", "<!" and "<s" split so the text cannot
// end or restart its script element.
QString vbString(const QString &text);

} // namespace htmlvalues

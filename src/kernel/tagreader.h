// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Start tags read back the way the builders write them: the tag name and
// each attribute with its name as spelled, its value and where it stands
// in the tag's text, so that a builder can be filled from an element it
// wrote and the tag rewritten without touching what it does not know.

#include <optional>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace tagreader {

struct Attribute
{
    QString name;          // as spelled
    QString value;         // without its quotes; "&quot;" read as a double quote
    bool hasValue = false; // NAME=value rather than a bare NAME
    // Offsets in the tag's text: `start` is where the white space before
    // the attribute starts, the "=value" part runs from `nameEnd` to `end`.
    qsizetype start = 0;
    qsizetype nameStart = 0;
    qsizetype nameEnd = 0;
    qsizetype end = 0;
};

struct Tag
{
    QString name;          // as spelled
    qsizetype nameEnd = 0; // just after the name
    qsizetype length = 0;  // up to and with the closing ">"
    QList<Attribute> attributes;

    // The first attribute of that name, in any letter case; null for none.
    const Attribute *find(QStringView name) const;
    bool has(QStringView name) const { return find(name) != nullptr; }
    // Its value; empty when it is missing.
    QString value(QStringView name) const;
};

// The start tag whose "<" is at `from`. Nothing when there is none or it is
// damaged: no ">" before the end of the text, a quote that never closes, or
// a "<" or quote where an attribute name should start. An "=" followed by
// white space or ">" gives an empty value, as the builders write one.
std::optional<Tag> read(QStringView text, qsizetype from = 0);

// What a builder reads back from an element it wrote: its start tag and
// the parts around it that builders own.
struct Element
{
    Tag tag;
    QString content;            // between the start and the end tag
    QString trailing;           // after a single tag, up to the line end or the next tag
    QList<Tag> children;        // the child elements the builder writes (OPTION, PARAM)
    QStringList childTexts;     // the text after each child, as `trailing`
    std::optional<Tag> wrapper; // an element that wraps it alone (FONT round a MARQUEE)
};

// The page background a BODY start tag gives ("#RRGGBB" or a colour name in
// BGCOLOR): the first BODY's BGCOLOR text, empty when there is none.
QString bodyBackground(QStringView text);

} // namespace tagreader

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the List Builder edits, and the list fragment it writes: one of five
// kinds of list, items typed into a grid, optionally coloured.

#include <QList>
#include <QString>
#include <QStringList>

namespace listbuilder {

// In the order of the dialog's option buttons.
enum class ListKind { Definition, Ordered, Unordered, Itemized, Directory };
// In the order of the Type list.
enum class Numbering { LargeLetters, SmallLetters, LargeRoman, SmallRoman, Regular };

constexpr int SingleColumnTwips = 3600;
constexpr int TermColumnTwips = 1200;
constexpr int DefinitionColumnTwips = 2400;

struct ListCell
{
    QString text;
    qint64 color = 0; // colour number; 0 (never coloured) is written as black
};

struct ListRow
{
    ListCell item;       // the item, or a definition list's term
    ListCell definition; // a definition list's definition; unused otherwise
};

struct ListOptions
{
    ListKind kind = ListKind::Ordered;
    Numbering numbering = Numbering::Regular;     // ordered lists only
    QString startingNumber = QStringLiteral("1"); // ordered lists only; empty leaves START out
    // Set by the first use of Text Color: every item is then wrapped in
    // FONT, coloured or not.
    bool useColors = false;
    QList<ListRow> rows{ListRow()};
};

// One item: itemTag and the text, inside FONT COLOR when colours are in
// use, ended by CR LF.
QString itemLine(const ListCell &cell, const QString &itemTag, bool useColors);

// The whole fragment, from "<!--Beginning of List-->" to
// "<!--End Of List-->" CR LF.
QString buildList(const ListOptions &options);

// The TYPE value of a numbering style: "A", "a", "I", "i" or "1".
QString typeValue(Numbering numbering);
// The Type list's items, in the order of Numbering.
const QStringList &numberingNames();
// The option buttons' captions, in the order of ListKind.
const QStringList &kindCaptions();
// The grid's column widths in twips for a kind of list.
QList<int> columnTwips(ListKind kind);
// What the colour flag's label says.
QString colourFlagText(bool useColors);

} // namespace listbuilder

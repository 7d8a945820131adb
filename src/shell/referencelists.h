// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The side bar's reference lists and character combos, and what a
// double-click on a list item inserts.

#include <optional>
#include <QList>
#include <QString>
#include <QStringList>

namespace palette {

// The character combos Combo1 ... Combo4.
struct CharacterItem
{
    QString character; // what the combo shows
    QString reference; // what replaces the selection, e.g. "&trade;"
};
struct CharacterCombo
{
    QString name;  // "Combo1" ...
    QString label; // "Math", "Currency", "Legal", "Latin"
    QList<CharacterItem> items;
};
const QList<CharacterCombo> &characterCombos();

// The reference lists of List8, by index, and the tabs of TabStrip2.
enum ReferenceList {
    TagsList = 0,
    AttributesList = 1,
    TimeDateList = 2,
    FacesList = 3,
    CustomList = 4,
    JavaScriptList = 5,
};
struct ReferenceTab
{
    QString caption;
    QString toolTip;
    ReferenceList list;
};
const QList<ReferenceTab> &referenceTabs(); // the six tabs in order

const QStringList &tagNames();         // 95
const QStringList &attributeNames();   // 123, four of them twice
const QStringList &faces();            // 20
const QStringList &javaScriptTopics(); // 280
// Tags written without a close tag when picked from the tag list.
const QStringList &emptyElements();

// Double-click on the tag list item `name` (empty when no item is
// selected): "<name>" for an empty element, else "<name>" selection
// "</name>"; nothing without a name.
std::optional<QString> tagFragment(const QString &name, const QString &selection);

// Double-click on row `row` of the JavaScript list: the topic's text before
// its first space, or the whole entry when it has none. The first row and
// rows outside the list give nothing.
std::optional<QString> javaScriptText(int row);

} // namespace palette

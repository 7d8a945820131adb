#pragma once
// Everything the side bar's palettes offer: the palette chooser, the tool
// strips with their actions, the character combos, the reference lists and
// what a double-click on a list item inserts. The widgets are built from
// these tables; they hold no HTML of their own.

#include "kernel/builderids.h"

#include <optional>
#include <QList>
#include <QString>
#include <QStringList>

class QDateTime;
class QLocale;

namespace palette {

// Object name of the panel that holds the four character combos.
inline constexpr char CharacterPanel[] = "Picture2";

// A tab of the palette chooser TabStrip1 and the panel it shows: a tool
// strip's object name ("TabStrip3" ... "TabStrip11") or CharacterPanel.
struct PaletteTab
{
    QString caption;
    QString toolTip;
    QString panel;
};
const QList<PaletteTab> &paletteTabs(); // the ten tabs in order

enum class ToolAction {
    OpenBuilder,           // show the window `builder`
    Wrap,                  // the wrapping service with `first` and `last`
    Insert,                // hand `fragment` to the insertion service
    InsertBeforeSelection, // insert `fragment` followed by the selection
    QuickColor,            // colour dialog; its HTML colour replaces the selection
};

struct ToolTab
{
    QString caption;
    QString toolTip; // empty where the tab has none
    ToolAction action = ToolAction::Insert;
    QString builder;  // OpenBuilder
    QString first;    // Wrap
    QString last;     // Wrap; empty means `first` alone replaces the selection
    QString fragment; // Insert, InsertBeforeSelection
};

struct ToolStrip
{
    QString name; // object name, "TabStrip3" ... "TabStrip11"
    QList<ToolTab> tabs;
};
const QList<ToolStrip> &toolStrips(); // TabStrip3 ... TabStrip11
const ToolStrip *findToolStrip(const QString &name);

// The text that replaces the selection when the tab is clicked: the
// wrapping rule for Wrap (first + selection + last, or first alone when
// last is empty), the fragment for Insert, fragment + selection for
// InsertBeforeSelection. Nothing for OpenBuilder and QuickColor.
std::optional<QString> toolFragment(const ToolTab &tab, const QString &selection);

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

// The Time/Date entries, in this order and meaning:
//   "General Date"  short date, a space, long time
//   "Long Date"     the locale's long date
//   "Medium Date"   day-month-year as dd-MMM-yy, month abbreviated by the locale
//   "Short Date"    the locale's short date
//   "Long Time"     the locale's long time without its time zone
//   "Medium Time"   12-hour hh:mm with the locale's AM/PM text
//   "Short Time"    24-hour HH:mm
const QStringList &timeDateFormatNames();
QStringList timeDateEntries(const QDateTime &when, const QLocale &locale);

// Double-click on the tag list item `name` (empty when no item is
// selected): "<name>" for an empty element, else "<name>" selection
// "</name>"; nothing without a name.
std::optional<QString> tagFragment(const QString &name, const QString &selection);

// Double-click on row `row` of the JavaScript list: the topic's text before
// its first space, or the whole entry when it has none. The first row and
// rows outside the list give nothing.
std::optional<QString> javaScriptText(int row);

} // namespace palette

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The side bar's palettes: the palette chooser and the tool strips with
// their actions. The widgets are built from these tables; they hold no HTML
// of their own.

#include <optional>
#include <QList>
#include <QString>

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
// TabStrip3 ... TabStrip11 with their tag tabs; the tabs that open
// builders come from the builder registry (placeTabs).
const QList<ToolStrip> &toolStrips();
const ToolStrip *findToolStrip(const QList<ToolStrip> &strips, const QString &name);

// A tab for a strip, at its index on the finished strip.
struct PlacedTab
{
    QString strip;
    int position = 0;
    ToolTab tab;
};
// The strips with the tabs placed, in order of position so that each ends
// at its index (or at the end of a shorter strip). Tabs for strips not in
// the list are left out.
QList<ToolStrip> placeTabs(QList<ToolStrip> strips, QList<PlacedTab> tabs);

// The text that replaces the selection when the tab is clicked: the
// wrapping rule for Wrap (first + selection + last, or first alone when
// last is empty), the fragment for Insert, fragment + selection for
// InsertBeforeSelection. Nothing for OpenBuilder and QuickColor.
std::optional<QString> toolFragment(const ToolTab &tab, const QString &selection);

} // namespace palette

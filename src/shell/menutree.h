// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's menu bar and its two pop-up menus, as data: every item's
// object name and caption. An entry whose next entry is one level deeper is
// a menu; an entry without a name is a separator. The items that open
// builder and tool windows come from the builder registry and are placed
// into this tree.

#include <QList>

namespace menutree {

struct Entry
{
    int depth;           // 0: a menu on the bar (or a pop-up menu)
    const char *name;    // object name; null for a separator
    const char *caption; // as shown, with its & accelerator
};

// Marks where a menu shows the registry's items; a menu without the mark
// shows them at its end.
inline constexpr char RegistryItems[] = "(registry items)";

// The menu bar, left to right.
const QList<Entry> &menuBar();
// The pop-up menus "Pop" (documents) and "Website" (site files).
const QList<Entry> &popupMenus();

// An item to place into a menu of the tree.
struct Item
{
    const char *menu;    // object name of the menu it belongs to
    const char *name;    // object name of the item
    const char *caption; // as shown, with its & accelerator
};

// The tree with every item in its menu: at the menu's RegistryItems mark,
// or at its end. Items of menus not in the tree are left out.
QList<Entry> placeItems(const QList<Entry> &tree, const QList<Item> &items);

} // namespace menutree

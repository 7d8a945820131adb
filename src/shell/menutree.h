#pragma once
// The main window's menu bar and its two pop-up menus, as data: every item's
// object name and caption. An entry whose next entry is one level deeper is
// a menu; an entry without a name is a separator.

#include <QList>

namespace menutree {

struct Entry
{
    int depth;           // 0: a menu on the bar (or a pop-up menu)
    const char *name;    // object name; null for a separator
    const char *caption; // as shown, with its & accelerator
};

// The menu bar, left to right.
const QList<Entry> &menuBar();
// The pop-up menus "Pop" (documents) and "Website" (site files).
const QList<Entry> &popupMenus();

} // namespace menutree

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every key of the program's commands, in one place: the main window gives
// them to its menu items and the manual lists them in its key table.

#include <QList>
#include <QString>

namespace keytable {

struct Row
{
    const char *item;    // the menu item's (or action's) object name
    const char *keys;    // portable text, several separated by "; "
    const char *command; // what it does, for the manual (translated)
};

// In the order the manual lists them.
const QList<Row> &rows();

// The keys of an item in portable text (for QKeySequence::listFromString);
// empty when the table has no row for it.
QString keysOf(const QString &item);
// The translated description of a row.
QString commandOf(const Row &row);

} // namespace keytable

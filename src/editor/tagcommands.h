// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The simple tag commands of the HTML menu and the document pop-up menu:
// each wraps the selection in a tag pair, or replaces it by a single tag.

#include <QString>
#include <QStringView>
#include <QVector>

namespace tagcommands {

enum class Menu {
    Html,     // the HTML menu itself
    Headings, // its "&Headings" submenu
    Lists,    // its "Lists" submenu
};

struct TagCommand
{
    QString menuCaption; // caption in the HTML menu (or submenu); empty: not there
    Menu menu = Menu::Html;
    QString popupCaption; // caption in the pop-up menu; empty: not there
    int popupIndex = -1;  // place among the pop-up's tag items, -1: not there
    QString firstTag;
    QString lastTag; // empty: a single tag that replaces the selection
};

// Every command, in the order of the HTML menu and its submenus (the
// pop-up-only "&Strikethru Text" comes last).
const QVector<TagCommand> &tagCommands();

// The fragment wrapSelection inserts: firstTag, the selection, lastTag; or
// firstTag alone when lastTag is empty.
QString fragment(QStringView firstTag, QStringView selection, QStringView lastTag);

} // namespace tagcommands

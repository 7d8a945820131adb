// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The builder and tool windows of the program, one row each: its id, the
// menu items and palette tabs that open it, what kind of window it is, the
// files it takes and how it opens. The menus, the palettes, the site pane
// and the conformance test all follow from these rows; nothing else lists
// builders.
//
// Adding a builder: its logic (options struct and fragment function) in the
// core library, its dialog in the UI library, and one row in
// builderregistry.cpp. A builder that can be reopened on an element it
// wrote also names the elements, the parts of them it owns and its reader.

#include "editor/reopen.h"
#include "kernel/builderids.h"
#include "shell/menutree.h"
#include "shell/palettecatalog.h"

#include <QList>
#include <QString>

class BuilderDialog;
class QWidget;
class Workbench;

namespace registry {

enum class Kind {
    Builder, // OK with the fields as they open writes a fragment
    Tool,    // a window without such an OK: find, organizer, the VRML Builder's
             // Save, a wizard's first step
};

// A tab on a palette's tool strip.
struct PaletteTab
{
    const char *strip; // "TabStrip3" ... "TabStrip11"
    int position;      // its index on the strip
    const char *caption;
    const char *toolTip; // "" for none
};

// Shows the window (a new one or the one kept from last time) without
// waiting for it. `argument` is a file for the windows that take one, else
// empty.
using Opener = QWidget *(*)(Workbench &workbench, const QString &argument);

// A builder opened on an element it wrote.
struct Reopened
{
    BuilderDialog *builder = nullptr;
    bool filled = false; // filled from the element; else it opened empty
    QString fragment;    // what its OK writes with the fields as filled
};
// Shows the builder filled from the element, or empty for none.
using Reopener = Reopened (*)(Workbench &workbench, const tagreader::Element *element);

struct Reopening
{
    QStringList elements; // upper case; none: the builder reopens nothing
    reopen::Shape shape = {};
    Reopener open = nullptr;
};

struct BuilderRow
{
    QString id;
    Kind kind = Kind::Builder;
    Opener open = nullptr;
    QList<menutree::Item> menuItems;
    QList<PaletteTab> paletteTabs = {};
    FileRole takes = FileRole::None;
    Reopening reopening = {};
};

const QList<BuilderRow> &rows();
const BuilderRow *find(const QString &id);
// The window that takes files of that role; null for none.
const BuilderRow *forFiles(FileRole role);

// Every row's menu items, and the menus with them in place.
QList<menutree::Item> menuItems();
// The palette's tool strips with every row's tabs in place.
const QList<palette::ToolStrip> &toolStrips();

} // namespace registry

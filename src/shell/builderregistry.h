#pragma once
// The builder and tool windows of the program, one row each: the id the
// palettes and the site pane use, the menu items that open it, and how to
// open it. The main window enables and connects menu items and palette tabs
// from this table; nothing else lists builders.
//
// Adding a builder: its logic (options struct and fragment function) in the
// core library, its dialog in the UI library, and one row below.

#include <QList>
#include <QString>
#include <QStringList>

class QWidget;
class Workbench;

namespace registry {

enum class Kind {
    Builder, // OK with the fields as they open writes a fragment
    Tool,    // a window without such an OK (find, organizer, wizards' first steps)
};

struct BuilderRow
{
    QString id;            // builderid
    QStringList menuItems; // object names of the menu items that open it
    Kind kind = Kind::Builder;
    // Shows the window (a new one or the one kept from last time) without
    // waiting for it. `argument` is a file name for the windows that take
    // one (the graphics and sound dialogs, the links dialog), else empty.
    QWidget *(*open)(Workbench &workbench, const QString &argument) = nullptr;
};

const QList<BuilderRow> &rows();
const BuilderRow *find(const QString &id);

} // namespace registry

#include "shell/builderregistry.h"

#include "builders/tablebuilder.h"
#include "editor/findwindow.h"
#include "editor/workbench.h"
#include "help/aboutwindow.h"
#include "kernel/builderids.h"
#include "organizer/organizerwindow.h"

namespace registry {

namespace {

QString id(const char *name)
{
    return QLatin1String(name);
}

} // namespace

const QList<BuilderRow> &rows()
{
    static const QList<BuilderRow> table{
        {id(builderid::TableBuilder),
         {QStringLiteral("mnuTableBuilderItem")},
         Kind::Builder,
         [](Workbench &w, const QString &) -> QWidget * { return TableBuilder::open(w); }},
        {id(builderid::Find),
         {QStringLiteral("mnuFindItem")},
         Kind::Tool,
         [](Workbench &w, const QString &) -> QWidget * { return FindWindow::open(w, false); }},
        {id(builderid::Replace),
         {QStringLiteral("mnuReplaceItem")},
         Kind::Tool,
         [](Workbench &w, const QString &) -> QWidget * { return FindWindow::open(w, true); }},
        // Opened by the main window's "Ostrel PIM" button; it writes its
        // data to the settings store.
        {id(builderid::Organizer),
         {},
         Kind::Tool,
         [](Workbench &w, const QString &) -> QWidget * {
             return OrganizerWindow::open(w, w.settings());
         }},
        {id(builderid::About),
         {QStringLiteral("mnuAboutItem")},
         Kind::Tool,
         [](Workbench &w, const QString &) -> QWidget * { return AboutWindow::open(w); }},
    };
    return table;
}

const BuilderRow *find(const QString &id)
{
    for (const BuilderRow &row : rows()) {
        if (row.id == id)
            return &row;
    }
    return nullptr;
}

} // namespace registry

#include "shell/builderregistry.h"

#include "builders/framebuilder.h"
#include "builders/listbuilder.h"
#include "builders/tablebuilder.h"
#include "editor/findwindow.h"
#include "editor/workbench.h"
#include "kernel/builderids.h"

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
        // The wizard's first step: Next goes on to the second, which inserts.
        {id(builderid::FrameBuilder),
         {QStringLiteral("mnuFrameBuilderItem")},
         Kind::Tool,
         [](Workbench &w, const QString &) -> QWidget * { return FrameBuilder::open(w); }},
        {id(builderid::ListBuilder),
         {QStringLiteral("mnuListBuilderItem")},
         Kind::Builder,
         [](Workbench &w, const QString &) -> QWidget * { return ListBuilder::open(w); }},
        {id(builderid::Find),
         {QStringLiteral("mnuFindItem")},
         Kind::Tool,
         [](Workbench &w, const QString &) -> QWidget * { return FindWindow::open(w, false); }},
        {id(builderid::Replace),
         {QStringLiteral("mnuReplaceItem")},
         Kind::Tool,
         [](Workbench &w, const QString &) -> QWidget * { return FindWindow::open(w, true); }},
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

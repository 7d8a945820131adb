#include "shell/builderregistry.h"

#include "builders/tablebuilder.h"
#include "editor/findwindow.h"
#include "editor/workbench.h"
#include "generators/imagemapbuilder.h"
#include "generators/vrmlbuilder.h"
#include "kernel/builderids.h"
#include "objects/appletdialog.h"
#include "objects/controlbrowser.h"
#include "objects/parametersdialog.h"
#include "objects/premadescripts.h"
#include "objects/scriptdialog.h"
#include "objects/searchesdialog.h"

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
        {id(builderid::VrmlBuilder),
         {QStringLiteral("mnuVRMLItem")},
         Kind::Tool,
         [](Workbench &w, const QString &) -> QWidget * { return VrmlBuilder::open(w); }},
        {id(builderid::ImageMapBuilder),
         {QStringLiteral("mnuImageMapItem")},
         Kind::Builder,
         [](Workbench &w, const QString &) -> QWidget * { return ImageMapBuilder::open(w); }},
        {id(builderid::ObjectTags),
         {QStringLiteral("mnuObjectTagsItem")},
         Kind::Tool,
         [](Workbench &w, const QString &) -> QWidget * {
             return ControlBrowser::open(w, w.settings());
         }},
        {id(builderid::JavaApplet),
         {QStringLiteral("mnuJavaAppletItem")},
         Kind::Builder,
         [](Workbench &w, const QString &) -> QWidget * { return AppletDialog::open(w); }},
        {id(builderid::Parameters),
         {QStringLiteral("mnuParametersItem")},
         Kind::Builder,
         [](Workbench &w, const QString &) -> QWidget * { return ParametersDialog::open(w); }},
        {id(builderid::Script),
         {QStringLiteral("mnuScriptTagsItem")},
         Kind::Builder,
         [](Workbench &w, const QString &) -> QWidget * { return ScriptDialog::open(w); }},
        {id(builderid::PremadeScripts),
         {QStringLiteral("mnuPremadeScriptsItem")},
         Kind::Builder,
         [](Workbench &w, const QString &) -> QWidget * { return PremadeScriptsDialog::open(w); }},
        {id(builderid::InternetSearches),
         {QStringLiteral("mnuSearchEnginesItem")},
         Kind::Tool,
         [](Workbench &w, const QString &) -> QWidget * { return SearchesDialog::open(w); }},
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

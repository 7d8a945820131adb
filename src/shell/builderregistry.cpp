#include "shell/builderregistry.h"

#include "builders/tablebuilder.h"
#include "editor/findwindow.h"
#include "editor/workbench.h"
#include "kernel/builderids.h"
#include "site/fileproperties.h"
#include "site/fileretriever.h"
#include "site/multireplacewindow.h"
#include "site/sitepane.h"
#include "site/thumbnailbrowser.h"

#include <QObject>

namespace registry {

namespace {

QString id(const char *name)
{
    return QLatin1String(name);
}

SitePane *sitePane(Workbench &w)
{
    QWidget *main = w.mainWidget();
    return main ? main->findChild<SitePane *>() : nullptr;
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
        {id(builderid::FileRetriever),
         {},
         Kind::Tool,
         [](Workbench &w, const QString &) -> QWidget * {
             FileRetriever *window = FileRetriever::open(w);
             // The site pane lists the copied files once the retriever closes.
             if (SitePane *pane = sitePane(w))
                 QObject::connect(window, &FileRetriever::closed, pane, &SitePane::refresh,
                                  Qt::UniqueConnection);
             return window;
         }},
        {id(builderid::ThumbnailBrowser),
         {},
         Kind::Tool,
         [](Workbench &w, const QString &) -> QWidget * { return ThumbnailBrowser::open(w); }},
        {id(builderid::FileProperties),
         {QStringLiteral("mnuPropertiesItem")},
         Kind::Tool,
         [](Workbench &w, const QString &argument) -> QWidget * {
             // From the menu: the file selected in the site pane.
             QString path = argument;
             if (path.isEmpty()) {
                 if (SitePane *pane = sitePane(w))
                     path = pane->selectedPath();
             }
             return FileProperties::open(w, path);
         }},
        {id(builderid::MultiFileReplace),
         {QStringLiteral("mnuMultiReplaceItem")},
         Kind::Tool,
         [](Workbench &w, const QString &) -> QWidget * { return MultiReplaceWindow::open(w); }},
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

#include "shell/builderregistry.h"

#include "builders/backgroundsounds.h"
#include "builders/fontwizard.h"
#include "builders/graphics.h"
#include "builders/marquee.h"
#include "builders/paragraphbuilder.h"
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
        {id(builderid::ParagraphBuilder),
         {QStringLiteral("mnuParagraphBuilderItem")},
         Kind::Builder,
         [](Workbench &w, const QString &) -> QWidget * { return ParagraphBuilder::open(w); }},
        {id(builderid::Marquee),
         {QStringLiteral("mnuMarqueeItem")},
         Kind::Builder,
         [](Workbench &w, const QString &) -> QWidget * { return MarqueeBuilder::open(w); }},
        {id(builderid::Graphics),
         {QStringLiteral("mnuImageItem")},
         Kind::Builder,
         [](Workbench &w, const QString &file) -> QWidget * {
             return GraphicsBuilder::open(w, file);
         }},
        {id(builderid::FontWizard),
         {QStringLiteral("mnuFontWizardItem")},
         Kind::Builder,
         [](Workbench &w, const QString &) -> QWidget * { return FontWizard::open(w); }},
        {id(builderid::BackgroundSounds),
         {QStringLiteral("mnuBackgroundSoundItem")},
         Kind::Builder,
         [](Workbench &w, const QString &file) -> QWidget * {
             return BackgroundSoundsBuilder::open(w, file);
         }},
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

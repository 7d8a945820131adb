#include "shell/builderregistry.h"

#include "builders/backgroundsounds.h"
#include "builders/floatingframe.h"
#include "builders/fontwizard.h"
#include "builders/formbuilder.h"
#include "builders/forminput.h"
#include "builders/framebuilder.h"
#include "builders/graphics.h"
#include "builders/linkbox.h"
#include "builders/links.h"
#include "builders/listboxbuilder.h"
#include "builders/listbuilder.h"
#include "builders/marquee.h"
#include "builders/paragraphbuilder.h"
#include "builders/tablebuilder.h"
#include "editor/findwindow.h"
#include "editor/workbench.h"
#include "generators/effectsdialog.h"
#include "generators/imagemapbuilder.h"
#include "generators/inlinestyle.h"
#include "generators/quickstart.h"
#include "generators/quickstartstyle.h"
#include "generators/randombackground.h"
#include "generators/randomtext.h"
#include "generators/vrmlbuilder.h"
#include "help/aboutwindow.h"
#include "kernel/builderids.h"
#include "objects/appletdialog.h"
#include "objects/controlbrowser.h"
#include "objects/parametersdialog.h"
#include "objects/premadescripts.h"
#include "objects/scriptdialog.h"
#include "objects/searchesdialog.h"
#include "organizer/organizerwindow.h"
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
        // The wizard's first step: Next goes on to the second, which inserts.
        {id(builderid::FrameBuilder),
         {QStringLiteral("mnuFrameBuilderItem")},
         Kind::Tool,
         [](Workbench &w, const QString &) -> QWidget * { return FrameBuilder::open(w); }},
        {id(builderid::ListBuilder),
         {QStringLiteral("mnuListBuilderItem")},
         Kind::Builder,
         [](Workbench &w, const QString &) -> QWidget * { return ListBuilder::open(w); }},
        {id(builderid::QuickStart),
         {QStringLiteral("mnuQuickstartItem")},
         Kind::Builder,
         [](Workbench &w, const QString &) -> QWidget * { return QuickStartDialog::open(w); }},
        {id(builderid::QuickStartStyle),
         {QStringLiteral("mnuQuickstartStyleItem")},
         Kind::Builder,
         [](Workbench &w, const QString &) -> QWidget * { return QuickStartStyleDialog::open(w); }},
        {id(builderid::InlineStyleSheet),
         {QStringLiteral("mnuInlineStyleItem")},
         Kind::Builder,
         [](Workbench &w, const QString &) -> QWidget * { return InlineStyleDialog::open(w); }},
        {id(builderid::SpecialEffects),
         {QStringLiteral("mnuSpecialEffectsItem")},
         Kind::Builder,
         [](Workbench &w, const QString &) -> QWidget * { return SpecialEffectsDialog::open(w); }},
        // Opened by id from the premade scripts.
        {id(builderid::RandomBackground),
         {},
         Kind::Builder,
         [](Workbench &w, const QString &) -> QWidget * {
             return RandomBackgroundDialog::open(w);
         }},
        {id(builderid::RandomText),
         {},
         Kind::Builder,
         [](Workbench &w, const QString &) -> QWidget * { return RandomTextDialog::open(w); }},
        {id(builderid::FormBuilder),
         {QStringLiteral("mnuFormWizardItem")},
         Kind::Builder,
         [](Workbench &w, const QString &) -> QWidget * { return FormBuilder::open(w); }},
        {id(builderid::FormInput),
         {QStringLiteral("mnuFormInputItem")},
         Kind::Builder,
         [](Workbench &w, const QString &) -> QWidget * { return FormInput::open(w); }},
        {id(builderid::ListboxBuilder),
         {QStringLiteral("mnuFormListboxItem")},
         Kind::Builder,
         [](Workbench &w, const QString &) -> QWidget * { return ListboxBuilder::open(w); }},
        {id(builderid::Anchor),
         {QStringLiteral("mnuAnchorItem")},
         Kind::Builder,
         [](Workbench &w, const QString &argument) -> QWidget * {
             return Links::open(w, argument);
         }},
        {id(builderid::FloatingFrame),
         {QStringLiteral("mnuFloatingFrameItem")},
         Kind::Builder,
         [](Workbench &w, const QString &) -> QWidget * { return FloatingFrame::open(w); }},
        // Opened from the premade-scripts window only.
        {id(builderid::LinkBox),
         {},
         Kind::Builder,
         [](Workbench &w, const QString &) -> QWidget * { return LinkBoxBuilder::open(w); }},
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

// SPDX-License-Identifier: GPL-3.0-or-later
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

#include <algorithm>

namespace registry {

namespace {

// The menus the rows put their items in.
constexpr char Edit[] = "mnuEdit";
constexpr char ToolsAtoM[] = "mnuToolsAMItem";
constexpr char ToolsNtoZ[] = "mnuToolsNZItem";
constexpr char Help[] = "mnuHelp";
constexpr char SitePopup[] = "Website";

// A builder window: the one kept from last time, or a new one.
template <class T> QWidget *opens(Workbench &w, const QString &)
{
    return BuilderDialog::showBuilder<T>(w);
}

// A window that starts with the file it was given.
template <class T> QWidget *opensWithFile(Workbench &w, const QString &file)
{
    return T::open(w, file);
}

SitePane *sitePane(Workbench &w)
{
    QWidget *main = w.mainWidget();
    return main ? main->findChild<SitePane *>() : nullptr;
}

QWidget *openFind(Workbench &w, const QString &)
{
    return FindWindow::open(w, false);
}

QWidget *openReplace(Workbench &w, const QString &)
{
    return FindWindow::open(w, true);
}

QWidget *openObjectTags(Workbench &w, const QString &)
{
    return ControlBrowser::open(w, w.settings());
}

// It writes its data to the settings store.
QWidget *openOrganizer(Workbench &w, const QString &)
{
    return OrganizerWindow::open(w, w.settings());
}

// The site pane lists the copied files once the retriever closes.
QWidget *openFileRetriever(Workbench &w, const QString &)
{
    auto *window = BuilderDialog::showBuilder<FileRetriever>(w);
    if (SitePane *pane = sitePane(w))
        QObject::connect(window, &FileRetriever::closed, pane, &SitePane::refresh,
                         Qt::UniqueConnection);
    return window;
}

// From the menu: the file selected in the site pane.
QWidget *openFileProperties(Workbench &w, const QString &argument)
{
    QString path = argument;
    if (path.isEmpty()) {
        if (SitePane *pane = sitePane(w))
            path = pane->selectedPath();
    }
    return FileProperties::open(w, path);
}

} // namespace

// Each menu lists its items in the order of these rows.
const QList<BuilderRow> &rows()
{
    static const QList<BuilderRow> table{
        {"Find", Kind::Tool, openFind, {{Edit, "mnuFindItem", "&Find"}}},
        {"Replace", Kind::Tool, openReplace, {{Edit, "mnuReplaceItem", "&Replace"}}},
        {"MultiFileReplace",
         Kind::Tool,
         opens<MultiReplaceWindow>,
         {{Edit, "mnuMultiReplaceItem", "&Multi-File Replace"}}},

        {builderid::Anchor,
         Kind::Builder,
         opensWithFile<Links>,
         {{ToolsAtoM, "mnuAnchorItem", "&Anchor"}},
         {{"TabStrip3", 1, "Anchors", "Create hyperlinks or named references"}}},
        {"BackgroundSounds",
         Kind::Builder,
         opensWithFile<BackgroundSoundsBuilder>,
         {{ToolsAtoM, "mnuBackgroundSoundItem", "&Background Sound"}},
         {{"TabStrip8", 2, "Sound", "Use sound files for background sound"}},
         FileRole::Sound},
        {"FloatingFrame",
         Kind::Builder,
         opens<FloatingFrame>,
         {{ToolsAtoM, "mnuFloatingFrameItem", "Fl&oating Frame"}},
         {{"TabStrip10", 1, "Floating Frame", "Create a window containing another page"}}},
        // The wizard's first step: Next goes on to the second, which inserts.
        {"FrameBuilder",
         Kind::Tool,
         opens<FrameBuilder>,
         {{ToolsAtoM, "mnuFrameBuilderItem", "&Frame Builder"}},
         {{"TabStrip3", 2, "Frames", "Choose from 6 frame formats"},
          {"TabStrip10", 0, "Frame Builder", "Choose from 6 frame formats"}}},
        {"FontWizard",
         Kind::Builder,
         opens<FontWizard>,
         {{ToolsAtoM, "mnuFontWizardItem", "Font &Wizard"}},
         {{"TabStrip4", 1, "Font", "Define text color, font, size"}}},
        {"FormBuilder",
         Kind::Builder,
         opens<FormBuilder>,
         {{ToolsAtoM, "mnuFormWizardItem", "Form Wi&zard"}},
         {{"TabStrip7", 0, "Form Wizard", "Create the opening and closing tags of a form"}}},
        {"FormInput",
         Kind::Builder,
         opens<FormInput>,
         {{ToolsAtoM, "mnuFormInputItem", "Form I&nput"}},
         {{"TabStrip7", 1, "Form Input", "Create buttons, checkboxes, and other form elements"}}},
        {"ListboxBuilder",
         Kind::Builder,
         opens<ListboxBuilder>,
         {{ToolsAtoM, "mnuFormListboxItem", "Form Lis&tbox"}},
         {{"TabStrip7", 2, "Form Listbox", "Create a form listbox"}}},
        {"Graphics",
         Kind::Builder,
         opensWithFile<GraphicsBuilder>,
         {{ToolsAtoM, "mnuImageItem", "&Image, Animation"}},
         {{"TabStrip3", 3, "Image", "Insert an image, movie, or VRML world into your document"},
          {"TabStrip8", 0, "Image", "Insert an image, movie, or VRML movie into your document"}},
         FileRole::Image},
        {"ImageMapBuilder",
         Kind::Builder,
         opens<ImageMapBuilder>,
         {{ToolsAtoM, "mnuImageMapItem", "Image Ma&p Builder"}},
         {{"TabStrip8", 5, "Image Map Builder", "Create context sensitive images"}}},
        {"InlineStyleSheet",
         Kind::Builder,
         opens<InlineStyleDialog>,
         {{ToolsAtoM, "mnuInlineStyleItem", "Inline &Style Sheet"}},
         {{"TabStrip9", 1, "Inline Style Sheet", "Stylize different parts of your document"}}},
        {"JavaApplet",
         Kind::Builder,
         opens<AppletDialog>,
         {{ToolsAtoM, "mnuJavaAppletItem", "&Java Applet"}},
         {{"TabStrip6", 3, "Java Applet", ""}}},
        {"ListBuilder",
         Kind::Builder,
         opens<ListBuilder>,
         {{ToolsAtoM, "mnuListBuilderItem", "&List Builder"}},
         {{"TabStrip3", 4, "List", "Insert a list into your document"},
          {"TabStrip11", 0, "List Builder", "Create a list using 1 of 5 formats"}}},
        {"Marquee",
         Kind::Builder,
         opens<MarqueeBuilder>,
         {{ToolsAtoM, "mnuMarqueeItem", "&Marquee"}},
         {{"TabStrip3", 5, "Marquee", "Create a line of moving text (IE)"},
          {"TabStrip8", 1, "Marquee", "Create a line of scrolling text (IE)"}}},

        {"ObjectTags",
         Kind::Tool,
         openObjectTags,
         {{ToolsNtoZ, "mnuObjectTagsItem", "&Object Tags"}},
         {{"TabStrip6", 2, "Object Tags", ""}}},
        {"ParagraphBuilder",
         Kind::Builder,
         opens<ParagraphBuilder>,
         {{ToolsNtoZ, "mnuParagraphBuilderItem", "&Paragraph Builder"}},
         {{"TabStrip3", 6, "Paragraph", "Write a paragraph in a word processor"},
          {"TabStrip4", 0, "Paragraph Builder", "Create a paragraph in a word processor"}}},
        {"Parameters",
         Kind::Builder,
         opens<ParametersDialog>,
         {{ToolsNtoZ, "mnuParametersItem", "Pa&rameters"}},
         {{"TabStrip6", 4, "Parameter Tags", ""}}},
        {"PremadeScripts",
         Kind::Builder,
         opens<PremadeScriptsDialog>,
         {{ToolsNtoZ, "mnuPremadeScriptsItem", "Pr&emade Scripts"}},
         {{"TabStrip6", 1, "Premade Scripts", ""}}},
        {builderid::QuickStart,
         Kind::Builder,
         opens<QuickStartDialog>,
         {{ToolsNtoZ, "mnuQuickstartItem", "&Quickstart"}},
         {{"TabStrip3", 0, "Quickstart", "Define the documents attributes"}}},
        {builderid::QuickStartStyle,
         Kind::Builder,
         opens<QuickStartStyleDialog>,
         {{ToolsNtoZ, "mnuQuickstartStyleItem", "Quickstart &With Style"}},
         {{"TabStrip9", 0, "QuickStart with Style",
           "Define the documents attributes using a style sheet"}}},
        {"Script",
         Kind::Builder,
         opens<ScriptDialog>,
         {{ToolsNtoZ, "mnuScriptTagsItem", "&Script Tags"}},
         {{"TabStrip6", 0, "Script Tags", ""}}},
        {"InternetSearches",
         Kind::Tool,
         opens<SearchesDialog>,
         {{ToolsNtoZ, "mnuSearchEnginesItem", "Search E&ngines"}},
         {{"TabStrip7", 3, "Search Engines", "Insert searches for Altavista, Excite, and Yahoo"}}},
        {"SpecialEffects",
         Kind::Builder,
         opens<SpecialEffectsDialog>,
         {{ToolsNtoZ, "mnuSpecialEffectsItem", "Spe&cial Effects"}},
         {{"TabStrip3", 7, "Special Effects", "Create HTML derived graphics"},
          {"TabStrip8", 4, "Special Effects", "Create HTML Derived graphics"}}},
        {"TableBuilder",
         Kind::Builder,
         opens<TableBuilder>,
         {{ToolsNtoZ, "mnuTableBuilderItem", "&Table Builder"}},
         {{"TabStrip3", 8, "Table", "Create a table for your document"},
          {"TabStrip5", 0, "Table Builder", "Create a for your document"}}},
        // Writes a world file; inserts nothing.
        {"VrmlBuilder",
         Kind::Tool,
         opens<VrmlBuilder>,
         {{ToolsNtoZ, "mnuVRMLItem", "&VRML Builder"}},
         {{"TabStrip8", 6, "VRML Builder", "Build Virtual Reality Scenes"}}},

        {"About", Kind::Tool, opens<AboutWindow>, {{Help, "mnuAboutItem", "&About"}}},
        {"FileProperties",
         Kind::Tool,
         openFileProperties,
         {{SitePopup, "mnuPropertiesItem", "&Properties"}}},

        // Opened by id from the premade scripts.
        {builderid::RandomBackground, Kind::Builder, opens<RandomBackgroundDialog>, {}},
        {builderid::RandomText, Kind::Builder, opens<RandomTextDialog>, {}},
        {builderid::LinkBox, Kind::Builder, opens<LinkBoxBuilder>, {}},
        // Opened by the main window's "Ostrel PIM" button.
        {builderid::Organizer, Kind::Tool, openOrganizer, {}},
        // Opened by the site pane's buttons.
        {builderid::FileRetriever, Kind::Tool, openFileRetriever, {}},
        {builderid::ThumbnailBrowser, Kind::Tool, opens<ThumbnailBrowser>, {}},
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

const BuilderRow *forFiles(FileRole role)
{
    if (role == FileRole::None)
        return nullptr;
    for (const BuilderRow &row : rows()) {
        if (row.takes == role)
            return &row;
    }
    return nullptr;
}

QList<menutree::Item> menuItems()
{
    QList<menutree::Item> items;
    for (const BuilderRow &row : rows())
        items << row.menuItems;
    return items;
}

const QList<palette::ToolStrip> &toolStrips()
{
    static const QList<palette::ToolStrip> strips = [] {
        QList<palette::PlacedTab> tabs;
        for (const BuilderRow &row : rows()) {
            for (const PaletteTab &place : row.paletteTabs) {
                palette::ToolTab tab;
                tab.caption = QString::fromUtf8(place.caption);
                tab.toolTip = QString::fromUtf8(place.toolTip);
                tab.action = palette::ToolAction::OpenBuilder;
                tab.builder = row.id;
                tabs.append({QLatin1String(place.strip), place.position, tab});
            }
        }
        return palette::placeTabs(palette::toolStrips(), tabs);
    }();
    return strips;
}

} // namespace registry

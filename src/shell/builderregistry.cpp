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

// A builder filled by its reader from an element it wrote.
template <class T, auto read> Reopened reopens(Workbench &w, const tagreader::Element *element)
{
    T *builder = BuilderDialog::showBuilder<T>(w);
    if (!element)
        return {builder, false, {}};
    const auto options = read(*element, builder->options());
    if (!options)
        return {builder, false, {}};
    builder->setOptions(*options);
    return {builder, true, builder->fragment()};
}

// What of the elements a builder owns besides the start tag.
reopen::Shape owning(bool content, bool trailing = false, const char *children = "",
                     const char *wrapper = "")
{
    reopen::Shape shape;
    shape.content = content;
    shape.trailing = trailing;
    shape.children = QLatin1String(children);
    shape.wrapper = QLatin1String(wrapper);
    return shape;
}
const reopen::Shape StartTag;

// The PARAMs of an APPLET or OBJECT, and nothing else of it.
reopen::Shape parametersOnly()
{
    reopen::Shape shape = owning(false, false, "PARAM");
    shape.startTag = false;
    return shape;
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
        {"Find",
         Kind::Tool,
         openFind,
         {{Edit, "mnuFindItem", QT_TRANSLATE_NOOP("menutree", "&Find")}}},
        {"Replace",
         Kind::Tool,
         openReplace,
         {{Edit, "mnuReplaceItem", QT_TRANSLATE_NOOP("menutree", "&Replace")}}},
        {"MultiFileReplace",
         Kind::Tool,
         opens<MultiReplaceWindow>,
         {{Edit, "mnuMultiReplaceItem", QT_TRANSLATE_NOOP("menutree", "&Multi-File Replace")}}},

        {builderid::Anchor,
         Kind::Builder,
         opensWithFile<Links>,
         {{ToolsAtoM, "mnuAnchorItem", QT_TRANSLATE_NOOP("menutree", "&Anchor")}},
         {{"TabStrip3", 1, QT_TRANSLATE_NOOP("palette", "Anchors"),
           QT_TRANSLATE_NOOP("palette", "Create hyperlinks or named references")}},
         FileRole::None,
         {{"A"}, owning(true), reopens<Links, links::readLinks>}},
        {"BackgroundSounds",
         Kind::Builder,
         opensWithFile<BackgroundSoundsBuilder>,
         {{ToolsAtoM, "mnuBackgroundSoundItem",
           QT_TRANSLATE_NOOP("menutree", "&Background Sound")}},
         {{"TabStrip8", 2, QT_TRANSLATE_NOOP("palette", "Sound"),
           QT_TRANSLATE_NOOP("palette", "Use sound files for background sound")}},
         FileRole::Sound,
         {{"BGSOUND", "EMBED"}, StartTag, reopens<BackgroundSoundsBuilder, graphics::readSound>}},
        {"FloatingFrame",
         Kind::Builder,
         opens<FloatingFrame>,
         {{ToolsAtoM, "mnuFloatingFrameItem", QT_TRANSLATE_NOOP("menutree", "Fl&oating Frame")}},
         {{"TabStrip10", 1, QT_TRANSLATE_NOOP("palette", "Floating Frame"),
           QT_TRANSLATE_NOOP("palette", "Create a window containing another page")}},
         FileRole::None,
         {{"IFRAME"}, StartTag, reopens<FloatingFrame, links::readFloatingFrame>}},
        // The wizard's first step: Next goes on to the second, which inserts.
        {"FrameBuilder",
         Kind::Tool,
         opens<FrameBuilder>,
         {{ToolsAtoM, "mnuFrameBuilderItem", QT_TRANSLATE_NOOP("menutree", "&Frame Builder")}},
         {{"TabStrip3", 2, QT_TRANSLATE_NOOP("palette", "Frames"),
           QT_TRANSLATE_NOOP("palette", "Choose from 6 frame formats")},
          {"TabStrip10", 0, QT_TRANSLATE_NOOP("palette", "Frame Builder"),
           QT_TRANSLATE_NOOP("palette", "Choose from 6 frame formats")}}},
        {"FontWizard",
         Kind::Builder,
         opens<FontWizard>,
         {{ToolsAtoM, "mnuFontWizardItem", QT_TRANSLATE_NOOP("menutree", "Font &Wizard")}},
         {{"TabStrip4", 1, QT_TRANSLATE_NOOP("palette", "Font"),
           QT_TRANSLATE_NOOP("palette", "Define text color, font, size")}},
         FileRole::None,
         {{"FONT"}, StartTag, reopens<FontWizard, marquee::readFont>}},
        {"FormBuilder",
         Kind::Builder,
         opens<FormBuilder>,
         {{ToolsAtoM, "mnuFormWizardItem", QT_TRANSLATE_NOOP("menutree", "Form Wi&zard")}},
         {{"TabStrip7", 0, QT_TRANSLATE_NOOP("palette", "Form Wizard"),
           QT_TRANSLATE_NOOP("palette", "Create the opening and closing tags of a form")}},
         FileRole::None,
         {{"FORM"}, StartTag, reopens<FormBuilder, formbuilders::readForm>}},
        {"FormInput",
         Kind::Builder,
         opens<FormInput>,
         {{ToolsAtoM, "mnuFormInputItem", QT_TRANSLATE_NOOP("menutree", "Form I&nput")}},
         {{"TabStrip7", 1, QT_TRANSLATE_NOOP("palette", "Form Input"),
           QT_TRANSLATE_NOOP("palette", "Create buttons, checkboxes, and other form elements")}},
         FileRole::None,
         {{"INPUT", "TEXTAREA"},
          owning(true, true),
          reopens<FormInput, formbuilders::readFormInput>}},
        {"ListboxBuilder",
         Kind::Builder,
         opens<ListboxBuilder>,
         {{ToolsAtoM, "mnuFormListboxItem", QT_TRANSLATE_NOOP("menutree", "Form Lis&tbox")}},
         {{"TabStrip7", 2, QT_TRANSLATE_NOOP("palette", "Form Listbox"),
           QT_TRANSLATE_NOOP("palette", "Create a form listbox")}},
         FileRole::None,
         {{"SELECT"},
          owning(false, false, "OPTION"),
          reopens<ListboxBuilder, formbuilders::readListbox>}},
        {"Graphics",
         Kind::Builder,
         opensWithFile<GraphicsBuilder>,
         {{ToolsAtoM, "mnuImageItem", QT_TRANSLATE_NOOP("menutree", "&Image, Animation")}},
         {{"TabStrip3", 3, QT_TRANSLATE_NOOP("palette", "Image"),
           QT_TRANSLATE_NOOP("palette",
                             "Insert an image, movie, or VRML world into your document")},
          {"TabStrip8", 0, QT_TRANSLATE_NOOP("palette", "Image"),
           QT_TRANSLATE_NOOP("palette",
                             "Insert an image, movie, or VRML movie into your document")}},
         FileRole::Image,
         {{"IMG"}, StartTag, reopens<GraphicsBuilder, graphics::readGraphics>}},
        {"ImageMapBuilder",
         Kind::Builder,
         opens<ImageMapBuilder>,
         {{ToolsAtoM, "mnuImageMapItem", QT_TRANSLATE_NOOP("menutree", "Image Ma&p Builder")}},
         {{"TabStrip8", 5, QT_TRANSLATE_NOOP("palette", "Image Map Builder"),
           QT_TRANSLATE_NOOP("palette", "Create context sensitive images")}}},
        {"InlineStyleSheet",
         Kind::Builder,
         opens<InlineStyleDialog>,
         {{ToolsAtoM, "mnuInlineStyleItem", QT_TRANSLATE_NOOP("menutree", "Inline &Style Sheet")}},
         {{"TabStrip9", 1, QT_TRANSLATE_NOOP("palette", "Inline Style Sheet"),
           QT_TRANSLATE_NOOP("palette", "Stylize different parts of your document")}}},
        {"JavaApplet",
         Kind::Builder,
         opens<AppletDialog>,
         {{ToolsAtoM, "mnuJavaAppletItem", QT_TRANSLATE_NOOP("menutree", "&Java Applet")}},
         {{"TabStrip6", 3, QT_TRANSLATE_NOOP("palette", "Java Applet"), ""}},
         FileRole::None,
         {{"APPLET"}, StartTag, reopens<AppletDialog, applet::readAppletTag>}},
        {"ListBuilder",
         Kind::Builder,
         opens<ListBuilder>,
         {{ToolsAtoM, "mnuListBuilderItem", QT_TRANSLATE_NOOP("menutree", "&List Builder")}},
         {{"TabStrip3", 4, QT_TRANSLATE_NOOP("palette", "List"),
           QT_TRANSLATE_NOOP("palette", "Insert a list into your document")},
          {"TabStrip11", 0, QT_TRANSLATE_NOOP("palette", "List Builder"),
           QT_TRANSLATE_NOOP("palette", "Create a list using 1 of 5 formats")}}},
        {"Marquee",
         Kind::Builder,
         opens<MarqueeBuilder>,
         {{ToolsAtoM, "mnuMarqueeItem", QT_TRANSLATE_NOOP("menutree", "&Marquee")}},
         {{"TabStrip3", 5, QT_TRANSLATE_NOOP("palette", "Marquee"),
           QT_TRANSLATE_NOOP("palette", "Create a line of moving text (IE)")},
          {"TabStrip8", 1, QT_TRANSLATE_NOOP("palette", "Marquee"),
           QT_TRANSLATE_NOOP("palette", "Create a line of scrolling text (IE)")}},
         FileRole::None,
         {{"MARQUEE"},
          owning(true, false, "", "FONT"),
          reopens<MarqueeBuilder, marquee::readMarquee>}},

        {"ObjectTags",
         Kind::Tool,
         openObjectTags,
         {{ToolsNtoZ, "mnuObjectTagsItem", QT_TRANSLATE_NOOP("menutree", "&Object Tags")}},
         {{"TabStrip6", 2, QT_TRANSLATE_NOOP("palette", "Object Tags"), ""}}},
        {"ParagraphBuilder",
         Kind::Builder,
         opens<ParagraphBuilder>,
         {{ToolsNtoZ, "mnuParagraphBuilderItem",
           QT_TRANSLATE_NOOP("menutree", "&Paragraph Builder")}},
         {{"TabStrip3", 6, QT_TRANSLATE_NOOP("palette", "Paragraph"),
           QT_TRANSLATE_NOOP("palette", "Write a paragraph in a word processor")},
          {"TabStrip4", 0, QT_TRANSLATE_NOOP("palette", "Paragraph Builder"),
           QT_TRANSLATE_NOOP("palette", "Create a paragraph in a word processor")}}},
        {"Parameters",
         Kind::Builder,
         opens<ParametersDialog>,
         {{ToolsNtoZ, "mnuParametersItem", QT_TRANSLATE_NOOP("menutree", "Pa&rameters")}},
         {{"TabStrip6", 4, QT_TRANSLATE_NOOP("palette", "Parameter Tags"), ""}},
         FileRole::None,
         {{"PARAM", "OBJECT"},
          parametersOnly(),
          reopens<ParametersDialog, applet::readParameterList>}},
        {"PremadeScripts",
         Kind::Builder,
         opens<PremadeScriptsDialog>,
         {{ToolsNtoZ, "mnuPremadeScriptsItem", QT_TRANSLATE_NOOP("menutree", "Pr&emade Scripts")}},
         {{"TabStrip6", 1, QT_TRANSLATE_NOOP("palette", "Premade Scripts"), ""}}},
        {builderid::QuickStart,
         Kind::Builder,
         opens<QuickStartDialog>,
         {{ToolsNtoZ, "mnuQuickstartItem", QT_TRANSLATE_NOOP("menutree", "&Quickstart")}},
         {{"TabStrip3", 0, QT_TRANSLATE_NOOP("palette", "Quickstart"),
           QT_TRANSLATE_NOOP("palette", "Define the documents attributes")}}},
        {builderid::QuickStartStyle,
         Kind::Builder,
         opens<QuickStartStyleDialog>,
         {{ToolsNtoZ, "mnuQuickstartStyleItem",
           QT_TRANSLATE_NOOP("menutree", "Quickstart &With Style")}},
         {{"TabStrip9", 0, QT_TRANSLATE_NOOP("palette", "QuickStart with Style"),
           QT_TRANSLATE_NOOP("palette", "Define the documents attributes using a style sheet")}}},
        {"Script",
         Kind::Builder,
         opens<ScriptDialog>,
         {{ToolsNtoZ, "mnuScriptTagsItem", QT_TRANSLATE_NOOP("menutree", "&Script Tags")}},
         {{"TabStrip6", 0, QT_TRANSLATE_NOOP("palette", "Script Tags"), ""}}},
        {"InternetSearches",
         Kind::Tool,
         opens<SearchesDialog>,
         {{ToolsNtoZ, "mnuSearchEnginesItem", QT_TRANSLATE_NOOP("menutree", "Search E&ngines")}},
         {{"TabStrip7", 3, QT_TRANSLATE_NOOP("palette", "Search Engines"),
           QT_TRANSLATE_NOOP("palette", "Insert searches for Altavista, Excite, and Yahoo")}}},
        {"SpecialEffects",
         Kind::Builder,
         opens<SpecialEffectsDialog>,
         {{ToolsNtoZ, "mnuSpecialEffectsItem", QT_TRANSLATE_NOOP("menutree", "Spe&cial Effects")}},
         {{"TabStrip3", 7, QT_TRANSLATE_NOOP("palette", "Special Effects"),
           QT_TRANSLATE_NOOP("palette", "Create HTML derived graphics")},
          {"TabStrip8", 4, QT_TRANSLATE_NOOP("palette", "Special Effects"),
           QT_TRANSLATE_NOOP("palette", "Create HTML Derived graphics")}}},
        {"TableBuilder",
         Kind::Builder,
         opens<TableBuilder>,
         {{ToolsNtoZ, "mnuTableBuilderItem", QT_TRANSLATE_NOOP("menutree", "&Table Builder")}},
         {{"TabStrip3", 8, QT_TRANSLATE_NOOP("palette", "Table"),
           QT_TRANSLATE_NOOP("palette", "Create a table for your document")},
          {"TabStrip5", 0, QT_TRANSLATE_NOOP("palette", "Table Builder"),
           QT_TRANSLATE_NOOP("palette", "Create a for your document")}},
         FileRole::None,
         {{"TABLE"}, StartTag, reopens<TableBuilder, tablebuilder::readTable>}},
        // Writes a world file; inserts nothing.
        {"VrmlBuilder",
         Kind::Tool,
         opens<VrmlBuilder>,
         {{ToolsNtoZ, "mnuVRMLItem", QT_TRANSLATE_NOOP("menutree", "&VRML Builder")}},
         {{"TabStrip8", 6, QT_TRANSLATE_NOOP("palette", "VRML Builder"),
           QT_TRANSLATE_NOOP("palette", "Build Virtual Reality Scenes")}}},

        {"About",
         Kind::Tool,
         opens<AboutWindow>,
         {{Help, "mnuAboutItem", QT_TRANSLATE_NOOP("menutree", "&About")}}},
        {"FileProperties",
         Kind::Tool,
         openFileProperties,
         {{SitePopup, "mnuPropertiesItem", QT_TRANSLATE_NOOP("menutree", "&Properties")}}},

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

#include "shell/palettecatalog.h"

namespace palette {

namespace {

const QString CrLf = QStringLiteral("\r\n");

ToolTab opens(const char *caption, const char *toolTip, const char *builderId)
{
    ToolTab tab;
    tab.caption = QString::fromUtf8(caption);
    tab.toolTip = QString::fromUtf8(toolTip);
    tab.action = ToolAction::OpenBuilder;
    tab.builder = QString::fromUtf8(builderId);
    return tab;
}

ToolTab wraps(const QString &caption, const QString &first, const QString &last)
{
    ToolTab tab;
    tab.caption = caption;
    tab.action = ToolAction::Wrap;
    tab.first = first;
    tab.last = last;
    return tab;
}

ToolTab inserts(const QString &caption, const QString &fragment)
{
    ToolTab tab;
    tab.caption = caption;
    tab.action = ToolAction::Insert;
    tab.fragment = fragment;
    return tab;
}

// "<NAME>" CR LF CR LF "</NAME>": an empty block to type into.
ToolTab block(const char *name)
{
    const QString tag = QString::fromLatin1(name);
    return inserts(QLatin1Char('<') + tag + QLatin1Char('>'),
                   QLatin1Char('<') + tag + QLatin1Char('>') + CrLf + CrLf + QStringLiteral("</") +
                       tag + QLatin1Char('>'));
}

// The same with one more line break, as FORM and STYLE have.
ToolTab tallBlock(const char *name)
{
    ToolTab tab = block(name);
    tab.fragment.insert(tab.fragment.indexOf(QLatin1String("</")), CrLf);
    return tab;
}

ToolTab tagPair(const char *name)
{
    const QString tag = QString::fromLatin1(name);
    return wraps(QLatin1Char('<') + tag + QLatin1Char('>'),
                 QLatin1Char('<') + tag + QLatin1Char('>'),
                 QStringLiteral("</") + tag + QLatin1Char('>'));
}

// A tag pair that replaces the selection as a whole, with the selection
// dropped: the wrapping service with an empty close.
ToolTab emptyPair(const char *name, bool closed)
{
    const QString tag = QString::fromLatin1(name);
    QString text = QLatin1Char('<') + tag + QLatin1Char('>');
    if (closed)
        text += QStringLiteral("</") + tag + QLatin1Char('>');
    return wraps(QLatin1Char('<') + tag + QLatin1Char('>'), text, QString());
}

} // namespace

const QList<PaletteTab> &paletteTabs()
{
    static const QList<PaletteTab> tabs{
        {"Non-Coding Tools", "Tools which don't require HTML entry", "TabStrip3"},
        {"Character Sets", "Inserts Special Characters", CharacterPanel},
        {"Fonts", "Various Font Settings", "TabStrip4"},
        {"Forms", "Tools which aid the creation of forms", "TabStrip7"},
        {"Frames", "Frame Builder, and Tags", "TabStrip10"},
        {"Graphics and Sound", "Images, Animation, Marquees, and Sound", "TabStrip8"},
        {"Lists", "List Editor and Tags", "TabStrip11"},
        {"Tables", "The Table Wizard and Various Tags", "TabStrip5"},
        {"Scripts", "Insert VBScripts, and Objects", "TabStrip6"},
        {"Style Sheets", "Style Editor and Tags", "TabStrip9"},
    };
    return tabs;
}

const QList<ToolStrip> &toolStrips()
{
    static const QList<ToolStrip> strips = [] {
        using namespace builderid;
        QList<ToolStrip> list;

        list.append(
            {"TabStrip3",
             {opens("Quickstart", "Define the documents attributes", QuickStart),
              opens("Anchors", "Create hyperlinks or named references", Anchor),
              opens("Frames", "Choose from 6 frame formats", FrameBuilder),
              opens("Image", "Insert an image, movie, or VRML world into your document", Graphics),
              opens("List", "Insert a list into your document", ListBuilder),
              opens("Marquee", "Create a line of moving text (IE)", Marquee),
              opens("Paragraph", "Write a paragraph in a word processor", ParagraphBuilder),
              opens("Special Effects", "Create HTML derived graphics", SpecialEffects),
              opens("Table", "Create a table for your document", TableBuilder)}});

        ToolStrip fonts{
            "TabStrip4",
            {opens("Paragraph Builder", "Create a paragraph in a word processor", ParagraphBuilder),
             opens("Font", "Define text color, font, size", FontWizard)}};
        for (const char *tag : {"B", "I", "U", "BIG", "SMALL", "H1", "H2", "H3"})
            fonts.tabs.append(tagPair(tag));
        list.append(fonts);

        ToolStrip tables{"TabStrip5",
                         {opens("Table Builder", "Create a for your document", TableBuilder)}};
        for (const char *tag : {"TABLE", "TR", "THEAD", "TFOOT", "TBODY"})
            tables.tabs.append(block(tag));
        tables.tabs.append(inserts("<TD>", "<TD></TD>"));
        tables.tabs.append(inserts("<TH>", "<TH></TH>"));
        list.append(tables);

        list.append(
            {"TabStrip6",
             {opens("Script Tags", "", Script), opens("Premade Scripts", "", PremadeScripts),
              opens("Object Tags", "", ObjectTags), opens("Java Applet", "", JavaApplet),
              opens("Parameter Tags", "", Parameters)}});

        list.append(
            {"TabStrip7",
             {opens("Form Wizard", "Create the opening and closing tags of a form", FormBuilder),
              opens("Form Input", "Create buttons, checkboxes, and other form elements", FormInput),
              opens("Form Listbox", "Create a form listbox", ListboxBuilder),
              opens("Search Engines", "Insert searches for Altavista, Excite, and Yahoo",
                    InternetSearches),
              tallBlock("FORM"), emptyPair("INPUT", false)}});

        ToolTab quickColor;
        quickColor.caption = QStringLiteral("QuickColor");
        quickColor.toolTip = QStringLiteral("Get the hexadecimal value for any color");
        quickColor.action = ToolAction::QuickColor;
        list.append(
            {"TabStrip8",
             {opens("Image", "Insert an image, movie, or VRML movie into your document", Graphics),
              opens("Marquee", "Create a line of scrolling text (IE)", Marquee),
              opens("Sound", "Use sound files for background sound", BackgroundSounds), quickColor,
              opens("Special Effects", "Create HTML Derived graphics", SpecialEffects),
              opens("Image Map Builder", "Create context sensitive images", ImageMapBuilder),
              opens("VRML Builder", "Build Virtual Reality Scenes", VrmlBuilder),
              inserts("<MAP>", QStringLiteral("<MAP NAME=\"\">") + CrLf + CrLf +
                                   QStringLiteral("</MAP>"))}});

        list.append({"TabStrip9",
                     {opens("QuickStart with Style",
                            "Define the documents attributes using a style sheet", QuickStartStyle),
                      opens("Inline Style Sheet", "Stylize different parts of your document",
                            InlineStyleSheet),
                      tallBlock("STYLE")}});

        list.append(
            {"TabStrip10",
             {opens("Frame Builder", "Choose from 6 frame formats", FrameBuilder),
              opens("Floating Frame", "Create a window containing another page", FloatingFrame),
              emptyPair("FRAMESET", true), emptyPair("FRAME", false), emptyPair("NOFRAMES", true),
              emptyPair("IFRAME", true)}});

        ToolStrip lists{"TabStrip11",
                        {opens("List Builder", "Create a list using 1 of 5 formats", ListBuilder)}};
        for (const char *tag : {"DIR", "DL", "MENU", "OL", "UL"})
            lists.tabs.append(block(tag));
        ToolTab item = inserts("<LI>", "<LI>");
        item.action = ToolAction::InsertBeforeSelection;
        lists.tabs.append(item);
        lists.tabs.append(
            inserts("<DT> && <DD>", QStringLiteral("<DT>") + CrLf + QStringLiteral("<DD>") + CrLf));
        list.append(lists);
        return list;
    }();
    return strips;
}

const ToolStrip *findToolStrip(const QString &name)
{
    for (const ToolStrip &strip : toolStrips()) {
        if (strip.name == name)
            return &strip;
    }
    return nullptr;
}

std::optional<QString> toolFragment(const ToolTab &tab, const QString &selection)
{
    switch (tab.action) {
    case ToolAction::Wrap:
        return tab.last.isEmpty() ? tab.first : tab.first + selection + tab.last;
    case ToolAction::Insert:
        return tab.fragment;
    case ToolAction::InsertBeforeSelection:
        return tab.fragment + selection;
    case ToolAction::OpenBuilder:
    case ToolAction::QuickColor:
        break;
    }
    return std::nullopt;
}

} // namespace palette

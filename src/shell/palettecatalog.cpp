// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/palettecatalog.h"

#include <algorithm>

namespace palette {

namespace {

const QString CrLf = QStringLiteral("\r\n");

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
        {QT_TRANSLATE_NOOP("palette", "Non-Coding Tools"),
         QT_TRANSLATE_NOOP("palette", "Tools which don't require HTML entry"), "TabStrip3"},
        {QT_TRANSLATE_NOOP("palette", "Character Sets"),
         QT_TRANSLATE_NOOP("palette", "Inserts Special Characters"), CharacterPanel},
        {QT_TRANSLATE_NOOP("palette", "Fonts"),
         QT_TRANSLATE_NOOP("palette", "Various Font Settings"), "TabStrip4"},
        {QT_TRANSLATE_NOOP("palette", "Forms"),
         QT_TRANSLATE_NOOP("palette", "Tools which aid the creation of forms"), "TabStrip7"},
        {QT_TRANSLATE_NOOP("palette", "Frames"),
         QT_TRANSLATE_NOOP("palette", "Frame Builder, and Tags"), "TabStrip10"},
        {QT_TRANSLATE_NOOP("palette", "Graphics and Sound"),
         QT_TRANSLATE_NOOP("palette", "Images, Animation, Marquees, and Sound"), "TabStrip8"},
        {QT_TRANSLATE_NOOP("palette", "Lists"),
         QT_TRANSLATE_NOOP("palette", "List Editor and Tags"), "TabStrip11"},
        {QT_TRANSLATE_NOOP("palette", "Tables"),
         QT_TRANSLATE_NOOP("palette", "The Table Wizard and Various Tags"), "TabStrip5"},
        {QT_TRANSLATE_NOOP("palette", "Scripts"),
         QT_TRANSLATE_NOOP("palette", "Insert VBScripts, and Objects"), "TabStrip6"},
        {QT_TRANSLATE_NOOP("palette", "Style Sheets"),
         QT_TRANSLATE_NOOP("palette", "Style Editor and Tags"), "TabStrip9"},
    };
    return tabs;
}

const QList<ToolStrip> &toolStrips()
{
    static const QList<ToolStrip> strips = [] {
        QList<ToolStrip> list;
        list.append(ToolStrip{"TabStrip3", {}});

        ToolStrip fonts{"TabStrip4", {}};
        for (const char *tag : {"B", "I", "U", "BIG", "SMALL", "H1", "H2", "H3"})
            fonts.tabs.append(tagPair(tag));
        list.append(fonts);

        ToolStrip tables{"TabStrip5", {}};
        for (const char *tag : {"TABLE", "TR", "THEAD", "TFOOT", "TBODY"})
            tables.tabs.append(block(tag));
        tables.tabs.append(inserts("<TD>", "<TD></TD>"));
        tables.tabs.append(inserts("<TH>", "<TH></TH>"));
        list.append(tables);

        list.append(ToolStrip{"TabStrip6", {}});
        list.append({"TabStrip7", {tallBlock("FORM"), emptyPair("INPUT", false)}});

        ToolTab quickColor;
        quickColor.caption = QString::fromUtf8(QT_TRANSLATE_NOOP("palette", "QuickColor"));
        quickColor.toolTip = QString::fromUtf8(
            QT_TRANSLATE_NOOP("palette", "Get the hexadecimal value for any color"));
        quickColor.action = ToolAction::QuickColor;
        list.append({"TabStrip8",
                     {quickColor, inserts("<MAP>", QStringLiteral("<MAP NAME=\"\">") + CrLf + CrLf +
                                                       QStringLiteral("</MAP>"))}});

        list.append({"TabStrip9", {tallBlock("STYLE")}});
        list.append({"TabStrip10",
                     {emptyPair("FRAMESET", true), emptyPair("FRAME", false),
                      emptyPair("NOFRAMES", true), emptyPair("IFRAME", true)}});

        ToolStrip lists{"TabStrip11", {}};
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

QList<ToolStrip> placeTabs(QList<ToolStrip> strips, QList<PlacedTab> tabs)
{
    // In order of position, each tab lands at its index: the ones before it
    // on the strip are in place already.
    std::stable_sort(tabs.begin(), tabs.end(), [](const PlacedTab &a, const PlacedTab &b) {
        return a.position < b.position;
    });
    for (ToolStrip &strip : strips) {
        for (const PlacedTab &placed : std::as_const(tabs)) {
            if (placed.strip == strip.name)
                strip.tabs.insert(qBound(0, placed.position, int(strip.tabs.size())), placed.tab);
        }
    }
    return strips;
}

const ToolStrip *findToolStrip(const QList<ToolStrip> &strips, const QString &name)
{
    for (const ToolStrip &strip : strips) {
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

// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/menutree.h"

#include <QHash>
#include <QString>

namespace menutree {

const QList<Entry> &menuBar()
{
    static const QList<Entry> entries{
        {0, "mnuFile", QT_TRANSLATE_NOOP("menutree", "&File")},
        {1, "mnuNewItem", QT_TRANSLATE_NOOP("menutree", "&New")},
        {1, "mnuOpenItem", QT_TRANSLATE_NOOP("menutree", "&Open")},
        {1, nullptr, nullptr},
        {1, "mnuImportItem", QT_TRANSLATE_NOOP("menutree", "&Import")},
        {2, "mnuImport1", QT_TRANSLATE_NOOP("menutree", "Import Text to New File")},
        {2, "mnuImport2", QT_TRANSLATE_NOOP("menutree", "Import Text To Current Document")},
        {2, "mnuImport3", QT_TRANSLATE_NOOP("menutree", "Import Table Into Current Document")},
        {1, nullptr, nullptr},
        {1, "mnuSaveItem", QT_TRANSLATE_NOOP("menutree", "Save &As")},
        {1, "mnuSaveregItem", QT_TRANSLATE_NOOP("menutree", "&Save")},
        {1, nullptr, nullptr},
        {1, "mnuPrintItem", QT_TRANSLATE_NOOP("menutree", "&Print")},
        {1, "mnuPrintPreviewItem", QT_TRANSLATE_NOOP("menutree", "Print Pre&view")},
        {1, nullptr, nullptr},
        {1, "mnuFindFilesItem", QT_TRANSLATE_NOOP("menutree", "&Find Files")},
        {1, nullptr, nullptr},
        {1, "mnuExitItem", QT_TRANSLATE_NOOP("menutree", "E&xit")},
        {0, "mnuEdit", QT_TRANSLATE_NOOP("menutree", "&Edit")},
        {1, "mnuUndoItem", QT_TRANSLATE_NOOP("menutree", "&Undo")},
        {1, nullptr, nullptr},
        {1, "mnuCutItem", QT_TRANSLATE_NOOP("menutree", "&Cut")},
        {1, "mnuCopyItem", QT_TRANSLATE_NOOP("menutree", "Cop&y")},
        {1, "mnuPasteItem", QT_TRANSLATE_NOOP("menutree", "&Paste")},
        {1, "mnuDeleteItem", QT_TRANSLATE_NOOP("menutree", "&Delete")},
        {1, "mnuSelectAllItem", QT_TRANSLATE_NOOP("menutree", "Select All")},
        {1, nullptr, nullptr},
        {1, RegistryItems, nullptr},
        {1, nullptr, nullptr},
        {1, "mnuUpperCaseItem", QT_TRANSLATE_NOOP("menutree", "UpperCase All Tags")},
        {1, "mnuLowerCaseItem", QT_TRANSLATE_NOOP("menutree", "LowerCase All Tags")},
        {0, "mnuHTML", QT_TRANSLATE_NOOP("menutree", "&HTML")},
        {1, "mnuParagraphItem", QT_TRANSLATE_NOOP("menutree", "&Paragraph <P></P>")},
        {1, "mnuLineBreakItem", QT_TRANSLATE_NOOP("menutree", "&Line Break <BR>")},
        {1, "mnuRuleItem", QT_TRANSLATE_NOOP("menutree", "Horizontal &Rule <HR>")},
        {1, nullptr, nullptr},
        {1, "mnuCenterItem", QT_TRANSLATE_NOOP("menutree", "&Center <CENTER></CENTER>")},
        {1, "mnuBoldItem", QT_TRANSLATE_NOOP("menutree", "&Bold Text <B></B>")},
        {1, "mnuItalicItem", QT_TRANSLATE_NOOP("menutree", "&Italized <I></I>")},
        {1, "mnuUnderlineItem", QT_TRANSLATE_NOOP("menutree", "&Underline <U></U>")},
        {1, nullptr, nullptr},
        {1, "mnuHeadingsItem", QT_TRANSLATE_NOOP("menutree", "&Headings")},
        {2, "mnuHeading1Item", QT_TRANSLATE_NOOP("menutree", "Heading &1 <H1></H1>")},
        {2, "mnuHeading2Item", QT_TRANSLATE_NOOP("menutree", "Heading &2 <H2></H2>")},
        {2, "mnuHeading3Item", QT_TRANSLATE_NOOP("menutree", "Heading &3 <H3></H3>")},
        {2, "mnuHeading4Item", QT_TRANSLATE_NOOP("menutree", "Heading &4 <H4></H4>")},
        {2, "mnuHeading5Item", QT_TRANSLATE_NOOP("menutree", "Heading &5 <H5></H5>")},
        {2, "mnuHeading6Item", QT_TRANSLATE_NOOP("menutree", "Heading &6 <H6></H6>")},
        {1, "mnuListsItem", QT_TRANSLATE_NOOP("menutree", "Lists")},
        {2, "mnuDirListItem", QT_TRANSLATE_NOOP("menutree", "&Directory List <DIR></DIR>")},
        {2, "mnuMenuListItem", QT_TRANSLATE_NOOP("menutree", "&Itemized List <MENU></MENU>")},
        {2, "mnuOrderedListItem", QT_TRANSLATE_NOOP("menutree", "&Ordered List <OL></OL>")},
        {2, "mnuUnorderedListItem", QT_TRANSLATE_NOOP("menutree", "&Unordered List <UL></UL>")},
        {2, "mnuListItemItem", QT_TRANSLATE_NOOP("menutree", "&List Item <LI>")},
        {2, nullptr, nullptr},
        {2, "mnuDefListItem", QT_TRANSLATE_NOOP("menutree", "Definition List <DL></DL>")},
        {2, "mnuDefTermItem", QT_TRANSLATE_NOOP("menutree", "Defintion List Term <DT>")},
        {2, "mnuDefDefinitionItem",
         QT_TRANSLATE_NOOP("menutree", "Definition List Definition <DD>")},
        {0, "mnuTools", QT_TRANSLATE_NOOP("menutree", "&Tools")},
        {1, "mnuToolsAMItem", QT_TRANSLATE_NOOP("menutree", "&A - M")},
        {2, RegistryItems, nullptr},
        {1, "mnuToolsNZItem", QT_TRANSLATE_NOOP("menutree", "&N - Z")},
        {2, RegistryItems, nullptr},
        {1, nullptr, nullptr},
        {1, "mnuCheckPageItem", QT_TRANSLATE_NOOP("menutree", "Check &Page")},
        {1, "mnuSpellingItem", QT_TRANSLATE_NOOP("menutree", "&Spelling")},
        {0, "mnuView", QT_TRANSLATE_NOOP("menutree", "&View")},
        {1, "mnuToolbarItem", QT_TRANSLATE_NOOP("menutree", "&Main Toolbar")},
        {1, "mnuColorBarItem", QT_TRANSLATE_NOOP("menutree", "&Color Bar")},
        {1, "mnuCustomBarItem", QT_TRANSLATE_NOOP("menutree", "Custom &Bar")},
        {1, "mnuSideBarItem", QT_TRANSLATE_NOOP("menutree", "&Side Bar")},
        {1, "mnuSetWebItem", QT_TRANSLATE_NOOP("menutree", "&Website Manager")},
        {1, nullptr, nullptr},
        {1, "mnuSettingsItem", QT_TRANSLATE_NOOP("menutree", "Settin&gs")},
        {0, "mnuWindow", QT_TRANSLATE_NOOP("menutree", "&Window")},
        {0, "mnuMSApps", QT_TRANSLATE_NOOP("menutree", "&MS Apps")},
        {1, "mnuCalculatorItem", QT_TRANSLATE_NOOP("menutree", "&Calculator")},
        {1, "mnuCharMapItem", QT_TRANSLATE_NOOP("menutree", "Character &Map")},
        {1, "mnuClipboardItem", QT_TRANSLATE_NOOP("menutree", "Clipboard &Viewer")},
        {0, "mnuHelp", QT_TRANSLATE_NOOP("menutree", "Hel&p")},
        {1, "mnuManualItem", QT_TRANSLATE_NOOP("menutree", "&Online Manual")},
        {1, "mnuW3CItem", QT_TRANSLATE_NOOP("menutree", "W3C &HTML Reference")},
        {1, "mnuDidYouKnow", QT_TRANSLATE_NOOP("menutree", "&Did you know?")},
    };
    return entries;
}

const QList<Entry> &popupMenus()
{
    static const QList<Entry> entries{
        {0, "Pop", QT_TRANSLATE_NOOP("menutree", "Pop")},
        {1, "mnuPopUndoItem", QT_TRANSLATE_NOOP("menutree", "Undo")},
        {1, nullptr, nullptr},
        {1, "mnuPopCutItem", QT_TRANSLATE_NOOP("menutree", "&Cut")},
        {1, "mnuPopCopyItem", QT_TRANSLATE_NOOP("menutree", "Cop&y")},
        {1, "mnuPopPasteItem", QT_TRANSLATE_NOOP("menutree", "&Paste")},
        {1, "mnuPopDeleteItem", QT_TRANSLATE_NOOP("menutree", "&Delete")},
        {1, nullptr, nullptr},
        {1, "mnuPopCenterItem", QT_TRANSLATE_NOOP("menutree", "Center Text <CENTER></CENTER>")},
        {1, "mnuPopLineBreakItem", QT_TRANSLATE_NOOP("menutree", "&Line Break <BR>")},
        {1, "mnuPopParagraphItem", QT_TRANSLATE_NOOP("menutree", "Paragraph Tag <P></P>")},
        {1, nullptr, nullptr},
        {1, "mnuPopBoldItem", QT_TRANSLATE_NOOP("menutree", "&Bold Text <B></B>")},
        {1, "mnuPopItalicItem", QT_TRANSLATE_NOOP("menutree", "&Italic Text <I></I>")},
        {1, "mnuPopStrikeItem",
         QT_TRANSLATE_NOOP("menutree", "&Strikethru Text <STRIKE></STRIKE>")},
        {1, "mnuPopUnderlineItem", QT_TRANSLATE_NOOP("menutree", "&Underline Text <U></U>")},
        {0, "Website", QT_TRANSLATE_NOOP("menutree", "Website")},
        {1, "mnuWebsiteLinkItem", QT_TRANSLATE_NOOP("menutree", "&Create a Link To File")},
        {1, "mnuWebsiteRenameItem", QT_TRANSLATE_NOOP("menutree", "&Rename File")},
        {1, "mnuWebsiteMoveItem", QT_TRANSLATE_NOOP("menutree", "&Move File...")},
        {1, "mnuWebsiteDeleteItem", QT_TRANSLATE_NOOP("menutree", "&Delete File")},
        {1, RegistryItems, nullptr},
        {1, nullptr, nullptr},
        {1, "mnuPublishSiteItem", QT_TRANSLATE_NOOP("menutree", "P&ublish Site")},
        {1, "mnuCheckLinksItem", QT_TRANSLATE_NOOP("menutree", "Check &Links")},
    };
    return entries;
}

QList<Entry> placeItems(const QList<Entry> &tree, const QList<Item> &items)
{
    // The items of each menu, in the order given.
    QHash<QString, QList<Item>> byMenu;
    for (const Item &item : items)
        byMenu[QLatin1String(item.menu)] << item;

    QList<Entry> out;
    out.reserve(tree.size() + items.size());
    QList<const char *> open; // the menu at each depth
    auto place = [&](const char *menu, int depth) {
        for (const Item &item : byMenu.take(QLatin1String(menu)))
            out.append({depth, item.name, item.caption});
    };
    auto closeMenus = [&](int depth) {
        while (open.size() > depth) {
            const char *menu = open.takeLast();
            place(menu, int(open.size()) + 1);
        }
    };
    for (qsizetype i = 0; i < tree.size(); ++i) {
        const Entry &e = tree[i];
        closeMenus(e.depth);
        if (e.name == RegistryItems) {
            if (!open.isEmpty())
                place(open.constLast(), e.depth);
            continue;
        }
        out.append(e);
        const bool isMenu = e.depth == 0 || (i + 1 < tree.size() && tree[i + 1].depth > e.depth);
        if (e.name && isMenu) {
            open.resize(e.depth);
            open.append(e.name);
        }
    }
    closeMenus(0);
    return out;
}

} // namespace menutree

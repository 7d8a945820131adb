// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/menutree.h"

#include <QHash>
#include <QString>

namespace menutree {

const QList<Entry> &menuBar()
{
    static const QList<Entry> entries{
        {0, "mnuFile", "&File"},
        {1, "mnuNewItem", "&New"},
        {1, "mnuOpenItem", "&Open"},
        {1, nullptr, nullptr},
        {1, "mnuImportItem", "&Import"},
        {2, "mnuImport1", "Import Text to New File"},
        {2, "mnuImport2", "Import Text To Current Document"},
        {2, "mnuImport3", "Import Table Into Current Document"},
        {1, nullptr, nullptr},
        {1, "mnuSaveItem", "Save &As"},
        {1, "mnuSaveregItem", "&Save"},
        {1, nullptr, nullptr},
        {1, "mnuPrintItem", "&Print"},
        {1, "mnuPrintPreviewItem", "Print Pre&view"},
        {1, nullptr, nullptr},
        {1, "mnuFindFilesItem", "&Find Files"},
        {1, nullptr, nullptr},
        {1, "mnuExitItem", "E&xit"},
        {0, "mnuEdit", "&Edit"},
        {1, "mnuUndoItem", "&Undo"},
        {1, nullptr, nullptr},
        {1, "mnuCutItem", "&Cut"},
        {1, "mnuCopyItem", "Cop&y"},
        {1, "mnuPasteItem", "&Paste"},
        {1, "mnuDeleteItem", "&Delete"},
        {1, "mnuSelectAllItem", "Select All"},
        {1, nullptr, nullptr},
        {1, RegistryItems, nullptr},
        {1, nullptr, nullptr},
        {1, "mnuUpperCaseItem", "UpperCase All Tags"},
        {1, "mnuLowerCaseItem", "LowerCase All Tags"},
        {0, "mnuHTML", "&HTML"},
        {1, "mnuParagraphItem", "&Paragraph <P></P>"},
        {1, "mnuLineBreakItem", "&Line Break <BR>"},
        {1, "mnuRuleItem", "Horizontal &Rule <HR>"},
        {1, nullptr, nullptr},
        {1, "mnuCenterItem", "&Center <CENTER></CENTER>"},
        {1, "mnuBoldItem", "&Bold Text <B></B>"},
        {1, "mnuItalicItem", "&Italized <I></I>"},
        {1, "mnuUnderlineItem", "&Underline <U></U>"},
        {1, nullptr, nullptr},
        {1, "mnuHeadingsItem", "&Headings"},
        {2, "mnuHeading1Item", "Heading &1 <H1></H1>"},
        {2, "mnuHeading2Item", "Heading &2 <H2></H2>"},
        {2, "mnuHeading3Item", "Heading &3 <H3></H3>"},
        {2, "mnuHeading4Item", "Heading &4 <H4></H4>"},
        {2, "mnuHeading5Item", "Heading &5 <H5></H5>"},
        {2, "mnuHeading6Item", "Heading &6 <H6></H6>"},
        {1, "mnuListsItem", "Lists"},
        {2, "mnuDirListItem", "&Directory List <DIR></DIR>"},
        {2, "mnuMenuListItem", "&Itemized List <MENU></MENU>"},
        {2, "mnuOrderedListItem", "&Ordered List <OL></OL>"},
        {2, "mnuUnorderedListItem", "&Unordered List <UL></UL>"},
        {2, "mnuListItemItem", "&List Item <LI>"},
        {2, nullptr, nullptr},
        {2, "mnuDefListItem", "Definition List <DL></DL>"},
        {2, "mnuDefTermItem", "Defintion List Term <DT>"},
        {2, "mnuDefDefinitionItem", "Definition List Definition <DD>"},
        {0, "mnuTools", "&Tools"},
        {1, "mnuToolsAMItem", "&A - M"},
        {2, RegistryItems, nullptr},
        {1, "mnuToolsNZItem", "&N - Z"},
        {2, RegistryItems, nullptr},
        {0, "mnuView", "&View"},
        {1, "mnuToolbarItem", "&Main Toolbar"},
        {1, "mnuColorBarItem", "&Color Bar"},
        {1, "mnuCustomBarItem", "Custom &Bar"},
        {1, "mnuSideBarItem", "&Side Bar"},
        {1, "mnuSetWebItem", "&Website Manager"},
        {1, nullptr, nullptr},
        {1, "mnuSettingsItem", "Settin&gs"},
        {0, "mnuWindow", "&Window"},
        {0, "mnuMSApps", "&MS Apps"},
        {1, "mnuCalculatorItem", "&Calculator"},
        {1, "mnuCharMapItem", "Character &Map"},
        {1, "mnuClipboardItem", "Clipboard &Viewer"},
        {0, "mnuHelp", "Hel&p"},
        {1, "mnuManualItem", "&Online Manual"},
        {1, "mnuW3CItem", "W3C &HTML Reference"},
        {1, "mnuDidYouKnow", "&Did you know?"},
    };
    return entries;
}

const QList<Entry> &popupMenus()
{
    static const QList<Entry> entries{
        {0, "Pop", "Pop"},
        {1, "mnuPopUndoItem", "Undo"},
        {1, nullptr, nullptr},
        {1, "mnuPopCutItem", "&Cut"},
        {1, "mnuPopCopyItem", "Cop&y"},
        {1, "mnuPopPasteItem", "&Paste"},
        {1, "mnuPopDeleteItem", "&Delete"},
        {1, nullptr, nullptr},
        {1, "mnuPopCenterItem", "Center Text <CENTER></CENTER>"},
        {1, "mnuPopLineBreakItem", "&Line Break <BR>"},
        {1, "mnuPopParagraphItem", "Paragraph Tag <P></P>"},
        {1, nullptr, nullptr},
        {1, "mnuPopBoldItem", "&Bold Text <B></B>"},
        {1, "mnuPopItalicItem", "&Italic Text <I></I>"},
        {1, "mnuPopStrikeItem", "&Strikethru Text <STRIKE></STRIKE>"},
        {1, "mnuPopUnderlineItem", "&Underline Text <U></U>"},
        {0, "Website", "Website"},
        {1, "mnuWebsiteLinkItem", "&Create a Link To File"},
        {1, "mnuWebsiteRenameItem", "&Rename File"},
        {1, "mnuWebsiteDeleteItem", "&Delete File"},
        {1, RegistryItems, nullptr},
        {1, nullptr, nullptr},
        {1, "mnuPublishSiteItem", "P&ublish Site"},
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

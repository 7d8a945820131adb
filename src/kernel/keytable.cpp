// SPDX-License-Identifier: GPL-3.0-or-later
#include "kernel/keytable.h"

#include <QCoreApplication>

namespace keytable {

const QList<Row> &rows()
{
    static const QList<Row> table{
        {"mnuManualItem", "F1", QT_TRANSLATE_NOOP("keytable", "Show this manual")},
        {"mnuNewItem", "Ctrl+N", QT_TRANSLATE_NOOP("keytable", "New document")},
        {"mnuOpenItem", "Ctrl+O", QT_TRANSLATE_NOOP("keytable", "Open a file")},
        {"mnuSaveregItem", "F2; Ctrl+S", QT_TRANSLATE_NOOP("keytable", "Save")},
        {"mnuSaveItem", "Ctrl+Shift+S", QT_TRANSLATE_NOOP("keytable", "Save As")},
        {"mnuPrintItem", "Ctrl+P", QT_TRANSLATE_NOOP("keytable", "Print")},
        {"mnuFindItem", "F3; Ctrl+F", QT_TRANSLATE_NOOP("keytable", "Find")},
        {"mnuReplaceItem", "Ctrl+H", QT_TRANSLATE_NOOP("keytable", "Replace")},
        {"RefreshPreview", "F5", QT_TRANSLATE_NOOP("keytable", "Refresh the preview")},
        {"mnuCompleteItem", "Ctrl+Space",
         QT_TRANSLATE_NOOP("keytable",
                           "Edit > Complete: list the tags, attributes, values or characters "
                           "that fit at the caret")},
        {"mnuEditElementItem", "Ctrl+Shift+E",
         QT_TRANSLATE_NOOP("keytable",
                           "Edit > Edit Element With Its Builder: open the builder of the element "
                           "at the caret, filled from it")},
        {"mnuCloseElementItem", "Ctrl+E",
         QT_TRANSLATE_NOOP("keytable",
                           "Edit > Close Element: write the end tag of the element open at the "
                           "caret")},
        {"mnuMatchingTagItem", "Ctrl+M",
         QT_TRANSLATE_NOOP("keytable",
                           "Edit > Go to Matching Tag: jump between a start tag and its end tag")},
        {"mnuSelectElementItem", "Ctrl+Shift+M",
         QT_TRANSLATE_NOOP("keytable",
                           "Edit > Select Element: select the element around the caret; again "
                           "for the one around it")},
        {"mnuFoldItem", "F8",
         QT_TRANSLATE_NOOP("keytable", "View > Fold Element: fold the element at the caret")},
        {"mnuUnfoldItem", "Shift+F8",
         QT_TRANSLATE_NOOP("keytable", "View > Unfold Element: unfold the element at the caret")},
        {"mnuFoldAllItem", "Ctrl+F8",
         QT_TRANSLATE_NOOP("keytable", "View > Fold All: fold every element and comment")},
        {"mnuUnfoldAllItem", "Ctrl+Shift+F8",
         QT_TRANSLATE_NOOP("keytable", "View > Unfold All: unfold everything")},
        {"mnuSpellingItem", "F7",
         QT_TRANSLATE_NOOP("keytable", "Tools > Spelling: go through the misspelt words")},
        {"mnuCheckPageItem", "F9",
         QT_TRANSLATE_NOOP("keytable", "Tools > Check Page: check the document's HTML")},
        {"mnuCloseWindowItem", "Ctrl+W; Ctrl+F4",
         QT_TRANSLATE_NOOP("keytable", "Close the document")},
        {"mnuNextWindowItem", "Ctrl+Tab; Ctrl+F6", QT_TRANSLATE_NOOP("keytable", "Next document")},
        {"mnuPreviousWindowItem", "Ctrl+Shift+Tab; Ctrl+Shift+F6",
         QT_TRANSLATE_NOOP("keytable", "Previous document")},
        {"mnuNextPaneItem", "F6",
         QT_TRANSLATE_NOOP("keytable",
                           "Move the keyboard focus to the next pane (document, side bar, "
                           "website manager, bars)")},
        {"mnuPreviousPaneItem", "Shift+F6",
         QT_TRANSLATE_NOOP("keytable", "Move the keyboard focus to the previous pane")},
        {"mnuExitItem", "Ctrl+Q", QT_TRANSLATE_NOOP("keytable", "Quit")},
    };
    return table;
}

QString keysOf(const QString &item)
{
    for (const Row &row : rows()) {
        if (item == QLatin1String(row.item))
            return QLatin1String(row.keys);
    }
    return QString();
}

QString commandOf(const Row &row)
{
    return QCoreApplication::translate("keytable", row.command);
}

} // namespace keytable

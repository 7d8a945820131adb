// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The side bar: the palette chooser with its tool strips and character
// combos, and the reference lists. Everything it offers comes from the
// palette catalogue and the builder registry; it writes into the active
// document through the workbench.

#include "shell/palettecatalog.h"

#include <optional>
#include <QString>
#include <QWidget>

class QComboBox;
class QListWidget;
class QStackedWidget;
class QTabBar;
class Workbench;

namespace sidebar {

// Custom bar button `index` (0..5): its text through the insertion service.
// An empty text still replaces the selection. Nothing without a document or
// for an index out of range.
void pressCustomButton(Workbench &workbench, int index);

// The colour dialog, started on lastColour; the chosen colour's HTML colour
// value replaces the selection directly (no undo record, no colouring) and
// becomes lastColour. False when there is no document or the dialog was
// cancelled.
bool insertChosenColour(Workbench &workbench, qint64 &lastColour);

} // namespace sidebar

class SideBar : public QWidget
{
    Q_OBJECT
public:
    // strips: the tool strips with their builder tabs in place.
    SideBar(Workbench &workbench, const QList<palette::ToolStrip> &strips,
            QWidget *parent = nullptr);

    // The palette chooser and the tool strips, which need a document.
    void setDocumentsOpen(bool open);

    // Reloads the custom reference list from state().customTags.
    void refreshCustomList();

    // Reloads the Time/Date list with the current time.
    void refreshTimeDate();

    // What a click on tab `tab` of a tool strip does ("TabStrip3"...).
    void clickToolTab(const QString &strip, int tab);
    // What a double-click on row `row` of reference list `list` (0..5, the
    // List8 index) does; row -1 stands for "no item selected".
    void activateReferenceItem(int list, int row);
    // Choosing item `item` of character combo `combo` (0..3).
    void chooseCharacter(int combo, int item);

    // The colour dialog of QuickColor, shared with the colour bar button so
    // both start on the last colour chosen.
    bool quickColor();
    qint64 lastColour() const { return m_lastColour; }

    QTabBar *paletteChooser() const { return m_paletteChooser; }     // TabStrip1
    QTabBar *referenceChooser() const { return m_referenceChooser; } // TabStrip2
    QTabBar *toolStrip(const QString &name) const;
    QListWidget *referenceList(int list) const;
    QComboBox *characterCombo(int combo) const;
    // The panel TabStrip1 shows now: a tool strip or the character panel.
    QWidget *currentPalette() const;

private:
    void showPalette(int tab);
    void showReferenceTab(int tab);
    QWidget *buildCharacterPanel();
    QListWidget *makeList(int list, const QStringList &items);

    Workbench &m_workbench;
    QTabBar *m_paletteChooser = nullptr;
    QStackedWidget *m_palettes = nullptr;
    QList<palette::ToolStrip> m_strips;
    QList<QTabBar *> m_toolStrips; // in the order of m_strips
    QList<QComboBox *> m_combos;
    QTabBar *m_referenceChooser = nullptr;
    QStackedWidget *m_lists = nullptr;
    QList<QListWidget *> m_referenceLists; // by List8 index
    qint64 m_lastColour = 0;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Find window: searches the active document for a text, one match at a
// time, and replaces one match or all of them. It works on whichever
// document is active when a button is pressed.
//
// Like a builder it is a window of its own over the main window (transient
// for it, so it stays in front), not modal: the main window is disabled
// while it is shown and enabled again when it closes. Done and the close
// box destroy it, so every opening starts afresh.
//
// Object names: Form25; Text1 (text to find), Check2 ("Replace With:"),
// Text2 (replacement), Check1 ("Match Case"), Command2 ("&Find Next"),
// Command1 ("&Replace All"), Command3 ("&Done"); the hidden Label1 holds
// the search position ("-1" when the next search starts at the top).

#include "editor/findreplace.h"
#include "widgets/builderdialog.h"

class Workbench;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

class FindWindow : public BuilderDialog
{
    Q_OBJECT
public:
    explicit FindWindow(Workbench &workbench);

    // Shows the open Find window, or a new one, and returns at once. With
    // replace, "Replace With:" is ticked; without, it stays as it was.
    static FindWindow *open(Workbench &workbench, bool replace);

    // Find Next: selects the next match in the active document (replacing
    // it when "Replace With:" is ticked), or says "Text Not Found" and
    // starts again at the top next time.
    void findNext();
    // Replace All: every match in the active document, as one edit, then
    // "Replacements Complete".
    void replaceAll();

    // The search position Label1 shows: the start of the last match found
    // by Find Next, or -1.
    qsizetype position() const { return m_search.position(); }

private:
    Workbench &workbench() const { return m_workbench; }
    void replaceToggled(bool on);
    void resetPosition();
    // After a replacement the one-level undo record no longer describes
    // the text; it must not restore the wrong characters.
    void forgetUndoRecord();

    // It searches and changes the document itself, so it keeps the
    // document road besides the builders' one.
    Workbench &m_workbench;
    findreplace::FindState m_search;
    QLineEdit *m_findText = nullptr;
    QCheckBox *m_replace = nullptr;
    QLineEdit *m_replaceText = nullptr;
    QCheckBox *m_matchCase = nullptr;
    QPushButton *m_findNext = nullptr;
    QPushButton *m_replaceAll = nullptr;
    QPushButton *m_done = nullptr;
    QLabel *m_positionLabel = nullptr;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The roads by which commands write into a document: the insertion service
// with its one-level undo, SmartColor over the editor, and the edit
// commands that touch the undo record.

#include <QString>

class HtmlEditor;
struct AppState;

namespace insertion {

// Colours the document: the whole text when state.colourLength is 0, else only
// the range just inserted, placing the caret as the insertion rules say.
// Does nothing at all while colouring is switched off.
void smartcolor(HtmlEditor &editor, AppState &state);

// Replaces the selection by the fragment in black, records the undo step and
// colours the inserted range.
void insertFragment(HtmlEditor &editor, AppState &state, const QString &fragment);
// The same with a text whose line ends are already the document's.
void replaceSelection(HtmlEditor &editor, AppState &state, const QString &text);

// The fragment first + selection + last (first alone when last is empty),
// inserted through insertFragment.
void wrapSelection(HtmlEditor &editor, AppState &state, const QString &first, const QString &last);

// Undo: the editor's own undo, in which every insertion is one step; the
// record is discarded.
void undo(HtmlEditor &editor, AppState &state);

// Paste of a text: no undo record, the pasted range coloured.
void paste(HtmlEditor &editor, AppState &state, const QString &text);

} // namespace insertion

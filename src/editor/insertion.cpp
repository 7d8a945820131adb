// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/insertion.h"

#include "editor/htmleditor.h"
#include "editor/smartcolor.h"
#include "editor/tagcommands.h"
#include "kernel/appstate.h"
#include "platform/textfile.h"

namespace insertion {

void smartcolor(HtmlEditor &editor, AppState &state)
{
    if (state.colouringOff)
        return;
    if (state.colourLength == 0) {
        const qsizetype caret = editor.selStart();
        editor.recolour(0, editor.characterLength(), state.colors);
        editor.setSelStart(caret);
    } else {
        // Only the inserted range is read, so the work does not grow with the
        // document. Its lines are coloured as a run over the whole document
        // colours them (a tag may have been opened before the range).
        const qsizetype length = editor.characterLength();
        const qsizetype start = qBound<qsizetype>(0, state.colourStart, length);
        const qsizetype count = qBound<qsizetype>(0, state.colourLength, length - start);
        const QString range = editor.textRange(start, count);
        const qsizetype selStart = editor.selStart();
        const smartcolor::ScanResult result =
            smartcolor::scan(range, 0, count, qBound<qsizetype>(0, selStart - start, count));
        editor.recolour(start, count, state.colors);
        // The caret rule again in document positions: after a single tag it
        // may lie beyond the inserted range.
        qsizetype anchor = selStart;
        if (!result.spans.isEmpty())
            anchor = start + result.spans.constLast().start;
        const qsizetype caret = result.tagCount == 1 ? anchor + state.colourLength : anchor;
        editor.setSelStart(qBound<qsizetype>(0, caret, length));
    }
    state.colourLength = 0;
    state.colourStart = 0;
    editor.setFocus();
}

void insertFragment(HtmlEditor &editor, AppState &state, const QString &fragment)
{
    replaceSelection(editor, state,
                     editor.isCrLf() ? fragment
                                     : textfile::adaptLineEnds(fragment, textfile::LineEnds::Lf));
}

void replaceSelection(HtmlEditor &editor, AppState &state, const QString &text)
{
    state.undo.replacedText = editor.selText();
    state.undo.valid = true;
    state.undo.undoLength = text.size();
    state.undo.undoStart = editor.selStart();
    state.colourLength = text.size();
    state.colourStart = editor.selStart();
    editor.setSelColor(0);
    editor.setSelText(text);
    smartcolor(editor, state);
}

void wrapSelection(HtmlEditor &editor, AppState &state, const QString &first, const QString &last)
{
    insertFragment(editor, state, tagcommands::fragment(first, editor.selText(), last));
}

void undo(HtmlEditor &editor, AppState &state)
{
    // Every insertion is one step of the editor's own undo history (see
    // HtmlEditor::setSelText), so the editor's undo takes the steps back in
    // reverse order. While the record is valid its step is the last one and
    // the editor's undo does just what the record says: the fragment goes
    // and the replaced text comes back in black. After other edits, undo
    // reverts those first instead of cutting a range that no longer holds
    // the fragment, and it never redoes anything.
    state.undo.valid = false;
    editor.setFocus();
    editor.undo();
}

void paste(HtmlEditor &editor, AppState &state, const QString &text)
{
    const QString adapted =
        editor.isCrLf() ? text : textfile::adaptLineEnds(text, textfile::LineEnds::Lf);
    state.colourLength = adapted.size();
    state.colourStart = editor.selStart();
    editor.setSelText(adapted);
    smartcolor(editor, state);
}

} // namespace insertion

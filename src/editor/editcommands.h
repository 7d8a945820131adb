// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Commands that rewrite much of a document at once: tag case conversion and
// Replace All. Each one is a single step of the editor's own undo and
// changes only the stretch of text between the first and the last changed
// character, so colours, scrolling and everything outside that stretch stay
// as they were.

#include "editor/tagcase.h"

#include <QString>

class HtmlEditor;
class Workbench;

namespace editcommands {

// Rewrites the letters inside every tag in one case. The caret returns to
// its character position; the undo record is not touched. With keepColours
// every character keeps its colour; without, the rewritten stretch is left
// black for a SmartColor run over the whole document, which saves that run
// half its work on a big page. False when no character changed.
bool convertTagCase(HtmlEditor &editor, tagcase::Case to, bool keepColours = true);

// upperCaseAllTags and lowerCaseAllTags: the conversion on the active document under the
// hourglass, then SmartColor over the whole document; the case becomes the
// case setting of the tags completion writes. Nothing happens without a
// document.
void upperCaseAllTags(Workbench &workbench);
void lowerCaseAllTags(Workbench &workbench);

// Replaces every match of needle (see findreplace::replaceAll). With
// keepColours a replacement takes the colour of the first character of the
// match it replaces and the text around keeps its colours; without, the
// changed stretch is left black for SmartColor. The caret ends after the
// last replacement. Returns the number of replacements; with none, or an
// empty needle, the editor is left alone.
qsizetype replaceAll(HtmlEditor &editor, const QString &needle, const QString &replacement,
                     bool matchCase, bool keepColours = true);

} // namespace editcommands

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Edit Element: the builder of the element under the active document's
// caret opens filled from that element, and its OK writes back only what
// changed, as one undo step. Cancel changes nothing.

class Workbench;

namespace elementedit {

// Opens the builder of the innermost element under the caret that a
// builder writes. Without such an element, or when the element cannot be
// read, says so (and then opens the builder empty); the document is never
// changed before the builder's OK.
void editAtCaret(Workbench &workbench);

} // namespace elementedit

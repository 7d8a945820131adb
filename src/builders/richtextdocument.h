// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A rich-text editor's document as the converters' formatted text, and back.
// Each paragraph ends with CR LF in the format of the editor's block
// separator, so what the editor reports just after a line break (the
// character before the caret) is kept.

#include "import/richtext.h"

class QTextCharFormat;
class QTextDocument;

namespace richtextdocument {

// The document's text with every character's bold, italic, underline,
// strike-through, size, face and colour, and every paragraph's alignment
// and bullet. Unset sizes and faces are the document's default font's, an
// unset colour is black. emptyFormat is what the editor reports while it is
// empty. Embedded objects (pasted pictures) are left out.
richtext::RichText read(const QTextDocument &document, const QTextCharFormat &emptyFormat);

// Replaces the document's content with text; bulleted paragraphs that
// follow one another form one list.
void write(QTextDocument &document, const richtext::RichText &text);

// One character format of the converters as an editor's.
QTextCharFormat toCharFormat(const richtext::CharFormat &format);

} // namespace richtextdocument

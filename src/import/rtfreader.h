// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads rich-text (RTF) files into formatted text: the characters with their
// bold, italic, underline, strike-through, size, face and colour, and each
// paragraph's alignment and list state. Pictures, headers, footers, notes,
// style sheets and other destinations that are not body text are skipped.

#include "import/richtext.h"

#include <QByteArray>
#include <QString>

namespace rtf {

struct ReadResult
{
    // What was read; on failure, everything read up to the fault.
    richtext::RichText document;
    // False when the bytes are not rich text at all (the document is then
    // empty), or when the file ends inside a group or binary data, or nests
    // groups beyond any real file.
    bool ok = false;
    QString error; // why ok is false, for a log or a test
};

ReadResult read(const QByteArray &bytes);

// Whether the bytes start as rich text does: "{\rtf" after blanks at most.
bool looksLikeRichText(const QByteArray &bytes);

} // namespace rtf

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the Paragraph Builder writes: its editor's formatted text as one
// paragraph of HTML, through the same conversion as the rich-text import,
// and what its "Open Text File" puts into the editor.

#include "import/richtext.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace paragraphbuilder {

// The editor's font when it opens.
inline QString initialFace()
{
    return QStringLiteral("Times New Roman");
}
constexpr double InitialSize = 12;

// The Font Size combo.
QStringList fontSizeItems();
// The Open Text File dialog's filter.
QString fileFilter();

// The editor's text as the fragment OK inserts: escaped, "<BR>" for every
// line break, CENTER and UL/LI for centred and bulleted lines, B/I/U/S and
// FONT where the formatting changes, framed by the paragraph comments.
QString buildParagraph(const richtext::RichText &text);

// A file the Open Text File command read, ready for the editor.
struct LoadedText
{
    bool ok = false;
    richtext::RichText text;
    QString error; // why ok is false, for a message
};

// Rich text when the name holds ".RTF" in any letter case, else plain text
// in the editor's initial font. Tabs are dropped and right-aligned
// paragraphs become left-aligned. A rich-text file read only in part keeps
// what was read; one that is not rich text at all fails.
LoadedText readTextFile(const QString &fileName, const QByteArray &bytes);

} // namespace paragraphbuilder

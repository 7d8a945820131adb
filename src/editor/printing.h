// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Printing a document's coloured text with one-inch margins.

#include <QString>

class HtmlEditor;
class QsciPrinter;

namespace printing {

// Prints the whole text on printer, paginated, without the line-number
// margin; false when the printer cannot be used.
bool printDocument(HtmlEditor &editor, QsciPrinter &printer);

// Where a document is printed when no printer is installed: "name.pdf" in
// the documents folder, or "name-2.pdf" ... when that is taken.
QString pdfPathFor(const QString &caption);

} // namespace printing

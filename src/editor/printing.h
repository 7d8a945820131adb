#pragma once
// Printing a document's coloured text with one-inch margins.

#include <QString>

class HtmlEditor;
class QsciPrinter;

namespace printing {

// Prints the whole text on printer, paginated, without the line-number
// margin; false when the printer cannot be used.
bool printDocument(HtmlEditor &editor, QsciPrinter &printer);

// Where a document is printed when no printer is installed.
QString pdfPathFor(const QString &caption);

// path when no file of that name exists, else the first free one of
// "name-2.pdf", "name-3.pdf" ...
QString freePdfPath(const QString &path);

} // namespace printing

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Printing one day's agenda: the heading, an empty line and the text in
// 12-point Arial with one-inch margins, over as many pages as it takes.

#include <QString>

class QPrinter;

namespace agendaprint {

// False when the printer (or the PDF file) cannot be used.
bool print(QPrinter &printer, const QString &heading, const QString &agenda);

// Where an agenda is printed when no printer is installed: the documents
// folder (else the home folder), under a name no existing file has.
QString pdfPath(const QString &folder, const QString &stem);

} // namespace agendaprint

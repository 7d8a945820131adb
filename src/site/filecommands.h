// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// New, Open, Save, Save As and the external preview.

class DocumentWindow;
class QString;
class Workbench;

namespace filecommands {

// A new numbered document: "New 2", "New 3" ... (numbers are never reused).
void newDocument(Workbench &workbench);
// The Open dialog in the web-site folder; the file opens as a new document.
void open(Workbench &workbench);
// In place for a document with a file, else like Save As without
// refreshing the site list. False when nothing was saved.
bool save(Workbench &workbench, DocumentWindow &doc);
// Asks for a name and saves; true when saved (the site list should be
// refreshed then).
bool saveAs(Workbench &workbench, DocumentWindow &doc);
// Writes the text to the preview file and starts the chosen browser on it.
void externalPreview(Workbench &workbench, DocumentWindow &doc);

// The open document of the file at path, or null.
DocumentWindow *documentFor(Workbench &workbench, const QString &path);
// Shows the file at a line (counting from 1): its open document, else the
// file opened as a new one. The first `select` on that line is selected.
// False when the file cannot be opened.
bool showAt(Workbench &workbench, const QString &path, int line, const QString &select);

} // namespace filecommands

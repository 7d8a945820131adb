// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// New, Open, Save, Save As and the external preview.

class DocumentWindow;
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

} // namespace filecommands

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the main window offers the side bar, the file and edit commands and
// the site pane: the builders' road plus the documents themselves and the
// shared state to change. Written against this, they can be tested without
// the main window.

#include "widgets/builderhost.h"

#include <QList>

class DocumentWindow;
class HtmlEditor;

class Workbench : public BuilderHost
{
public:
    using BuilderHost::settings;
    using BuilderHost::state;
    virtual AppState &state() = 0;
    virtual SettingsStore &settings() = 0;

    // The active document's editor; null when no document is open.
    virtual HtmlEditor *activeEditor() = 0;
    // SmartColor over the active document.
    virtual void smartcolor() = 0;
    // A new document window of the kind the preview answer chose, captioned
    // "New" (no number), counted and active.
    virtual DocumentWindow *newDocument() = 0;
    // Opens a file as a new document (wait cursor, load, caption, saved,
    // SmartColor). False, with the window closed again and a message
    // shown, when the file cannot be read.
    virtual bool openFile(const QString &path) = 0;
    // The active document window; null when none is open.
    virtual DocumentWindow *activeDocumentWindow() = 0;
    // The number of open documents.
    virtual int documentCount() const = 0;
    // Every open document window, and making one the active one.
    virtual QList<DocumentWindow *> documentWindows() const = 0;
    virtual void activateDocument(DocumentWindow *document) = 0;
    // Re-reads from state() what the main window shows of it: custom button
    // captions, the custom tag list, the browser label.
    virtual void preferencesChanged() = 0;
};

#pragma once
// What the main window offers the side bar, the dialogs and the builders:
// the shared state and the roads into the active document. Tools are
// written against this, so they can be tested without the main window.

#include <QString>

class DialogService;
class DocumentWindow;
class HtmlEditor;
class QWidget;
class SettingsStore;
struct AppState;

class Workbench
{
public:
    virtual ~Workbench() = default;

    virtual AppState &state() = 0;
    virtual SettingsStore &settings() = 0;
    virtual DialogService &dialogs() = 0;
    // The main window: parent of every tool window, disabled while a
    // builder is open.
    virtual QWidget *mainWidget() = 0;
    // The active document's editor; null when no document is open.
    virtual HtmlEditor *activeEditor() = 0;

    // The insertion service: replaces the selection, records undo, colours.
    virtual void portableColor(const QString &fragment) = 0;
    // first + selection + last through portableColor (first alone when
    // last is empty).
    virtual void addstuff(const QString &first, const QString &last) = 0;
    // SmartColor over the active document.
    virtual void smartcolor() = 0;
    // Opens a builder window by its id (palette::builder); false when that
    // builder does not exist yet.
    virtual bool openBuilder(const QString &id) = 0;
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
    // Re-reads from state() what the main window shows of it: custom button
    // captions, the custom tag list, the browser label.
    virtual void preferencesChanged() = 0;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The road from a builder or tool window to the rest of the program: what a
// builder needs and no more. The main window implements it; tests use a
// fake one.

#include "kernel/builderids.h"

#include <QString>

struct AppState;
class DialogService;
class QWidget;
class SettingsStore;

class BuilderHost
{
public:
    virtual ~BuilderHost() = default;

    virtual DialogService &dialogs() = 0;
    virtual const AppState &state() const = 0;
    virtual const SettingsStore &settings() const = 0;
    // The main window: parent of every tool window, disabled while a
    // builder is open.
    virtual QWidget *mainWidget() = 0;

    // The insertion service: replaces the active document's selection,
    // records undo and colours the new text.
    virtual void insertFragment(const QString &fragment) = 0;
    // first + selection + last through insertFragment (first alone when
    // last is empty).
    virtual void wrapSelection(const QString &first, const QString &last) = 0;

    virtual bool hasDocument() const = 0;
    // The active document's selected text; empty without a document.
    virtual QString selectedText() const = 0;
    // The active document's whole text; empty without a document.
    virtual QString documentText() const { return QString(); }
    // Gives the keyboard focus back to the active document.
    virtual void focusDocument() = 0;
    // The web-site folder: where file dialogs start.
    virtual QString siteFolder() const = 0;

    // Opens another builder or tool window by id (builderid), with an
    // argument some of them take (a file name). False when none has that id.
    virtual bool openBuilder(const QString &id, const QString &argument = QString()) = 0;
    // Opens the window that takes files of that role, with the file. False
    // when none does.
    virtual bool openBuilderFor(FileRole role, const QString &file) = 0;
};

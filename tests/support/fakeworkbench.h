// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A workbench with one real editor and no main window, for testing tools.

#include "editor/htmleditor.h"
#include "editor/insertion.h"
#include "editor/workbench.h"
#include "kernel/appstate.h"
#include "kernel/settingsstore.h"
#include "shell/builderregistry.h"
#include "support/scripteddialogs.h"

#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

class FakeWorkbench : public Workbench
{
public:
    QTemporaryDir dir;
    SettingsStore store{dir.path()};
    ScriptedDialogs scripted;
    AppState appState;
    QWidget main;
    HtmlEditor *editor = new HtmlEditor(&main); // null it to play "no document"
    QStringList openedBuilders;
    QStringList builderArguments;
    QStringList openedFiles;
    int documents = 1;
    int preferencesChangedCount = 0;

    AppState &state() override { return appState; }
    const AppState &state() const override { return appState; }
    SettingsStore &settings() override { return store; }
    const SettingsStore &settings() const override { return store; }
    DialogService &dialogs() override { return scripted; }
    QWidget *mainWidget() override { return &main; }
    HtmlEditor *activeEditor() override { return editor; }
    void insertFragment(const QString &fragment) override
    {
        main.setEnabled(true);
        insertion::insertFragment(*editor, appState, fragment);
    }
    void wrapSelection(const QString &first, const QString &last) override
    {
        main.setEnabled(true);
        insertion::wrapSelection(*editor, appState, first, last);
    }
    bool hasDocument() const override { return editor != nullptr; }
    QString selectedText() const override { return editor ? editor->selText() : QString(); }
    QString documentText() const override { return editor ? editor->documentText() : QString(); }
    void focusDocument() override
    {
        if (editor)
            editor->setFocus();
    }
    QString siteFolder() const override { return appState.siteFilePath; }
    void smartcolor() override { insertion::smartcolor(*editor, appState); }
    bool openBuilder(const QString &id, const QString &argument = QString()) override
    {
        openedBuilders << id;
        builderArguments << argument;
        return true;
    }
    // Records the id of the registry row that takes such files.
    bool openBuilderFor(FileRole role, const QString &file) override
    {
        const registry::BuilderRow *row = registry::forFiles(role);
        return row && openBuilder(row->id, file);
    }
    void preferencesChanged() override { ++preferencesChangedCount; }
    DocumentWindow *newDocument() override { return nullptr; }
    // Document windows a test made; the last one activated is the active one.
    QList<DocumentWindow *> windows;
    DocumentWindow *active = nullptr;
    DocumentWindow *activeDocumentWindow() override { return active; }
    QList<DocumentWindow *> documentWindows() const override { return windows; }
    void activateDocument(DocumentWindow *document) override { active = document; }
    bool openFile(const QString &path) override
    {
        openedFiles << path;
        return true;
    }
    int documentCount() const override { return editor ? documents : 0; }
};

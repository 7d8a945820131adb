#pragma once
// A workbench with one real editor and no main window, for testing tools.

#include "editor/htmleditor.h"
#include "editor/insertion.h"
#include "shell/appstate.h"
#include "shell/settingsstore.h"
#include "shell/workbench.h"
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
    QStringList openedFiles;
    int documents = 1;
    int preferencesChangedCount = 0;

    AppState &state() override { return appState; }
    SettingsStore &settings() override { return store; }
    DialogService &dialogs() override { return scripted; }
    QWidget *mainWidget() override { return &main; }
    HtmlEditor *activeEditor() override { return editor; }
    void portableColor(const QString &fragment) override
    {
        main.setEnabled(true);
        insertion::portableColor(*editor, appState, fragment);
    }
    void addstuff(const QString &first, const QString &last) override
    {
        main.setEnabled(true);
        insertion::addstuff(*editor, appState, first, last);
    }
    void smartcolor() override { insertion::smartcolor(*editor, appState); }
    bool openBuilder(const QString &id) override
    {
        openedBuilders << id;
        return true;
    }
    void preferencesChanged() override { ++preferencesChangedCount; }
    DocumentWindow *newDocument() override { return nullptr; }
    DocumentWindow *activeDocumentWindow() override { return nullptr; }
    bool openFile(const QString &path) override
    {
        openedFiles << path;
        return true;
    }
    int documentCount() const override { return editor ? documents : 0; }
};

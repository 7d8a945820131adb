// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The frame of the program: menus, bars, status bar and the document
// windows. It owns the state the other windows share.

#include "editor/documentwindow.h"
#include "editor/workbench.h"
#include "kernel/appstate.h"
#include "recovery/snapshotstore.h"

#include <functional>
#include <QHash>
#include <QMainWindow>
#include <QSet>

class ColourBar;
class DialogService;
class PageCheckPane;
class SpellService;
class DiskWatcher;
class OrganizerWindow;
class SnapshotKeeper;
class DocumentArea;
class QAction;
class QLabel;
class QMenu;
class QToolBar;
class QToolButton;
class SettingsStore;
class SideBar;
class SitePane;

class MainWindow : public QMainWindow, public Workbench
{
    Q_OBJECT
public:
    MainWindow(SettingsStore &settings, DialogService &dialogs, bool previewWindows,
               QWidget *parent = nullptr);
    ~MainWindow() override;

    // The start-up load: settings, bars, the first document (the command-line
    // file when one is given), then the tips window.
    void load(const QStringList &fontList, const QString &commandLineFile);

    // Workbench
    AppState &state() override { return m_state; }
    const AppState &state() const override { return m_state; }
    SettingsStore &settings() override { return m_settings; }
    const SettingsStore &settings() const override { return m_settings; }
    DialogService &dialogs() override { return m_dialogs; }
    QWidget *mainWidget() override { return this; }
    HtmlEditor *activeEditor() override;
    void insertFragment(const QString &fragment) override;
    void wrapSelection(const QString &first, const QString &last) override;
    bool hasDocument() const override { return activeDocument() != nullptr; }
    QString selectedText() const override;
    QString documentText() const override;
    void focusDocument() override;
    QString siteFolder() const override { return m_state.siteFilePath; }
    void smartcolor() override;
    bool openBuilder(const QString &id, const QString &argument = QString()) override;
    bool openBuilderFor(FileRole role, const QString &file) override;
    void preferencesChanged() override;
    DocumentWindow *newDocument() override;
    bool openFile(const QString &path) override;
    int documentCount() const override;
    DocumentWindow *activeDocumentWindow() override { return activeDocument(); }
    QList<DocumentWindow *> documentWindows() const override { return documents(); }
    void activateDocument(DocumentWindow *document) override;

    // Prints the active document through the print dialog (its preview
    // when `preview`); nothing for an empty document.
    void printActive(bool preview);

    // The active document window, or null.
    DocumentWindow *activeDocument() const;
    QList<DocumentWindow *> documents() const;
    // Creates and shows a document window of the kind the preview answer chose.
    DocumentWindow *createDocument();

    QAction *action(const QString &objectName) const;
    QToolBar *bar(const QString &objectName) const;
    void setHint(const QString &text);
    QString hint() const;
    QString lengthPanel() const;

    // Stores the bars' visibility (also done by a completed close).
    void storeBars();

    // Checks the active document's HTML; the "Page Check" pane shows the
    // findings when the worker is done.
    void checkPage();
    PageCheckPane *pageCheckPane() const { return m_pageCheck; }
    SpellService &spelling() { return *m_spelling; }
    // Tools > Spelling over the active document.
    void openSpelling();
    // Unsaved text kept on disk, files changed by others, recent files and
    // the last session (recoverywiring.cpp).
    SnapshotKeeper *snapshotKeeper() const { return m_keeper; }
    DiskWatcher *diskWatcher() const { return m_watcher; }
    // Shows the recovery window when a program that ended left copies.
    void offerRecovery();
    // Opens a document with a recovered text, unsaved.
    DocumentWindow *recoverDocument(const snapshots::Info &info, const QString &text);
    QStringList recentFiles() const { return m_recent; }
    void storeSession();
    // Reopens the last session's files; false when none could be opened.
    bool restoreSession();

signals:
    void documentCountChanged(int count);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Menus, keys and what every command does (commandwiring.cpp).
    void buildMenus();
    QMenu *addMenu(QMenu *parent, const QString &objectName, const QString &caption);
    QAction *addItem(QMenu *menu, const QString &objectName, const QString &caption,
                     bool built = true);
    void addShortcuts();
    // Every item of the menu gets a mnemonic of its own in that menu.
    static void giveMnemonics(QMenu *menu);
    void addWritingAids();
    void connectEditCommands();
    void connectTools();
    void connectBuilders();
    void onDocument(const QString &objectName, std::function<void(DocumentWindow &)> fn);
    void markBuilt(const QString &objectName);
    // Commands that need a document are enabled only while one is open.
    void updateDocumentCommands();
    void launchTool(int tool);
    void buildRecovery();
    void addRecent(const QString &path);
    void fillRecentMenu();
    void openRecent(const QString &path);
    // The agenda typed into the organizer is kept like a document's text.
    void coverAgenda(OrganizerWindow *organizer);
    void recoverAgenda(const QString &text);

    void buildBars();
    void buildStatusBar();
    void updateWindowMenu();
    void toggleBar(const QString &barName, QAction *item);
    // F6 and Shift+F6: the keyboard focus to the next (or previous) of the
    // document, the side bar, the site pane and the bars.
    void focusNextPane(bool forward);
    QList<QWidget *> panes() const;
    void showTips(bool fromStartup);
    // Loads a file into a document: wait cursor, caption, saved, coloured.
    // Pipes and devices are refused; a very large file only after asking
    // (false with an empty error when the user declines).
    bool loadInto(DocumentWindow &doc, const QString &path, QString *error = nullptr);
    // "Cannot open" with the path and the reason.
    void reportCannotOpen(const QString &path, const QString &error);
    void showActiveLength();
    // A colour of the colour bar as "#RRGGBB" in place of the selection.
    void insertColour(const QColor &colour);
    void buildCheckPane();
    // The document pop-up, with the spelling of the word under the mouse
    // first when it is misspelt.
    void showPopup(DocumentWindow *window, const QPoint &globalPos);

    SettingsStore &m_settings;
    DialogService &m_dialogs;
    AppState m_state;
    DocumentArea *m_documentArea = nullptr;
    QHash<QString, QAction *> m_actions;
    QSet<QAction *> m_unbuilt; // present but disabled until their feature exists
    QHash<QString, QToolBar *> m_bars;
    QList<QToolButton *> m_toolbarButtons;     // Command44
    QToolButton *m_smartColorButton = nullptr; // Command96
    QToolButton *m_checkPageButton = nullptr;  // cmdCheckPage
    SpellService *m_spelling = nullptr;
    PageCheckPane *m_pageCheck = nullptr;
    QMenu *m_windowMenu = nullptr;
    QList<QAction *> m_windowCommands; // close, next, previous: kept for their shortcuts
    QMenu *m_popMenu = nullptr;
    QMenu *m_websiteMenu = nullptr;
    QLabel *m_panels[4] = {};
    ColourBar *m_colourBar = nullptr;
    SideBar *m_sideBar = nullptr;
    SitePane *m_sitePane = nullptr;
    SnapshotKeeper *m_keeper = nullptr;
    DiskWatcher *m_watcher = nullptr;
    QMenu *m_recentMenu = nullptr;
    QStringList m_recent;
};

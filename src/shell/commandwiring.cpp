// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's commands: the menus built from the menu tree, the keys,
// and what each menu item, toolbar button and builder row does.

#include "shell/mainwindow.h"

#include "editor/editcommands.h"
#include "editor/htmleditor.h"
#include "editor/insertion.h"
#include "editor/tagcommands.h"
#include "editor/writingaids.h"
#include "help/helpcommands.h"
#include "import/importcommands.h"
#include "kernel/keytable.h"
#include "platform/dialogservice.h"
#include "platform/launcher.h"
#include "shell/builderregistry.h"
#include "shell/documentarea.h"
#include "shell/elementedit.h"
#include "shell/menutree.h"
#include "shell/settingsdialog.h"
#include "shell/sidebar.h"
#include "site/filecommands.h"
#include "site/sitepane.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

QMenu *MainWindow::addMenu(QMenu *parent, const QString &objectName, const QString &caption)
{
    QMenu *menu = parent ? parent->addMenu(caption) : menuBar()->addMenu(caption);
    menu->setObjectName(objectName);
    menu->menuAction()->setObjectName(objectName);
    m_actions.insert(objectName, menu->menuAction());
    return menu;
}

QAction *MainWindow::addItem(QMenu *menu, const QString &objectName, const QString &caption,
                             bool built)
{
    QAction *a = menu->addAction(caption);
    a->setObjectName(objectName);
    m_actions.insert(objectName, a);
    if (!built) {
        m_unbuilt.insert(a);
        a->setEnabled(false);
    }
    return a;
}

QAction *MainWindow::action(const QString &objectName) const
{
    return m_actions.value(objectName);
}

// Every item starts disabled; the commands that work enable theirs as they
// are connected (markBuilt), so nothing pretends to work.
void MainWindow::buildMenus()
{
    auto build = [this](const QList<menutree::Entry> &entries, bool popups) {
        QList<QMenu *> open; // the menu at each depth
        for (int i = 0; i < entries.size(); ++i) {
            const menutree::Entry &e = entries[i];
            QMenu *parent = e.depth > 0 ? open.value(e.depth - 1) : nullptr;
            if (!e.name) {
                parent->addSeparator();
                continue;
            }
            const QString name = QLatin1String(e.name);
            const QString caption = QCoreApplication::translate("menutree", e.caption);
            const bool isMenu =
                e.depth == 0 || (i + 1 < entries.size() && entries[i + 1].depth > e.depth);
            if (!isMenu) {
                addItem(parent, name, caption, false);
                continue;
            }
            QMenu *menu;
            if (e.depth == 0 && popups) {
                menu = new QMenu(this);
                menu->setObjectName(name);
            } else {
                menu = addMenu(parent, name, caption);
            }
            open.resize(e.depth);
            open << menu;
        }
    };
    const QList<menutree::Item> items = registry::menuItems();
    build(menutree::placeItems(menutree::menuBar(), items), false);
    build(menutree::placeItems(menutree::popupMenus(), items), true);
    m_windowMenu = findChild<QMenu *>(QStringLiteral("mnuWindow"));
    m_popMenu = findChild<QMenu *>(QStringLiteral("Pop"));
    m_websiteMenu = findChild<QMenu *>(QStringLiteral("Website"));
    connect(m_windowMenu, &QMenu::aboutToShow, this, &MainWindow::updateWindowMenu);

    addShortcuts();

    auto command = [this](const char *name, std::function<void()> fn) {
        markBuilt(QLatin1String(name));
        connect(action(QLatin1String(name)), &QAction::triggered, this, fn);
    };
    command("mnuExitItem", [this] { close(); });
    command("mnuCalculatorItem", [this] { launchTool(int(launcher::Tool::Calculator)); });
    command("mnuCharMapItem", [this] { launchTool(int(launcher::Tool::CharacterMap)); });
    command("mnuClipboardItem", [this] { launchTool(int(launcher::Tool::ClipboardViewer)); });
    command("mnuDidYouKnow", [this] { showTips(false); });
}

// The window and pane commands, and every key of the key table.
void MainWindow::addShortcuts()
{
    // The editor itself answers these keys; the menus show them so they can
    // be learnt there, and they act only while a menu is open.
    const struct
    {
        const char *item;
        QKeySequence::StandardKey key;
    } shown[] = {
        {"mnuUndoItem", QKeySequence::Undo},        {"mnuCutItem", QKeySequence::Cut},
        {"mnuCopyItem", QKeySequence::Copy},        {"mnuPasteItem", QKeySequence::Paste},
        {"mnuDeleteItem", QKeySequence::Delete},    {"mnuSelectAllItem", QKeySequence::SelectAll},
        {"mnuPopUndoItem", QKeySequence::Undo},     {"mnuPopCutItem", QKeySequence::Cut},
        {"mnuPopCopyItem", QKeySequence::Copy},     {"mnuPopPasteItem", QKeySequence::Paste},
        {"mnuPopDeleteItem", QKeySequence::Delete},
    };
    for (const auto &s : shown) {
        QAction *a = action(QLatin1String(s.item));
        a->setShortcut(QKeySequence(s.key));
        a->setShortcutContext(Qt::WidgetShortcut);
    }

    // Window commands live in the Window menu, which is rebuilt each time it
    // opens; the actions stay with the main window so their keys always work.
    auto windowCommand = [this](const char *name, const QString &caption,
                                std::function<void()> fn) {
        auto *a = new QAction(caption, this);
        a->setObjectName(QLatin1String(name));
        connect(a, &QAction::triggered, this, fn);
        addAction(a);
        m_actions.insert(a->objectName(), a);
        m_windowCommands << a;
    };
    windowCommand("mnuCloseWindowItem", tr("Cl&ose"), [this] {
        if (QMdiSubWindow *sub = m_documentArea->activeSubWindow())
            sub->close();
    });
    windowCommand("mnuNextWindowItem", tr("Ne&xt Window"),
                  [this] { m_documentArea->activateNextSubWindow(); });
    windowCommand("mnuPreviousWindowItem", tr("Pre&vious Window"),
                  [this] { m_documentArea->activatePreviousSubWindow(); });

    // Pane cycling sits in the View menu.
    QMenu *view = findChild<QMenu *>(QStringLiteral("mnuView"));
    view->addSeparator();
    QAction *next = addItem(view, QStringLiteral("mnuNextPaneItem"), tr("Next &Pane"));
    connect(next, &QAction::triggered, this, [this] { focusNextPane(true); });
    QAction *previous = addItem(view, QStringLiteral("mnuPreviousPaneItem"), tr("Previous Pa&ne"));
    connect(previous, &QAction::triggered, this, [this] { focusNextPane(false); });

    addWritingAids();

    for (const keytable::Row &row : keytable::rows()) {
        if (QAction *a = action(QLatin1String(row.item)))
            a->setShortcuts(
                QKeySequence::listFromString(QLatin1String(row.keys), QKeySequence::PortableText));
    }
}

// The commands of the writing aids: Edit for elements, View for folding.
void MainWindow::addWritingAids()
{
    const auto aid = [this](QMenu *menu, const char *name, const QString &caption,
                            std::function<void(WritingAids &)> fn) {
        QAction *a = addItem(menu, QLatin1String(name), caption);
        connect(a, &QAction::triggered, this, [this, fn] {
            HtmlEditor *editor = activeEditor();
            if (WritingAids *aids = editor ? WritingAids::of(*editor) : nullptr)
                fn(*aids);
        });
    };
    QMenu *edit = findChild<QMenu *>(QStringLiteral("mnuEdit"));
    edit->addSeparator();
    aid(edit, "mnuCompleteItem", tr("C&omplete"), [](WritingAids &a) { a.complete(); });
    aid(edit, "mnuCloseElementItem", tr("Close &Element"),
        [](WritingAids &a) { a.closeElement(); });
    aid(edit, "mnuMatchingTagItem", tr("&Go to Matching Tag"),
        [](WritingAids &a) { a.goToMatchingTag(); });
    aid(edit, "mnuSelectElementItem", tr("Select E&lement"),
        [](WritingAids &a) { a.selectElement(); });
    QMenu *view = findChild<QMenu *>(QStringLiteral("mnuView"));
    view->addSeparator();
    aid(view, "mnuFoldItem", tr("&Fold Element"), [](WritingAids &a) { a.foldHere(true); });
    aid(view, "mnuUnfoldItem", tr("&Unfold Element"), [](WritingAids &a) { a.foldHere(false); });
    aid(view, "mnuFoldAllItem", tr("Fold &All"), [](WritingAids &a) { a.foldEverything(true); });
    aid(view, "mnuUnfoldAllItem", tr("Unfold A&ll"),
        [](WritingAids &a) { a.foldEverything(false); });
}

// Edit commands, tag commands, SmartColor and printing: every one works on
// the active document through the insertion service.
void MainWindow::connectEditCommands()
{
    auto onEditor = [this](const QString &name, auto fn) {
        markBuilt(name);
        connect(action(name), &QAction::triggered, this, [this, fn] {
            if (HtmlEditor *editor = activeEditor())
                fn(*editor);
        });
    };
    for (const QString &prefix : {QStringLiteral("mnu"), QStringLiteral("mnuPop")}) {
        onEditor(prefix + QStringLiteral("UndoItem"),
                 [this](HtmlEditor &e) { insertion::undo(e, m_state); });
        onEditor(prefix + QStringLiteral("CutItem"), [this](HtmlEditor &e) {
            m_state.undo.valid = false;
            QGuiApplication::clipboard()->setText(e.selText());
            e.setSelText(QString());
        });
        onEditor(prefix + QStringLiteral("CopyItem"),
                 [](HtmlEditor &e) { QGuiApplication::clipboard()->setText(e.selText()); });
        onEditor(prefix + QStringLiteral("PasteItem"), [this](HtmlEditor &e) {
            setHint(tr("Color coding"));
            insertion::paste(e, m_state, QGuiApplication::clipboard()->text());
            setHint(QString());
        });
        onEditor(prefix + QStringLiteral("DeleteItem"),
                 [](HtmlEditor &e) { e.setSelText(QString()); });
    }
    onEditor(QStringLiteral("mnuSelectAllItem"),
             [](HtmlEditor &e) { e.select(0, e.characterLength()); });

    // Edit Element: below Select All with its key, and first in the
    // document's pop-up menu.
    QMenu *edit = findChild<QMenu *>(QStringLiteral("mnuEdit"));
    const QList<QAction *> editItems = edit->actions();
    const qsizetype afterSelectAll =
        editItems.indexOf(action(QStringLiteral("mnuSelectAllItem"))) + 1;
    QAction *editElement =
        addItem(edit, QStringLiteral("mnuEditElementItem"), tr("Edit &Element With Its Builder"));
    edit->insertAction(editItems.value(afterSelectAll), editElement);
    editElement->setShortcuts(QKeySequence::listFromString(
        keytable::keysOf(editElement->objectName()), QKeySequence::PortableText));
    QAction *popEditElement = addItem(m_popMenu, QStringLiteral("mnuPopEditElementItem"),
                                      tr("Edit &Element With Its Builder"));
    m_popMenu->insertAction(m_popMenu->actions().value(0), popEditElement);
    m_popMenu->insertSeparator(m_popMenu->actions().value(1));
    for (QAction *a : {editElement, popEditElement})
        onEditor(a->objectName(), [this](HtmlEditor &) { elementedit::editAtCaret(*this); });

    // Tag commands: menu items are matched to the command table by caption,
    // as shown in the user's language.
    for (const tagcommands::TagCommand &command : tagcommands::tagCommands()) {
        const QString menuCaption =
            QCoreApplication::translate("menutree", command.menuCaption.toUtf8().constData());
        const QString popupCaption =
            QCoreApplication::translate("menutree", command.popupCaption.toUtf8().constData());
        for (QAction *a : m_actions) {
            const bool inPopup = a->parent() == m_popMenu;
            const QString &caption = inPopup ? popupCaption : menuCaption;
            if (caption.isEmpty() || a->text() != caption || a->menu())
                continue;
            markBuilt(a->objectName());
            const QString first = command.firstTag;
            const QString last = command.lastTag;
            connect(a, &QAction::triggered, this,
                    [this, first, last] { wrapSelection(first, last); });
        }
    }

    markBuilt(QStringLiteral("Command96"));
    connect(m_smartColorButton, &QToolButton::clicked, this, [this] {
        m_state.colourLength = 0; // the button always colours the whole document
        smartcolor();
    });

    markBuilt(QStringLiteral("mnuPrintItem"));
    markBuilt(QStringLiteral("Command44_4"));
    markBuilt(QStringLiteral("mnuPrintPreviewItem"));
    connect(action(QStringLiteral("mnuPrintItem")), &QAction::triggered, this,
            [this] { printActive(false); });
    connect(action(QStringLiteral("mnuPrintPreviewItem")), &QAction::triggered, this,
            [this] { printActive(true); });
    connect(m_toolbarButtons[4], &QToolButton::clicked, this, [this] { printActive(false); });
    updateDocumentCommands();
}

void MainWindow::onDocument(const QString &objectName, std::function<void(DocumentWindow &)> fn)
{
    markBuilt(objectName);
    auto run = [this, fn] {
        if (DocumentWindow *doc = activeDocument())
            fn(*doc);
    };
    if (QAction *a = action(objectName))
        connect(a, &QAction::triggered, this, run);
    else if (auto *button = findChild<QToolButton *>(objectName))
        connect(button, &QToolButton::clicked, this, run);
}

// File, import, settings and builder commands.
void MainWindow::connectTools()
{
    auto always = [this](const QString &name, std::function<void()> fn) {
        markBuilt(name);
        if (QAction *a = action(name))
            connect(a, &QAction::triggered, this, fn);
        else if (auto *button = findChild<QToolButton *>(name))
            connect(button, &QToolButton::clicked, this, fn);
    };
    for (const QString &name : {QStringLiteral("mnuNewItem"), QStringLiteral("Command44_0")})
        always(name, [this] { filecommands::newDocument(*this); });
    for (const QString &name : {QStringLiteral("mnuOpenItem"), QStringLiteral("Command44_1")})
        always(name, [this] { filecommands::open(*this); });
    for (const QString &name : {QStringLiteral("mnuSaveregItem"), QStringLiteral("Command44_2")})
        onDocument(name, [this](DocumentWindow &doc) { filecommands::save(*this, doc); });
    for (const QString &name : {QStringLiteral("mnuSaveItem"), QStringLiteral("Command44_3")}) {
        onDocument(name, [this](DocumentWindow &doc) {
            if (filecommands::saveAs(*this, doc) && m_sitePane)
                m_sitePane->refresh();
        });
    }
    onDocument(QStringLiteral("Command44_5"),
               [this](DocumentWindow &doc) { filecommands::externalPreview(*this, doc); });
    always(QStringLiteral("mnuImport1"), [this] { importcommands::importToNewFile(*this); });
    always(QStringLiteral("mnuImport2"),
           [this] { importcommands::importToCurrentDocument(*this); });
    always(QStringLiteral("mnuImport3"), [this] { importcommands::importTable(*this); });
    always(QStringLiteral("mnuSettingsItem"), [this] { SettingsDialog::run(*this); });
    always(QStringLiteral("mnuManualItem"), [this] { helpcommands::onlineManual(*this); });
    always(QStringLiteral("mnuW3CItem"), [this] { helpcommands::htmlReference(*this); });
    for (const QString &name : {QStringLiteral("mnuCheckPageItem"), QStringLiteral("cmdCheckPage")})
        onDocument(name, [this](DocumentWindow &) { checkPage(); });
    onDocument(QStringLiteral("mnuSpellingItem"), [this](DocumentWindow &) { openSpelling(); });
    always(QStringLiteral("mnuUpperCaseItem"), [this] { editcommands::upperCaseAllTags(*this); });
    always(QStringLiteral("mnuLowerCaseItem"), [this] { editcommands::lowerCaseAllTags(*this); });
    // New and Open need no document: their buttons are always on.
    m_toolbarButtons[0]->setEnabled(true);
    m_toolbarButtons[1]->setEnabled(true);
    updateDocumentCommands();
}

// Every builder and tool window in the registry: its menu items open it
// and its palette tabs are enabled.
void MainWindow::connectBuilders()
{
    for (const registry::BuilderRow &row : registry::rows()) {
        for (const menutree::Item &item : row.menuItems) {
            const QString name = QLatin1String(item.name);
            markBuilt(name);
            const QString id = row.id;
            connect(action(name), &QAction::triggered, this, [this, id] { openBuilder(id); });
        }
    }
}

void MainWindow::markBuilt(const QString &objectName)
{
    if (QAction *a = action(objectName)) {
        m_unbuilt.remove(a);
        a->setEnabled(true);
    } else if (auto *button = findChild<QToolButton *>(objectName)) {
        button->setProperty("built", true);
    }
}

// Commands that need a document are enabled only while one is open.
void MainWindow::updateDocumentCommands()
{
    const bool any = m_documentArea->count() > 0;
    const QStringList names{QStringLiteral("mnuEdit"),
                            QStringLiteral("mnuHTML"),
                            QStringLiteral("mnuTools"),
                            QStringLiteral("mnuPrintItem"),
                            QStringLiteral("mnuPrintPreviewItem"),
                            QStringLiteral("mnuSaveregItem"),
                            QStringLiteral("mnuSaveItem"),
                            QStringLiteral("mnuWebsiteLinkItem"),
                            QStringLiteral("mnuImport2"),
                            QStringLiteral("mnuImport3"),
                            QStringLiteral("mnuSettingsItem"),
                            QStringLiteral("mnuFoldItem"),
                            QStringLiteral("mnuUnfoldItem"),
                            QStringLiteral("mnuFoldAllItem"),
                            QStringLiteral("mnuUnfoldAllItem")};
    for (const QString &name : names) {
        QAction *a = action(name);
        a->setEnabled(any && !m_unbuilt.contains(a));
    }
    for (int i = 2; i <= 5; ++i)
        m_toolbarButtons[i]->setEnabled(any && m_toolbarButtons[i]->property("built").toBool());
    for (QAction *a : std::as_const(m_windowCommands))
        a->setEnabled(any);
    m_smartColorButton->setEnabled(any && m_smartColorButton->property("built").toBool());
    m_checkPageButton->setEnabled(any && m_checkPageButton->property("built").toBool());
    for (const char *name : {"Picture14", "Picture15"}) {
        if (QWidget *w = findChild<QWidget *>(QLatin1String(name)))
            w->setEnabled(any);
    }
    if (m_sideBar)
        m_sideBar->setDocumentsOpen(any);
    emit documentCountChanged(m_documentArea->count());
}

void MainWindow::launchTool(int tool)
{
    const QString program = launcher::findTool(launcher::Tool(tool));
    if (program.isEmpty() || !launcher::start(program))
        m_dialogs.message(this, launcher::notInstalledMessage(launcher::Tool(tool)));
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/mainwindow.h"

#include "check/pagecheckpane.h"
#include "check/spellhighlighter.h"
#include "check/spellingdialog.h"
#include "check/spellservice.h"
#include "editor/htmleditor.h"
#include "editor/insertion.h"
#include "editor/printing.h"
#include "editor/tagcommands.h"
#include "help/helpcommands.h"
#include "help/tipswindow.h"
#include "kernel/builderids.h"
#include "kernel/colour.h"
#include "kernel/mnemonics.h"
#include "kernel/settingscatalog.h"
#include "kernel/settingsstore.h"
#include "organizer/organizerwindow.h"
#include "platform/dialogservice.h"
#include "platform/paths.h"
#include "platform/safefile.h"
#include "platform/textfile.h"
#include "recovery/diskwatcher.h"
#include "recovery/snapshotkeeper.h"
#include "shell/builderregistry.h"
#include "shell/colourbar.h"
#include "shell/documentarea.h"
#include "shell/settingsdialog.h"
#include "shell/sidebar.h"
#include "site/filecommands.h"
#include "site/sitepane.h"
#include "widgets/colourfield.h"

#include <optional>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDockWidget>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPrinterInfo>
#include <QPushButton>
#include <Qsci/qsciprinter.h>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace {

struct BarInfo
{
    const char *name;     // Picture1 ...
    const char *menuItem; // its View item
};
constexpr BarInfo kBars[] = {{"Picture1", "mnuToolbarItem"},
                             {"Picture5", "mnuSideBarItem"},
                             {"Picture11", "mnuSetWebItem"},
                             {"Picture14", "mnuColorBarItem"},
                             {"Picture15", "mnuCustomBarItem"}};

struct ToolbarButton
{
    const char *caption;
    const char *hint;
};
constexpr ToolbarButton kToolbar[] = {
    {QT_TRANSLATE_NOOP("MainWindow", "New"),
     QT_TRANSLATE_NOOP("MainWindow", "Creates a new HTML document")},
    {QT_TRANSLATE_NOOP("MainWindow", "Open"),
     QT_TRANSLATE_NOOP("MainWindow", "Opens an existing HTML or TXT file")},
    {QT_TRANSLATE_NOOP("MainWindow", "Save"),
     QT_TRANSLATE_NOOP("MainWindow", "Saves the HTML file")},
    {QT_TRANSLATE_NOOP("MainWindow", "Save As"),
     QT_TRANSLATE_NOOP("MainWindow", "Saves the HTML file")},
    {QT_TRANSLATE_NOOP("MainWindow", "Print"),
     QT_TRANSLATE_NOOP("MainWindow", "Prints the HTML document")},
    {QT_TRANSLATE_NOOP("MainWindow", "External Preview"),
     QT_TRANSLATE_NOOP("MainWindow", "Previews the HTML document in external browser")},
    {QT_TRANSLATE_NOOP("MainWindow", "Find Files"), ""},
};

} // namespace

MainWindow::MainWindow(SettingsStore &settings, DialogService &dialogs, bool previewWindows,
                       QWidget *parent)
    : QMainWindow(parent), m_settings(settings), m_dialogs(dialogs)
{
    m_state.previewWindows = previewWindows;
    m_spelling = new SpellService(
        paths::join(settings.directory(), QStringLiteral("personal-dictionary.txt")), this);
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(tr("Lorimel 3.0"));
    m_documentArea = new DocumentArea(this);
    setCentralWidget(m_documentArea);
    m_documentArea->viewport()->installEventFilter(this);
    m_documentArea->viewport()->setMouseTracking(true);
    connect(m_documentArea, &QMdiArea::subWindowActivated, this, [this] {
        updateWindowMenu();
        showActiveLength();
    });
    connect(m_documentArea, &DocumentArea::documentsChanged, this, [this] {
        updateDocumentCommands();
        showActiveLength();
    });

    buildMenus();
    m_documentArea->setOwnedKeys(m_windowCommands.first()->shortcuts());
    buildBars();
    buildStatusBar();
    connectEditCommands();
    connectTools();
    connectBuilders();
    buildRecovery();
    // Last: the tag commands above find their items by caption.
    for (QMenu *menu : findChildren<QMenu *>())
        giveMnemonics(menu);
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        resize(available.width() * 9 / 10, available.height() * 9 / 10);
    } else {
        resize(1100, 760);
    }
}

MainWindow::~MainWindow()
{
    // The documents go before the members their signals reach.
    disconnect(m_documentArea, nullptr, this, nullptr);
    for (DocumentWindow *doc : m_documentArea->documents())
        disconnect(doc, nullptr, this, nullptr);
    delete m_documentArea;
}

QToolBar *MainWindow::bar(const QString &objectName) const
{
    return m_bars.value(objectName);
}

QList<QWidget *> MainWindow::panes() const
{
    QList<QWidget *> list;
    if (DocumentWindow *doc = activeDocument())
        list << doc->editor();
    for (QWidget *w : {static_cast<QWidget *>(m_sideBar), static_cast<QWidget *>(m_sitePane),
                       static_cast<QWidget *>(m_pageCheck),
                       static_cast<QWidget *>(m_bars.value(QStringLiteral("Picture1"))),
                       static_cast<QWidget *>(m_bars.value(QStringLiteral("Picture15")))}) {
        if (w && w->isVisible() && w->isEnabled())
            list << w;
    }
    return list;
}

void MainWindow::focusNextPane(bool forward)
{
    const QList<QWidget *> list = panes();
    if (list.isEmpty())
        return;
    int current = -1;
    QWidget *focus = QApplication::focusWidget();
    for (int i = 0; i < list.size() && focus; ++i) {
        if (list[i] == focus || list[i]->isAncestorOf(focus))
            current = i;
    }
    const int n = int(list.size());
    const int next = current < 0 ? 0 : (current + (forward ? 1 : n - 1)) % n;
    QWidget *pane = list[next];
    // Inside a pane, its first control that takes the keyboard focus.
    QWidget *target = pane;
    if (pane->focusPolicy() == Qt::NoFocus) {
        for (QWidget *child : pane->findChildren<QWidget *>()) {
            if (child->isVisible() && child->isEnabled() && (child->focusPolicy() & Qt::TabFocus)) {
                target = child;
                break;
            }
        }
    }
    target->setFocus(Qt::ShortcutFocusReason);
}

void MainWindow::buildBars()
{
    // Main toolbar.
    QToolBar *main = addToolBar(tr("Main Toolbar"));
    main->setObjectName(QStringLiteral("Picture1"));
    main->setMovable(false);
    main->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (int i = 0; i < int(std::size(kToolbar)); ++i) {
        auto *button = new QToolButton(main);
        button->setObjectName(QStringLiteral("Command44_%1").arg(i));
        button->setText(tr(kToolbar[i].caption));
        button->setProperty("hint", *kToolbar[i].hint ? tr(kToolbar[i].hint) : QString());
        button->setEnabled(false); // the file commands come with the site tools
        button->installEventFilter(this);
        button->setMouseTracking(true);
        main->addWidget(button);
        m_toolbarButtons << button;
    }
    main->addSeparator();
    // Buttons that need a document, with their status-bar hints.
    const auto documentButton = [this, main](const char *name, const QString &caption,
                                             const QString &toolTip, const QString &hint) {
        auto *button = new QToolButton(main);
        button->setObjectName(QLatin1String(name));
        button->setText(caption);
        button->setToolTip(toolTip);
        button->setProperty("hint", hint);
        button->setEnabled(false);
        button->installEventFilter(this);
        button->setMouseTracking(true);
        main->addWidget(button);
        return button;
    };
    m_smartColorButton =
        documentButton("Command96", tr("Smartcolor"), tr("Color-Codes  HTML Syntax"),
                       tr("Color codes the HTML code"));
    m_checkPageButton =
        documentButton("cmdCheckPage", tr("Check Page"), tr("Checks the HTML of the document (F9)"),
                       tr("Checks the HTML of the active document"));
    main->addSeparator();
    // The organizer needs no document: its button is always on.
    auto *organizerButton = new QToolButton(main);
    organizerButton->setObjectName(QStringLiteral("Command1"));
    organizerButton->setText(tr("Ostrel PIM"));
    organizerButton->setToolTip(tr("Calendar, phone numbers and favourite addresses"));
    connect(organizerButton, &QToolButton::clicked, this,
            [this] { openBuilder(QLatin1String(builderid::Organizer)); });
    main->addWidget(organizerButton);
    main->installEventFilter(this);
    main->setMouseTracking(true);
    m_bars.insert(main->objectName(), main);

    // Custom bar, below the toolbar.
    addToolBarBreak();
    QToolBar *custom = addToolBar(tr("Custom Bar"));
    custom->setObjectName(QStringLiteral("Picture15"));
    custom->setMovable(false);
    for (int i = 0; i < 7; ++i) {
        auto *button = new QToolButton(custom);
        button->setObjectName(QStringLiteral("Command84_%1").arg(i));
        button->setText(i < 6 ? m_state.customCaptions[i] : tr("Customize"));
        if (i < 6) {
            connect(button, &QToolButton::clicked, this,
                    [this, i] { sidebar::pressCustomButton(*this, i); });
        } else {
            connect(button, &QToolButton::clicked, this, [this] { SettingsDialog::run(*this); });
        }
        custom->addWidget(button);
    }
    m_bars.insert(custom->objectName(), custom);

    // Colour bar, below the custom bar.
    addToolBarBreak();
    m_colourBar = new ColourBar(this);
    addToolBar(m_colourBar);
    m_colourBar->spectrum()->installEventFilter(this); // status-bar hints
    connect(m_colourBar, &ColourBar::colourPicked, this, &MainWindow::insertColour);
    connect(m_colourBar, &ColourBar::dialogRequested, this, [this] { m_sideBar->quickColor(); });
    m_bars.insert(m_colourBar->objectName(), m_colourBar);

    // The side bar and the web-site manager are docks; their contents come
    // with the palettes and the site tools.
    auto makeDock = [this](const QString &name, const QString &title, Qt::DockWidgetArea area) {
        auto *dock = new QDockWidget(title, this);
        dock->setObjectName(name);
        dock->setFeatures(QDockWidget::NoDockWidgetFeatures);
        dock->setTitleBarWidget(new QWidget(dock));
        auto *content = new QWidget(dock);
        content->setObjectName(name + QStringLiteral("Content"));
        dock->setWidget(content);
        addDockWidget(area, dock);
        return dock;
    };
    QDockWidget *side = makeDock(QStringLiteral("Picture5"), tr("Side Bar"), Qt::TopDockWidgetArea);
    m_sideBar = new SideBar(*this, registry::toolStrips(), side);
    side->setWidget(m_sideBar);
    m_sideBar->installEventFilter(this);
    m_sideBar->setMouseTracking(true);
    makeDock(QStringLiteral("Picture11"), tr("Website Manager"), Qt::LeftDockWidgetArea);
    buildCheckPane();

    for (const BarInfo &b : kBars) {
        QAction *item = action(QLatin1String(b.menuItem));
        markBuilt(item->objectName());
        item->setCheckable(true);
        item->setChecked(true);
        const QString barName = QLatin1String(b.name);
        connect(item, &QAction::triggered, this,
                [this, barName, item] { toggleBar(barName, item); });
    }
}

// A dock of its own, shown by Check Page; it can be moved, floated and
// closed like any.
void MainWindow::buildCheckPane()
{
    auto *dock = new QDockWidget(tr("Page Check"), this);
    dock->setObjectName(QStringLiteral("PageCheck"));
    m_pageCheck = new PageCheckPane(dock);
    dock->setWidget(m_pageCheck);
    addDockWidget(Qt::BottomDockWidgetArea, dock);
    dock->hide();
    connect(m_pageCheck, &PageCheckPane::documentWanted, this, [this](HtmlEditor *editor) {
        for (DocumentWindow *doc : documents()) {
            if (doc->editor() == editor)
                m_documentArea->activate(doc);
        }
    });
    connect(m_pageCheck, &PageCheckPane::warningsShownChanged, this, [this](bool shown) {
        settings::write(m_settings, settings::CheckWarnings,
                        shown ? QStringLiteral("True") : QStringLiteral("False"));
    });
}

void MainWindow::checkPage()
{
    DocumentWindow *doc = activeDocument();
    if (!doc)
        return;
    auto *dock = findChild<QDockWidget *>(QStringLiteral("PageCheck"));
    dock->show();
    dock->raise();
    m_pageCheck->check(doc->editor());
}

void MainWindow::openSpelling()
{
    DocumentWindow *doc = activeDocument();
    if (!doc)
        return;
    auto *dialog = new SpellingDialog(*doc->editor(), *m_spelling, m_dialogs, this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->open();
}

void MainWindow::showPopup(DocumentWindow *window, const QPoint &globalPos)
{
    HtmlEditor *editor = window->editor();
    SpellHighlighter *spell = SpellHighlighter::of(editor);
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("SpellingPop"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (spell && spell->fillMenu(*menu, editor->mapFromGlobal(globalPos))) {
        menu->addActions(m_popMenu->actions());
        menu->popup(globalPos);
        return;
    }
    delete menu;
    m_popMenu->popup(globalPos);
}

void MainWindow::buildStatusBar()
{
    QStatusBar *status = statusBar();
    status->setObjectName(QStringLiteral("StatusBar1"));
    const char *names[4] = {"Panel1", "Panel2", "Panel3", "Panel4"};
    for (int i = 0; i < 4; ++i) {
        m_panels[i] = new QLabel(status);
        m_panels[i]->setObjectName(QLatin1String(names[i]));
        m_panels[i]->setFrameShape(QFrame::StyledPanel);
        m_panels[i]->setMinimumWidth(80);
        status->addWidget(m_panels[i], i == 3 ? 1 : 0);
    }
    m_panels[0]->setText(tr("File Size"));
    m_panels[2]->setText(tr("Message"));
    // Named for what they hold, not for the text they show now.
    const char *purposes[4] = {QT_TR_NOOP("File Size"), QT_TR_NOOP("Characters"),
                               QT_TR_NOOP("Message"), QT_TR_NOOP("Hint")};
    for (int i = 0; i < 4; ++i)
        m_panels[i]->setAccessibleName(tr(purposes[i]));
}

void MainWindow::setHint(const QString &text)
{
    m_panels[3]->setText(text);
}

QString MainWindow::hint() const
{
    return m_panels[3]->text();
}

// Panel 2 counts the characters of the active document, and shows nothing
// without one.
void MainWindow::showActiveLength()
{
    DocumentWindow *doc = activeDocument();
    m_panels[1]->setText(doc ? QString::number(doc->editor()->characterLength()) : QString());
}

QString MainWindow::lengthPanel() const
{
    return m_panels[1]->text();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
        const QVariant hintText = watched->property("hint");
        if (hintText.isValid()) {
            setHint(hintText.toString());
        } else if (event->type() == QEvent::MouseMove) {
            // A move the button did not take reaches its bar too: only the
            // bare background clears the hint.
            auto *widget = qobject_cast<QWidget *>(watched);
            const QPoint pos = static_cast<QMouseEvent *>(event)->position().toPoint();
            QWidget *under = widget ? widget->childAt(pos) : nullptr;
            if (!under || !under->property("hint").isValid())
                setHint(QString());
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// Bars: View items toggle them; a stored "False" hides one at start-up.
void MainWindow::toggleBar(const QString &barName, QAction *item)
{
    QWidget *widget = findChild<QWidget *>(barName);
    if (!widget)
        return;
    widget->setVisible(item->isChecked());
}

void MainWindow::storeBars()
{
    for (int i = 0; i < int(std::size(kBars)); ++i) {
        QWidget *widget = findChild<QWidget *>(QLatin1String(kBars[i].name));
        const bool shown = widget && !widget->isHidden();
        settings::write(m_settings, settings::barVisible(i),
                        shown ? QStringLiteral("True") : QStringLiteral("False"));
    }
    settings::write(m_settings, settings::WindowGeometry,
                    QString::fromLatin1(saveGeometry().toBase64()));
    settings::write(m_settings, settings::WindowLayout,
                    QString::fromLatin1(saveState().toBase64()));
    if (auto *splitter = findChild<QSplitter *>(QStringLiteral("SiteSplitter")))
        settings::write(m_settings, settings::SiteSplitter,
                        QString::fromLatin1(splitter->saveState().toBase64()));
    if (!m_settings.sync()) {
        m_dialogs.message(this, m_settings.lastError(), tr("Settings"), DialogService::Buttons::Ok,
                          DialogService::Icon::Warning);
    }
}

void MainWindow::load(const QStringList &fontList, const QString &commandLineFile)
{
    setHint(tr("Getting Data From Computer"));
    m_state.fontList = fontList;
    // The first run fills the screen; later ones come back as they were.
    const QByteArray geometry =
        QByteArray::fromBase64(settings::text(m_settings, settings::WindowGeometry).toLatin1());
    if (!geometry.isEmpty() && restoreGeometry(geometry)) {
        restoreState(
            QByteArray::fromBase64(settings::text(m_settings, settings::WindowLayout).toLatin1()));
        // Where the user put it, but empty until a page is checked.
        findChild<QDockWidget *>(QStringLiteral("PageCheck"))->hide();
        show();
    } else {
        showMaximized();
    }
    layout()->activate(); // the document area has its size before the first document

    m_state.loadPreferences(m_settings, QDir::homePath(), QCoreApplication::applicationDirPath());
    m_spelling->setLive(m_state.spellCheck);
    m_spelling->setChosenLanguage(m_state.spellLanguage);
    m_pageCheck->setWarningsShown(settings::boolean(m_settings, settings::CheckWarnings));
    m_documentArea->setTabbed(settings::boolean(m_settings, settings::TabbedDocuments));
    connect(m_documentArea->tabbedAction(), &QAction::toggled, this, [this](bool tabbed) {
        settings::write(m_settings, settings::TabbedDocuments,
                        tabbed ? QStringLiteral("True") : QStringLiteral("False"));
    });

    // The site pane opens at the stored web-site folder.
    auto *siteDock = findChild<QDockWidget *>(QStringLiteral("Picture11"));
    m_sitePane = new SitePane(*this, siteDock);
    siteDock->setWidget(m_sitePane);
    if (auto *splitter = m_sitePane->findChild<QSplitter *>(QStringLiteral("SiteSplitter")))
        splitter->restoreState(
            QByteArray::fromBase64(settings::text(m_settings, settings::SiteSplitter).toLatin1()));
    m_sitePane->setContextMenu(m_websiteMenu);
    connect(action(QStringLiteral("mnuWebsiteLinkItem")), &QAction::triggered, m_sitePane,
            &SitePane::linkSelected);
    for (int i = 0; i < 3; ++i)
        m_sitePane->commandButton(i)->installEventFilter(this); // status-bar hints
    connect(action(QStringLiteral("mnuWebsiteRenameItem")), &QAction::triggered, m_sitePane,
            &SitePane::renameSelected);
    connect(action(QStringLiteral("mnuWebsiteDeleteItem")), &QAction::triggered, m_sitePane,
            &SitePane::deleteSelected);
    connect(action(QStringLiteral("mnuPublishSiteItem")), &QAction::triggered, m_sitePane,
            &SitePane::publishSite);
    connect(action(QStringLiteral("mnuWebsiteMoveItem")), &QAction::triggered, m_sitePane,
            &SitePane::moveSelected);
    connect(action(QStringLiteral("mnuCheckLinksItem")), &QAction::triggered, m_sitePane,
            &SitePane::checkLinks);
    markBuilt(QStringLiteral("mnuWebsiteMoveItem"));
    markBuilt(QStringLiteral("mnuCheckLinksItem"));
    markBuilt(QStringLiteral("mnuPublishSiteItem"));
    // The link command also needs a document (updateDocumentCommands).
    markBuilt(QStringLiteral("mnuWebsiteLinkItem"));
    markBuilt(QStringLiteral("mnuWebsiteRenameItem"));
    markBuilt(QStringLiteral("mnuWebsiteDeleteItem"));
    for (const QString &name :
         {QStringLiteral("mnuFindFilesItem"), QStringLiteral("Command44_6")}) {
        markBuilt(name);
        if (QAction *a = action(name))
            connect(a, &QAction::triggered, m_sitePane, &SitePane::findFiles);
    }
    connect(m_toolbarButtons[6], &QToolButton::clicked, m_sitePane, &SitePane::findFiles);
    m_toolbarButtons[6]->setEnabled(true);

    // The last session's files take the place of the empty "New 1".
    const bool restored = commandLineFile.isEmpty() &&
                          settings::boolean(m_settings, settings::RestoreSession) &&
                          restoreSession();
    DocumentWindow *first = restored ? activeDocument() : createDocument();
    m_state.newDocumentNumber = 1;
    if (!restored)
        first->setCaption(QStringLiteral("New 1"));
    if (!m_state.previewWindows) {
        action(QStringLiteral("mnuFindFilesItem"))->setEnabled(false);
        m_toolbarButtons[6]->setEnabled(false);
    }
    if (!commandLineFile.isEmpty()) {
        // A file that cannot be read leaves "New 1" empty and start-up goes
        // on, after saying why.
        const QString path = QFileInfo(commandLineFile).absoluteFilePath();
        QString error;
        if (!loadInto(*first, path, &error) && !error.isEmpty())
            reportCannotOpen(path, error);
    }

    for (int i = 0; i < 6; ++i)
        findChild<QToolButton *>(QStringLiteral("Command84_%1").arg(i))
            ->setText(m_state.customCaptions[i]);

    for (int i = 0; i < int(std::size(kBars)); ++i) {
        if (!settings::boolean(m_settings, settings::barVisible(i))) {
            findChild<QWidget *>(QLatin1String(kBars[i].name))->hide();
            action(QLatin1String(kBars[i].menuItem))->setChecked(false);
        }
    }

    m_state.colourLength = 0;
    m_state.colourStart = 0;
    if (!restored)
        first->setSaved(true);
    setHint(QString());

    if (!restored && first->editor()->characterLength() == 0 &&
        settings::text(m_settings, settings::ShowTips) == QLatin1String("yes")) {
        showTips(true);
    }
    // After the main window is up, never before.
    QTimer::singleShot(0, this, &MainWindow::offerRecovery);
}

DocumentWindow *MainWindow::createDocument()
{
    auto *window = new DocumentWindow(m_state.previewWindows ? DocumentWindow::Kind::Preview
                                                             : DocumentWindow::Kind::Plain,
                                      m_state, m_dialogs);
    connect(window, &DocumentWindow::lengthChanged, this, [this, window](qsizetype length) {
        if (window == activeDocument())
            m_panels[1]->setText(QString::number(length));
    });
    connect(window, &DocumentWindow::hintRequested, this, &MainWindow::setHint);
    connect(window, &DocumentWindow::statusMessage, this,
            [this](const QString &text) { statusBar()->showMessage(text, 20000); });
    connect(window, &DocumentWindow::siteListRefreshRequested, this, [this] {
        if (m_sitePane)
            m_sitePane->refresh();
    });
    connect(window, &DocumentWindow::popupRequested, this,
            [this, window](const QPoint &pos) { showPopup(window, pos); });
    connect(window, &DocumentWindow::saveRequested, this,
            [this, window] { filecommands::save(*this, *window); });
    auto *spell = new SpellHighlighter(*window->editor(), *m_spelling);
    connect(spell, &SpellHighlighter::addFailed, this, [this](const QString &reason) {
        m_dialogs.message(this,
                          tr("The word could not be added to your dictionary.\n%1").arg(reason),
                          tr("Spelling"), DialogService::Buttons::Ok, DialogService::Icon::Warning);
    });
    m_documentArea->add(window);
    m_keeper->track(window);
    m_watcher->track(window);
    connect(window, &DocumentWindow::stateChanged, this, [this, window] {
        if (window->isSaved() && !window->caption().startsWith(QLatin1String("New")))
            addRecent(window->caption());
    });
    // A new preview window starts with the manual.
    if (window->kind() == DocumentWindow::Kind::Preview)
        helpcommands::showManual(*window);
    return window;
}

DocumentWindow *MainWindow::activeDocument() const
{
    return m_documentArea->activeDocument();
}

QList<DocumentWindow *> MainWindow::documents() const
{
    return m_documentArea->documents();
}

void MainWindow::activateDocument(DocumentWindow *document)
{
    m_documentArea->activate(document);
}

int MainWindow::documentCount() const
{
    return m_documentArea->count();
}

void MainWindow::updateWindowMenu()
{
    for (QAction *a : m_documentArea->fillWindowMenu(m_windowMenu, m_windowCommands))
        m_actions.insert(a->objectName(), a);
    giveMnemonics(m_windowMenu);
}

void MainWindow::giveMnemonics(QMenu *menu)
{
    if (!menu)
        return;
    QList<QAction *> items;
    QStringList captions;
    for (QAction *a : menu->actions()) {
        if (a->isSeparator() || a->text().isEmpty())
            continue;
        items << a;
        captions << a->text();
    }
    const QStringList assigned = mnemonics::assign(captions);
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (assigned.at(i) != captions.at(i))
            items.at(i)->setText(assigned.at(i));
    }
}

void MainWindow::showTips(bool fromStartup)
{
    TipsWindow::Context context{m_settings, m_dialogs, m_state.siteFilePath,
                                [this](const QString &path) {
                                    // Into the start-up document while it is untouched; typed text
                                    // is never replaced: then the file gets a window of its own.
                                    DocumentWindow *doc = activeDocument();
                                    if (!doc || !doc->isSaved() ||
                                        doc->editor()->characterLength() > 0)
                                        return openFile(path);
                                    QString error;
                                    if (loadInto(*doc, path, &error))
                                        return true;
                                    if (!error.isEmpty())
                                        reportCannotOpen(path, error);
                                    return false;
                                },
                                [this](const QString &id) { return openBuilder(id); }};
    auto *tips = new TipsWindow(context, fromStartup, this);
    if (fromStartup) {
        tips->show();
    } else {
        tips->exec();
    }
}

DocumentWindow *MainWindow::newDocument()
{
    DocumentWindow *doc = createDocument();
    doc->setCaption(QStringLiteral("New"));
    return doc;
}

bool MainWindow::loadInto(DocumentWindow &doc, const QString &path, QString *error)
{
    QString why;
    const qint64 size = textfile::regularFileSize(path, &why);
    if (size < 0) {
        if (error)
            *error = why;
        return false;
    }
    if (size > textfile::LargeFileBytes) {
        const auto answer = m_dialogs.message(
            this,
            QStringLiteral("%1 is %2 MB. Opening it may take a while and much memory.\n"
                           "Open it anyway?")
                .arg(path)
                .arg(size / (1024 * 1024)),
            tr("Open"), DialogService::Buttons::YesNo, DialogService::Icon::Question);
        if (answer != DialogService::Answer::Yes) {
            if (error)
                error->clear(); // the user's choice: nothing to report
            return false;
        }
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = doc.loadFile(path, error);
    QApplication::restoreOverrideCursor();
    if (!ok)
        return false;
    doc.setCaption(path);
    doc.setSaved(true);
    if (&doc == activeDocument())
        smartcolor();
    return true;
}

bool MainWindow::openFile(const QString &path)
{
    DocumentWindow *doc = newDocument();
    QString error;
    if (!loadInto(*doc, path, &error)) {
        // An empty window for a file that could not be read helps nobody.
        doc->setSaved(true);
        m_documentArea->closeDocument(doc);
        if (!error.isEmpty())
            reportCannotOpen(path, error);
        return false;
    }
    return true;
}

void MainWindow::reportCannotOpen(const QString &path, const QString &error)
{
    m_dialogs.message(this, tr("Cannot open %1\n%2").arg(path, error), tr("Open"),
                      DialogService::Buttons::Ok, DialogService::Icon::Warning);
}

HtmlEditor *MainWindow::activeEditor()
{
    DocumentWindow *doc = activeDocument();
    return doc ? doc->editor() : nullptr;
}

void MainWindow::insertFragment(const QString &fragment)
{
    setEnabled(true);
    HtmlEditor *editor = activeEditor();
    if (!editor)
        return;
    setHint(tr("Color coding"));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    insertion::insertFragment(*editor, m_state, fragment);
    QApplication::restoreOverrideCursor();
    setHint(QString());
}

void MainWindow::wrapSelection(const QString &first, const QString &last)
{
    HtmlEditor *editor = activeEditor();
    if (!editor)
        return;
    insertFragment(tagcommands::fragment(first, editor->selText(), last));
}

void MainWindow::smartcolor()
{
    HtmlEditor *editor = activeEditor();
    if (!editor || m_state.colouringOff)
        return;
    setHint(tr("Color coding"));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    insertion::smartcolor(*editor, m_state);
    QApplication::restoreOverrideCursor();
    setHint(QString());
}

bool MainWindow::openBuilder(const QString &id, const QString &argument)
{
    const registry::BuilderRow *row = registry::find(id);
    if (!row)
        return false;
    QWidget *window = row->open(*this, argument);
    if (auto *organizer = qobject_cast<OrganizerWindow *>(window))
        coverAgenda(organizer);
    return true;
}

bool MainWindow::openBuilderFor(FileRole role, const QString &file)
{
    const registry::BuilderRow *row = registry::forFiles(role);
    return row && openBuilder(row->id, file);
}

QString MainWindow::documentText() const
{
    const DocumentWindow *doc = activeDocument();
    return doc ? doc->editor()->documentText() : QString();
}

QString MainWindow::selectedText() const
{
    const DocumentWindow *doc = activeDocument();
    return doc ? doc->editor()->selText() : QString();
}

void MainWindow::focusDocument()
{
    if (HtmlEditor *editor = activeEditor())
        editor->setFocus();
}

void MainWindow::preferencesChanged()
{
    m_spelling->setLive(m_state.spellCheck);
    m_spelling->setChosenLanguage(m_state.spellLanguage);
    m_sideBar->refreshCustomList();
    for (int i = 0; i < 6; ++i) {
        if (auto *button = findChild<QToolButton *>(QStringLiteral("Command84_%1").arg(i)))
            button->setText(m_state.customCaptions[i]);
    }
}

void MainWindow::insertColour(const QColor &colour)
{
    if (HtmlEditor *editor = activeEditor())
        editor->setSelText(colour::html(formkit::colourNumber(colour)));
}

// Print and Print Preview: the desktop's dialogs choose the printer and
// the pages; with no printer installed the dialog starts on a PDF file.
// An empty document prints nothing.
void MainWindow::printActive(bool preview)
{
    DocumentWindow *doc = activeDocument();
    if (!doc)
        return;
    const QString title = preview ? tr("Print Preview") : tr("Print");
    if (doc->editor()->documentText().trimmed().isEmpty()) {
        m_dialogs.message(this, tr("There is nothing to print: the document is empty."), title);
        return;
    }
    QsciPrinter printer(QPrinter::HighResolution);
    printer.setDocName(doc->caption());
    if (QPrinterInfo::defaultPrinter().isNull()) {
        // Never over an existing file: the next free name.
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printing::pdfPathFor(doc->caption()));
    }
    HtmlEditor *editor = doc->editor();
    if (preview) {
        m_dialogs.printPreview(this, printer, [editor](QPrinter *target) {
            printing::printDocument(*editor, *static_cast<QsciPrinter *>(target));
        });
        return;
    }
    if (!m_dialogs.choosePrinter(this, printer))
        return;
    // A file is printed into a temporary that goes in place once complete.
    std::optional<safefile::Pending> pdf;
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        pdf.emplace(printer.outputFileName());
        printer.setOutputFileName(pdf->temporaryPath());
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString error = pdf ? pdf->error() : QString();
    const bool ok = error.isEmpty() && printing::printDocument(*editor, printer) &&
                    (!pdf || pdf->commit(&error));
    QApplication::restoreOverrideCursor();
    if (!ok) {
        m_dialogs.message(this,
                          tr("The document could not be printed.") +
                              (error.isEmpty() ? QString() : u'\n' + error),
                          title, DialogService::Buttons::Ok, DialogService::Icon::Warning);
    } else if (pdf) {
        m_dialogs.message(this, tr("The document was printed to %1").arg(pdf->path()), title);
    }
}

// Closing asks every document in turn; Cancel in any of them stops the
// whole close and the program keeps running.
void MainWindow::closeEvent(QCloseEvent *event)
{
    m_state.closeCancelled = false;
    storeSession();
    while (m_documentArea->count() > 0) {
        DocumentWindow *doc = activeDocument();
        if (!doc)
            doc = m_documentArea->documents().constLast();
        if (!m_documentArea->closeDocument(doc) || m_state.closeCancelled) {
            event->ignore();
            return;
        }
    }
    storeBars();
    event->accept();
}

#include "shell/mainwindow.h"

#include "editor/editcommands.h"
#include "editor/htmleditor.h"
#include "editor/insertion.h"
#include "editor/printing.h"
#include "editor/tagcommands.h"
#include "help/helpcommands.h"
#include "help/tipswindow.h"
#include "import/importcommands.h"
#include "kernel/builderids.h"
#include "kernel/htmlvalues.h"
#include "kernel/settingscatalog.h"
#include "kernel/settingsstore.h"
#include "platform/dialogservice.h"
#include "platform/heap.h"
#include "platform/launcher.h"
#include "platform/numbers.h"
#include "platform/safefile.h"
#include "platform/textfile.h"
#include "shell/builderregistry.h"
#include "shell/menutree.h"
#include "shell/palettecatalog.h"
#include "shell/settingsdialog.h"
#include "shell/sidebar.h"
#include "shell/windowplacement.h"
#include "site/filecommands.h"
#include "site/sitepane.h"

#include <optional>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDockWidget>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QLinearGradient>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinterInfo>
#include <QPushButton>
#include <Qsci/qsciprinter.h>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
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
    {"New", "Creates a new HTML document"},
    {"Open", "Opens an existing HTML or TXT file"},
    {"Save", "Saves the HTML file"},
    {"Save As", "Saves the HTML file"},
    {"Print", "Prints the HTML document"},
    {"External Preview", "Previews the HTML document in external browser"},
    {"Find Files", ""},
};

// A spectrum with lighter and darker rows, for picking a colour by clicking.
QPixmap paletteImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int x = 0; x < width; ++x) {
        const double hue = double(x) / width;
        for (int y = 0; y < height; ++y) {
            const double t = double(y) / (height - 1);
            QColor c = QColor::fromHsvF(hue, 1.0, 1.0);
            if (t < 0.5)
                c = QColor::fromHsvF(hue, t * 2, 1.0);
            else
                c = QColor::fromHsvF(hue, 1.0, 1.0 - (t - 0.5) * 2);
            image.setPixelColor(x, y, c);
        }
    }
    // The last stretch is a grey ramp from white to black.
    const int greyStart = width * 9 / 10;
    for (int x = greyStart; x < width; ++x) {
        const int v = 255 - (x - greyStart) * 255 / qMax(1, width - greyStart - 1);
        for (int y = 0; y < height; ++y)
            image.setPixelColor(x, y, QColor(v, v, v));
    }
    return QPixmap::fromImage(image);
}

} // namespace

MainWindow::MainWindow(SettingsStore &settings, DialogService &dialogs, bool useIE, QWidget *parent)
    : QMainWindow(parent), m_settings(settings), m_dialogs(dialogs)
{
    m_state.useIE = useIE;
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(QStringLiteral("Lorimel 3.0"));
    m_mdi = new QMdiArea(this);
    m_mdi->setObjectName(QStringLiteral("MDIClient"));
    m_mdi->setBackground(QColor(128, 128, 128));
    setCentralWidget(m_mdi);
    m_mdi->viewport()->installEventFilter(this);
    m_mdi->viewport()->setMouseTracking(true);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, [this] {
        updateWindowMenu();
        showActiveLength();
    });

    buildMenus();
    buildBars();
    buildStatusBar();
    connectEditCommands();
    connectTools();
    connectBuilders();
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
    disconnect(m_mdi, nullptr, this, nullptr);
    for (const auto &doc : std::as_const(m_documents)) {
        if (doc)
            disconnect(doc, nullptr, this, nullptr);
    }
    delete m_mdi;
}

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

QToolBar *MainWindow::bar(const QString &objectName) const
{
    return m_bars.value(objectName);
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
            const QString caption = QString::fromUtf8(e.caption);
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
    build(menutree::menuBar(), false);
    build(menutree::popupMenus(), true);
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
    for (const BarInfo &b : kBars) {
        QAction *a = action(QLatin1String(b.menuItem));
        markBuilt(a->objectName());
        a->setCheckable(true);
        a->setChecked(true);
    }
}

// The keys every desktop editor has, beside F1, F2 and F3.
void MainWindow::addShortcuts()
{
    const struct
    {
        const char *item;
        QList<QKeySequence> keys;
    } shortcuts[] = {
        {"mnuNewItem", {QKeySequence(Qt::CTRL | Qt::Key_N)}},
        {"mnuOpenItem", {QKeySequence(Qt::CTRL | Qt::Key_O)}},
        {"mnuSaveregItem", {QKeySequence(Qt::Key_F2), QKeySequence(Qt::CTRL | Qt::Key_S)}},
        {"mnuSaveItem", {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}},
        {"mnuPrintItem", {QKeySequence(Qt::CTRL | Qt::Key_P)}},
        {"mnuExitItem", {QKeySequence(Qt::CTRL | Qt::Key_Q)}},
        {"mnuFindItem", {QKeySequence(Qt::Key_F3), QKeySequence(Qt::CTRL | Qt::Key_F)}},
        {"mnuReplaceItem", {QKeySequence(Qt::CTRL | Qt::Key_H)}},
        {"mnuManualItem", {QKeySequence(Qt::Key_F1)}},
    };
    for (const auto &s : shortcuts)
        action(QLatin1String(s.item))->setShortcuts(s.keys);

    // Window commands live in the Window menu, which is rebuilt each time it
    // opens; the actions stay with the main window so their keys always work.
    auto windowCommand = [this](const char *name, const QString &caption,
                                const QList<QKeySequence> &keys, std::function<void()> fn) {
        auto *a = new QAction(caption, this);
        a->setObjectName(QLatin1String(name));
        a->setShortcuts(keys);
        connect(a, &QAction::triggered, this, fn);
        addAction(a);
        m_actions.insert(a->objectName(), a);
        m_windowCommands << a;
    };
    windowCommand("mnuCloseWindowItem", QStringLiteral("Cl&ose"),
                  {QKeySequence(Qt::CTRL | Qt::Key_W), QKeySequence(Qt::CTRL | Qt::Key_F4)},
                  [this] {
                      if (QMdiSubWindow *sub = m_mdi->activeSubWindow())
                          sub->close();
                  });
    windowCommand("mnuNextWindowItem", QStringLiteral("Ne&xt Window"),
                  {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_F6)},
                  [this] { m_mdi->activateNextSubWindow(); });
    windowCommand("mnuPreviousWindowItem", QStringLiteral("Pre&vious Window"),
                  {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F6)},
                  [this] { m_mdi->activatePreviousSubWindow(); });

    // Pane cycling sits in the View menu.
    QMenu *view = findChild<QMenu *>(QStringLiteral("mnuView"));
    view->addSeparator();
    QAction *next = addItem(view, QStringLiteral("mnuNextPaneItem"), QStringLiteral("Next &Pane"));
    next->setShortcut(QKeySequence(Qt::Key_F6));
    connect(next, &QAction::triggered, this, [this] { focusNextPane(true); });
    QAction *previous =
        addItem(view, QStringLiteral("mnuPreviousPaneItem"), QStringLiteral("Previous Pa&ne"));
    previous->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F6));
    connect(previous, &QAction::triggered, this, [this] { focusNextPane(false); });
}

QList<QWidget *> MainWindow::panes() const
{
    QList<QWidget *> list;
    if (DocumentWindow *doc = activeDocument())
        list << doc->editor();
    for (QWidget *w : {static_cast<QWidget *>(m_sideBar), static_cast<QWidget *>(m_sitePane),
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
    QToolBar *main = addToolBar(QStringLiteral("Main Toolbar"));
    main->setObjectName(QStringLiteral("Picture1"));
    main->setMovable(false);
    main->setToolButtonStyle(Qt::ToolButtonTextOnly);
    for (int i = 0; i < int(std::size(kToolbar)); ++i) {
        auto *button = new QToolButton(main);
        button->setObjectName(QStringLiteral("Command44_%1").arg(i));
        button->setText(QLatin1String(kToolbar[i].caption));
        button->setProperty("hint", QLatin1String(kToolbar[i].hint));
        button->setEnabled(false); // the file commands come with the site tools
        button->installEventFilter(this);
        button->setMouseTracking(true);
        main->addWidget(button);
        m_toolbarButtons << button;
    }
    main->addSeparator();
    m_smartColorButton = new QToolButton(main);
    m_smartColorButton->setObjectName(QStringLiteral("Command96"));
    m_smartColorButton->setText(QStringLiteral("Smartcolor"));
    m_smartColorButton->setToolTip(QStringLiteral("Color-Codes  HTML Syntax"));
    m_smartColorButton->setProperty("hint", QStringLiteral("Color codes the HTML code"));
    m_smartColorButton->setEnabled(false);
    m_smartColorButton->installEventFilter(this);
    m_smartColorButton->setMouseTracking(true);
    main->addWidget(m_smartColorButton);
    main->addSeparator();
    // The organizer needs no document: its button is always on.
    auto *organizerButton = new QToolButton(main);
    organizerButton->setObjectName(QStringLiteral("Command1"));
    organizerButton->setText(QStringLiteral("Ostrel PIM"));
    organizerButton->setToolTip(QStringLiteral("Calendar, phone numbers and favourite addresses"));
    connect(organizerButton, &QToolButton::clicked, this,
            [this] { openBuilder(QLatin1String(builderid::Organizer)); });
    main->addWidget(organizerButton);
    main->installEventFilter(this);
    main->setMouseTracking(true);
    m_bars.insert(main->objectName(), main);

    // Custom bar, below the toolbar.
    addToolBarBreak();
    QToolBar *custom = addToolBar(QStringLiteral("Custom Bar"));
    custom->setObjectName(QStringLiteral("Picture15"));
    custom->setMovable(false);
    for (int i = 0; i < 7; ++i) {
        auto *button = new QToolButton(custom);
        button->setObjectName(QStringLiteral("Command84_%1").arg(i));
        button->setText(i < 6 ? m_state.customCaptions[i] : QStringLiteral("Customize"));
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
    QToolBar *colours = addToolBar(QStringLiteral("Color Bar"));
    colours->setObjectName(QStringLiteral("Picture14"));
    colours->setMovable(false);
    m_palette = new QLabel(colours);
    m_palette->setObjectName(QStringLiteral("ColorPalette"));
    m_palette->setPixmap(paletteImage(600, 18));
    m_palette->setToolTip(QStringLiteral("Click a colour to insert its value"));
    m_palette->setAccessibleName(QStringLiteral("Colour bar: click a colour to insert its value"));
    m_palette->installEventFilter(this);
    colours->addWidget(m_palette);
    auto *colourButton = new QToolButton(colours);
    colourButton->setObjectName(QStringLiteral("Command83"));
    colourButton->setText(QStringLiteral("Color..."));
    colourButton->setToolTip(QStringLiteral("Choose a colour and insert its value"));
    connect(colourButton, &QToolButton::clicked, this, [this] { m_sideBar->quickColor(); });
    colours->addWidget(colourButton);
    m_bars.insert(colours->objectName(), colours);

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
    QDockWidget *side =
        makeDock(QStringLiteral("Picture5"), QStringLiteral("Side Bar"), Qt::TopDockWidgetArea);
    m_sideBar = new SideBar(*this, side);
    side->setWidget(m_sideBar);
    m_sideBar->installEventFilter(this);
    m_sideBar->setMouseTracking(true);
    makeDock(QStringLiteral("Picture11"), QStringLiteral("Website Manager"),
             Qt::LeftDockWidgetArea);

    for (const BarInfo &b : kBars) {
        QAction *item = action(QLatin1String(b.menuItem));
        const QString barName = QLatin1String(b.name);
        connect(item, &QAction::triggered, this,
                [this, barName, item] { toggleBar(barName, item); });
    }
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
    m_panels[0]->setText(QStringLiteral("File Size"));
    m_panels[2]->setText(QStringLiteral("Message"));
    // Named for what they hold, not for the text they show now.
    const char *purposes[4] = {"File Size", "Characters", "Message", "Hint"};
    for (int i = 0; i < 4; ++i)
        m_panels[i]->setAccessibleName(QLatin1String(purposes[i]));
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
    if (watched == m_palette && event->type() == QEvent::MouseButtonPress) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton)
            pickFromColourBar(mouse->position().toPoint());
        return true;
    }
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
    settings::write(m_settings, settings::windowGeometry(),
                    QString::fromLatin1(saveGeometry().toBase64()));
    settings::write(m_settings, settings::windowLayout(),
                    QString::fromLatin1(saveState().toBase64()));
    if (auto *splitter = findChild<QSplitter *>(QStringLiteral("SiteSplitter")))
        settings::write(m_settings, settings::siteSplitter(),
                        QString::fromLatin1(splitter->saveState().toBase64()));
    if (!m_settings.sync()) {
        m_dialogs.message(this, m_settings.lastError(), QStringLiteral("Settings"),
                          DialogService::Buttons::Ok, DialogService::Icon::Warning);
    }
}

void MainWindow::load(const QStringList &fontList, const QString &commandLineFile)
{
    setHint(QStringLiteral("Getting Data From Computer"));
    m_state.fontList = fontList;
    // The first run fills the screen; later ones come back as they were.
    const QByteArray geometry =
        QByteArray::fromBase64(settings::text(m_settings, settings::windowGeometry()).toLatin1());
    if (!geometry.isEmpty() && restoreGeometry(geometry)) {
        restoreState(QByteArray::fromBase64(
            settings::text(m_settings, settings::windowLayout()).toLatin1()));
        show();
    } else {
        showMaximized();
    }
    layout()->activate(); // the document area has its size before the first document

    m_state.loadPreferences(m_settings, QDir::homePath(), QCoreApplication::applicationDirPath());

    // The site pane opens at the stored web-site folder.
    auto *siteDock = findChild<QDockWidget *>(QStringLiteral("Picture11"));
    m_sitePane = new SitePane(*this, siteDock);
    siteDock->setWidget(m_sitePane);
    if (auto *splitter = m_sitePane->findChild<QSplitter *>(QStringLiteral("SiteSplitter")))
        splitter->restoreState(QByteArray::fromBase64(
            settings::text(m_settings, settings::siteSplitter()).toLatin1()));
    m_sitePane->setContextMenu(m_websiteMenu);
    connect(action(QStringLiteral("mnuWebsiteLinkItem")), &QAction::triggered, m_sitePane,
            &SitePane::linkSelected);
    for (int i = 0; i < 3; ++i)
        m_sitePane->commandButton(i)->installEventFilter(this); // status-bar hints
    connect(action(QStringLiteral("mnuWebsiteRenameItem")), &QAction::triggered, m_sitePane,
            &SitePane::renameSelected);
    connect(action(QStringLiteral("mnuWebsiteDeleteItem")), &QAction::triggered, m_sitePane,
            &SitePane::deleteSelected);
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

    DocumentWindow *first = createDocument();
    m_state.newnum = 1;
    first->setCaption(QStringLiteral("New 1"));
    if (!m_state.useIE) {
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

    m_state.textLength = 0;
    m_state.textStart = 0;
    first->setSaver(true);
    setHint(QString());

    if (first->editor()->characterLength() == 0 &&
        settings::text(m_settings, settings::showTips()) == QLatin1String("yes")) {
        showTips(true);
    }
}

DocumentWindow *MainWindow::createDocument()
{
    auto *window = new DocumentWindow(m_state.useIE ? DocumentWindow::Kind::Preview
                                                    : DocumentWindow::Kind::Plain,
                                      m_state, m_dialogs);
    adoptDocument(window);
    const int index = int(m_mdi->subWindowList().size());
    QMdiSubWindow *sub = m_mdi->addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    // The Window menu's Close owns these keys; two owners would cancel out.
    for (QAction *a : sub->systemMenu()->actions()) {
        for (const QKeySequence &keys : a->shortcuts()) {
            if (m_windowCommands.first()->shortcuts().contains(keys)) {
                a->setShortcuts({});
                break;
            }
        }
    }
    sub->show();
    const int step = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, sub) + 4;
    sub->setGeometry(placement::documentGeometry(m_mdi->viewport()->size(), index, step));
    m_mdi->setActiveSubWindow(sub);
    window->editor()->setFocus();
    // A new preview window starts with the manual; when the preview file
    // cannot be written it simply starts empty.
    if (window->kind() == DocumentWindow::Kind::Preview)
        helpcommands::showManual(*window);
    return window;
}

void MainWindow::adoptDocument(DocumentWindow *window)
{
    m_documents << window;
    connect(window, &DocumentWindow::lengthChanged, this, [this, window](qsizetype length) {
        if (window == activeDocument())
            m_panels[1]->setText(QString::number(length));
    });
    connect(window, &DocumentWindow::hintRequested, this, &MainWindow::setHint);
    connect(window, &DocumentWindow::siteListRefreshRequested, this, [this] {
        if (m_sitePane)
            m_sitePane->refresh();
    });
    connect(window, &DocumentWindow::popupRequested, this,
            [this](const QPoint &pos) { m_popMenu->popup(pos); });
    connect(window, &DocumentWindow::closing, this, [this](DocumentWindow *closed) {
        m_documents.removeAll(closed);
        updateDocumentCommands();
        showActiveLength();
    });
    updateDocumentCommands();
}

DocumentWindow *MainWindow::activeDocument() const
{
    if (QMdiSubWindow *sub = m_mdi->activeSubWindow()) {
        if (auto *doc = qobject_cast<DocumentWindow *>(sub->widget());
            doc && m_documents.contains(doc))
            return doc;
    }
    // Without an active window (the main window lost focus) the last one
    // activated still counts.
    const QList<QMdiSubWindow *> order = m_mdi->subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto it = order.crbegin(); it != order.crend(); ++it) {
        if (auto *doc = qobject_cast<DocumentWindow *>((*it)->widget());
            doc && m_documents.contains(doc))
            return doc;
    }
    return nullptr;
}

QList<DocumentWindow *> MainWindow::documents() const
{
    QList<DocumentWindow *> list;
    for (const auto &doc : m_documents) {
        if (doc)
            list << doc;
    }
    return list;
}

// Commands that need a document are enabled only while one is open.
void MainWindow::updateDocumentCommands()
{
    const bool any = !m_documents.isEmpty();
    const QStringList names{QStringLiteral("mnuEdit"),
                            QStringLiteral("mnuHTML"),
                            QStringLiteral("mnuTools"),
                            QStringLiteral("mnuPrintItem"),
                            QStringLiteral("mnuSaveregItem"),
                            QStringLiteral("mnuSaveItem"),
                            QStringLiteral("mnuWebsiteLinkItem"),
                            QStringLiteral("mnuImport2"),
                            QStringLiteral("mnuImport3"),
                            QStringLiteral("mnuSettingsItem")};
    for (const QString &name : names) {
        QAction *a = action(name);
        a->setEnabled(any && !m_unbuilt.contains(a));
    }
    for (int i = 2; i <= 5; ++i)
        m_toolbarButtons[i]->setEnabled(any && m_toolbarButtons[i]->property("built").toBool());
    for (QAction *a : std::as_const(m_windowCommands))
        a->setEnabled(any);
    m_smartColorButton->setEnabled(any && m_smartColorButton->property("built").toBool());
    for (const char *name : {"Picture14", "Picture15"}) {
        if (QWidget *w = findChild<QWidget *>(QLatin1String(name)))
            w->setEnabled(any);
    }
    if (m_sideBar)
        m_sideBar->setDocumentsOpen(any);
    emit documentCountChanged(m_documents.size());
}

void MainWindow::updateWindowMenu()
{
    m_windowMenu->clear();
    QAction *cascade = m_windowMenu->addAction(QStringLiteral("&Cascade Child Forms"));
    cascade->setObjectName(QStringLiteral("mnuCascadeItem"));
    connect(cascade, &QAction::triggered, m_mdi, &QMdiArea::cascadeSubWindows);
    QAction *tile = m_windowMenu->addAction(QStringLiteral("&Tile Child Forms"));
    tile->setObjectName(QStringLiteral("mnuTileItem"));
    connect(tile, &QAction::triggered, this, [this] {
        // One above the other, each the full width.
        QList<QMdiSubWindow *> windows;
        for (QMdiSubWindow *w : m_mdi->subWindowList()) {
            if (!w->isMinimized() && w->isVisible())
                windows << w;
        }
        if (windows.isEmpty())
            return;
        const int h = m_mdi->viewport()->height() / windows.size();
        int y = 0;
        for (QMdiSubWindow *w : windows) {
            w->showNormal();
            w->setGeometry(0, y, m_mdi->viewport()->width(), h);
            y += h;
        }
    });
    QAction *arrange = m_windowMenu->addAction(QStringLiteral("&Arrange Icons"));
    arrange->setObjectName(QStringLiteral("mnuArrangeItem"));
    connect(arrange, &QAction::triggered, this, [this] {
        // Minimised windows in a row along the bottom.
        int x = 0;
        for (QMdiSubWindow *w : m_mdi->subWindowList()) {
            if (!w->isMinimized())
                continue;
            w->move(x, m_mdi->viewport()->height() - w->height());
            x += w->width();
        }
    });
    for (QAction *a : {cascade, tile, arrange})
        m_actions.insert(a->objectName(), a);
    m_windowMenu->addSeparator();
    m_windowMenu->addActions(m_windowCommands);
    const QList<DocumentWindow *> docs = documents();
    if (!docs.isEmpty())
        m_windowMenu->addSeparator();
    DocumentWindow *active = activeDocument();
    int n = 1;
    for (DocumentWindow *doc : docs) {
        QString entry = QStringLiteral("&%1 %2").arg(n++).arg(doc->caption());
        if (!doc->saver())
            entry += QStringLiteral(" *");
        QAction *a = m_windowMenu->addAction(entry);
        a->setCheckable(true);
        a->setChecked(doc == active);
        connect(a, &QAction::triggered, this, [this, doc] {
            if (auto *sub = qobject_cast<QMdiSubWindow *>(doc->parentWidget()))
                m_mdi->setActiveSubWindow(sub);
        });
    }
}

void MainWindow::launchTool(int tool)
{
    const QString program = launcher::findTool(launcher::Tool(tool));
    if (program.isEmpty() || !launcher::start(program)) {
        m_dialogs.message(
            this, QStringLiteral("This Windows Application is not installed on your computer"));
    }
}

void MainWindow::showTips(bool fromStartup)
{
    TipsWindow::Context context{m_settings, m_dialogs, m_state.siteFilePath,
                                [this](const QString &path) {
                                    // Into the start-up document while it is untouched; typed text
                                    // is never replaced: then the file gets a window of its own.
                                    DocumentWindow *doc = activeDocument();
                                    if (!doc || !doc->saver() ||
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
            QStringLiteral("Open"), DialogService::Buttons::YesNo, DialogService::Icon::Question);
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
    doc.setSaver(true);
    if (&doc == activeDocument())
        smartcolor();
    // The buffers of reading, decoding and colouring are gone: their space
    // goes back to the system instead of staying with the program.
    heap::releaseFreed();
    return true;
}

bool MainWindow::openFile(const QString &path)
{
    DocumentWindow *doc = newDocument();
    QString error;
    if (!loadInto(*doc, path, &error)) {
        // An empty window for a file that could not be read helps nobody.
        doc->setSaver(true);
        if (auto *sub = qobject_cast<QMdiSubWindow *>(doc->parentWidget()))
            sub->close();
        if (!error.isEmpty())
            reportCannotOpen(path, error);
        return false;
    }
    return true;
}

void MainWindow::reportCannotOpen(const QString &path, const QString &error)
{
    m_dialogs.message(this, QStringLiteral("Cannot open %1\n%2").arg(path, error),
                      QStringLiteral("Open"), DialogService::Buttons::Ok,
                      DialogService::Icon::Warning);
}

HtmlEditor *MainWindow::activeEditor()
{
    DocumentWindow *doc = activeDocument();
    return doc ? doc->editor() : nullptr;
}

void MainWindow::portableColor(const QString &fragment)
{
    setEnabled(true);
    HtmlEditor *editor = activeEditor();
    if (!editor)
        return;
    setHint(QStringLiteral("Color coding"));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    insertion::portableColor(*editor, m_state, fragment);
    QApplication::restoreOverrideCursor();
    setHint(QString());
}

void MainWindow::addstuff(const QString &first, const QString &last)
{
    HtmlEditor *editor = activeEditor();
    if (!editor)
        return;
    portableColor(tagcommands::fragment(first, editor->selText(), last));
}

void MainWindow::smartcolor()
{
    HtmlEditor *editor = activeEditor();
    if (!editor || m_state.colorOnOff)
        return;
    setHint(QStringLiteral("Color coding"));
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
    row->open(*this, argument);
    return true;
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

// Every builder and tool window in the registry: its menu items open it
// and its palette tabs are enabled.
void MainWindow::connectBuilders()
{
    QSet<QString> available;
    for (const registry::BuilderRow &row : registry::rows()) {
        available.insert(row.id);
        for (const QString &item : row.menuItems) {
            markBuilt(item);
            const QString id = row.id;
            connect(action(item), &QAction::triggered, this, [this, id] { openBuilder(id); });
        }
    }
    m_sideBar->setAvailableBuilders(available);
}

void MainWindow::preferencesChanged()
{
    m_sideBar->refreshCustomList();
    for (int i = 0; i < 6; ++i) {
        if (auto *button = findChild<QToolButton *>(QStringLiteral("Command84_%1").arg(i)))
            button->setText(m_state.customCaptions[i]);
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
            m_state.undo.undoYes = false;
            QGuiApplication::clipboard()->setText(e.selText());
            e.setSelText(QString());
        });
        onEditor(prefix + QStringLiteral("CopyItem"),
                 [](HtmlEditor &e) { QGuiApplication::clipboard()->setText(e.selText()); });
        onEditor(prefix + QStringLiteral("PasteItem"), [this](HtmlEditor &e) {
            setHint(QStringLiteral("Color coding"));
            insertion::paste(e, m_state, QGuiApplication::clipboard()->text());
            setHint(QString());
        });
        onEditor(prefix + QStringLiteral("DeleteItem"),
                 [](HtmlEditor &e) { e.setSelText(QString()); });
    }
    onEditor(QStringLiteral("mnuSelectAllItem"),
             [](HtmlEditor &e) { e.select(0, e.characterLength()); });

    // Tag commands: menu items are matched to the command table by caption.
    for (const tagcommands::TagCommand &command : tagcommands::tagCommands()) {
        for (QAction *a : m_actions) {
            const bool inPopup = a->parent() == m_popMenu;
            const QString &caption = inPopup ? command.popupCaption : command.menuCaption;
            if (caption.isEmpty() || a->text() != caption || a->menu())
                continue;
            markBuilt(a->objectName());
            const QString first = command.firstTag;
            const QString last = command.lastTag;
            connect(a, &QAction::triggered, this, [this, first, last] { addstuff(first, last); });
        }
    }

    markBuilt(QStringLiteral("Command96"));
    connect(m_smartColorButton, &QToolButton::clicked, this, [this] {
        m_state.textLength = 0; // the button always colours the whole document
        smartcolor();
    });

    markBuilt(QStringLiteral("mnuPrintItem"));
    markBuilt(QStringLiteral("Command44_4"));
    connect(action(QStringLiteral("mnuPrintItem")), &QAction::triggered, this,
            &MainWindow::printActive);
    connect(m_toolbarButtons[4], &QToolButton::clicked, this, &MainWindow::printActive);
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
    always(QStringLiteral("mnuUpperCaseItem"), [this] { editcommands::UCaser(*this); });
    always(QStringLiteral("mnuLowerCaseItem"), [this] { editcommands::LCaser(*this); });
    // New and Open need no document: their buttons are always on.
    m_toolbarButtons[0]->setEnabled(true);
    m_toolbarButtons[1]->setEnabled(true);
    updateDocumentCommands();
}

void MainWindow::pickFromColourBar(const QPoint &pos)
{
    HtmlEditor *editor = activeEditor();
    // Only the palette's first 9000 twips are colours.
    if (!editor || pos.x() >= 9000 / numbers::TwipsPerPixel || !m_palette->pixmap())
        return;
    const QImage image = m_palette->pixmap().toImage();
    if (!image.valid(pos))
        return;
    const QColor c = image.pixelColor(pos);
    editor->setSelText(
        htmlvalues::htmlColor(htmlvalues::colourNumber(c.red(), c.green(), c.blue())));
}

void MainWindow::printActive()
{
    DocumentWindow *doc = activeDocument();
    if (!doc)
        return;
    QsciPrinter printer(QPrinter::HighResolution);
    printer.setDocName(doc->caption());
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    // Never over an existing file: the next free name, printed into a
    // temporary that goes in place once complete.
    std::optional<safefile::Pending> pdf;
    if (info.isNull()) {
        pdf.emplace(printing::pdfPathFor(doc->caption()));
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf->temporaryPath());
    } else {
        printer.setPrinterName(info.printerName());
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QString error = pdf ? pdf->error() : QString();
    const bool ok = error.isEmpty() && printing::printDocument(*doc->editor(), printer) &&
                    (!pdf || pdf->commit(&error));
    QApplication::restoreOverrideCursor();
    if (!ok) {
        m_dialogs.message(this,
                          QStringLiteral("The document could not be printed.") +
                              (error.isEmpty() ? QString() : u'\n' + error),
                          QStringLiteral("Print"), DialogService::Buttons::Ok,
                          DialogService::Icon::Warning);
    } else if (pdf) {
        m_dialogs.message(this,
                          QStringLiteral("No printer is installed. The document was printed to %1")
                              .arg(pdf->path()),
                          QStringLiteral("Print"));
    }
}

// Closing asks every document in turn; Cancel in any of them stops the
// whole close and the program keeps running.
void MainWindow::closeEvent(QCloseEvent *event)
{
    m_state.canceler = false;
    while (!m_documents.isEmpty()) {
        DocumentWindow *doc = activeDocument();
        if (!doc)
            doc = m_documents.constLast();
        auto *sub = qobject_cast<QMdiSubWindow *>(doc->parentWidget());
        const bool closed = sub ? sub->close() : doc->close();
        if (!closed || m_state.canceler) {
            event->ignore();
            return;
        }
        // A window whose close was accepted has left the list.
        m_documents.removeAll(doc);
    }
    storeBars();
    event->accept();
}

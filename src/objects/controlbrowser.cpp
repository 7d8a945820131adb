// SPDX-License-Identifier: GPL-3.0-or-later
#include "objects/controlbrowser.h"

#include "objects/objectoptions.h"
#include "platform/dialogservice.h"
#include "platform/wineregistry.h"
#include "widgets/formkit.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

#include <memory>

using namespace objecttag;

namespace {

const char ReadingAbout[] = QT_TRANSLATE_NOOP(
    "ControlBrowser", "Use Right Mouse Button to copy controls.\nReading Registry...please wait.");
// The tag goes into the document, not onto the clipboard.
const char PickingAbout[] =
    QT_TRANSLATE_NOOP("ControlBrowser", "Select controls (use Shift and Ctrl keys to "
                                        "multi-select)\nRight-Click and choose Copy\nThis "
                                        "places the appropriate HTML <OBJECT> tag\ninto your "
                                        "document.");

// The list is empty: where the controls would have come from.
QString noControlsText(const QString &registryFile)
{
    const bool exists = QFileInfo::exists(registryFile);
    return QCoreApplication::translate(
               "ControlBrowser",
               "No ActiveX controls to list.\n\nOn Linux they come from a Wine prefix: its "
               "registry file\n%1\n%2\n\nTo read another prefix, start Lorimel with "
               "WINEPREFIX\nset to its folder.")
        .arg(registryFile,
             exists ? QCoreApplication::translate("ControlBrowser", "registers none.")
                    : QCoreApplication::translate("ControlBrowser",
                                                  "does not exist (Wine is not set up there)."));
}

} // namespace

ControlBrowser::ControlBrowser(BuilderHost &host, SettingsStore &store, const QString &registryFile)
    : BuilderDialog(host), m_registryFile(registryFile)
{
    setObjectName(QStringLiteral("frmControls"));
    setWindowTitle(tr("Select Control and Right Click"));

    m_list = new QListWidget;
    m_list->setObjectName(QStringLiteral("List1"));
    m_list->setAccessibleName(tr("Pick Your ActiveX Control"));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setMinimumSize(300, 260);
    m_list->viewport()->installEventFilter(this);
    m_list->installEventFilter(this);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &ControlBrowser::insertChosen);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &ControlBrowser::selectionChanged);

    auto *aboutBox = new QFrame;
    aboutBox->setObjectName(QStringLiteral("frmAbout"));
    aboutBox->setFrameShape(QFrame::StyledPanel);
    m_about = new QLabel(tr(ReadingAbout));
    m_about->setObjectName(QStringLiteral("lblAbout"));
    m_about->setTextFormat(Qt::PlainText);
    auto *aboutLayout = new QVBoxLayout(aboutBox);
    aboutLayout->addWidget(m_about);
    aboutLayout->addStretch(1);

    auto *body = new QHBoxLayout;
    body->addWidget(m_list, 1);
    body->addWidget(aboutBox);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addWidget(
        formkit::buttonRow(this, {{"cmdCancel", tr("&Cancel"), QDialogButtonBox::RejectRole}}));

    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("mnuControls"));
    QAction *copy = m_menu->addAction(tr("Copy"), this, &ControlBrowser::insertChosen);
    copy->setObjectName(QStringLiteral("mnuCopyItem"));
    m_menu->addSeparator();
    QAction *options = m_menu->addAction(tr("&Options..."), this, &ControlBrowser::showOptions);
    options->setObjectName(QStringLiteral("mnuOptionsItem"));

    // Made last: the browser's own buttons come first among its children.
    m_options = new ObjectOptionsDialog(host, store, this);
    m_list->setFocus();
}

ControlBrowser *ControlBrowser::open(BuilderHost &host, SettingsStore &store)
{
    auto *browser = new ControlBrowser(host, store, wineregistry::systemRegPath());
    browser->show();
    browser->raise();
    browser->activateWindow();
    browser->loadControls();
    return browser;
}

void ControlBrowser::loadControls()
{
    setWindowTitle(tr("Reading Registry, please wait..."));
    m_about->setText(tr(ReadingAbout));
    setCursor(Qt::WaitCursor);
    m_list->hide();
    m_list->clear();
    m_table.clear();

    // Read on a thread of its own: a registry file on a folder that does
    // not answer leaves the window working. Only the latest reading counts,
    // and none once the browser is gone.
    struct Reading
    {
        QList<Control> controls;
        QString error;
    };
    auto reading = std::make_shared<Reading>();
    const int generation = ++m_reading;
    QThread *thread = QThread::create([reading, file = m_registryFile] {
        reading->controls = wineregistry::readControls(file, &reading->error);
    });
    connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    connect(thread, &QThread::finished, this, [this, reading, generation] {
        if (generation != m_reading)
            return;
        m_readingShown = generation;
        showControls(reading->controls, reading->error);
    });
    thread->start();
}

void ControlBrowser::showControls(const QList<Control> &controls, const QString &error)
{
    m_table = controls;
    for (int row : listOrder(m_table)) {
        auto *item = new QListWidgetItem(listText(m_table[row]), m_list);
        item->setData(Qt::UserRole, row);
    }
    m_list->show();
    unsetCursor();
    setWindowTitle(tr("Pick Your ActiveX Control"));
    m_about->setText(m_table.isEmpty() ? noControlsText(m_registryFile) : tr(PickingAbout));
    selectionChanged();
    m_list->setFocus();
    if (!error.isEmpty()) {
        host().dialogs().message(
            this, tr("The Wine registry %1 cannot be read:\n%2").arg(m_registryFile, error),
            windowTitle(), DialogService::Buttons::Ok, DialogService::Icon::Warning);
    }
    emit controlsLoaded();
}

QList<int> ControlBrowser::selectedRows() const
{
    QList<int> rows;
    for (int i = 0; i < m_list->count(); ++i) {
        const QListWidgetItem *item = m_list->item(i);
        if (item->isSelected())
            rows << item->data(Qt::UserRole).toInt();
    }
    return rows;
}

void ControlBrowser::insertChosen()
{
    QList<Control> chosen;
    for (int row : selectedRows())
        chosen << m_table[row];
    const QString block = objectTagBlock(chosen, m_options->options());
    m_options->hide();
    finishOk(block);
}

void ControlBrowser::showOptions()
{
    m_options->move(pos());
    m_options->show();
    m_options->raise();
    m_options->activateWindow();
}

void ControlBrowser::reject()
{
    m_options->hide();
    BuilderDialog::reject();
}

void ControlBrowser::selectionChanged()
{
    const QList<int> rows = selectedRows();
    m_options->setPreviewSource(m_table, rows.isEmpty() ? -1 : rows.first());
}

void ControlBrowser::showMenu(const QPoint &globalPos)
{
    m_menu->popup(globalPos);
}

bool ControlBrowser::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_list->viewport() && event->type() == QEvent::MouseButtonRelease) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::RightButton) {
            showMenu(mouse->globalPosition().toPoint());
            return true;
        }
    }
    if (watched == m_list && event->type() == QEvent::ContextMenu) {
        // The menu key; the mouse opens the menu on release instead.
        auto *menu = static_cast<QContextMenuEvent *>(event);
        if (menu->reason() == QContextMenuEvent::Keyboard) {
            const QRect current = m_list->visualItemRect(m_list->currentItem());
            showMenu(m_list->viewport()->mapToGlobal(current.isValid() ? current.center()
                                                                       : QPoint(0, 0)));
        }
        return true;
    }
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            insertChosen();
            return true;
        }
    }
    return BuilderDialog::eventFilter(watched, event);
}

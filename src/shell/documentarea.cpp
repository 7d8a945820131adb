// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/documentarea.h"

#include "editor/documentwindow.h"
#include "editor/htmleditor.h"
#include "shell/windowplacement.h"

#include <QAction>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStyle>

DocumentArea::DocumentArea(QWidget *parent) : QMdiArea(parent)
{
    setObjectName(QStringLiteral("MDIClient"));
    setBackground(QColor(128, 128, 128));
    setTabsClosable(true);
    setTabsMovable(true);
    setDocumentMode(true);
    m_tabbed = new QAction(tr("Ta&bbed Documents"), this);
    m_tabbed->setObjectName(QStringLiteral("mnuTabbedItem"));
    m_tabbed->setCheckable(true);
    connect(m_tabbed, &QAction::triggered, this, &DocumentArea::setTabbed);
}

DocumentArea::~DocumentArea()
{
    // The sub-windows are deleted after this object's members: their
    // closing signals must not reach the list any more.
    for (const auto &document : std::as_const(m_documents)) {
        if (document)
            disconnect(document, nullptr, this, nullptr);
    }
}

void DocumentArea::add(DocumentWindow *window)
{
    m_documents << window;
    connect(window, &DocumentWindow::closing, this, [this](DocumentWindow *closed) {
        m_documents.removeAll(closed);
        emit documentsChanged(count());
    });
    const int index = int(subWindowList().size());
    QMdiSubWindow *sub = addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    for (QAction *a : sub->systemMenu()->actions()) {
        for (const QKeySequence &keys : a->shortcuts()) {
            if (m_ownedKeys.contains(keys)) {
                a->setShortcuts({});
                break;
            }
        }
    }
    // Windows the user arranged side by side stay so; otherwise documents
    // take the whole area.
    QMdiSubWindow *active = activeSubWindow();
    if (!active || active->isMaximized() || isTabbed()) {
        sub->showMaximized();
    } else {
        sub->show();
        const int step = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, sub) + 4;
        sub->setGeometry(placement::documentGeometry(viewport()->size(), index, step));
    }
    setActiveSubWindow(sub);
    window->editor()->setFocus();
    emit documentsChanged(count());
}

bool DocumentArea::closeDocument(DocumentWindow *document)
{
    auto *sub = qobject_cast<QMdiSubWindow *>(document->parentWidget());
    const bool closed = sub ? sub->close() : document->close();
    if (closed)
        m_documents.removeAll(document); // in case its closing signal was not sent
    return closed;
}

void DocumentArea::activate(DocumentWindow *document)
{
    if (auto *sub = qobject_cast<QMdiSubWindow *>(document->parentWidget()))
        setActiveSubWindow(sub);
}

bool DocumentArea::isOpen(const DocumentWindow *document) const
{
    for (const auto &d : m_documents) {
        if (d == document)
            return true;
    }
    return false;
}

DocumentWindow *DocumentArea::activeDocument() const
{
    if (QMdiSubWindow *sub = activeSubWindow()) {
        if (auto *doc = qobject_cast<DocumentWindow *>(sub->widget()); doc && isOpen(doc))
            return doc;
    }
    const QList<QMdiSubWindow *> order = subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto it = order.crbegin(); it != order.crend(); ++it) {
        if (auto *doc = qobject_cast<DocumentWindow *>((*it)->widget()); doc && isOpen(doc))
            return doc;
    }
    return nullptr;
}

QList<DocumentWindow *> DocumentArea::documents() const
{
    QList<DocumentWindow *> list;
    for (const auto &doc : m_documents) {
        if (doc)
            list << doc;
    }
    return list;
}

void DocumentArea::setTabbed(bool tabbed)
{
    m_tabbed->setChecked(tabbed);
    if (tabbed == isTabbed())
        return;
    setViewMode(tabbed ? QMdiArea::TabbedView : QMdiArea::SubWindowView);
    if (!tabbed) {
        // Back from tabs, the documents keep the whole area.
        for (QMdiSubWindow *w : subWindowList())
            w->showMaximized();
    }
}

void DocumentArea::cascade()
{
    setTabbed(false);
    for (QMdiSubWindow *w : subWindowList())
        w->showNormal();
    cascadeSubWindows();
}

void DocumentArea::tile()
{
    setTabbed(false);
    QList<QMdiSubWindow *> windows;
    for (QMdiSubWindow *w : subWindowList()) {
        if (!w->isMinimized() && w->isVisible())
            windows << w;
    }
    if (windows.isEmpty())
        return;
    const int h = viewport()->height() / int(windows.size());
    int y = 0;
    for (QMdiSubWindow *w : windows) {
        w->showNormal();
        w->setGeometry(0, y, viewport()->width(), h);
        y += h;
    }
}

void DocumentArea::arrangeIcons()
{
    int x = 0;
    for (QMdiSubWindow *w : subWindowList()) {
        if (!w->isMinimized())
            continue;
        w->move(x, viewport()->height() - w->height());
        x += w->width();
    }
}

QList<QAction *> DocumentArea::fillWindowMenu(QMenu *menu, const QList<QAction *> &commands)
{
    menu->clear();
    QAction *cascade = menu->addAction(tr("&Cascade Child Forms"));
    cascade->setObjectName(QStringLiteral("mnuCascadeItem"));
    connect(cascade, &QAction::triggered, this, &DocumentArea::cascade);
    QAction *tileAction = menu->addAction(tr("&Tile Child Forms"));
    tileAction->setObjectName(QStringLiteral("mnuTileItem"));
    connect(tileAction, &QAction::triggered, this, &DocumentArea::tile);
    QAction *arrange = menu->addAction(tr("&Arrange Icons"));
    arrange->setObjectName(QStringLiteral("mnuArrangeItem"));
    connect(arrange, &QAction::triggered, this, &DocumentArea::arrangeIcons);
    menu->addAction(m_tabbed);
    menu->addSeparator();
    menu->addActions(commands);
    const QList<DocumentWindow *> docs = documents();
    if (!docs.isEmpty())
        menu->addSeparator();
    DocumentWindow *active = activeDocument();
    int n = 1;
    for (DocumentWindow *doc : docs) {
        QString entry = QStringLiteral("&%1 %2").arg(n++).arg(doc->caption());
        if (!doc->isSaved())
            entry += QStringLiteral(" *");
        QAction *a = menu->addAction(entry);
        a->setCheckable(true);
        a->setChecked(doc == active);
        connect(a, &QAction::triggered, this, [this, doc] { activate(doc); });
    }
    return {cascade, tileAction, arrange, m_tabbed};
}

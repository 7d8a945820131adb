// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window's document area: the open document windows, which one is
// active, where a new one is placed, and the Window menu's arrangements.

#include <QKeySequence>
#include <QList>
#include <QMdiArea>
#include <QPointer>

class DocumentWindow;
class QAction;
class QMenu;

class DocumentArea : public QMdiArea
{
    Q_OBJECT
public:
    explicit DocumentArea(QWidget *parent = nullptr);
    ~DocumentArea() override;

    // Keys the main window owns (closing, next and previous document); a
    // sub-window's own menu gives them up, since two owners cancel out.
    void setOwnedKeys(const QList<QKeySequence> &keys) { m_ownedKeys = keys; }

    // Shows the window as a new sub-window, active and with the keyboard
    // focus in its editor: maximised, unless the windows were arranged side
    // by side, where it goes one title bar below and right of the one before.
    void add(DocumentWindow *window);
    // Closes the document's sub-window, which asks about unsaved changes;
    // false when it stays open.
    bool closeDocument(DocumentWindow *document);
    void activate(DocumentWindow *document);

    // The active document; without an active sub-window (the main window
    // lost the focus) the one activated last. Null when none is open.
    DocumentWindow *activeDocument() const;
    QList<DocumentWindow *> documents() const;
    int count() const { return int(documents().size()); }

    // Documents as tabs, each with its unsaved mark and a close button, or
    // as windows in the area.
    void setTabbed(bool tabbed);
    bool isTabbed() const { return viewMode() == QMdiArea::TabbedView; }
    // Window > Tabbed Documents.
    QAction *tabbedAction() const { return m_tabbed; }

    // One above the other, each the full width.
    void tile();
    // Down and to the right, each a title bar from the one before.
    void cascade();
    // Minimised windows in a row along the bottom.
    void arrangeIcons();
    // Fills the Window menu: the arrangements, the commands, then one
    // checkable entry per document ("*" marks unsaved ones). Returns the
    // arrangement actions and Tabbed Documents.
    QList<QAction *> fillWindowMenu(QMenu *menu, const QList<QAction *> &commands);

signals:
    // A document was added or its close was accepted.
    void documentsChanged(int count);

private:
    bool isOpen(const DocumentWindow *document) const;

    QList<QPointer<DocumentWindow>> m_documents;
    QList<QKeySequence> m_ownedKeys;
    QAction *m_tabbed = nullptr;
};

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

    // Shows the window as a new sub-window, one title bar below and right of
    // the one before, active and with the keyboard focus in its editor.
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

    // One above the other, each the full width.
    void tile();
    // Minimised windows in a row along the bottom.
    void arrangeIcons();
    // Fills the Window menu: the arrangements, the commands, then one
    // checkable entry per document ("*" marks unsaved ones). Returns the
    // arrangement actions.
    QList<QAction *> fillWindowMenu(QMenu *menu, const QList<QAction *> &commands);

signals:
    // A document was added or its close was accepted.
    void documentsChanged(int count);

private:
    bool isOpen(const DocumentWindow *document) const;

    QList<QPointer<DocumentWindow>> m_documents;
    QList<QKeySequence> m_ownedKeys;
};

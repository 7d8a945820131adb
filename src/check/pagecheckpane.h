// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Page Check" pane: checks a document's HTML in a worker thread on a
// copy of its text and lists what tidy found (line, column, error or
// warning, message). Double-click or Enter jumps there. While the list is
// current its lines carry a marker in the editor's margin; a finding goes
// when its line is edited, and the others follow their lines.
//
// Object names: PageCheckPane; cboShow (errors and warnings, or errors
// only), lstFindings, lblCheckStatus.

#include "check/pagecheck.h"

#include <QPointer>
#include <QWidget>

class HtmlEditor;
class QComboBox;
class QLabel;
class QSortFilterProxyModel;
class QThread;
class QTimer;
class QTreeView;
class FindingsModel;

class PageCheckPane : public QWidget
{
    Q_OBJECT
public:
    // The margin markers, away from the numbers folding uses (25 to 31).
    static constexpr int ErrorMarker = 20;
    static constexpr int WarningMarker = 21;

    explicit PageCheckPane(QWidget *parent = nullptr);
    ~PageCheckPane() override;

    // Checks the editor's text; the list is replaced when the worker is done.
    void check(HtmlEditor *editor);
    bool isChecking() const { return m_thread != nullptr; }
    HtmlEditor *editor() const { return m_editor; }
    // Every finding (shown or not), at the lines where they are now.
    QList<pagecheck::Finding> findings() const;

    bool warningsShown() const;
    void setWarningsShown(bool shown);
    // Jumps to the finding in the list's row (as shown).
    void jumpTo(int row);

signals:
    void finished(int errors, int warnings);
    // The editor's document is to be made the active one.
    void documentWanted(HtmlEditor *editor);
    void warningsShownChanged(bool shown);

private:
    void start();
    void apply(QList<pagecheck::Finding> findings);
    void clear();
    void onLinesEdited(int first, int last, int delta);
    void showMarkers();
    // Marks the next lines from m_markLine on; the rest on the next turn
    // of the event loop, so that thousands of findings never hold it up.
    void markSome();
    void removeMarkers();
    void showStatus();

    QPointer<HtmlEditor> m_editor;
    QThread *m_thread = nullptr;
    bool m_again = false; // checked again once the running check is done
    // Edits made while the worker ran, for its findings to follow.
    struct Edit
    {
        int first, last, delta;
    };
    QList<Edit> m_editsMeanwhile;
    FindingsModel *m_model = nullptr;
    QSortFilterProxyModel *m_shown = nullptr;
    QComboBox *m_filter = nullptr;
    QTreeView *m_view = nullptr;
    QLabel *m_status = nullptr;
    QTimer *m_markTimer = nullptr;
    int m_markLine = 0; // the first line (from 1) not marked yet
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Check Links: reads the site folder's pages in a worker thread, with a
// progress bar and Cancel, then lists each broken link (page, line, the
// link as written, what is wrong). Double-clicking a row, or Enter on it,
// opens the page at that line.

#include "site/linkcheck.h"

#include <atomic>
#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;
class QThread;
class QTreeWidget;
class Workbench;

class LinkCheckWindow : public QDialog
{
    Q_OBJECT
public:
    LinkCheckWindow(Workbench &workbench, const QString &folder, QWidget *parent = nullptr);
    // Cancels a check in progress and waits for its worker.
    ~LinkCheckWindow() override;

    bool isRunning() const { return m_worker != nullptr; }
    QTreeWidget *resultList() const { return m_list; }
    QList<linkcheck::Row> rows() const { return m_rows; }

    // Opens the page of a row at its line.
    void openRow(int index);
    // Cancel while checking stops the check; otherwise closes.
    void reject() override;

signals:
    void checked();

private:
    void start();
    void showProgress(int done, int total);
    void showRows(bool cancelled, const linkcheck::Site &site, const QList<linkcheck::Row> &rows);

    Workbench &m_workbench;
    QString m_folder;
    QLabel *m_heading = nullptr;
    QProgressBar *m_progress = nullptr;
    QTreeWidget *m_list = nullptr;
    QPushButton *m_close = nullptr;
    QThread *m_worker = nullptr;
    std::atomic<bool> m_cancel{false};
    QList<linkcheck::Row> m_rows;
};

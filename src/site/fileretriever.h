// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The File Retriever (object name Form34): copies files from anywhere on disk into the
// web-site folder. The source browser (Drive1, Dir1, File1 under "Search")
// starts at the web-site folder; the destination list (File2 under
// "Website Directory") stays there. "=>" (Command1) or a double-click on a
// source file copies it, replacing a file of that name; Label7 shows the
// path of the last file copied. "&Exit" (Command2) closes the window and
// emits closed(), on which the site pane lists its files again.

#include "widgets/builderdialog.h"

class FolderBrowser;
class QLabel;
class QListWidget;
class QPushButton;

class FileRetriever : public BuilderDialog
{
    Q_OBJECT
public:
    explicit FileRetriever(BuilderHost &host);

    FolderBrowser *source() const { return m_source; }
    QListWidget *destination() const { return m_destination; }

    // "=>": copies the selected source file into the web-site folder.
    void copySelected();
    // Escape, "&Exit" and the close box.
    void reject() override;

signals:
    void closed();

private:
    void refreshDestination();

    QString m_siteFolder;
    FolderBrowser *m_source = nullptr;
    QListWidget *m_destination = nullptr;
    QLabel *m_copiedPath = nullptr;
    QPushButton *m_copy = nullptr;
    QPushButton *m_exit = nullptr;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A drive list, a folder tree and the files of the chosen folder, for the
// tool windows that pick files anywhere on disk (file retriever, multi-file
// replace). Unlike the site pane it stores nothing: the folder is the
// window's own.

#include "site/sitefiles.h"
#include "site/sitelisting.h"

#include <QAbstractItemView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

class DialogService;
class QComboBox;
class QListWidget;
class QTreeView;

class FolderBrowser : public QWidget
{
    Q_OBJECT
public:
    // patterns: ";"-separated wildcards for the file list ("*.htm;*.txt"),
    // empty for every file. Unreadable drives and folders are reported as
    // "Device Not Ready" through dialogs.
    FolderBrowser(DialogService &dialogs, QAbstractItemView::SelectionMode selection,
                  const QString &patterns = QString(), QWidget *parent = nullptr);

    QComboBox *driveList() const { return m_driveList; }
    QTreeView *folderTree() const { return m_folderTree; }
    QListWidget *fileList() const { return m_fileList; }

    QString folder() const { return m_folder; }
    // Every listed file and the selected ones, in list order.
    QStringList listedFiles() const;
    QStringList selectedFiles() const;

    void setDrives(const QList<site::Drive> &drives);

public slots:
    // Shows the folder; false with "Device Not Ready" when it cannot be read.
    bool setFolder(const QString &path);
    void chooseDrive(int index);
    // Lists the folder's files again.
    void refresh();

signals:
    void folderChanged(const QString &folder);

private:
    DialogService &m_dialogs;
    QString m_patterns;
    QComboBox *m_driveList = nullptr;
    site::FolderTree *m_folderTree = nullptr;
    QListWidget *m_fileList = nullptr;
    QList<site::Drive> m_drives;
    QString m_folder;
};

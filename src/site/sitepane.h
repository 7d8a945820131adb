// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The web-site pane: a drive list (Drive1), a folder tree (Dir1) and the
// files of the chosen folder (File2). The folder shown is the web-site
// folder for the whole program; it is kept in AppState and the settings at
// every change. The owner supplies the right-click menu and wires the
// commands that need other windows (link, properties).
//
// Under the lists, the button array Command93 ("Retrieve Files",
// "Thumbnail Viewer", "Publish File") opens the file retriever and the
// thumbnail browser and uploads the selected file to the FTP directory of
// the settings. The pane owns the transfer component for the life of the
// main window.

#include "site/ftpconnection.h"
#include "site/sitefiles.h"
#include "site/sitelisting.h"

#include <QHash>
#include <QList>
#include <QMenu>
#include <QPoint>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QWidget>

class QComboBox;
class FtpUploader;
class LinkCheckWindow;
class PublishSiteDialog;
class QListWidget;
class QPushButton;
class QTreeView;
class Workbench;

class SitePane : public QWidget
{
    Q_OBJECT
public:
    // Fills the drive list from the mounted volumes and restores the folder
    // from state() (siteDirectory, then siteFilePath), so the main window
    // loads its preferences first.
    explicit SitePane(Workbench &workbench, QWidget *parent = nullptr);

    // The web-site folder.
    QString folder() const { return m_folder; }
    // The selected file's bare name and full path; empty with no selection.
    QString selectedFile() const;
    QString selectedPath() const;
    // For commands that need a file: true with a selection, otherwise
    // shows "No File Selected" and returns false.
    bool checkSelection();

    // Replaces the drive list (the mounted volumes by default).
    void setDrives(const QList<site::Drive> &drives);
    QList<site::Drive> drives() const { return m_drives; }

    // A menu popped up at a right-click on the file list, besides the
    // contextMenuRequested signal. Not owned.
    void setContextMenu(QMenu *menu) { m_contextMenu = menu; }

    QComboBox *driveList() const { return m_driveList; }   // Drive1
    QTreeView *folderTree() const { return m_folderTree; } // Dir1
    QListWidget *fileList() const { return m_fileList; }   // File2
    // Command93: 0 "Retrieve Files", 1 "Thumbnail Viewer", 2 "Publish File";
    // each carries its status-bar text in the "hint" property.
    QPushButton *commandButton(int index) const { return m_commands[index]; }
    FtpUploader *uploader() const { return m_uploader; }

    // Whether the FTP address, user name and password are all set;
    // otherwise says so.
    bool accountDefined();
    // The question for an SFTP server whose host key is not known. A key
    // accepted once is not asked about again while the program runs.
    ftp::HostKeyAnswer askHostKey(const ftp::HostKeyQuestion &question);

public slots:
    // Shows folder path: the tree, the file list and the drive list follow,
    // and "Drive", "Director", "FilePath" are saved. An unreadable folder
    // gives "Device Not Ready" and leaves everything as it was.
    bool setFolder(const QString &path);
    // Reads the folder from state() again; a folder that is gone gives its
    // nearest existing parent, then the home folder.
    void restoreFromState();
    // Drive index of the drive list chosen: the folder last shown on that
    // drive, else its root. "Device Not Ready" when it cannot be read.
    void chooseDrive(int index);
    // Lists the folder's files again, keeping the selection when it is
    // still there.
    void refresh();
    // What a double-click on the listed file `name` does.
    void activateFile(const QString &name);
    void activateSelected();
    // Opens the Links dialog with the selected file's bare name as the
    // address.
    void linkSelected();
    // Renaming and moving the selected file offer to update the links to
    // it in the site's pages, listing the changes first. Pages that are
    // open are changed in their editor (one undo step each) and left for
    // the user to save; the others are written at once.
    void renameSelected();
    // Moves it into a folder inside the web-site folder.
    void moveSelected();
    void deleteSelected();
    // Check Links over the web-site folder.
    LinkCheckWindow *checkLinks();
    // The desktop's find-files tool, started in the web-site folder.
    void findFiles();
    // Command93 index 0, 1 and 2.
    void retrieveFiles();
    void showThumbnails();
    // Uploads the selected file: the FTP settings must all be set; one
    // upload at a time ("FTP Connection Busy"); the outcome is told when the
    // server holds the whole file, or on any error.
    void publishSelected();
    // Publishes the whole web-site folder: opens the Publish Site window
    // with its plan (null when the FTP settings are incomplete).
    PublishSiteDialog *publishSite();

signals:
    void folderChanged(const QString &folder);
    // Right mouse button on the file list (after it selected the row under
    // the pointer).
    void contextMenuRequested(const QPoint &globalPos);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void message(const QString &text);
    void showDrive();
    void fileListMenu(const QPoint &pos);
    void selectFile(const QString &name);
    void showFiles(const QStringList &names);
    // Moves what is at `from` to `to` (both inside the web-site folder),
    // updating links when the user agrees. False when cancelled or failed.
    bool moveWithLinks(const QString &from, const QString &to);

    Workbench &m_workbench;
    QComboBox *m_driveList = nullptr;
    site::FolderTree *m_folderTree = nullptr;
    QListWidget *m_fileList = nullptr;
    QPushButton *m_commands[3] = {};
    FtpUploader *m_uploader = nullptr;
    QPointer<QMenu> m_contextMenu;
    QList<site::Drive> m_drives;
    QHash<QString, QString> m_lastFolderOnDrive;
    QSet<QString> m_hostKeysAcceptedOnce;
    QString m_folder;
};

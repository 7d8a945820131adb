// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/folderbrowser.h"

#include "platform/dialogservice.h"
#include "site/multireplace.h"
#include "site/sitelisting.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QListWidget>
#include <QScrollBar>
#include <QStyle>
#include <QTreeView>

FolderBrowser::FolderBrowser(DialogService &dialogs, QAbstractItemView::SelectionMode selection,
                             const QString &patterns, QWidget *parent)
    : QWidget(parent), m_dialogs(dialogs), m_patterns(patterns)
{
    m_driveList = new QComboBox(this);
    m_driveList->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_driveList->setMinimumContentsLength(12);
    connect(m_driveList, &QComboBox::activated, this, &FolderBrowser::chooseDrive);

    m_folderTree = new site::FolderTree(this);
    connect(m_folderTree, &site::FolderTree::folderPicked, this, &FolderBrowser::setFolder);

    m_fileList = new QListWidget(this);
    m_fileList->setSelectionMode(selection);
    m_fileList->setUniformItemSizes(true);

    setDrives(site::mountedDrives());
}

QStringList FolderBrowser::listedFiles() const
{
    QStringList out;
    for (int i = 0; i < m_fileList->count(); ++i)
        out << m_fileList->item(i)->text();
    return out;
}

QStringList FolderBrowser::selectedFiles() const
{
    QStringList out;
    for (int i = 0; i < m_fileList->count(); ++i) {
        if (m_fileList->item(i)->isSelected())
            out << m_fileList->item(i)->text();
    }
    return out;
}

void FolderBrowser::setDrives(const QList<site::Drive> &drives)
{
    m_drives = drives;
    m_driveList->clear();
    const QIcon icon = style()->standardIcon(QStyle::SP_DriveHDIcon);
    for (const site::Drive &drive : drives)
        m_driveList->addItem(icon, drive.displayText(), drive.rootPath);
    m_driveList->setCurrentIndex(site::driveOf(m_folder, m_drives));
}

bool FolderBrowser::setFolder(const QString &path)
{
    const QString folder = QDir::cleanPath(QDir(path).absolutePath());
    if (!site::isReadableFolder(folder)) {
        m_dialogs.message(window(), site::text::deviceNotReady());
        m_driveList->setCurrentIndex(site::driveOf(m_folder, m_drives));
        return false;
    }
    const bool moved = folder != m_folder;
    m_folder = folder;
    if (moved)
        m_fileList->clear(); // no selection carried over to another folder
    refresh();
    m_folderTree->showFolder(folder);
    m_driveList->setCurrentIndex(site::driveOf(folder, m_drives));
    if (moved)
        emit folderChanged(folder);
    return true;
}

void FolderBrowser::chooseDrive(int index)
{
    if (index < 0 || index >= m_drives.size())
        return;
    setFolder(m_drives.at(index).rootPath);
}

void FolderBrowser::refresh()
{
    const QStringList keep = selectedFiles();
    const QStringList names = m_patterns.isEmpty()
                                  ? site::listFiles(m_folder)
                                  : multireplace::matchingFiles(m_folder, m_patterns);
    const QIcon icon = style()->standardIcon(QStyle::SP_FileIcon);
    m_fileList->clear();
    for (const QString &name : names) {
        auto *item = new QListWidgetItem(icon, name, m_fileList);
        if (keep.contains(name))
            item->setSelected(true);
    }
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/sitelisting.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>
#include <QTreeView>

namespace site {

QString KindIcons::type(const QFileInfo &info) const
{
    return info.isDir() ? QCoreApplication::translate("KindIcons", "Folder")
                        : QCoreApplication::translate("KindIcons", "File");
}

KindIcons *KindIcons::shared(const QIcon &folder, const QIcon &file)
{
    static KindIcons *const icons = new KindIcons(folder, file);
    return icons;
}

FolderTree::FolderTree(QWidget *parent) : QTreeView(parent)
{
    m_model = new QFileSystemModel(this);
    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_model->setReadOnly(true);
    m_model->setIconProvider(site::KindIcons::shared(style()->standardIcon(QStyle::SP_DirIcon),
                                                     style()->standardIcon(QStyle::SP_FileIcon)));
    m_model->setRootPath(QDir::rootPath());
    // Rows the model drops (a folder removed on disk) move the current
    // index; that is no choice of the user's. Connected before the view's
    // selection model sees the removal.
    connect(m_model, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this] { m_updating = true; });
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, [this] { m_updating = false; });

    setModel(m_model);
    for (int column = 1; column < m_model->columnCount(); ++column)
        hideColumn(column);
    header()->hide();
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    setIndentation(14);
    setUniformRowHeights(true);
    setAnimated(false);
    setSelectionMode(QAbstractItemView::SingleSelection);

    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                if (!m_updating && current.isValid())
                    emit folderPicked(m_model->filePath(current));
            });
    // The model reads folders in the background and sorts them a moment
    // later, which moves the folder each time.
    connect(m_model, &QFileSystemModel::directoryLoaded, this, [this](const QString &path) {
        if (m_shown.startsWith(path))
            reveal();
    });
    connect(m_model, &QAbstractItemModel::layoutChanged, this, &FolderTree::reveal);
}

bool FolderTree::showFolder(const QString &path)
{
    const QModelIndex index = m_model->index(path);
    if (path.isEmpty() || !index.isValid())
        return false;
    m_shown = path;
    m_updating = true;
    setCurrentIndex(index);
    expand(index);
    m_updating = false;
    m_following = true;
    reveal();
    return true;
}

bool FolderTree::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::Wheel || event->type() == QEvent::MouseButtonPress)
        m_following = false;
    return QTreeView::viewportEvent(event);
}

void FolderTree::reveal()
{
    const QModelIndex index = currentIndex();
    if (!m_following || !index.isValid())
        return;
    scrollTo(index, QAbstractItemView::PositionAtCenter);
    // scrollTo also scrolls sideways to the name; keep the branches in view
    // unless the folder is too deep for that.
    QScrollBar *sideways = horizontalScrollBar();
    sideways->setValue(0);
    const int left = visualRect(index).left();
    const int room = viewport()->width();
    if (left > room / 2)
        sideways->setValue(left - room / 4);
}

} // namespace site

#include "site/sitelisting.h"

#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QStyle>
#include <QTreeView>

namespace site {

QString KindIcons::type(const QFileInfo &info) const
{
    return info.isDir() ? QStringLiteral("Folder") : QStringLiteral("File");
}

KindIcons *KindIcons::shared(const QIcon &folder, const QIcon &file)
{
    static KindIcons *const icons = new KindIcons(folder, file);
    return icons;
}

QFileSystemModel *makeFolderModel(QWidget *owner)
{
    auto *model = new QFileSystemModel(owner);
    model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    model->setReadOnly(true);
    model->setIconProvider(KindIcons::shared(owner->style()->standardIcon(QStyle::SP_DirIcon),
                                             owner->style()->standardIcon(QStyle::SP_FileIcon)));
    model->setRootPath(QDir::rootPath());
    return model;
}

QTreeView *makeFolderTree(QFileSystemModel *model, QWidget *parent)
{
    auto *tree = new QTreeView(parent);
    tree->setModel(model);
    for (int column = 1; column < model->columnCount(); ++column)
        tree->hideColumn(column);
    tree->header()->hide();
    tree->header()->setStretchLastSection(false);
    tree->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    tree->setIndentation(14);
    tree->setUniformRowHeights(true);
    tree->setAnimated(false);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    return tree;
}

} // namespace site

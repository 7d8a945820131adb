// SPDX-License-Identifier: GPL-3.0-or-later
#include "builders/tablegridmodel.h"

#include "widgets/colourfield.h"

#include <algorithm>
#include <cmath>

using namespace tablebuilder;

TableGridModel::TableGridModel(TableOptions &table, const QFont &cellFont, QObject *parent)
    : QAbstractTableModel(parent), m_table(table), m_cellFont(cellFont)
{
}

int TableGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_table.rowCount();
}

int TableGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_table.columnCount();
}

QFont TableGridModel::cellFont(float points) const
{
    // The size a cell is drawn in; the stored size may be anything typed.
    QFont font = m_cellFont;
    font.setPointSizeF(std::isfinite(points) ? std::clamp(double(points), 1.0, 200.0)
                                             : double(DefaultFontSize));
    return font;
}

QVariant TableGridModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return QVariant();
    const QList<TableCell> &row = m_table.cells.at(index.row());
    const TableCell cell = index.column() < row.size() ? row.at(index.column()) : TableCell();
    switch (role) {
    case Qt::DisplayRole:
        return cell.text;
    case Qt::FontRole:
        return cellFont(cell.fontSize);
    case Qt::ForegroundRole:
        return formkit::toQColor(cell.textColor);
    case Qt::BackgroundRole:
        return cell.backColor != 0 ? QVariant(formkit::toQColor(cell.backColor)) : QVariant();
    case Qt::ToolTipRole:
        return cell.imageName.isEmpty() ? QVariant() : QVariant(cell.imageName);
    case Qt::DecorationRole: {
        const auto it = m_pictures.find({index.row(), index.column()});
        return it == m_pictures.end() ? QVariant() : QVariant(it->second);
    }
    default:
        return QVariant();
    }
}

Qt::ItemFlags TableGridModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags;
}

void TableGridModel::reset()
{
    beginResetModel();
    m_pictures.clear();
    endResetModel();
}

void TableGridModel::addRow()
{
    const int row = m_table.rowCount();
    beginInsertRows(QModelIndex(), row, row);
    tablebuilder::addRow(m_table);
    endInsertRows();
}

bool TableGridModel::removeRow()
{
    if (m_table.rowCount() <= 1)
        return false;
    const int row = m_table.rowCount() - 1;
    beginRemoveRows(QModelIndex(), row, row);
    tablebuilder::removeRow(m_table);
    dropPictures([row](int r, int) { return r == row; });
    endRemoveRows();
    return true;
}

void TableGridModel::addColumn()
{
    const int column = m_table.columnCount();
    beginInsertColumns(QModelIndex(), column, column);
    tablebuilder::addColumn(m_table);
    endInsertColumns();
}

bool TableGridModel::removeColumn()
{
    if (m_table.columnCount() <= 1)
        return false;
    const int column = m_table.columnCount() - 1;
    beginRemoveColumns(QModelIndex(), column, column);
    tablebuilder::removeColumn(m_table);
    dropPictures([column](int, int c) { return c == column; });
    endRemoveColumns();
    return true;
}

void TableGridModel::cellChanged(int row, int column)
{
    const QModelIndex at = index(row, column);
    emit dataChanged(at, at);
}

void TableGridModel::allChanged()
{
    emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void TableGridModel::setPicture(int row, int column, const QIcon &picture)
{
    if (picture.isNull())
        m_pictures.erase({row, column});
    else
        m_pictures[{row, column}] = picture;
    cellChanged(row, column);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Table Builder's grid as a model over the table itself: the view shows
// the cells' texts, sizes, colours and pictures straight from the
// TableOptions the builder edits, so nothing is kept twice.

#include "builders/tablebuilderlogic.h"

#include <map>
#include <QAbstractTableModel>
#include <QFont>
#include <QIcon>

class TableGridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    TableGridModel(tablebuilder::TableOptions &table, const QFont &cellFont,
                   QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // The font a cell of that size is drawn in.
    QFont cellFont(float points) const;

    // After the whole table was replaced; pictures are shown by name only.
    void reset();
    // The table's own rules, with the view told.
    void addRow();
    bool removeRow();
    void addColumn();
    bool removeColumn();
    // After a cell (or every cell) of the table changed.
    void cellChanged(int row, int column);
    void allChanged();
    // The picture a cell shows; a null icon for none.
    void setPicture(int row, int column, const QIcon &picture);

private:
    template <typename Where> void dropPictures(Where where)
    {
        for (auto it = m_pictures.begin(); it != m_pictures.end();)
            it = where(it->first.first, it->first.second) ? m_pictures.erase(it) : std::next(it);
    }

    tablebuilder::TableOptions &m_table;
    QFont m_cellFont;
    std::map<std::pair<int, int>, QIcon> m_pictures;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/listgrid.h"

#include "platform/numbers.h"
#include "widgets/formkit.h"
#include "widgets/spinarrows.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

bool hasHeaders(const QList<ListGrid::Column> &columns)
{
    return std::any_of(columns.begin(), columns.end(),
                       [](const ListGrid::Column &c) { return !c.header.isEmpty(); });
}

QTableWidgetItem *newItem(const QString &text = QString())
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

} // namespace

ListGrid::ListGrid(const Options &options, QWidget *parent)
    : QWidget(parent), m_columns(options.columns),
      m_table(new QTableWidget(std::max(1, options.rows), int(options.columns.size()), this)),
      m_editor(formkit::lineEdit(options.editorName, QString(), this)), m_spin(new SpinArrows(this))
{
    m_table->setObjectName(QLatin1String(options.gridName));
    m_table->setAccessibleName(options.caption);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::ContiguousSelection);
    m_table->setTabKeyNavigation(false); // Tab leaves the grid
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(false);
    for (int r = 0; r < m_table->rowCount(); ++r) {
        for (int c = 0; c < m_table->columnCount(); ++c)
            m_table->setItem(r, c, newItem());
    }
    applyWidths();
    m_table->installEventFilter(this);

    m_spin->setObjectName(QLatin1String(options.spinName));
    m_spin->setCaption(options.caption.isEmpty() ? tr("Rows") : options.caption + tr(" rows"));
    m_spin->setValueSource([this] { return QString::number(m_table->rowCount()); });
    const bool upAdds = options.addArrow == AddArrow::Up;
    connect(m_spin, &SpinArrows::spinUp, this, [this, upAdds] {
        if (upAdds)
            addRow();
        else
            removeLastRow();
    });
    connect(m_spin, &SpinArrows::spinDown, this, [this, upAdds] {
        if (upAdds)
            removeLastRow();
        else
            addRow();
    });

    connect(m_table, &QTableWidget::currentCellChanged, this,
            [this](int row, int column) { loadEditor(row, column); });
    connect(m_table, &QTableWidget::cellClicked, this, [this](int row, int column) {
        loadEditor(row, column);
        m_editor->setFocus();
    });
    connect(m_editor, &QLineEdit::textChanged, this, &ListGrid::editorEdited);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    if (!options.editorCaption.isEmpty()) {
        auto *row = new QHBoxLayout;
        row->addWidget(formkit::captionLabel(options.editorCaption, m_editor, this));
        row->addWidget(m_editor, 1);
        layout->addLayout(row);
    } else {
        formkit::setCaption(m_editor,
                            options.caption.isEmpty() ? tr("Cell Text") : options.caption);
    }
    auto *gridRow = new QHBoxLayout;
    gridRow->addWidget(m_table, 1);
    gridRow->addWidget(m_spin, 0, Qt::AlignTop);
    layout->addLayout(gridRow, 1);

    m_table->setCurrentCell(0, 0);
}

void ListGrid::applyWidths()
{
    const bool headers = hasHeaders(m_columns);
    m_table->horizontalHeader()->setVisible(headers);
    QStringList labels;
    int total = 0;
    for (int c = 0; c < m_columns.size(); ++c) {
        labels << m_columns[c].header;
        const int pixels =
            int(numbers::roundHalfEven(double(m_columns[c].twips) / numbers::TwipsPerPixel));
        m_table->setColumnWidth(c, pixels);
        total += pixels;
    }
    if (headers)
        m_table->setHorizontalHeaderLabels(labels);
    m_table->setMinimumWidth(total + 2 * m_table->frameWidth() + 20);
}

int ListGrid::rowCount() const
{
    return m_table->rowCount();
}

int ListGrid::columnCount() const
{
    return m_table->columnCount();
}

QString ListGrid::text(int row, int column) const
{
    const QTableWidgetItem *item = m_table->item(row, column);
    return item ? item->text() : QString();
}

void ListGrid::setText(int row, int column, const QString &text)
{
    QTableWidgetItem *item = m_table->item(row, column);
    if (!item)
        return;
    item->setText(text);
    if (row == currentRow() && column == currentColumn()) {
        m_loading = true;
        m_editor->setText(text);
        m_loading = false;
    }
}

QList<QStringList> ListGrid::rows() const
{
    QList<QStringList> out;
    out.reserve(rowCount());
    for (int r = 0; r < rowCount(); ++r) {
        QStringList row;
        for (int c = 0; c < columnCount(); ++c)
            row << text(r, c);
        out << row;
    }
    return out;
}

QStringList ListGrid::column(int column) const
{
    QStringList out;
    for (int r = 0; r < rowCount(); ++r)
        out << text(r, column);
    return out;
}

void ListGrid::setRows(const QList<QStringList> &rows)
{
    const int count = std::max<int>(1, int(rows.size()));
    while (rowCount() > count)
        m_table->removeRow(rowCount() - 1);
    while (rowCount() < count) {
        const int r = rowCount();
        m_table->insertRow(r);
        for (int c = 0; c < columnCount(); ++c)
            m_table->setItem(r, c, newItem());
    }
    for (int r = 0; r < rowCount(); ++r) {
        for (int c = 0; c < columnCount(); ++c)
            setText(r, c, r < rows.size() ? rows[r].value(c) : QString());
    }
    emit rowsChanged(rowCount());
}

void ListGrid::setColumns(const QList<Column> &columns)
{
    const int old = columnCount();
    m_columns = columns;
    m_table->setColumnCount(int(columns.size()));
    for (int c = old; c < columnCount(); ++c) {
        for (int r = 0; r < rowCount(); ++r)
            m_table->setItem(r, c, newItem());
    }
    applyWidths();
    if (currentColumn() < 0)
        setCurrentCell(std::max(0, currentRow()), 0);
    loadEditor(currentRow(), currentColumn());
}

int ListGrid::currentRow() const
{
    return m_table->currentRow();
}

int ListGrid::currentColumn() const
{
    return m_table->currentColumn();
}

void ListGrid::setCurrentCell(int row, int column)
{
    m_table->setCurrentCell(row, column);
    loadEditor(row, column);
}

void ListGrid::addRow()
{
    const int r = rowCount();
    m_table->insertRow(r);
    for (int c = 0; c < columnCount(); ++c)
        m_table->setItem(r, c, newItem());
    setCurrentCell(r, std::max(0, currentColumn()));
    emit rowsChanged(rowCount());
}

bool ListGrid::removeLastRow()
{
    if (rowCount() <= 1)
        return false;
    m_table->removeRow(rowCount() - 1);
    loadEditor(currentRow(), currentColumn());
    emit rowsChanged(rowCount());
    return true;
}

void ListGrid::loadEditor(int row, int column)
{
    m_loading = true;
    m_editor->setText(row >= 0 && column >= 0 ? text(row, column) : QString());
    m_editor->selectAll();
    m_loading = false;
    if (row >= 0 && column >= 0)
        emit cellChosen(row, column);
}

void ListGrid::editorEdited(const QString &text)
{
    if (m_loading)
        return;
    if (QTableWidgetItem *item = m_table->item(currentRow(), currentColumn()))
        item->setText(text);
}

bool ListGrid::eventFilter(QObject *watched, QEvent *event)
{
    // From the keyboard, Enter or F2 goes into the current cell's editor.
    if (watched == m_table && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_F2) {
            m_editor->setFocus();
            m_editor->selectAll();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

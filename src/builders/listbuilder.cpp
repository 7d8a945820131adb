// SPDX-License-Identifier: GPL-3.0-or-later
#include "builders/listbuilder.h"

#include "platform/dialogservice.h"
#include "widgets/colourfield.h"
#include "widgets/formkit.h"
#include "widgets/listgrid.h"
#include "widgets/spinarrows.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

using namespace listbuilder;

namespace {

QList<ListGrid::Column> columnsFor(ListKind kind)
{
    const QList<int> twips = columnTwips(kind);
    if (kind == ListKind::Definition)
        return {{QCoreApplication::translate("ListBuilder", "Term"), twips[0]},
                {QCoreApplication::translate("ListBuilder", "Definition"), twips[1]}};
    return {{QCoreApplication::translate("ListBuilder", "List Items"), twips[0]}};
}

} // namespace

ListBuilder::ListBuilder(BuilderHost &host) : BuilderDialog(host)
{
    setObjectName(QStringLiteral("Form9"));
    setWindowTitle(tr("The List Builder"));
    const ListOptions defaults;

    auto *kindBox = new QGroupBox(tr("List Type"));
    auto *kindLayout = new QVBoxLayout(kindBox);
    for (int k = 0; k < kindCaptions().size(); ++k) {
        const QByteArray name = "Option" + QByteArray::number(k + 1);
        QRadioButton *button =
            formkit::option(name.constData(), kindCaptions()[k], k == int(defaults.kind));
        const auto kind = ListKind(k);
        connect(button, &QRadioButton::toggled, this, [this, kind](bool on) {
            if (on)
                kindChosen(kind);
        });
        kindLayout->addWidget(button);
        m_kinds << button;
    }
    kindLayout->addStretch(1);

    ListGrid::Options grid;
    grid.columns = columnsFor(defaults.kind);
    grid.rows = 1;
    grid.caption = tr("List Items");
    m_grid = new ListGrid(grid);
    m_grid->table()->setMinimumHeight(160);
    connect(m_grid, &ListGrid::rowsChanged, this, &ListBuilder::rowsChanged);
    connect(m_grid, &ListGrid::cellChosen, this, &ListBuilder::cellChosen);
    // The arrows sit at the grid's top right; their caption goes beside them.
    auto *gridRow = new QHBoxLayout;
    gridRow->addWidget(m_grid, 1);
    gridRow->addWidget(formkit::captionLabel(tr("Number Of Rows"), m_grid->spin()), 0,
                       Qt::AlignTop);
    auto *editorRow = new QHBoxLayout;
    editorRow->addWidget(formkit::captionLabel(tr("Item Text"), m_grid->editor()));
    editorRow->addWidget(m_grid->editor(), 1);

    m_textColor = formkit::button("Command3", tr("Text Color"));
    connect(m_textColor, &QPushButton::clicked, this, &ListBuilder::chooseTextColor);
    m_colourFlag = new QLabel;
    m_colourFlag->setObjectName(QStringLiteral("Label5"));

    m_type = new QListWidget;
    m_type->setObjectName(QStringLiteral("List1"));
    m_type->addItems(numberingNames());
    // All five styles in view, without scrolling.
    m_type->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_type->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_type->setFixedSize(m_type->sizeHintForColumn(0) + 2 * m_type->frameWidth() + 8,
                         m_type->sizeHintForRow(0) * int(numberingNames().size()) +
                             2 * m_type->frameWidth());
    m_typeName = new QLabel;
    m_typeName->setObjectName(QStringLiteral("Label4"));
    connect(m_type, &QListWidget::currentRowChanged, this,
            [this](int row) { m_typeName->setText(numberingNames().value(row)); });
    m_start = formkit::lineEdit("Text3", defaults.startingNumber);
    formkit::restrictTo(m_start, htmlvalues::FieldKind::Integer);

    m_orderedPanel = new QWidget;
    auto *ordered = new QVBoxLayout(m_orderedPanel);
    ordered->setContentsMargins(0, 0, 0, 0);
    auto *typeRow = new QHBoxLayout;
    typeRow->addWidget(formkit::captionLabel(tr("Type"), m_type));
    typeRow->addWidget(m_typeName, 1, Qt::AlignRight);
    ordered->addLayout(typeRow);
    ordered->addWidget(m_type);
    ordered->addWidget(formkit::captionLabel(tr("Starting Number"), m_start));
    ordered->addWidget(m_start);
    // Keep the dialog's shape while the panel comes and goes.
    QSizePolicy keep = m_orderedPanel->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    m_orderedPanel->setSizePolicy(keep);

    auto *side = new QVBoxLayout;
    side->addWidget(m_textColor);
    side->addWidget(m_colourFlag);
    side->addSpacing(10);
    side->addWidget(m_orderedPanel);
    side->addStretch(1);

    auto *middle = new QVBoxLayout;
    middle->addLayout(gridRow, 1);
    middle->addLayout(editorRow);

    auto *body = new QHBoxLayout;
    body->addWidget(kindBox);
    body->addLayout(middle, 1);
    body->addSpacing(12);
    body->addLayout(side);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addLayout(formkit::okCancelRow(this, "Command1", "Command2"));

    m_type->setCurrentRow(int(defaults.numbering));
    setUseColors(defaults.useColors);
    kindChosen(defaults.kind);
}

ListKind ListBuilder::kind() const
{
    for (int k = 0; k < m_kinds.size(); ++k) {
        if (m_kinds[k]->isChecked())
            return ListKind(k);
    }
    return ListOptions().kind;
}

ListOptions ListBuilder::options() const
{
    ListOptions options;
    options.kind = kind();
    options.numbering = ListOptions().numbering;
    if (m_type->currentRow() >= 0)
        options.numbering = Numbering(m_type->currentRow());
    options.startingNumber = m_start->text();
    options.useColors = m_useColors;
    options.rows.clear();
    const bool definitions = m_grid->columnCount() > 1;
    for (int r = 0; r < m_grid->rowCount(); ++r) {
        ListRow row;
        row.item = {m_grid->text(r, 0), m_colours.value(r)[0]};
        if (definitions)
            row.definition = {m_grid->text(r, 1), m_colours.value(r)[1]};
        options.rows << row;
    }
    return options;
}

void ListBuilder::setOptions(const ListOptions &options)
{
    m_kinds[int(options.kind)]->setChecked(true);
    kindChosen(options.kind);
    m_type->setCurrentRow(int(options.numbering));
    m_start->setText(options.startingNumber);
    setUseColors(options.useColors);

    QList<QStringList> texts;
    for (const ListRow &row : options.rows)
        texts << QStringList{row.item.text, row.definition.text};
    m_grid->setRows(texts);
    m_colours.fill({0, 0}, m_grid->rowCount());
    for (int r = 0; r < options.rows.size() && r < m_colours.size(); ++r)
        m_colours[r] = {options.rows[r].item.color, options.rows[r].definition.color};
    for (int r = 0; r < m_grid->rowCount(); ++r) {
        for (int c = 0; c < m_grid->columnCount(); ++c)
            paintCell(r, c);
    }
    cellChosen(m_grid->currentRow(), m_grid->currentColumn());
}

void ListBuilder::accept()
{
    finishOk(buildList(options()));
}

void ListBuilder::reject()
{
    BuilderDialog::reject();
    host().focusDocument();
}

void ListBuilder::kindChosen(ListKind kind)
{
    const bool definitions = kind == ListKind::Definition;
    if ((m_grid->columnCount() > 1) != definitions) {
        m_grid->setColumns(columnsFor(kind));
        // Definitions that go with their column are forgotten with their
        // colours.
        if (!definitions) {
            for (std::array<qint64, 2> &colours : m_colours)
                colours[1] = 0;
        }
    }
    m_orderedPanel->setVisible(kind == ListKind::Ordered);
}

void ListBuilder::rowsChanged(int count)
{
    m_colours.resize(count, {0, 0});
}

void ListBuilder::cellChosen(int row, int column)
{
    if (row < 0 || column < 0)
        return;
    paintEditor(m_colours.value(row)[std::min(column, 1)]);
}

QList<QPoint> ListBuilder::selectedCells() const
{
    QList<QPoint> cells;
    const QModelIndexList selected = m_grid->table()->selectionModel()->selectedIndexes();
    for (const QModelIndex &index : selected)
        cells << QPoint(index.column(), index.row());
    if (cells.isEmpty() && m_grid->currentRow() >= 0 && m_grid->currentColumn() >= 0)
        cells << QPoint(m_grid->currentColumn(), m_grid->currentRow());
    return cells;
}

void ListBuilder::chooseTextColor()
{
    const std::optional<qint64> colour = host().dialogs().colour(this, m_lastColour);
    if (!colour)
        return;
    m_lastColour = *colour;
    for (const QPoint &cell : selectedCells()) {
        if (cell.y() >= m_colours.size() || cell.x() > 1)
            continue;
        m_colours[cell.y()][cell.x()] = *colour;
        paintCell(cell.y(), cell.x());
    }
    paintEditor(*colour);
    setUseColors(true);
}

void ListBuilder::setUseColors(bool on)
{
    m_useColors = on;
    m_colourFlag->setText(colourFlagText(on));
}

void ListBuilder::paintCell(int row, int column)
{
    if (QTableWidgetItem *item = m_grid->table()->item(row, column))
        item->setForeground(formkit::toQColor(m_colours.value(row)[std::min(column, 1)]));
}

void ListBuilder::paintEditor(qint64 colour)
{
    QPalette palette = m_grid->editor()->palette();
    palette.setColor(QPalette::Text, formkit::toQColor(colour));
    m_grid->editor()->setPalette(palette);
}

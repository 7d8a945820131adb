// SPDX-License-Identifier: GPL-3.0-or-later
#include "builders/tablebuilder.h"

#include "builders/tablegridmodel.h"

#include "kernel/colour.h"
#include "platform/dialogservice.h"
#include "platform/numbers.h"
#include "widgets/colourfield.h"
#include "widgets/contrastbadge.h"
#include "widgets/formkit.h"
#include "widgets/spinarrows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSet>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTableView>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextLayout>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

using namespace tablebuilder;

namespace {

const char imageFilter[] =
    QT_TRANSLATE_NOOP("TableBuilder", "Image Files (*.GIF;*.JPG;*.BMP)|*.GIF;*.JPG;*.BMP");
const QSize pictureSize(120, 60); // the largest a picture is drawn in a cell

int toPixels(qint64 twips)
{
    return int(numbers::roundHalfEven(double(twips) / numbers::TwipsPerPixel));
}

// The editor's text as typed: no-break spaces kept, paragraph and line
// separators as line feeds.
QString plainText(const QPlainTextEdit *edit)
{
    QString text = edit->document()->toRawText();
    for (QChar &ch : text) {
        if (ch == QChar::ParagraphSeparator || ch == QChar::LineSeparator)
            ch = QLatin1Char('\n');
    }
    return text;
}

} // namespace

TableBuilder::TableBuilder(BuilderHost &host) : BuilderDialog(host)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("The Table Builder"));

    m_tabs = new QTabWidget;
    m_tabs->setObjectName(QStringLiteral("TabStrip1"));
    m_tabs->addTab(buildGridPage(), tr("Grid Cells"));
    m_tabs->addTab(buildSettingsPage(), tr("Table Settings"));

    m_retainCheck = formkit::checkBox("Check1", tr("Retain Info On Exit"), true);
    setRetain(true);
    connect(m_retainCheck, &QCheckBox::toggled, this, &BuilderDialog::setRetain);

    QHBoxLayout *buttons = formkit::okCancelRow(this, "Command3", "Command4");
    buttons->insertWidget(0, m_retainCheck);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addLayout(buttons);

    // Ctrl+PageDown and Ctrl+PageUp switch the pages, from any control.
    for (const auto &[keys, step] : {std::pair{QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
                                     std::pair{QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1}}) {
        auto *shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, s = step] {
            m_tabs->setCurrentIndex((m_tabs->currentIndex() + s + m_tabs->count()) %
                                    m_tabs->count());
        });
    }

    // The first cell is current (the Image button needs one) while the
    // editor stays hidden until a cell is chosen.
    m_changingGrid = true;
    m_grid->setCurrentIndex(m_model->index(0, 0));
    m_changingGrid = false;
    m_grid->horizontalScrollBar()->setValue(0);
    m_grid->verticalScrollBar()->setValue(0);
    resize(660, 400);
}

QWidget *TableBuilder::buildGridPage()
{
    auto *page = new QWidget;

    m_grid = new QTableView;
    m_grid->setObjectName(QStringLiteral("Grid1"));
    m_grid->setAccessibleName(tr("Grid Cells"));
    m_grid->setFont(QFont(QStringLiteral("Times New Roman"), 12));
    m_model = new TableGridModel(m_table, m_grid->font(), this);
    m_grid->setModel(m_model);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionMode(QAbstractItemView::ContiguousSelection);
    m_grid->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_grid->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_grid->setIconSize(pictureSize);
    m_grid->verticalHeader()->setFixedWidth(toPixels(HeaderColumnWidth));
    m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_grid->horizontalHeader()->setStretchLastSection(false);
    m_grid->horizontalHeader()->setMinimumSectionSize(1);
    m_grid->installEventFilter(this);
    m_grid->viewport()->installEventFilter(this);
    rebuildGrid();

    m_cellEditor = new QPlainTextEdit(m_grid->viewport());
    m_cellEditor->setObjectName(QStringLiteral("Text1"));
    m_cellEditor->setAccessibleName(tr("Cell Text"));
    m_cellEditor->setTabChangesFocus(true);
    m_cellEditor->installEventFilter(this);
    m_cellEditor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_cellEditor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_cellEditor->document()->setDocumentMargin(1);
    m_cellEditor->hide();

    connect(m_grid->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                if (!m_changingGrid)
                    showCellEditor(current.row(), current.column());
                showContrast();
            });
    connect(m_grid, &QAbstractItemView::pressed, this,
            [this](const QModelIndex &index) { showCellEditor(index.row(), index.column()); });
    connect(m_grid, &QAbstractItemView::clicked, this, &TableBuilder::focusCellEditor);
    connect(m_cellEditor, &QPlainTextEdit::textChanged, this, &TableBuilder::cellEditorChanged);
    // The editor follows its cell whenever the grid moves under it.
    connect(m_grid->horizontalScrollBar(), &QScrollBar::valueChanged, this,
            &TableBuilder::placeCellEditor);
    connect(m_grid->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &TableBuilder::placeCellEditor);
    connect(m_grid->horizontalHeader(), &QHeaderView::sectionResized, this,
            &TableBuilder::columnResized);
    connect(m_grid->verticalHeader(), &QHeaderView::sectionResized, this,
            &TableBuilder::placeCellEditor);

    m_rowSpin = new SpinArrows;
    m_rowSpin->setObjectName(QStringLiteral("SpinButton1"));
    m_rowCount = new QLabel(QString::number(m_table.rowCount()));
    m_rowCount->setObjectName(QStringLiteral("Label14"));
    m_columnSpin = new SpinArrows;
    m_columnSpin->setObjectName(QStringLiteral("SpinButton2"));
    m_columnCount = new QLabel(QString::number(m_table.columnCount()));
    m_columnCount->setObjectName(QStringLiteral("Label15"));
    for (QLabel *count : {m_rowCount, m_columnCount}) {
        count->setFrameShape(QFrame::Panel);
        count->setFrameShadow(QFrame::Sunken);
        count->setAlignment(Qt::AlignCenter);
        count->setMargin(3);
        count->setMinimumWidth(count->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
    }
    m_rowSpin->setValueSource([this] { return m_rowCount->text(); });
    m_columnSpin->setValueSource([this] { return m_columnCount->text(); });
    connect(m_rowSpin, &SpinArrows::spinUp, this, &TableBuilder::addRow);
    connect(m_rowSpin, &SpinArrows::spinDown, this, &TableBuilder::removeRow);
    connect(m_columnSpin, &SpinArrows::spinUp, this, &TableBuilder::addColumn);
    connect(m_columnSpin, &SpinArrows::spinDown, this, &TableBuilder::removeColumn);

    m_fontSize = formkit::editableCombo("Combo2", fontSizeItems());
    m_fontSize->setCurrentIndex(m_fontSize->findText(fontSizeComboText(DefaultFontSize)));
    // Only the user's choice changes cells; showing a cell's size does not.
    // A typed size that is not in the list counts once Enter is pressed;
    // that Enter is the size's, not OK's (see eventFilter).
    connect(m_fontSize, &QComboBox::textActivated, this, &TableBuilder::fontSizeChosen);
    m_fontSize->installEventFilter(this);
    m_fontSize->lineEdit()->installEventFilter(this);

    m_textColorCheck = formkit::checkBox("Check4", tr("Text Color"));
    m_textColorButton = formkit::button("Command1", tr("Text Color"));
    m_textColorButton->setEnabled(false);
    m_backColorButton = formkit::button("Command6", tr("Back Color"));
    m_transparentCheck = formkit::checkBox("Check2", tr("Transparent Cell Backgrounds"), true);
    m_imageButton = formkit::button("Command2", tr("Image"));
    m_contrast = new ContrastBadge("Contrast1", tr("Cell text against its background"));
    connect(m_textColorCheck, &QCheckBox::toggled, this, &TableBuilder::textColorToggled);
    connect(m_textColorButton, &QPushButton::clicked, this, &TableBuilder::chooseTextColor);
    connect(m_backColorButton, &QPushButton::clicked, this, &TableBuilder::chooseBackColor);
    connect(m_transparentCheck, &QCheckBox::toggled, this, &TableBuilder::transparentToggled);
    connect(m_imageButton, &QPushButton::clicked, this, &TableBuilder::chooseImage);
    transparentToggled(m_transparentCheck->isChecked());

    auto *counts = new QGridLayout;
    counts->addWidget(formkit::captionLabel(tr("Rows"), m_rowSpin), 0, 0);
    counts->addWidget(m_rowCount, 0, 1, Qt::AlignVCenter);
    counts->addWidget(m_rowSpin, 0, 2);
    counts->addWidget(formkit::captionLabel(tr("Columns"), m_columnSpin), 1, 0);
    counts->addWidget(m_columnCount, 1, 1, Qt::AlignVCenter);
    counts->addWidget(m_columnSpin, 1, 2);
    counts->addWidget(formkit::captionLabel(tr("Font Size"), m_fontSize), 2, 0);
    counts->addWidget(m_fontSize, 2, 1, 1, 2);
    m_rowSpin->setCaption(tr("Rows"));
    m_columnSpin->setCaption(tr("Columns"));

    auto *side = new QVBoxLayout;
    side->addLayout(counts);
    side->addSpacing(8);
    side->addWidget(m_textColorCheck);
    side->addWidget(m_textColorButton);
    side->addWidget(m_backColorButton);
    side->addWidget(m_transparentCheck);
    side->addWidget(m_contrast);
    side->addSpacing(8);
    side->addWidget(m_imageButton);
    side->addStretch();

    auto *layout = new QHBoxLayout(page);
    layout->addWidget(m_grid, 1);
    layout->addLayout(side);
    return page;
}

QWidget *TableBuilder::buildSettingsPage()
{
    auto *page = new QWidget;

    using formkit::editableCombo;
    const TableOptions defaults;
    m_title = formkit::lineEdit("Text9", defaults.title);
    m_alignment = editableCombo("Combo1", alignmentItems(), defaults.alignment);
    m_borderSize = editableCombo("Combo8", borderSizeItems(), defaults.borderSize);
    m_borderColor =
        new ColourField(tr("Border Color"), {"Combo3", nullptr, "Command5", tr("Set Color")});
    m_borderColor->setDialog(host().dialogs(), &m_lastColour);
    m_borderColor->setText(defaults.borderColor);
    m_cellPadding = editableCombo("Combo10", spacingItems(), defaults.cellPadding);
    m_cellSpacing = editableCombo("Combo9", spacingItems(), defaults.cellSpacing);
    using htmlvalues::FieldKind;
    formkit::restrictTo(m_borderSize, FieldKind::Whole);
    formkit::restrictTo(m_cellPadding, FieldKind::Whole);
    formkit::restrictTo(m_cellSpacing, FieldKind::Whole);
    m_frame = editableCombo("Combo4", frameItems(), defaults.frame);
    m_rules = editableCombo("Combo6", rulesItems(), defaults.rules);
    m_textAlignment = editableCombo("Combo5", alignmentItems(), defaults.textAlignment);
    m_verticalAlignment =
        editableCombo("Combo7", verticalAlignmentItems(), defaults.textVerticalAlignment);
    m_percentageCheck =
        formkit::checkBox("Check3", tr("Percentage Width"), defaults.percentageWidth);
    m_percentageWidth =
        editableCombo("Combo11", percentageWidthItems(), defaults.percentageWidthText);
    formkit::restrictTo(m_percentageWidth, FieldKind::Length);
    formkit::setCaption(m_percentageWidth, tr("Percentage Width"));

    auto *percentage = new QHBoxLayout;
    percentage->addWidget(m_percentageCheck);
    percentage->addWidget(m_percentageWidth, 1);

    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(formkit::captionLabel(tr("Table Title"), m_title), m_title);
    form->addRow(formkit::captionLabel(tr("Alignment"), m_alignment), m_alignment);
    form->addRow(formkit::captionLabel(tr("Border Size"), m_borderSize), m_borderSize);
    form->addRow(formkit::captionLabel(tr("Border Color"), m_borderColor->combo()), m_borderColor);
    form->addRow(formkit::captionLabel(tr("Cell Padding"), m_cellPadding), m_cellPadding);
    form->addRow(formkit::captionLabel(tr("Cell Spacing"), m_cellSpacing), m_cellSpacing);
    form->addRow(formkit::captionLabel(tr("Frame"), m_frame), m_frame);
    form->addRow(formkit::captionLabel(tr("Rules"), m_rules), m_rules);
    form->addRow(formkit::captionLabel(tr("Text Alignment"), m_textAlignment), m_textAlignment);
    form->addRow(formkit::captionLabel(tr("Text Vertical Alignment"), m_verticalAlignment),
                 m_verticalAlignment);
    form->addRow(QString(), percentage);

    auto *layout = new QVBoxLayout(page);
    layout->addLayout(form);
    layout->addStretch();
    return page;
}

TableOptions TableBuilder::options() const
{
    TableOptions options = m_table;
    options.title = m_title->text();
    options.alignment = m_alignment->currentText();
    options.borderSize = m_borderSize->currentText();
    options.borderColor = m_borderColor->text();
    options.cellPadding = m_cellPadding->currentText();
    options.cellSpacing = m_cellSpacing->currentText();
    options.frame = m_frame->currentText();
    options.rules = m_rules->currentText();
    options.textAlignment = m_textAlignment->currentText();
    options.textVerticalAlignment = m_verticalAlignment->currentText();
    options.percentageWidth = m_percentageCheck->isChecked();
    options.percentageWidthText = m_percentageWidth->currentText();
    options.textColorEnabled = m_textColorButton->isEnabled();
    options.transparentBackgrounds = m_transparentCheck->isChecked();
    return options;
}

void TableBuilder::setOptions(const TableOptions &options)
{
    m_table = options;
    for (QList<TableCell> &row : m_table.cells)
        row.resize(m_table.columnCount());
    if (m_table.cells.isEmpty())
        m_table.cells.append(QList<TableCell>(m_table.columnCount()));
    if (m_table.columnWidths.isEmpty()) {
        m_table.columnWidths.append(DefaultColumnWidth);
        for (QList<TableCell> &row : m_table.cells)
            row.resize(1);
    }
    m_title->setText(options.title);
    m_alignment->setEditText(options.alignment);
    m_borderSize->setEditText(options.borderSize);
    m_borderColor->setText(options.borderColor);
    m_cellPadding->setEditText(options.cellPadding);
    m_cellSpacing->setEditText(options.cellSpacing);
    m_frame->setEditText(options.frame);
    m_rules->setEditText(options.rules);
    m_textAlignment->setEditText(options.textAlignment);
    m_verticalAlignment->setEditText(options.textVerticalAlignment);
    m_percentageCheck->setChecked(options.percentageWidth);
    m_percentageWidth->setEditText(options.percentageWidthText);
    // The check box toggles would clear or keep colours; the cells come
    // from the options as they are.
    const QSignalBlocker blockText(m_textColorCheck);
    const QSignalBlocker blockTransparent(m_transparentCheck);
    m_textColorCheck->setChecked(options.textColorEnabled);
    m_textColorButton->setEnabled(options.textColorEnabled);
    m_transparentCheck->setChecked(options.transparentBackgrounds);
    m_backColorButton->setEnabled(!options.transparentBackgrounds);
    rebuildGrid();
}

QString TableBuilder::fragment() const
{
    return buildTableFragment(options());
}

void TableBuilder::accept()
{
    finishOk(fragment());
}

void TableBuilder::rebuildGrid()
{
    if (m_cellEditor)
        hideCellEditor();
    m_changingGrid = true;
    m_model->reset();
    for (int c = 0; c < m_table.columnCount(); ++c)
        setColumnPixels(c);
    for (int r = 0; r < m_table.rowCount(); ++r)
        fitRow(r);
    m_changingGrid = false;
    if (m_rowCount) {
        m_rowCount->setText(QString::number(m_table.rowCount()));
        m_columnCount->setText(QString::number(m_table.columnCount()));
    }
}

// Rows and columns.

void TableBuilder::addRow()
{
    m_changingGrid = true;
    m_model->addRow();
    m_changingGrid = false;
    gridResized();
}

void TableBuilder::removeRow()
{
    m_changingGrid = true;
    const bool removed = m_model->removeRow();
    m_changingGrid = false;
    if (removed)
        gridResized();
}

void TableBuilder::addColumn()
{
    m_changingGrid = true;
    m_model->addColumn();
    setColumnPixels(m_table.columnCount() - 1);
    m_changingGrid = false;
    gridResized();
}

void TableBuilder::removeColumn()
{
    m_changingGrid = true;
    const bool removed = m_model->removeColumn();
    m_changingGrid = false;
    if (removed)
        gridResized();
}

void TableBuilder::gridResized()
{
    m_rowCount->setText(QString::number(m_table.rowCount()));
    m_columnCount->setText(QString::number(m_table.columnCount()));
    hideCellEditor();
}

void TableBuilder::setColumnPixels(int column)
{
    const bool wasChanging = m_changingGrid;
    m_changingGrid = true;
    m_grid->setColumnWidth(column, toPixels(m_table.columnWidths.at(column)));
    m_changingGrid = wasChanging;
}

void TableBuilder::columnResized(int column, int, int newSize)
{
    if (m_changingGrid || column < 0 || column >= m_table.columnCount())
        return;
    // Widths are kept in twips; a section that still shows the kept width
    // keeps its exact value (1900 twips are not a whole number of pixels).
    if (newSize != toPixels(m_table.columnWidths.at(column)))
        m_table.columnWidths[column] = qint64(newSize) * numbers::TwipsPerPixel;
    placeCellEditor();
}

// Cells and the cell editor.

void TableBuilder::fitRow(int row)
{
    // Rows grow with their text and font, never below the usual height.
    QHeaderView *rows = m_grid->verticalHeader();
    int wanted = static_cast<QAbstractItemView *>(m_grid)->sizeHintForRow(row);
    if (row == m_editorRow) {
        // The editor, with its frame, must show all its lines too.
        int lines = 0;
        for (QTextBlock block = m_cellEditor->document()->begin(); block.isValid();
             block = block.next())
            lines += std::max(1, block.layout() ? block.layout()->lineCount() : 1);
        const int margins =
            2 * (m_cellEditor->frameWidth() + int(m_cellEditor->document()->documentMargin()) + 1);
        wanted = std::max(wanted, lines * m_cellEditor->fontMetrics().lineSpacing() + margins);
    }
    rows->resizeSection(row, std::max(wanted, rows->defaultSectionSize()));
}

QList<QPoint> TableBuilder::selectedCells() const
{
    QList<QPoint> cells;
    const QModelIndexList selected = m_grid->selectionModel()->selectedIndexes();
    for (const QModelIndex &index : selected) {
        if (index.row() < m_table.rowCount() && index.column() < m_table.columnCount())
            cells << QPoint(index.column(), index.row());
    }
    const QModelIndex current = m_grid->currentIndex();
    if (cells.isEmpty() && current.isValid())
        cells << QPoint(current.column(), current.row());
    return cells;
}

void TableBuilder::showCellEditor(int row, int column)
{
    if (row < 0 || column < 0 || row >= m_table.rowCount() || column >= m_table.columnCount()) {
        hideCellEditor();
        return;
    }
    const TableCell &c = cell(row, column);

    // The combo shows the cell's size; textActivated is not emitted for
    // this, so no cell changes.
    const QString size = fontSizeComboText(c.fontSize);
    m_fontSize->setCurrentIndex(m_fontSize->findText(size));
    m_fontSize->setEditText(size);

    if (!c.imageName.isEmpty()) {
        hideCellEditor();
        return;
    }
    m_editorRow = row;
    m_editorColumn = column;
    m_loadingEditor = true;
    m_cellEditor->setPlainText(c.text);
    m_cellEditor->selectAll();
    m_loadingEditor = false;
    styleCellEditor();
    placeCellEditor();
    m_cellEditor->show();
}

qint64 TableBuilder::shownTextColor(const TableCell &c) const
{
    return m_textColorButton->isEnabled() ? c.textColor : colour::number(0, 0, 0);
}

void TableBuilder::showContrast()
{
    const QModelIndex current = m_grid->currentIndex();
    if (!current.isValid() || current.row() >= m_table.rowCount() ||
        current.column() >= m_table.columnCount()) {
        m_contrast->setColours(std::nullopt, std::nullopt);
        return;
    }
    const QList<TableCell> &row = m_table.cells.at(current.row());
    const TableCell c = current.column() < row.size() ? row.at(current.column()) : TableCell();
    m_contrast->setColours(shownTextColor(c), editorBackColor(c, m_transparentCheck->isChecked()));
}

void TableBuilder::styleCellEditor()
{
    showContrast();
    if (m_editorRow < 0)
        return;
    const TableCell &c = cell(m_editorRow, m_editorColumn);
    QPalette palette = m_cellEditor->palette();
    palette.setColor(QPalette::Text, formkit::toQColor(shownTextColor(c)));
    palette.setColor(QPalette::Base,
                     formkit::toQColor(editorBackColor(c, m_transparentCheck->isChecked())));
    m_cellEditor->setPalette(palette);
    m_cellEditor->setFont(m_model->cellFont(c.fontSize));
    fitRow(m_editorRow);
}

void TableBuilder::placeCellEditor()
{
    if (m_editorRow < 0 || m_editorRow >= m_table.rowCount() ||
        m_editorColumn >= m_table.columnCount())
        return;
    const QRect rect = m_grid->visualRect(m_grid->model()->index(m_editorRow, m_editorColumn));
    const int width = toPixels(m_table.columnWidths.at(m_editorColumn) + EditorExtraWidth);
    m_cellEditor->setGeometry(rect.x(), rect.y(), width, rect.height());
}

void TableBuilder::hideCellEditor()
{
    m_cellEditor->hide();
    m_editorRow = -1;
    m_editorColumn = -1;
}

void TableBuilder::focusCellEditor()
{
    if (m_cellEditor->isVisible())
        m_cellEditor->setFocus();
}

void TableBuilder::cellEditorChanged()
{
    if (m_loadingEditor || m_editorRow < 0)
        return;
    cell(m_editorRow, m_editorColumn).text = plainText(m_cellEditor);
    m_model->cellChanged(m_editorRow, m_editorColumn);
    fitRow(m_editorRow);
}

bool TableBuilder::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_grid->viewport() && event->type() == QEvent::Resize) {
        placeCellEditor();
    } else if (m_fontSize && (watched == m_fontSize || watched == m_fontSize->lineEdit()) &&
               event->type() == QEvent::KeyPress) {
        const int k = static_cast<QKeyEvent *>(event)->key();
        if (k == Qt::Key_Return || k == Qt::Key_Enter) {
            fontSizeChosen(m_fontSize->currentText());
            return true;
        }
    } else if ((watched == m_grid || watched == m_cellEditor) &&
               event->type() == QEvent::KeyPress) {
        if (gridKey(static_cast<QKeyEvent *>(event), watched == m_cellEditor))
            return true;
    }
    return BuilderDialog::eventFilter(watched, event);
}

// The grid must not trap the keyboard: Tab walks the cells and goes on to
// the next control after the last one, Ctrl+Tab leaves at once, and Escape
// in a cell ends the cell edit (a second Escape cancels the builder).
bool TableBuilder::gridKey(QKeyEvent *key, bool inEditor)
{
    const bool ctrl = key->modifiers() & Qt::ControlModifier;
    const int k = key->key();
    if (!inEditor && (k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_F2)) {
        showCellEditor(m_grid->currentIndex().row(), m_grid->currentIndex().column());
        focusCellEditor();
        return true;
    }
    if (inEditor && k == Qt::Key_Escape) {
        // The focus moves first: a hidden focus widget hands it on by itself.
        m_grid->setFocus(Qt::OtherFocusReason);
        hideCellEditor();
        return true;
    }
    if (k != Qt::Key_Tab && k != Qt::Key_Backtab)
        return false;
    const bool forward = k == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier);
    const int rows = m_table.rowCount();
    const int columns = m_table.columnCount();
    const int current = std::max(0, m_grid->currentIndex().row()) * columns +
                        std::max(0, m_grid->currentIndex().column());
    const int next = current + (forward ? 1 : -1);
    if (ctrl || next < 0 || next >= rows * columns) {
        leaveGrid(forward);
        return true;
    }
    m_grid->setCurrentIndex(m_model->index(next / columns, next % columns));
    showCellEditor(next / columns, next % columns);
    focusCellEditor();
    return true;
}

void TableBuilder::leaveGrid(bool forward)
{
    // The next control in the focus chain that is not part of the grid.
    QWidget *w = m_grid;
    for (int guard = 0; guard < 1000; ++guard) {
        w = forward ? w->nextInFocusChain() : w->previousInFocusChain();
        if (!w || w == m_grid)
            return;
        if (m_grid->isAncestorOf(w) || !w->isVisibleTo(this) || !w->isEnabled() ||
            !(w->focusPolicy() & Qt::TabFocus) || !isAncestorOf(w))
            continue;
        w->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        hideCellEditor();
        return;
    }
}

void TableBuilder::fontSizeChosen(const QString &text)
{
    const float points = fontSizeFromComboText(text);
    QSet<int> rows;
    for (const QPoint &p : selectedCells()) {
        cell(p.y(), p.x()).fontSize = points;
        m_model->cellChanged(p.y(), p.x());
        rows.insert(p.y());
    }
    for (const int row : std::as_const(rows))
        fitRow(row);
    styleCellEditor();
}

// Colours and pictures.

std::optional<qint64> TableBuilder::askColour()
{
    const std::optional<qint64> colour = host().dialogs().colour(this, m_lastColour);
    if (colour)
        m_lastColour = *colour;
    return colour;
}

void TableBuilder::chooseTextColor()
{
    const std::optional<qint64> colour = askColour();
    if (!colour)
        return;
    for (const QPoint &p : selectedCells()) {
        cell(p.y(), p.x()).textColor = *colour;
        m_model->cellChanged(p.y(), p.x());
    }
    styleCellEditor();
}

void TableBuilder::chooseBackColor()
{
    const std::optional<qint64> colour = askColour();
    if (!colour)
        return;
    for (const QPoint &p : selectedCells()) {
        cell(p.y(), p.x()).backColor = storedBackColor(*colour);
        m_model->cellChanged(p.y(), p.x());
    }
    styleCellEditor();
}

void TableBuilder::textColorToggled(bool on)
{
    m_textColorButton->setEnabled(on);
    if (on)
        return;
    clearTextColors(m_table);
    m_model->allChanged();
    styleCellEditor();
    hideCellEditor();
}

void TableBuilder::transparentToggled(bool on)
{
    m_backColorButton->setEnabled(!on);
    styleCellEditor();
}

void TableBuilder::chooseImage()
{
    const int row = m_grid->currentIndex().row();
    const int column = m_grid->currentIndex().column();
    if (row < 0 || column < 0)
        return;
    const QString path =
        host().dialogs().openFileName(this, QString(), host().siteFolder(), tr(imageFilter));
    if (path.isEmpty())
        return;

    hideCellEditor();
    TableCell &c = cell(row, column);
    c.imageName = QFileInfo(path).fileName();
    c.text.clear();
    // The name goes into the HTML even when the picture cannot be shown.
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.width() > pictureSize.width() || size.height() > pictureSize.height())
        reader.setScaledSize(size.scaled(pictureSize, Qt::KeepAspectRatio));
    QImage image = reader.read();
    if (!image.isNull() &&
        (image.width() > pictureSize.width() || image.height() > pictureSize.height()))
        image = image.scaled(pictureSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    m_model->setPicture(row, column, image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image)));
    fitRow(row);
}

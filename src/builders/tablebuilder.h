// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Table Builder: the user lays out a table in a grid, cell by cell,
// sets the TABLE attributes on a second page, and OK writes the whole
// table into the document.

#include "builders/tablebuilderlogic.h"
#include "widgets/builderdialog.h"

#include <optional>

class QCheckBox;
class QKeyEvent;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableView;
class TableGridModel;
class ColourField;
class ContrastBadge;
class SpinArrows;

class TableBuilder : public BuilderDialog
{
    Q_OBJECT
public:
    explicit TableBuilder(BuilderHost &host);

    // Everything the dialog holds, as the fragment generator reads it.
    tablebuilder::TableOptions options() const;
    // Fills the grid and every field from options; pictures are shown by
    // name only.
    void setOptions(const tablebuilder::TableOptions &options);
    // What OK writes with the fields as they are.
    QString fragment() const;

    // OK: writes the table.
    void accept() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildGridPage();
    QWidget *buildSettingsPage();
    void rebuildGrid();

    void addRow();
    void removeRow();
    void addColumn();
    void removeColumn();
    void gridResized();

    bool gridKey(QKeyEvent *key, bool inEditor);
    void leaveGrid(bool forward);
    void showCellEditor(int row, int column);
    void placeCellEditor();
    void hideCellEditor();
    void cellEditorChanged();
    void focusCellEditor();

    void fontSizeChosen(const QString &text);
    void chooseTextColor();
    void chooseBackColor();
    void textColorToggled(bool on);
    void transparentToggled(bool on);
    void chooseImage();
    void columnResized(int column, int oldSize, int newSize);

    std::optional<qint64> askColour();
    // The selected cells, or the current one when nothing is selected.
    QList<QPoint> selectedCells() const; // x = column, y = row
    tablebuilder::TableCell &cell(int row, int column) { return m_table.cells[row][column]; }
    void fitRow(int row);
    void styleCellEditor();
    // The colour a cell's text shows in: black while Text Color is off.
    qint64 shownTextColor(const tablebuilder::TableCell &cell) const;
    // The current cell's text against its background.
    void showContrast();
    void setColumnPixels(int column);

    // The grid's part of the table: cells and column widths in twips.
    tablebuilder::TableOptions m_table;
    qint64 m_lastColour = 0; // every colour dialog opens on the colour chosen last
    bool m_changingGrid = false;
    bool m_loadingEditor = false;
    int m_editorRow = -1;
    int m_editorColumn = -1;

    QTabWidget *m_tabs = nullptr;
    QTableView *m_grid = nullptr;
    TableGridModel *m_model = nullptr;
    QPlainTextEdit *m_cellEditor = nullptr;
    SpinArrows *m_rowSpin = nullptr;
    SpinArrows *m_columnSpin = nullptr;
    QLabel *m_rowCount = nullptr;
    QLabel *m_columnCount = nullptr;
    QComboBox *m_fontSize = nullptr;
    QCheckBox *m_textColorCheck = nullptr;
    QPushButton *m_textColorButton = nullptr;
    QPushButton *m_backColorButton = nullptr;
    QCheckBox *m_transparentCheck = nullptr;
    ContrastBadge *m_contrast = nullptr; // the current cell's text against its background
    QPushButton *m_imageButton = nullptr;
    QCheckBox *m_retainCheck = nullptr;

    QLineEdit *m_title = nullptr;
    QComboBox *m_alignment = nullptr;
    QComboBox *m_borderSize = nullptr;
    ColourField *m_borderColor = nullptr;
    QComboBox *m_cellPadding = nullptr;
    QComboBox *m_cellSpacing = nullptr;
    QComboBox *m_frame = nullptr;
    QComboBox *m_rules = nullptr;
    QComboBox *m_textAlignment = nullptr;
    QComboBox *m_verticalAlignment = nullptr;
    QCheckBox *m_percentageCheck = nullptr;
    QComboBox *m_percentageWidth = nullptr;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A grid of text rows edited through one text box, with spin arrows that add
// a row at the end or remove the last one (never below one row). Column
// widths are given in twips. Several builders list items, links, options
// or parameters this way.
//
// Clicking a cell (or moving to it with the keyboard) copies its text into
// the editor, selects it all and gives the editor the focus; every change of
// the editor is written back into the current cell at once.

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QTableWidget;
class SpinArrows;

class ListGrid : public QWidget
{
    Q_OBJECT
public:
    struct Column
    {
        QString header; // all empty: the grid has no header row
        int twips = 1500;
    };
    // Which arrow adds a row; the other removes the last one.
    enum class AddArrow { Up, Down };

    struct Options
    {
        QList<Column> columns;
        int rows = 1;
        AddArrow addArrow = AddArrow::Up;
        QString caption;       // the grid's accessible name
        QString editorCaption; // shown above the grid when not empty
        const char *gridName = "Grid1";
        const char *editorName = "Text1";
        const char *spinName = "SpinButton1";
    };

    explicit ListGrid(const Options &options, QWidget *parent = nullptr);

    QTableWidget *table() const { return m_table; }
    QLineEdit *editor() const { return m_editor; }
    SpinArrows *spin() const { return m_spin; }

    int rowCount() const;
    int columnCount() const;
    QString text(int row, int column) const;
    void setText(int row, int column, const QString &text);
    // Every row's texts, first row first.
    QList<QStringList> rows() const;
    QStringList column(int column) const;
    void setRows(const QList<QStringList> &rows);

    // Replaces the columns, keeping the texts of the columns that remain.
    void setColumns(const QList<Column> &columns);

    int currentRow() const;
    int currentColumn() const;
    void setCurrentCell(int row, int column);

    // The spin arrows' actions: a new empty row at the end (made current),
    // or the last row removed unless only one is left.
    void addRow();
    bool removeLastRow();

signals:
    void rowsChanged(int count);
    // The current cell changed: its text is in the editor now.
    void cellChosen(int row, int column);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void loadEditor(int row, int column);
    void editorEdited(const QString &text);
    void applyWidths();

    QList<Column> m_columns;
    QTableWidget *m_table;
    QLineEdit *m_editor;
    SpinArrows *m_spin;
    bool m_loading = false;
};

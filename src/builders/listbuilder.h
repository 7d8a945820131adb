// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The List Builder: the user picks one of five kinds of list, types the
// items into a grid (term and definition for a definition list), may colour
// them, and OK writes the list into the document.

#include "builders/listbuilderlogic.h"
#include "widgets/builderdialog.h"

#include <QList>
#include <QPoint>

#include <array>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class ListGrid;

class ListBuilder : public BuilderDialog
{
    Q_OBJECT
public:
    explicit ListBuilder(BuilderHost &host);

    listbuilder::ListOptions options() const;
    void setOptions(const listbuilder::ListOptions &options);

    // OK: writes the list.
    void accept() override;
    // Cancel also hands the keyboard focus back to the document.
    void reject() override;

private:
    listbuilder::ListKind kind() const;
    void kindChosen(listbuilder::ListKind kind);
    void chooseTextColor();
    void setUseColors(bool on);
    void rowsChanged(int count);
    void cellChosen(int row, int column);
    void paintCell(int row, int column);
    void paintEditor(qint64 colour);
    QList<QPoint> selectedCells() const; // x = column, y = row

    // Each row's colour numbers, item (or term) then definition; the texts
    // live in the grid.
    QList<std::array<qint64, 2>> m_colours{{0, 0}};
    bool m_useColors = false;
    qint64 m_lastColour = 0; // the colour dialog opens on the colour chosen last

    QList<QRadioButton *> m_kinds;
    ListGrid *m_grid = nullptr;
    QPushButton *m_textColor = nullptr;
    QLabel *m_colourFlag = nullptr;
    QWidget *m_orderedPanel = nullptr;
    QListWidget *m_type = nullptr;
    QLabel *m_typeName = nullptr;
    QLineEdit *m_start = nullptr;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Listbox Builder: a SELECT list, its options edited in a two-column grid
// ("Text Displayed", "Value") through one text box.

#include "builders/formbuilderslogic.h"
#include "widgets/builderdialog.h"

class ListGrid;
class QCheckBox;
class QComboBox;
class QLineEdit;

class ListboxBuilder : public BuilderDialog
{
    Q_OBJECT
public:
    explicit ListboxBuilder(BuilderHost &host);

    formbuilders::ListboxOptions options() const;
    void setOptions(const formbuilders::ListboxOptions &options);
    // What OK writes with the fields as they are.
    QString fragment() const;

    void accept() override;

    ListGrid *grid() const { return m_grid; }

private:
    QLineEdit *m_name;
    QComboBox *m_size;
    QCheckBox *m_multiple;
    ListGrid *m_grid;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Form Builder: the FORM element's action, method and target.

#include "builders/formbuilderslogic.h"
#include "widgets/builderdialog.h"

class QComboBox;
class QLineEdit;
class QListWidget;

class FormBuilder : public BuilderDialog
{
    Q_OBJECT
public:
    explicit FormBuilder(BuilderHost &host);

    formbuilders::FormOptions options() const;
    // A method that is not in the list chooses none.
    void setOptions(const formbuilders::FormOptions &options);
    // What OK writes with the fields as they are.
    QString fragment() const;

    void accept() override;

private:
    QLineEdit *m_url;
    QListWidget *m_method;
    QComboBox *m_target;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Form Input: one INPUT or TEXTAREA control. Nine option buttons
// (Option1..Option9) choose the kind; each kind has its own page of fields
// (Frame1..Frame9) and only the visible page is written. The pages' text
// boxes are numbered on from page to page in the order of their labels:
// Checkbox Text1-Text2 and Check1, Hidden Text3-Text4, Image Text5, Combo1
// and Text6, Password Text7-Text10, Radio Text11-Text13, Reset Text14-Text15,
// Submit Text16-Text17, Text Text18-Text21, Textbox Text22-Text25.

#include "builders/formbuilderslogic.h"
#include "widgets/builderdialog.h"

#include <QList>

class QButtonGroup;
class QCheckBox;
class QStackedWidget;

class FormInput : public BuilderDialog
{
    Q_OBJECT
public:
    explicit FormInput(BuilderHost &host);

    // The visible page's kind and fields.
    formbuilders::FormInputOptions options() const;
    // Shows the page of options.kind and fills its fields.
    void setOptions(const formbuilders::FormInputOptions &options);
    // What OK writes with the fields as they are.
    QString fragment() const;

    void accept() override;

private:
    // A page's text field and the option it edits.
    struct Binding
    {
        QWidget *widget; // QLineEdit or editable QComboBox
        QString formbuilders::FormInputOptions::*member;
    };

    QWidget *buildPage(formbuilders::InputKind kind, int &nextText);
    void showKind(formbuilders::InputKind kind);
    formbuilders::InputKind kind() const;

    QButtonGroup *m_kinds;
    QStackedWidget *m_pages;
    QCheckBox *m_checked = nullptr;
    QList<QList<Binding>> m_bindings; // per kind
};

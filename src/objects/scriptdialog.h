// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Insert Script: an empty SCRIPT block for VBScript or JavaScript.

#include "objects/scriptlogic.h"
#include "widgets/builderdialog.h"

class QRadioButton;

class ScriptDialog : public BuilderDialog
{
    Q_OBJECT
public:
    explicit ScriptDialog(BuilderHost &host);

    scripts::Language options() const;
    void setOptions(scripts::Language language);

    void accept() override;

private:
    QRadioButton *m_vbScript = nullptr;
    QRadioButton *m_javaScript = nullptr;
};

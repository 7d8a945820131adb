// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Premade Scripts: one of fifteen finished scripts, in a VBScript and a
// JavaScript group. Three entries open another dialog instead (random
// background, link box, random text) and insert nothing themselves.

#include "objects/scriptlogic.h"
#include "widgets/builderdialog.h"

class QRadioButton;

class PremadeScriptsDialog : public BuilderDialog
{
    Q_OBJECT
public:
    explicit PremadeScriptsDialog(BuilderHost &host);

    // The chosen entry's index in scripts::premadeScripts().
    int options() const;
    void setOptions(int entry);

    void accept() override;

private:
    QList<QRadioButton *> m_entries;
};

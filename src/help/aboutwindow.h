// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "About": the product, a disclaimer and a report on this computer.

#include "widgets/builderdialog.h"

class AboutWindow : public BuilderDialog
{
    Q_OBJECT
public:
    explicit AboutWindow(BuilderHost &host);

    static QString disclaimer();
};

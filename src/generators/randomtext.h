// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Random Text Generator: a list of texts, one of which a page script writes
// each time the page loads.

#include "generators/randomscriptslogic.h"
#include "widgets/builderdialog.h"

class ListGrid;

class RandomTextDialog : public BuilderDialog
{
    Q_OBJECT
public:
    explicit RandomTextDialog(BuilderHost &host);

    randomscripts::TextOptions options() const;
    void setOptions(const randomscripts::TextOptions &options);

    void accept() override;

private:
    ListGrid *m_grid = nullptr;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// LinkBox Builder: a drop-down list of addresses with a "Goto" button, its
// entries edited in a two-column grid ("Listing", "Link Address") through
// one text box.

#include "builders/linkslogic.h"
#include "widgets/builderdialog.h"

class ListGrid;
class QLineEdit;

class LinkBoxBuilder : public BuilderDialog
{
    Q_OBJECT
public:
    explicit LinkBoxBuilder(BuilderHost &host);

    links::LinkBoxOptions options() const;
    void setOptions(const links::LinkBoxOptions &options);

    void accept() override;

    ListGrid *grid() const { return m_grid; }

private:
    QLineEdit *m_name;
    ListGrid *m_grid;
};

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Insert Internet Searches: a search form for one of three public search
// services. With none chosen, OK inserts nothing.

#include "objects/scriptlogic.h"
#include "widgets/builderdialog.h"

class QListWidget;

class SearchesDialog : public BuilderDialog
{
    Q_OBJECT
public:
    explicit SearchesDialog(BuilderHost &host);

    // The chosen service's index in scripts::searchServices(), -1 for none.
    int options() const;
    void setOptions(int service);

    void accept() override;

private:
    QListWidget *m_list = nullptr;
};

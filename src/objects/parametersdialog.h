// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Insert Parameters: PARAM lines from a grid of name/value pairs.

#include "objects/appletlogic.h"
#include "widgets/builderdialog.h"

class ListGrid;

class ParametersDialog : public BuilderDialog
{
    Q_OBJECT
public:
    explicit ParametersDialog(BuilderHost &host);

    QList<applet::Parameter> options() const;
    void setOptions(const QList<applet::Parameter> &parameters);
    // What OK writes with the fields as they are.
    QString fragment() const;

    void accept() override;

private:
    ListGrid *m_grid = nullptr;
};

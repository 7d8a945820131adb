// SPDX-License-Identifier: GPL-3.0-or-later
#include "objects/parametersdialog.h"

#include "widgets/formkit.h"
#include "widgets/listgrid.h"

#include <QLineEdit>
#include <QVBoxLayout>

using namespace applet;

ParametersDialog::ParametersDialog(BuilderHost &host) : BuilderDialog(host)
{
    setObjectName(QStringLiteral("Form33"));
    setWindowTitle(tr("Insert Parameters"));

    ListGrid::Options grid;
    grid.columns = {{tr("Parameter Name"), 3000}, {tr("Parameter Value"), 1750}};
    grid.addArrow = ListGrid::AddArrow::Down;
    grid.caption = tr("Parameters");
    grid.editorCaption = tr("Cell Text");
    m_grid = new ListGrid(grid, this);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_grid, 1);
    layout->addLayout(formkit::okCancelRow(this, "Command1", "Command2"));
    resize(420, 260);
    m_grid->editor()->setFocus();
}

QList<Parameter> ParametersDialog::options() const
{
    QList<Parameter> out;
    for (const QStringList &row : m_grid->rows())
        out.append({row.value(0), row.value(1)});
    return out;
}

void ParametersDialog::setOptions(const QList<Parameter> &parameters)
{
    QList<QStringList> rows;
    for (const Parameter &p : parameters)
        rows.append({p.name, p.value});
    m_grid->setRows(rows);
}

QString ParametersDialog::fragment() const
{
    return buildParameterList(options());
}

void ParametersDialog::accept()
{
    finishOk(fragment());
}

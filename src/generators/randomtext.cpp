// SPDX-License-Identifier: GPL-3.0-or-later
#include "generators/randomtext.h"

#include "widgets/formkit.h"
#include "widgets/listgrid.h"

#include <QVBoxLayout>

using namespace randomscripts;

RandomTextDialog::RandomTextDialog(BuilderHost &host) : BuilderDialog(host)
{
    setObjectName(QStringLiteral("Form40"));
    setWindowTitle(tr("Random Text Generator"));

    ListGrid::Options grid;
    grid.columns = {ListGrid::Column{QString(), 3495}};
    grid.rows = int(TextOptions().texts.size());
    grid.addArrow = ListGrid::AddArrow::Down;
    grid.caption = tr("Texts");
    grid.editorCaption = tr("Text");
    m_grid = new ListGrid(grid);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_grid, 1);
    layout->addLayout(formkit::okCancelRow(this, "Command1", "Command2"));
}

TextOptions RandomTextDialog::options() const
{
    return TextOptions{m_grid->column(0)};
}

void RandomTextDialog::setOptions(const TextOptions &o)
{
    QList<QStringList> rows;
    for (const QString &text : o.texts)
        rows << QStringList{text};
    m_grid->setRows(rows);
}

void RandomTextDialog::accept()
{
    finishOk(buildTextScript(options()));
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "builders/linkbox.h"

#include "widgets/formkit.h"
#include "widgets/listgrid.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

using namespace links;

namespace {

ListGrid::Options gridOptions()
{
    ListGrid::Options o;
    o.columns = {{QCoreApplication::translate("LinkBoxBuilder", "Listing"), 2750},
                 {QCoreApplication::translate("LinkBoxBuilder", "Link Address"), 2750}};
    o.caption = QCoreApplication::translate("LinkBoxBuilder", "Links");
    o.editorCaption = QCoreApplication::translate("LinkBoxBuilder", "Cell Text");
    o.gridName = "Grid1";
    o.editorName = "Text3";
    o.spinName = "SpinButton1";
    return o;
}

} // namespace

LinkBoxBuilder::LinkBoxBuilder(BuilderHost &host)
    : BuilderDialog(host), m_name(formkit::lineEdit("Text1", LinkBoxOptions().name)),
      m_grid(new ListGrid(gridOptions()))
{
    setObjectName(QStringLiteral("Form29"));
    setWindowTitle(tr("LinkBox Builder"));

    auto *fields = new QFormLayout;
    fields->addRow(formkit::captionLabel(tr("Name"), m_name), m_name);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(m_grid, 1);
    layout->addLayout(formkit::okCancelRow(this, "Command1", "Command2"));
    resize(sizeHint().width(), 300);
}

LinkBoxOptions LinkBoxBuilder::options() const
{
    LinkBoxOptions o;
    o.name = m_name->text();
    o.rows.clear();
    for (const QStringList &row : m_grid->rows())
        o.rows << LinkBoxRow{row.value(0), row.value(1)};
    return o;
}

void LinkBoxBuilder::setOptions(const LinkBoxOptions &o)
{
    m_name->setText(o.name);
    QList<QStringList> rows;
    for (const LinkBoxRow &row : o.rows)
        rows << QStringList{row.listing, row.address};
    m_grid->setRows(rows);
}

void LinkBoxBuilder::accept()
{
    finishOk(buildLinkBox(options()));
}

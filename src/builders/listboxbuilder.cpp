// SPDX-License-Identifier: GPL-3.0-or-later
#include "builders/listboxbuilder.h"

#include "widgets/formkit.h"
#include "widgets/listgrid.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

using namespace formbuilders;

namespace {

ListGrid::Options gridOptions()
{
    ListGrid::Options o;
    o.columns = {{QCoreApplication::translate("ListboxBuilder", "Text Displayed"), 2500},
                 {QCoreApplication::translate("ListboxBuilder", "Value"), 1270}};
    o.caption = QCoreApplication::translate("ListboxBuilder", "Options");
    o.editorCaption = QCoreApplication::translate("ListboxBuilder", "Cell Text");
    o.gridName = "Grid1";
    o.editorName = "Text3";
    o.spinName = "SpinButton1";
    return o;
}

} // namespace

ListboxBuilder::ListboxBuilder(BuilderHost &host)
    : BuilderDialog(host), m_name(formkit::lineEdit("Text1")),
      m_size(formkit::editableCombo("Combo1", listboxSizeItems(), QStringLiteral("1"))),
      m_multiple(formkit::checkBox("Check1", tr("Allow Multiple Selections"))),
      m_grid(new ListGrid(gridOptions()))
{
    setObjectName(QStringLiteral("Form24"));
    formkit::restrictTo(m_size, htmlvalues::FieldKind::Whole);
    setWindowTitle(tr("Listbox Builder"));

    auto *fields = new QFormLayout;
    fields->addRow(formkit::captionLabel(tr("Name"), m_name), m_name);
    fields->addRow(formkit::captionLabel(tr("Size"), m_size), m_size);
    fields->addRow(QString(), m_multiple);
    m_size->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(m_grid, 1);
    layout->addLayout(formkit::okCancelRow(this, "Command1", "Command2"));
    resize(sizeHint().width(), 330);
}

ListboxOptions ListboxBuilder::options() const
{
    ListboxOptions o;
    o.name = m_name->text();
    o.size = m_size->currentText();
    o.multiple = m_multiple->isChecked();
    o.rows.clear();
    for (const QStringList &row : m_grid->rows())
        o.rows << ListboxRow{row.value(0), row.value(1)};
    return o;
}

void ListboxBuilder::setOptions(const ListboxOptions &o)
{
    m_name->setText(o.name);
    m_size->setEditText(o.size);
    m_multiple->setChecked(o.multiple);
    QList<QStringList> rows;
    for (const ListboxRow &row : o.rows)
        rows << QStringList{row.displayed, row.value};
    m_grid->setRows(rows);
}

QString ListboxBuilder::fragment() const
{
    return buildListbox(options());
}

void ListboxBuilder::accept()
{
    finishOk(fragment());
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "builders/formbuilder.h"

#include "widgets/formkit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

using namespace formbuilders;

FormBuilder::FormBuilder(BuilderHost &host)
    : BuilderDialog(host), m_url(formkit::lineEdit("Text1")), m_method(new QListWidget),
      m_target(formkit::editableCombo("Combo1", targetItems()))
{
    setObjectName(QStringLiteral("Form11"));
    setWindowTitle(tr("Form Builder"));

    m_method->setObjectName(QStringLiteral("List1"));
    m_method->addItems(methodItems());
    m_method->setSelectionMode(QAbstractItemView::SingleSelection);
    m_method->setCurrentRow(-1);
    m_method->clearSelection();
    // Just tall enough for its two methods.
    const int rowHeight = m_method->sizeHintForRow(0);
    m_method->setFixedHeight(2 * rowHeight + 2 * m_method->frameWidth() + 4);

    auto *grid = new QGridLayout;
    grid->addWidget(formkit::captionLabel(tr("URL which processes the actions of the form"), m_url),
                    0, 0, 1, 2);
    grid->addWidget(m_url, 1, 0, 1, 2);
    grid->addWidget(formkit::captionLabel(tr("Method"), m_method), 2, 0);
    grid->addWidget(formkit::captionLabel(tr("Target"), m_target), 2, 1);
    grid->addWidget(m_method, 3, 0, Qt::AlignTop);
    grid->addWidget(m_target, 3, 1, Qt::AlignTop);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    grid->setVerticalSpacing(4);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addLayout(formkit::okCancelRow(this, "Command1", "Command2"));
    resize(420, sizeHint().height());
}

FormOptions FormBuilder::options() const
{
    FormOptions o;
    o.url = m_url->text();
    const QList<QListWidgetItem *> chosen = m_method->selectedItems();
    if (!chosen.isEmpty())
        o.method = chosen.first()->text();
    o.target = m_target->currentText();
    return o;
}

void FormBuilder::setOptions(const FormOptions &o)
{
    m_url->setText(o.url);
    m_method->clearSelection();
    m_method->setCurrentRow(int(methodItems().indexOf(o.method)));
    m_target->setEditText(o.target);
}

QString FormBuilder::fragment() const
{
    return buildForm(options());
}

void FormBuilder::accept()
{
    finishOk(fragment());
}

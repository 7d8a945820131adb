// SPDX-License-Identifier: GPL-3.0-or-later
#include "objects/searchesdialog.h"

#include "widgets/formkit.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

using namespace scripts;

SearchesDialog::SearchesDialog(BuilderHost &host) : BuilderDialog(host)
{
    setObjectName(QStringLiteral("Form38"));
    setWindowTitle(tr("Insert Internet Searches"));

    m_list = new QListWidget;
    m_list->setObjectName(QStringLiteral("List1"));
    for (const SearchService &service : searchServices())
        m_list->addItem(service.name);
    m_list->setCurrentRow(-1);
    m_list->setMaximumHeight(m_list->sizeHintForRow(0) * (m_list->count() + 1) +
                             2 * m_list->frameWidth());
    // Double-clicking a service is choosing it and pressing OK.
    connect(m_list, &QListWidget::itemDoubleClicked, this, &SearchesDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(formkit::captionLabel(tr("Search Service"), m_list));
    layout->addWidget(m_list);
    layout->addLayout(formkit::okCancelRow(this, "Command1", "Command2"));
    setMinimumWidth(280);
    m_list->setFocus();
}

int SearchesDialog::options() const
{
    const QList<QListWidgetItem *> chosen = m_list->selectedItems();
    return chosen.isEmpty() ? -1 : m_list->row(chosen.first());
}

void SearchesDialog::setOptions(int service)
{
    m_list->clearSelection();
    if (service >= 0 && service < m_list->count())
        m_list->setCurrentRow(service);
    else
        m_list->setCurrentRow(-1);
}

void SearchesDialog::accept()
{
    const QString form = buildSearchForm(options());
    if (form.isEmpty())
        finishCancel();
    else
        finishOk(form);
}

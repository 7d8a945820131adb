// SPDX-License-Identifier: GPL-3.0-or-later
#include "recovery/recoverywindow.h"

#include "platform/textfile.h"
#include "recovery/compareview.h"
#include "recovery/textdiff.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// The original's text on disk, empty for a document never saved.
QString diskText(const snapshots::Info &info)
{
    if (info.untitled)
        return QString();
    const textfile::Loaded loaded = textfile::load(info.original);
    return loaded.ok ? loaded.text : QString();
}

} // namespace

RecoveryWindow::RecoveryWindow(const QString &folder, const QList<snapshots::Info> &copies,
                               Recover recover, QWidget *parent)
    : QDialog(parent), m_folder(folder), m_recover(std::move(recover))
{
    setObjectName(QStringLiteral("RecoveryWindow"));
    setWindowTitle(tr("Recover Unsaved Work"));
    auto *intro = new QLabel(tr("Lorimel ended without saving these documents. Their text was "
                                "kept. Recover opens a document with that text, not yet saved."),
                             this);
    intro->setWordWrap(true);
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("RecoveryList"));
    m_list->setAccessibleName(tr("Unsaved documents"));
    m_list->setRootIsDecorated(false);
    m_list->setHeaderLabels({tr("Document"), tr("Kept at"), tr("Changes")});
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_list->header()->setStretchLastSection(true);
    intro->setBuddy(m_list);
    m_note = new QLabel(this);
    m_note->setWordWrap(true);
    m_note->setObjectName(QStringLiteral("RecoveryNote"));

    auto *buttons = new QDialogButtonBox(this);
    m_recoverButton = buttons->addButton(tr("&Recover"), QDialogButtonBox::ActionRole);
    m_recoverButton->setObjectName(QStringLiteral("Recover"));
    m_compareButton = buttons->addButton(tr("&Compare"), QDialogButtonBox::ActionRole);
    m_compareButton->setObjectName(QStringLiteral("Compare"));
    m_discardButton = buttons->addButton(tr("&Discard"), QDialogButtonBox::ActionRole);
    m_discardButton->setObjectName(QStringLiteral("Discard"));
    QPushButton *close = buttons->addButton(QDialogButtonBox::Close);
    close->setText(tr("C&lose"));
    connect(m_recoverButton, &QPushButton::clicked, this, &RecoveryWindow::recoverChosen);
    connect(m_compareButton, &QPushButton::clicked, this, &RecoveryWindow::compareChosen);
    connect(m_discardButton, &QPushButton::clicked, this, &RecoveryWindow::discardChosen);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QTreeWidget::currentItemChanged, this, &RecoveryWindow::updateButtons);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_note);
    layout->addWidget(buttons);
    for (const snapshots::Info &info : copies)
        addRow(info);
    if (m_list->topLevelItemCount() > 0)
        m_list->setCurrentItem(m_list->topLevelItem(0));
    updateButtons();
    resize(860, 340);
}

void RecoveryWindow::addRow(const snapshots::Info &info)
{
    QString text;
    QString error;
    if (!snapshots::readText(m_folder, info, &text, &error))
        return;
    QString change;
    if (info.untitled) {
        change = tr("%n character(s), never saved", nullptr, int(text.size()));
    } else {
        const textdiff::Counts c = textdiff::count(
            textdiff::diff(textdiff::splitLines(diskText(info)), textdiff::splitLines(text)));
        change = tr("%1 line(s) added, %2 removed").arg(c.added).arg(c.removed);
        if (snapshots::originalChanged(info))
            change += tr("; the file on disk has changed since");
    }
    auto *item = new QTreeWidgetItem(
        m_list,
        {info.original, QLocale().toString(info.time.toLocalTime(), QLocale::ShortFormat), change});
    item->setToolTip(0, info.original);
    m_copies << info;
}

int RecoveryWindow::count() const
{
    return m_list->topLevelItemCount();
}

int RecoveryWindow::chosen() const
{
    return m_list->currentItem() ? m_list->indexOfTopLevelItem(m_list->currentItem()) : -1;
}

void RecoveryWindow::choose(int row)
{
    m_list->setCurrentItem(m_list->topLevelItem(row));
}

void RecoveryWindow::updateButtons()
{
    const int row = chosen();
    for (QPushButton *b : {m_recoverButton, m_compareButton, m_discardButton})
        b->setEnabled(row >= 0);
    if (row < 0) {
        m_note->clear();
        return;
    }
    const snapshots::Info &info = m_copies[row];
    if (snapshots::originalChanged(info)) {
        m_note->setText(tr("%1 has been changed or removed on disk since this text was kept. "
                           "Compare before you recover it.")
                            .arg(info.original));
    } else {
        m_note->clear();
    }
}

void RecoveryWindow::recoverChosen()
{
    const int row = chosen();
    if (row < 0)
        return;
    QString text;
    QString error;
    if (!snapshots::readText(m_folder, m_copies[row], &text, &error)) {
        m_note->setText(error);
        return;
    }
    // The copy stays until the document's own copy replaces it.
    m_recover(m_copies[row], text);
    removeChosen();
}

void RecoveryWindow::compareChosen()
{
    const int row = chosen();
    if (row < 0)
        return;
    const snapshots::Info &info = m_copies[row];
    QString text;
    QString error;
    if (!snapshots::readText(m_folder, info, &text, &error)) {
        m_note->setText(error);
        return;
    }
    auto *view = new CompareView(info.untitled ? tr("(never saved)") : info.original,
                                 diskText(info), tr("Recovered text"), text, this);
    view->show();
}

void RecoveryWindow::discardChosen()
{
    const int row = chosen();
    if (row < 0)
        return;
    snapshots::remove(m_folder, m_copies[row].id);
    removeChosen();
}

void RecoveryWindow::removeChosen()
{
    const int row = chosen();
    m_copies.removeAt(row);
    delete m_list->takeTopLevelItem(row);
    if (count() == 0)
        accept();
    else
        updateButtons();
}

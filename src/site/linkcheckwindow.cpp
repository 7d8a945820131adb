// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/linkcheckwindow.h"

#include "editor/workbench.h"
#include "platform/paths.h"
#include "site/filecommands.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTreeWidget>
#include <QVBoxLayout>

LinkCheckWindow::LinkCheckWindow(Workbench &workbench, const QString &folder, QWidget *parent)
    : QDialog(parent), m_workbench(workbench), m_folder(folder)
{
    setObjectName(QStringLiteral("LinkCheckWindow"));
    setWindowTitle(tr("Check Links"));
    setAttribute(Qt::WA_DeleteOnClose);

    m_heading = new QLabel(this);
    m_heading->setObjectName(QStringLiteral("LinkCheckHeading"));
    m_heading->setWordWrap(true);

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("LinkCheckProgress"));
    m_progress->setAccessibleName(tr("Progress"));

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("LinkCheckList"));
    m_list->setAccessibleName(tr("Broken links"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setHeaderLabels({tr("Page"), tr("Line"), tr("Link"), tr("Problem")});
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(m_list, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem *item) { openRow(m_list->indexOfTopLevelItem(item)); });

    auto *buttons = new QDialogButtonBox(this);
    m_close = buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    m_close->setObjectName(QStringLiteral("LinkCheckClose"));
    connect(buttons, &QDialogButtonBox::rejected, this, &LinkCheckWindow::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addWidget(m_progress);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
    resize(760, 420);

    start();
}

LinkCheckWindow::~LinkCheckWindow()
{
    if (m_worker) {
        m_cancel = true;
        m_worker->wait();
    }
}

void LinkCheckWindow::start()
{
    m_heading->setText(tr("Checking the links of the pages in %1 ...").arg(m_folder));
    m_progress->setRange(0, 0);
    const QString folder = m_folder;
    m_worker = QThread::create([this, folder] {
        auto site = std::make_shared<linkcheck::Site>();
        linkcheck::Progress progress;
        progress.cancel = &m_cancel;
        progress.report = [this](int done, int total) {
            QMetaObject::invokeMethod(
                this, [this, done, total] { showProgress(done, total); }, Qt::QueuedConnection);
        };
        const bool complete = linkcheck::readSite(folder, site.get(), progress);
        auto rows = std::make_shared<QList<linkcheck::Row>>();
        if (complete)
            *rows = linkcheck::check(*site);
        QMetaObject::invokeMethod(
            this, [this, complete, site, rows] { showRows(!complete, *site, *rows); },
            Qt::QueuedConnection);
    });
    m_worker->start();
}

void LinkCheckWindow::showProgress(int done, int total)
{
    m_progress->setRange(0, total);
    m_progress->setValue(done);
}

void LinkCheckWindow::showRows(bool cancelled, const linkcheck::Site &site,
                               const QList<linkcheck::Row> &rows)
{
    m_worker->wait();
    delete m_worker;
    m_worker = nullptr;
    m_close->setText(tr("&Close"));
    m_close->setEnabled(true);
    m_progress->hide();
    if (cancelled) {
        m_heading->setText(tr("The check was cancelled."));
        emit checked();
        return;
    }
    m_rows = rows;
    for (const linkcheck::Row &row : rows) {
        auto *item = new QTreeWidgetItem(
            m_list, {row.page, QString::number(row.line), row.link, linkcheck::problemText(row)});
        item->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
    }
    QString heading =
        rows.isEmpty()
            ? tr("%n page(s) checked: no broken links.", "", int(site.pages.size()))
            : tr("%n page(s) checked, ", "", int(site.pages.size())) +
                  tr("%n broken link(s). Double-click one to open its page.", "", int(rows.size()));
    if (!site.unreadable.isEmpty())
        heading += u'\n' + tr("Not read: %1").arg(site.unreadable.join(QLatin1String(", ")));
    m_heading->setText(heading);
    if (!rows.isEmpty()) {
        m_list->setCurrentItem(m_list->topLevelItem(0));
        m_list->setFocus();
    }
    emit checked();
}

void LinkCheckWindow::openRow(int index)
{
    if (index < 0 || index >= m_rows.size())
        return;
    const linkcheck::Row &row = m_rows.at(index);
    filecommands::showAt(m_workbench, paths::join(m_folder, row.page), row.line, row.link);
}

void LinkCheckWindow::reject()
{
    if (m_worker) {
        m_cancel = true;
        m_close->setEnabled(false);
        return;
    }
    QDialog::reject();
}

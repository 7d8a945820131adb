// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/publishsitedialog.h"

#include "platform/dialogservice.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

PublishSiteDialog::PublishSiteDialog(const SitePublisher::Target &target, DialogService &dialogs,
                                     QWidget *parent)
    : QDialog(parent), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("PublishSite"));
    setWindowTitle(tr("Publish Site"));
    m_publisher = new SitePublisher(this);

    m_heading = new QLabel(tr("Reading %1 ...").arg(target.folder), this);
    m_heading->setWordWrap(true);
    m_plan = new QTreeWidget(this);
    m_plan->setObjectName(QStringLiteral("PlanList"));
    m_plan->setHeaderHidden(true);
    m_plan->setAccessibleName(tr("What will be published"));
    m_deleteRemote = new QCheckBox(
        tr("&Delete from the server the files that are no longer in the folder"), this);
    m_deleteRemote->setObjectName(QStringLiteral("DeleteRemote"));
    m_deleteRemote->setEnabled(false);

    // The bars take no focus: their labels have no shortcut key.
    auto *filesLabel = new QLabel(tr("Files:"), this);
    m_files = new QProgressBar(this);
    m_files->setObjectName(QStringLiteral("FileProgress"));
    filesLabel->setBuddy(m_files);
    m_files->setAccessibleName(tr("Files"));
    auto *bytesLabel = new QLabel(tr("Bytes:"), this);
    m_bytes = new QProgressBar(this);
    m_bytes->setObjectName(QStringLiteral("ByteProgress"));
    bytesLabel->setBuddy(m_bytes);
    m_bytes->setAccessibleName(tr("Bytes"));
    m_current = new QLabel(this);
    m_current->setObjectName(QStringLiteral("CurrentFile"));

    auto *buttons = new QDialogButtonBox(this);
    m_publish = buttons->addButton(tr("&Publish"), QDialogButtonBox::AcceptRole);
    m_publish->setObjectName(QStringLiteral("PublishButton"));
    m_publish->setEnabled(false);
    m_close = buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    m_close->setObjectName(QStringLiteral("CancelButton"));
    connect(m_publish, &QPushButton::clicked, this, &PublishSiteDialog::publish);
    connect(m_close, &QPushButton::clicked, this, &PublishSiteDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addWidget(m_plan, 1);
    layout->addWidget(m_deleteRemote);
    layout->addWidget(filesLabel);
    layout->addWidget(m_files);
    layout->addWidget(bytesLabel);
    layout->addWidget(m_bytes);
    layout->addWidget(m_current);
    layout->addWidget(buttons);
    resize(560, 480);

    connect(m_publisher, &SitePublisher::planned, this, &PublishSiteDialog::showPlan);
    connect(m_publisher, &SitePublisher::progress, this, &PublishSiteDialog::showProgress);
    connect(m_publisher, &SitePublisher::finished, this, &PublishSiteDialog::finished);
    if (!m_publisher->makePlan(target))
        m_heading->setText(m_publisher->error());
}

void PublishSiteDialog::showPlan()
{
    const publish::Plan &plan = m_publisher->plan();
    const QLocale locale;
    const int count = int(plan.upload.size());
    const QString bytes = locale.formattedDataSize(plan.uploadBytes);
    m_heading->setText(
        count == 1
            ? tr("1 file to upload (%1), %2 unchanged.").arg(bytes).arg(plan.unchanged.size())
            : tr("%1 files to upload (%2), %3 unchanged.")
                  .arg(count)
                  .arg(bytes)
                  .arg(plan.unchanged.size()));
    auto group = [this](const QString &caption, const QStringList &paths) {
        auto *item = new QTreeWidgetItem(m_plan, {caption.arg(paths.size())});
        for (const QString &path : paths)
            new QTreeWidgetItem(item, {path});
        return item;
    };
    auto pathsOf = [](const QList<publish::FileState> &files) {
        QStringList out;
        for (const publish::FileState &file : files)
            out << file.path;
        return out;
    };
    group(tr("To upload, new or changed (%1)"), pathsOf(plan.upload))->setExpanded(true);
    group(tr("Unchanged since the last publish (%1)"), pathsOf(plan.unchanged));
    group(tr("On the server, no longer in the folder (%1)"), plan.remoteOnly)->setExpanded(true);
    if (!m_publisher->unreadable().isEmpty())
        group(tr("Cannot be read, not sent (%1)"), m_publisher->unreadable())->setExpanded(true);
    m_deleteRemote->setEnabled(!plan.remoteOnly.isEmpty());
    m_files->setRange(0, std::max(1, int(plan.upload.size())));
    m_files->setValue(0);
    m_bytes->setRange(0, 1000);
    m_bytes->setValue(0);
    m_publish->setEnabled(!plan.upload.isEmpty() || !plan.remoteOnly.isEmpty());
    if (!m_publish->isEnabled())
        m_current->setText(tr("The server has the site as it is here."));
}

void PublishSiteDialog::publish()
{
    if (m_publisher->isRunning())
        return;
    m_publish->setEnabled(false);
    m_deleteRemote->setEnabled(false);
    m_publisher->start(m_deleteRemote->isChecked());
}

void PublishSiteDialog::showProgress(int files, int filesTotal, qint64 bytes, qint64 bytesTotal,
                                     const QString &current)
{
    m_files->setMaximum(std::max(1, filesTotal));
    m_files->setValue(files);
    m_bytes->setValue(bytesTotal > 0 ? int(bytes * 1000 / bytesTotal) : 1000);
    m_bytes->setFormat(
        tr("%1 of %2")
            .arg(QLocale().formattedDataSize(bytes), QLocale().formattedDataSize(bytesTotal)));
    m_current->setText(current);
}

void PublishSiteDialog::finished(const SitePublisher::Outcome &outcome)
{
    m_close->setText(tr("&Close"));
    m_current->clear();
    m_dialogs.message(
        this, SitePublisher::summary(outcome), windowTitle(), DialogService::Buttons::Ok,
        outcome.failure.ok() ? DialogService::Icon::Information : DialogService::Icon::Warning);
}

void PublishSiteDialog::reject()
{
    // Cancel during a run stops the transfers in progress; the outcome
    // is told, then the window can close.
    if (m_publisher->isRunning()) {
        m_publisher->cancel();
        return;
    }
    QDialog::reject();
}

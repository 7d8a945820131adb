// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Publish Site: shows the plan for the web-site folder (files to upload,
// files unchanged, files on the server that are gone here, deleted only
// when ticked), then sends it with progress by files and bytes and a
// Cancel that stops the transfers in progress (their temporaries go).

#include "site/sitepublisher.h"

#include <QDialog>

class DialogService;
class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;

class PublishSiteDialog : public QDialog
{
    Q_OBJECT
public:
    PublishSiteDialog(const SitePublisher::Target &target, DialogService &dialogs,
                      QWidget *parent = nullptr);

    SitePublisher *publisher() const { return m_publisher; }

    // "Publish": sends the plan.
    void publish();
    void reject() override;

private:
    void showPlan();
    void showProgress(int files, int filesTotal, qint64 bytes, qint64 bytesTotal,
                      const QString &current);
    void finished(const SitePublisher::Outcome &outcome);

    DialogService &m_dialogs;
    SitePublisher *m_publisher = nullptr;
    QLabel *m_heading = nullptr;
    QTreeWidget *m_plan = nullptr;
    QCheckBox *m_deleteRemote = nullptr;
    QProgressBar *m_files = nullptr;
    QProgressBar *m_bytes = nullptr;
    QLabel *m_current = nullptr;
    QPushButton *m_publish = nullptr;
    QPushButton *m_close = nullptr;
};

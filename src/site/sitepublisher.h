// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Publish Site's worker: reads the web-site folder and the target's
// manifest into a plan, then sends the plan over one connection in a
// worker thread, writing a manifest line after each file the server
// confirmed, so a cancelled or failed run resumes where it stopped.

#include "site/ftpconnection.h"
#include "site/publishplan.h"

#include <atomic>
#include <QObject>
#include <QString>
#include <QStringList>

class QThread;

class SitePublisher : public QObject
{
    Q_OBJECT
public:
    struct Target
    {
        QString folder; // the web-site folder
        QString address, userName, password;
        ftp::Options options;
        QString manifestFile; // empty: publish::manifestFile() of the address
    };

    struct Outcome
    {
        int uploaded = 0;
        int deleted = 0;
        bool cancelled = false;
        bool encrypted = true; // false when anything went in clear
        ftp::Result failure;   // the first failure, which ended the run
        QString manifestProblem;
    };

    explicit SitePublisher(QObject *parent = nullptr);
    // Cancels a run and waits for its worker.
    ~SitePublisher() override;

    // Checks the address and reads the folder and manifest in a worker;
    // planned() follows. False with a reason in error() when the address
    // cannot be used.
    bool makePlan(const Target &target);
    const publish::Plan &plan() const { return m_plan; }
    // Lines of the manifest that could not be read, and files here that
    // cannot be read (they are not sent).
    int damagedManifestLines() const { return m_badLines; }
    QStringList unreadable() const { return m_unreadable; }

    // Sends the plan made last; with deleteRemoteOnly, also deletes on
    // the server the files published before that are gone here.
    void start(bool deleteRemoteOnly);
    void cancel() { m_abort = true; }
    bool isRunning() const { return m_worker != nullptr; }
    QString error() const { return m_error; }
    QString manifestPath() const { return m_manifest; }

    // The whole of a run, for a message.
    static QString summary(const Outcome &outcome);

signals:
    void planned();
    void progress(int filesDone, int filesTotal, qint64 bytesDone, qint64 bytesTotal,
                  const QString &current);
    void finished(const SitePublisher::Outcome &outcome);

private:
    void runWorker(std::function<void()> work);
    void workerDone();

    Target m_target;
    ftp::Address m_address;
    QString m_manifest;
    publish::Plan m_plan;
    publish::Manifest m_sent;
    int m_badLines = 0;
    QStringList m_unreadable;
    QString m_error;
    QThread *m_worker = nullptr;
    std::atomic<bool> m_abort{false};
};

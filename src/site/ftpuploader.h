// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The transfer component: uploads one file at a time to an FTP, FTPS or
// SFTP directory in a worker thread, so the windows never wait on a server.
// A file travels under a temporary name and is renamed once it is complete.
// The password is handed to the transfer library only: no message, log or
// result text carries it.

#include "site/ftpconnection.h"

#include <atomic>
#include <QObject>
#include <QString>

class QThread;

class FtpUploader : public QObject
{
    Q_OBJECT
public:
    using Timeouts = ftp::Timeouts;

    explicit FtpUploader(QObject *parent = nullptr);
    // Stops a running transfer and waits for the worker.
    ~FtpUploader() override;

    void setAccount(const QString &address, const QString &userName, const QString &password);
    void setTimeouts(const Timeouts &timeouts) { m_options.timeouts = timeouts; }
    // Known hosts file, extra certificates and the question for an unknown
    // SFTP host key; the question is asked in this object's thread.
    void setOptions(const ftp::Options &options) { m_options = options; }

    // Forgets the outcome of the last upload. A transfer that is running
    // goes on: one upload at a time, and the busy check refuses the next.
    void reset();

    // True from a successful send() until finished() is emitted.
    bool isBusy() const { return m_busy; }

    // Starts storing the local file under remoteName in the directory of
    // the address. False, without starting, when busy or when the address,
    // the name or the local file cannot be used.
    bool send(const QString &localPath, const QString &remoteName);

    // The reason the last send() or upload failed; never holds the password.
    QString lastError() const { return m_last.reason; }
    // The whole outcome of the last upload.
    ftp::Result lastResult() const { return m_last; }

signals:
    // In the thread of this object, once the upload ended: ok when the
    // server holds the whole file under its own name.
    void finished(bool ok, const QString &error);

private:
    void done(const ftp::Result &result);
    void refuse(const QString &reason);

    QString m_address, m_userName, m_password;
    ftp::Options m_options;
    bool m_busy = false;
    ftp::Result m_last;
    QThread *m_worker = nullptr;
    std::atomic<bool> m_abort{false};
};

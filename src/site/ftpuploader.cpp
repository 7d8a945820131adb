// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/ftpuploader.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QThread>

FtpUploader::FtpUploader(QObject *parent) : QObject(parent) {}

FtpUploader::~FtpUploader()
{
    if (m_worker) {
        m_abort = true;
        m_worker->wait();
        delete m_worker;
    }
}

void FtpUploader::setAccount(const QString &address, const QString &userName,
                             const QString &password)
{
    m_address = address;
    m_userName = userName;
    m_password = password;
}

void FtpUploader::reset()
{
    m_last = ftp::Result();
}

void FtpUploader::refuse(const QString &reason)
{
    m_last = ftp::Result();
    m_last.failure = ftp::Failure::Other;
    m_last.reason = reason;
}

bool FtpUploader::send(const QString &localPath, const QString &remoteName)
{
    if (m_busy)
        return false;
    const std::optional<ftp::Address> address = ftp::parseAddress(m_address);
    if (!address) {
        refuse(tr("The FTP address is not one this program can use."));
        return false;
    }
    if (remoteName.contains(u'/') || !ftp::planUpload(*address, remoteName)) {
        refuse(tr("The file name cannot be stored on a server."));
        return false;
    }
    const QFileInfo local(localPath);
    if (!local.isFile() || !local.isReadable()) {
        refuse(tr("The file cannot be read."));
        return false;
    }

    m_abort = false;
    m_busy = true;
    m_last = ftp::Result();
    ftp::Options options = m_options;
    if (options.askHostKey)
        options.askHostKey = ftp::askOnThreadOf(this, options.askHostKey, &m_abort);
    const QString userName = m_userName, password = m_password;
    m_worker = QThread::create([=] {
        ftp::Connection connection(*address, userName, password, options, &m_abort);
        const ftp::Result result = connection.upload(localPath, remoteName);
        QMetaObject::invokeMethod(
            this, [this, result] { done(result); }, Qt::QueuedConnection);
    });
    m_worker->start();
    return true;
}

void FtpUploader::done(const ftp::Result &result)
{
    if (m_worker) {
        m_worker->wait();
        delete m_worker;
        m_worker = nullptr;
    }
    m_busy = false;
    m_last = result;
    emit finished(result.ok(), result.reason);
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/keyring.h"

#include <QEventLoop>
#include <qt6keychain/keychain.h>
#include <QTimer>

namespace {

// How long an answer may take: the desktop may first ask the user to
// unlock the keyring.
constexpr int AnswerWaitMs = 120 * 1000;

// Starts the job and waits for it; false when it did not answer in time.
bool run(QKeychain::Job *job)
{
    job->setAutoDelete(false);
    QEventLoop loop;
    bool finished = false;
    QObject::connect(job, &QKeychain::Job::finished, &loop, [&] {
        finished = true;
        loop.quit();
    });
    QTimer::singleShot(AnswerWaitMs, &loop, &QEventLoop::quit);
    job->start();
    if (!finished)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    return finished;
}

// A job that has not answered is left to delete itself when it does.
template <typename Job> void release(Job *job, bool finished)
{
    if (finished)
        delete job;
    else
        job->setAutoDelete(true);
}

} // namespace

DesktopKeyring::DesktopKeyring(const QString &service) : m_service(service) {}

std::optional<QString> DesktopKeyring::read(const QString &key)
{
    auto *job = new QKeychain::ReadPasswordJob(m_service);
    job->setKey(key);
    const bool finished = run(job);
    std::optional<QString> out;
    if (finished && job->error() == QKeychain::NoError)
        out = job->textData();
    else if (finished && job->error() == QKeychain::EntryNotFound)
        out = QString();
    release(job, finished);
    return out;
}

bool DesktopKeyring::write(const QString &key, const QString &text)
{
    auto *job = new QKeychain::WritePasswordJob(m_service);
    job->setKey(key);
    job->setTextData(text);
    const bool finished = run(job);
    const bool ok = finished && job->error() == QKeychain::NoError;
    release(job, finished);
    return ok;
}

bool DesktopKeyring::remove(const QString &key)
{
    auto *job = new QKeychain::DeletePasswordJob(m_service);
    job->setKey(key);
    const bool finished = run(job);
    const bool ok = finished && (job->error() == QKeychain::NoError ||
                                 job->error() == QKeychain::EntryNotFound);
    release(job, finished);
    return ok;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/sitepublisher.h"

#include "platform/safefile.h"
#include "platform/textfile.h"

#include <deque>
#include <map>
#include <mutex>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <thread>
#include <vector>

namespace {

QByteArray readAll(const QString &path)
{
    QByteArray bytes;
    if (QFileInfo::exists(path))
        textfile::readFile(path, &bytes);
    return bytes;
}

// Asks about a host key once per run: the other connections meet the key
// the first one was let through with.
ftp::HostKeyAsker oncePerRun(ftp::HostKeyAsker ask)
{
    struct Answers
    {
        std::mutex mutex;
        std::map<QString, ftp::HostKeyAnswer> given;
    };
    auto answers = std::make_shared<Answers>();
    return [ask, answers](const ftp::HostKeyQuestion &question) {
        const std::lock_guard<std::mutex> lock(answers->mutex);
        const QString key =
            question.host + u' ' + QString::number(question.port) + u' ' + question.fingerprint;
        const auto it = answers->given.find(key);
        if (it != answers->given.end())
            return it->second;
        const ftp::HostKeyAnswer answer = ask(question);
        // Remembered, it is in known_hosts now: once is enough.
        answers->given[key] = answer == ftp::HostKeyAnswer::AcceptAndRemember
                                  ? ftp::HostKeyAnswer::AcceptOnce
                                  : answer;
        return answer;
    };
}

// Sends a plan's uploads. A few connections take the files in turn:
// every file costs round trips (passive mode, store, rename) that one
// connection can only wait for. The others start once the first has
// logged in, so the password and host key are settled; one the server
// turns away leaves its files to the rest. The first failure stops the
// run; files on their way then are finished.
class Uploads
{
public:
    static constexpr int connections = 5;

    Uploads(const publish::Plan &plan, const QString &folder) : m_plan(plan), m_folder(folder)
    {
        for (int i = 0; i < int(plan.upload.size()); ++i)
            m_pending.push_back(i);
        m_sinceReport.start();
    }

    // Called one at a time: a file the server confirmed, and the progress.
    std::function<void(const publish::FileState &)> record;
    std::function<void(int files, qint64 bytes, const QString &current)> report;

    // Outcome, read once run() returned.
    int uploaded = 0;
    qint64 bytesDone = 0;
    bool encrypted = true;
    ftp::Result failure;

    void run(ftp::Connection &first,
             const std::function<std::unique_ptr<ftp::Connection>()> &connect)
    {
        if (m_pending.empty())
            return;
        // Logged in, the others may follow; a refused login stops here.
        failure = first.open();
        if (!failure.ok())
            return;
        std::vector<std::unique_ptr<ftp::Connection>> others;
        std::vector<std::thread> helpers;
        // One for every three files or so: a few files are not worth
        // many logins.
        const int wanted = std::min(connections, (int(m_pending.size()) + 2) / 3) - 1;
        for (int k = 0; k < wanted; ++k) {
            others.push_back(connect());
            try {
                helpers.emplace_back([this, other = others.back().get()] { lane(*other, true); });
            } catch (const std::system_error &) {
                break; // no thread to spare: fewer connections
            }
        }
        lane(first, false);
        for (std::thread &helper : helpers)
            helper.join();
        lane(first, false); // what the others gave back
    }

private:
    // helper: a connection that gives its file back when it fails before
    // it stored any.
    void lane(ftp::Connection &connection, bool helper)
    {
        bool stored = false;
        for (;;) {
            std::unique_lock<std::mutex> lock(m_mutex);
            if (m_stop || m_pending.empty())
                return;
            const int i = m_pending.front();
            m_pending.pop_front();
            const publish::FileState &file = m_plan.upload.at(i);
            report(uploaded, bytesDone, file.path);
            lock.unlock();
            auto onBytes = [&](qint64 sentNow) {
                const std::lock_guard<std::mutex> guard(m_mutex);
                if (m_sinceReport.elapsed() >= 100) {
                    m_sinceReport.restart();
                    report(uploaded, bytesDone + sentNow, file.path);
                }
            };
            publish::FileState confirmed;
            confirmed.path = file.path;
            const ftp::Result result = connection.upload(m_folder + u'/' + file.path, file.path,
                                                         onBytes, &confirmed.hash, &confirmed.size);
            lock.lock();
            if (!result.ok()) {
                if (helper && !stored) {
                    m_pending.push_front(i);
                } else {
                    if (failure.ok())
                        failure = result;
                    m_stop = true;
                }
                return;
            }
            // The stamp stands for what the scan read; changed since, the
            // file is hashed again next time.
            if (confirmed == file)
                confirmed.stamp = file.stamp;
            encrypted = encrypted && result.encrypted;
            record(confirmed);
            bytesDone += file.size;
            ++uploaded;
            stored = true;
        }
    }

    const publish::Plan &m_plan;
    const QString m_folder;
    std::mutex m_mutex; // guards everything but the plan and folder
    std::deque<int> m_pending;
    bool m_stop = false;
    QElapsedTimer m_sinceReport;
};

} // namespace

SitePublisher::SitePublisher(QObject *parent) : QObject(parent) {}

SitePublisher::~SitePublisher()
{
    if (m_worker) {
        m_abort = true;
        m_worker->wait();
        delete m_worker;
    }
}

void SitePublisher::runWorker(std::function<void()> work)
{
    m_abort = false;
    m_worker = QThread::create(std::move(work));
    m_worker->start();
}

void SitePublisher::workerDone()
{
    if (m_worker) {
        m_worker->wait();
        delete m_worker;
        m_worker = nullptr;
    }
}

bool SitePublisher::makePlan(const Target &target)
{
    if (m_worker)
        return false;
    const std::optional<ftp::Address> address = ftp::parseAddress(target.address);
    if (!address) {
        m_error = tr("The FTP address is not one this program can use.");
        return false;
    }
    m_target = target;
    m_address = *address;
    m_manifest = target.manifestFile.isEmpty()
                     ? publish::manifestFile(address->directoryUrl, target.userName)
                     : target.manifestFile;
    runWorker([this] {
        publish::Manifest sent;
        int bad = 0;
        publish::apply(readAll(m_manifest), sent, &bad);
        int badJournal = 0;
        publish::apply(readAll(publish::journalFile(m_manifest)), sent, &badJournal);
        QStringList unreadable;
        publish::ScanOptions scan;
        scan.known = &sent;
        const QList<publish::FileState> local =
            publish::scanFolder(m_target.folder, &unreadable, scan);
        publish::Plan plan = publish::makePlan(local, sent);
        QMetaObject::invokeMethod(
            this,
            [this, plan, sent, bad = bad + badJournal, unreadable] {
                workerDone();
                m_plan = plan;
                m_sent = sent;
                m_badLines = bad;
                m_unreadable = unreadable;
                emit planned();
            },
            Qt::QueuedConnection);
    });
    return true;
}

void SitePublisher::start(bool deleteRemoteOnly)
{
    if (m_worker)
        return;
    ftp::Options options = m_target.options;
    options.makeFolders = true;
    if (options.askHostKey)
        options.askHostKey = ftp::askOnThreadOf(this, oncePerRun(options.askHostKey), &m_abort);
    runWorker([this, options, deleteRemoteOnly] {
        Outcome outcome;
        publish::Manifest sent = m_sent;
        const QString journalPath = publish::journalFile(m_manifest);
        QDir().mkpath(QFileInfo(m_manifest).absolutePath());
        QFile journal(journalPath);
        // A line per confirmed file; without it the files are only sent again.
        const bool journalOpen = journal.open(QIODevice::WriteOnly | QIODevice::Append);
        auto record = [&](const QByteArray &line) {
            publish::apply(line, sent);
            if (journalOpen) {
                journal.write(line);
                journal.flush();
            }
        };

        ftp::Connection connection(m_address, m_target.userName, m_target.password, options,
                                   &m_abort);
        Uploads uploads(m_plan, m_target.folder);
        uploads.record = [&](const publish::FileState &file) { record(publish::addedLine(file)); };
        uploads.report = [&](int files, qint64 bytes, const QString &current) {
            emit progress(files, int(m_plan.upload.size()), bytes, m_plan.uploadBytes, current);
        };
        uploads.run(connection, [&] {
            return std::make_unique<ftp::Connection>(m_address, m_target.userName,
                                                     m_target.password, options, &m_abort);
        });
        outcome.uploaded = uploads.uploaded;
        outcome.encrypted = uploads.encrypted;
        outcome.failure = uploads.failure;

        if (outcome.failure.ok() && deleteRemoteOnly) {
            for (const QString &path : m_plan.remoteOnly) {
                if (m_abort) {
                    outcome.failure.failure = ftp::Failure::Cancelled;
                    break;
                }
                const ftp::Result result = connection.remove(path);
                if (!result.ok()) {
                    outcome.failure = result;
                    break;
                }
                record(publish::removedLine(path));
                ++outcome.deleted;
            }
        }
        outcome.cancelled = outcome.failure.failure == ftp::Failure::Cancelled;
        uploads.report(outcome.uploaded, uploads.bytesDone, QString());

        // Files touched but not changed keep their new stamp, so they are
        // not read again next time.
        for (const publish::FileState &file : m_plan.unchanged) {
            const auto it = sent.find(file.path);
            if (it != sent.end() && *it == file)
                it->stamp = file.stamp;
        }
        // Written back whole; the journal goes only once that worked.
        journal.close();
        QString error;
        if (safefile::write(m_manifest, publish::serialize(m_address.directoryUrl, sent), &error))
            QFile::remove(journalPath);
        else
            outcome.manifestProblem =
                tr("The list of published files %1 cannot be written: %2").arg(m_manifest, error);
        QMetaObject::invokeMethod(
            this,
            [this, outcome, sent] {
                workerDone();
                m_sent = sent;
                emit finished(outcome);
            },
            Qt::QueuedConnection);
    });
}

QString SitePublisher::summary(const Outcome &outcome)
{
    QStringList lines;
    if (outcome.cancelled)
        lines << tr("Publishing was cancelled.");
    else if (!outcome.failure.ok())
        lines << ftp::outcomeMessage(outcome.failure);
    else
        lines << tr("The site is published.");
    lines << (outcome.uploaded == 1 ? tr("1 file uploaded.")
                                    : tr("%1 files uploaded.").arg(outcome.uploaded));
    if (outcome.deleted)
        lines << (outcome.deleted == 1
                      ? tr("1 file deleted from the server.")
                      : tr("%1 files deleted from the server.").arg(outcome.deleted));
    if (!outcome.encrypted)
        lines << tr("The server offers no encryption: the password and the files went over "
                    "the network unencrypted.");
    if (!outcome.cancelled && !outcome.failure.ok())
        lines << tr("Publish Site again to send the rest.");
    if (!outcome.manifestProblem.isEmpty())
        lines << outcome.manifestProblem;
    return lines.join(u'\n');
}

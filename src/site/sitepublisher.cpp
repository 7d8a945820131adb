#include "site/sitepublisher.h"

#include "platform/textfile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

namespace {

QByteArray readAll(const QString &path)
{
    QByteArray bytes;
    if (QFileInfo::exists(path))
        textfile::readFile(path, &bytes);
    return bytes;
}

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
        const QList<publish::FileState> local = publish::scanFolder(m_target.folder, &unreadable);
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
        options.askHostKey = ftp::askOnThreadOf(this, options.askHostKey, &m_abort);
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
        const int total = int(m_plan.upload.size());
        qint64 bytesDone = 0;
        QElapsedTimer sinceReport;
        sinceReport.start();
        for (int i = 0; i < total && outcome.failure.ok(); ++i) {
            const publish::FileState &file = m_plan.upload.at(i);
            emit progress(i, total, bytesDone, m_plan.uploadBytes, file.path);
            auto onBytes = [&](qint64 sentNow) {
                if (sinceReport.elapsed() >= 100) {
                    sinceReport.restart();
                    emit progress(i, total, bytesDone + sentNow, m_plan.uploadBytes, file.path);
                }
            };
            publish::FileState confirmed;
            confirmed.path = file.path;
            const ftp::Result result =
                connection.upload(m_target.folder + u'/' + file.path, file.path, onBytes,
                                  &confirmed.hash, &confirmed.size);
            if (!result.ok()) {
                outcome.failure = result;
                break;
            }
            outcome.encrypted = outcome.encrypted && result.encrypted;
            record(publish::addedLine(confirmed));
            bytesDone += file.size;
            ++outcome.uploaded;
        }
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
        emit progress(outcome.uploaded, total, bytesDone, m_plan.uploadBytes, QString());

        // Written back whole; the journal goes only once that worked.
        journal.close();
        QString error;
        if (textfile::writeFile(m_manifest, publish::serialize(m_address.directoryUrl, sent),
                                &error))
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
    lines << tr("%n file(s) uploaded.", nullptr, outcome.uploaded);
    if (outcome.deleted)
        lines << tr("%n file(s) deleted from the server.", nullptr, outcome.deleted);
    if (!outcome.encrypted)
        lines << tr("The server offers no encryption: the password and the files went over "
                    "the network unencrypted.");
    if (!outcome.cancelled && !outcome.failure.ok())
        lines << tr("Publish Site again to send the rest.");
    if (!outcome.manifestProblem.isEmpty())
        lines << outcome.manifestProblem;
    return lines.join(u'\n');
}

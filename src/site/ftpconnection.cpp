// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/ftpconnection.h"

#include "platform/safefile.h"
#include "platform/textfile.h"

#include <condition_variable>
#include <cstdio>
#include <curl/curl.h>
#include <mutex>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QtEndian>
#include <QUrl>

namespace ftp {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("ftp", text);
}

void initCurlOnce()
{
    // Not thread-safe in older libraries: done once, before any transfer.
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct CurlDeleter
{
    void operator()(CURL *handle) const { curl_easy_cleanup(handle); }
};
struct MultiDeleter
{
    void operator()(CURLM *handle) const { curl_multi_cleanup(handle); }
};
struct ListDeleter
{
    void operator()(curl_slist *list) const { curl_slist_free_all(list); }
};
struct FileCloser
{
    void operator()(FILE *file) const { std::fclose(file); }
};
using CommandList = std::unique_ptr<curl_slist, ListDeleter>;

CommandList commandList(const QStringList &commands)
{
    curl_slist *list = nullptr;
    for (const QString &command : commands) {
        curl_slist *grown = curl_slist_append(list, command.toUtf8().constData());
        if (!grown) {
            curl_slist_free_all(list);
            throw std::bad_alloc();
        }
        list = grown;
    }
    return CommandList(list);
}

struct Body
{
    FILE *file = nullptr;
    QCryptographicHash hash{QCryptographicHash::Sha256};
    bool hashing = false; // only for callers that keep the hash
    qint64 size = 0;
};

size_t readBody(char *buffer, size_t size, size_t count, void *userdata)
{
    auto *body = static_cast<Body *>(userdata);
    const size_t got = std::fread(buffer, 1, size * count, body->file);
    if (got == 0 && std::ferror(body->file))
        return CURL_READFUNC_ABORT;
    if (body->hashing)
        body->hash.addData(QByteArrayView(buffer, qsizetype(got)));
    body->size += qint64(got);
    return got;
}

} // namespace

QString keyType(const QByteArray &keyBlob)
{
    if (keyBlob.size() < 4)
        return QString();
    const quint32 length = qFromBigEndian<quint32>(keyBlob.constData());
    if (length == 0 || length > 64 || qsizetype(length) > keyBlob.size() - 4)
        return QString();
    return QString::fromLatin1(keyBlob.mid(4, length));
}

QString sha256Fingerprint(const QByteArray &keyBlob)
{
    const QByteArray digest = QCryptographicHash::hash(keyBlob, QCryptographicHash::Sha256);
    return QStringLiteral("SHA256:") +
           QString::fromLatin1(digest.toBase64(QByteArray::OmitTrailingEquals));
}

QByteArray knownHostsLine(const QString &host, int port, const QByteArray &keyBlob)
{
    const QString name = port == 22 ? host : QStringLiteral("[%1]:%2").arg(host).arg(port);
    return name.toUtf8() + ' ' + keyType(keyBlob).toLatin1() + ' ' + keyBlob.toBase64() + '\n';
}

QString outcomeMessage(const Result &result)
{
    QStringList lines;
    if (result.ok()) {
        lines << text::completed();
        if (!result.encrypted)
            lines << tr("The server offers no encryption: the password and the file went "
                        "over the network unencrypted.");
    } else {
        lines << text::cannotUpload() << result.reason;
        if (!result.leftOver.isEmpty())
            lines << tr("The partial file %1 could not be removed from the server.")
                         .arg(result.leftOver);
    }
    return lines.join(u'\n');
}

HostKeyAsker askOnThreadOf(QObject *context, HostKeyAsker ask, const std::atomic<bool> *abort)
{
    return [guard = QPointer<QObject>(context), ask, abort](const HostKeyQuestion &question) {
        struct Pending
        {
            std::mutex mutex;
            std::condition_variable ready;
            bool answered = false;
            HostKeyAnswer answer = HostKeyAnswer::Cancel;
        };
        auto pending = std::make_shared<Pending>();
        if (!guard)
            return HostKeyAnswer::Cancel;
        QMetaObject::invokeMethod(
            guard.data(),
            [pending, ask, question] {
                const HostKeyAnswer answer = ask(question);
                const std::lock_guard<std::mutex> lock(pending->mutex);
                pending->answer = answer;
                pending->answered = true;
                pending->ready.notify_all();
            },
            Qt::QueuedConnection);
        std::unique_lock<std::mutex> lock(pending->mutex);
        // The owner may be closing and waiting for this thread: look at the
        // abort flag now and then instead of waiting for good.
        while (!pending->answered) {
            if ((abort && abort->load()) || !guard)
                return HostKeyAnswer::Cancel;
            pending->ready.wait_for(lock, std::chrono::milliseconds(100));
        }
        return pending->answer;
    };
}

struct Connection::Impl
{
    Address address;
    QByteArray userName, password;
    Options options;
    QByteArray knownHosts;
    const std::atomic<bool> *abort = nullptr;
    bool cleaningUp = false; // removing a temporary after a cancel: not abortable
    // Holds the live connection between requests; declared first, so it
    // goes after the request handle.
    std::unique_ptr<CURLM, MultiDeleter> multi;
    std::unique_ptr<CURL, CurlDeleter> curl;
    char errorBuffer[CURL_ERROR_SIZE] = {};
    Progress progress;
    QString hostKeyProblem;   // why the key function refused the server
    QByteArray lastReply;     // the server's last reply line, which names its reason
    bool tlsAccepted = false; // the FTP connection in use went over to TLS
    bool storeBegan = false;  // the last store got as far as sending

    ~Impl() { password.fill('\0'); }

    static int transferInfo(void *clientp, curl_off_t, curl_off_t, curl_off_t, curl_off_t ulnow)
    {
        auto *self = static_cast<Impl *>(clientp);
        if (self->progress)
            self->progress(qint64(ulnow));
        return !self->cleaningUp && self->abort && self->abort->load() ? 1 : 0;
    }

    static size_t reply(char *buffer, size_t size, size_t count, void *userdata)
    {
        auto *self = static_cast<Impl *>(userdata);
        const QByteArray line = QByteArray(buffer, qsizetype(size * count)).trimmed();
        if (!line.isEmpty())
            self->lastReply = line.left(300);
        // A greeting starts a new connection; 234 accepts AUTH TLS on it.
        if (line.startsWith("220 "))
            self->tlsAccepted = false;
        else if (line.startsWith("234 "))
            self->tlsAccepted = true;
        return size * count;
    }

    static int hostKey(CURL *, const curl_khkey *, const curl_khkey *found, curl_khmatch match,
                       void *clientp)
    {
        auto *self = static_cast<Impl *>(clientp);
        return self->checkHostKey(found, match);
    }

    int checkHostKey(const curl_khkey *found, curl_khmatch match)
    {
        const QString host = address.host;
        if (match == CURLKHMATCH_OK)
            return CURLKHSTAT_FINE;
        if (match == CURLKHMATCH_MISMATCH) {
            hostKeyProblem =
                QCoreApplication::translate(
                    "ftp",
                    "The host key of %1 has changed since it was remembered in %2. Someone may "
                    "be posing as the server; nothing was sent. If the server's key really "
                    "changed, remove its old line from that file.")
                    .arg(host, QString::fromLocal8Bit(knownHosts));
            return CURLKHSTAT_REJECT;
        }
        const QByteArray blob = found->len ? QByteArray(found->key, qsizetype(found->len))
                                           : QByteArray::fromBase64(QByteArray(found->key));
        HostKeyQuestion question{host, address.port, keyType(blob), sha256Fingerprint(blob)};
        const HostKeyAnswer answer =
            options.askHostKey ? options.askHostKey(question) : HostKeyAnswer::Cancel;
        if (answer == HostKeyAnswer::Cancel) {
            hostKeyProblem =
                QCoreApplication::translate(
                    "ftp", "The host key of %1 (%2) was not accepted; nothing was sent.")
                    .arg(host, question.fingerprint);
            return CURLKHSTAT_REJECT;
        }
        if (answer == HostKeyAnswer::AcceptAndRemember)
            remember(blob);
        return CURLKHSTAT_FINE;
    }

    // Appends the key to known_hosts, keeping every line already there.
    void remember(const QByteArray &blob)
    {
        const QString path = QString::fromLocal8Bit(knownHosts);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QByteArray bytes;
        if (QFileInfo::exists(path) && !textfile::readFile(path, &bytes))
            return;
        if (!bytes.isEmpty() && !bytes.endsWith('\n'))
            bytes += '\n';
        bytes += knownHostsLine(address.host, address.port, blob);
        // Accepted either way; not remembered, the key is asked about again.
        QString error;
        if (!safefile::write(path, bytes, &error))
            qWarning("The host key cannot be remembered in %s: %s", qPrintable(path),
                     qPrintable(error));
    }

    // The options every request shares. curl_easy_reset keeps the live
    // connection, so the next request goes over the same login.
    void prepare(const QString &url)
    {
        CURL *h = curl.get();
        curl_easy_reset(h);
        errorBuffer[0] = 0;
        hostKeyProblem.clear();
        lastReply.clear();
        const Timeouts &t = options.timeouts;
        const long cap = cleaningUp ? 5 : 0; // a cleanup after a cancel stays short
        auto seconds = [cap](int s) { return cap ? std::min<long>(cap, s) : long(s); };
        curl_easy_setopt(h, CURLOPT_ERRORBUFFER, errorBuffer);
        curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "ftp,ftps,sftp");
        curl_easy_setopt(h, CURLOPT_URL, url.toUtf8().constData());
        curl_easy_setopt(h, CURLOPT_USERNAME, userName.constData());
        curl_easy_setopt(h, CURLOPT_PASSWORD, password.constData());
        curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT, seconds(t.connectSeconds));
        curl_easy_setopt(h, CURLOPT_SERVER_RESPONSE_TIMEOUT, seconds(t.responseSeconds));
        curl_easy_setopt(h, CURLOPT_LOW_SPEED_LIMIT, 1L);
        curl_easy_setopt(h, CURLOPT_LOW_SPEED_TIME, seconds(t.stallSeconds));
        curl_easy_setopt(h, CURLOPT_NOPROGRESS, 0L);
        curl_easy_setopt(h, CURLOPT_XFERINFOFUNCTION, &Impl::transferInfo);
        curl_easy_setopt(h, CURLOPT_XFERINFODATA, this);
        curl_easy_setopt(h, CURLOPT_HEADERFUNCTION, &Impl::reply);
        curl_easy_setopt(h, CURLOPT_HEADERDATA, this);
        switch (address.tls) {
        case Tls::Try:
            // Better than the clear text the address asks for, even with a
            // certificate nobody vouches for.
            curl_easy_setopt(h, CURLOPT_USE_SSL, long(CURLUSESSL_TRY));
            curl_easy_setopt(h, CURLOPT_SSL_VERIFYPEER, 0L);
            curl_easy_setopt(h, CURLOPT_SSL_VERIFYHOST, 0L);
            break;
        case Tls::Required:
        case Tls::Implicit:
            curl_easy_setopt(h, CURLOPT_USE_SSL, long(CURLUSESSL_ALL));
            if (!options.caFile.isEmpty())
                curl_easy_setopt(h, CURLOPT_CAINFO, QFile::encodeName(options.caFile).constData());
            break;
        case Tls::Ssh:
            curl_easy_setopt(h, CURLOPT_SSH_KNOWNHOSTS, knownHosts.constData());
            curl_easy_setopt(h, CURLOPT_SSH_KEYFUNCTION, &Impl::hostKey);
            curl_easy_setopt(h, CURLOPT_SSH_KEYDATA, this);
            break;
        }
    }

    // Runs the prepared request. The library's own blocking call sleeps a
    // whole second whenever a step is left ready with no socket to wait on,
    // which happens after most passive-mode replies: with a thousand files
    // that is most of a publish. Driven here, such a step runs at once.
    CURLcode perform()
    {
        CURL *h = curl.get();
        CURLM *m = multi.get();
        if (curl_multi_add_handle(m, h) != CURLM_OK)
            return CURLE_FAILED_INIT;
        CURLcode code = CURLE_OK;
        int running = 1;
        int idle = 0; // rounds in a row with no socket to wait on
        while (running) {
            if (curl_multi_perform(m, &running) != CURLM_OK) {
                code = CURLE_FAILED_INIT;
                break;
            }
            if (!running)
                break;
            fd_set readable, writable, failed;
            FD_ZERO(&readable);
            FD_ZERO(&writable);
            FD_ZERO(&failed);
            int highest = -1;
            curl_multi_fdset(m, &readable, &writable, &failed, &highest);
            // Nothing to wait on: a step is ready, so run it at once; should
            // that not help (or the socket lie past what an fd_set holds),
            // look again every millisecond rather than spin. The second
            // otherwise is the longest the abort flag goes unchecked.
            const int wait = highest >= 0 ? 1000 : idle > 0 ? 1 : 0;
            idle = highest >= 0 ? 0 : idle + 1;
            curl_multi_poll(m, nullptr, 0, wait, nullptr);
        }
        int left = 0;
        while (CURLMsg *message = curl_multi_info_read(m, &left)) {
            if (message->msg == CURLMSG_DONE && message->easy_handle == h)
                code = message->data.result;
        }
        curl_multi_remove_handle(m, h);
        return code;
    }

    Result finish(CURLcode code)
    {
        Result result;
        if (code == CURLE_OK) {
            result.encrypted = address.tls != Tls::Try || tlsAccepted;
            return result;
        }
        long response = 0;
        curl_easy_getinfo(curl.get(), CURLINFO_RESPONSE_CODE, &response);
        QString detail = QString::fromLocal8Bit(errorBuffer).trimmed();
        if (detail.isEmpty())
            detail = QString::fromUtf8(curl_easy_strerror(code));
        // The server's own words say more than the library's summary.
        if (response >= 400 && !lastReply.isEmpty())
            detail = QString::fromUtf8(lastReply);
        detail = scrub(detail, QString::fromUtf8(password));
        result.failure = classify(code, response, detail);
        if (!hostKeyProblem.isEmpty()) {
            result.failure = Failure::HostKey;
            detail = hostKeyProblem;
        }
        result.reason = describe(result.failure, address.host, detail);
        return result;
    }

    // Server commands with url as the current folder; no transfer. They go
    // after the (empty) transfer: before it the folder is not entered yet.
    // With createFolders, the folders on the way to url are made first.
    Result commands(const QString &url, const QStringList &list, bool createFolders = false)
    {
        const CommandList quoted = commandList(list);
        prepare(url);
        curl_easy_setopt(curl.get(), CURLOPT_NOBODY, 1L);
        curl_easy_setopt(curl.get(), CURLOPT_POSTQUOTE, quoted.get());
        if (createFolders)
            curl_easy_setopt(curl.get(), CURLOPT_FTP_CREATE_MISSING_DIRS,
                             long(CURLFTP_CREATE_DIR_RETRY));
        return finish(perform());
    }

    // Whether the file at url is missing, as far as the server says.
    bool missing(const QString &url)
    {
        prepare(url);
        curl_easy_setopt(curl.get(), CURLOPT_NOBODY, 1L);
        const CURLcode code = perform();
        long response = 0;
        curl_easy_getinfo(curl.get(), CURLINFO_RESPONSE_CODE, &response);
        return code == CURLE_REMOTE_FILE_NOT_FOUND ||
               (code == CURLE_FTP_COULDNT_RETR_FILE && response == 550);
    }

    // After a failed upload: the temporary goes, or leftOver names it.
    void removeTemporary(const UploadPlan &plan, Result &result)
    {
        switch (result.failure) {
        case Failure::Login:
        case Failure::Unreachable:
        case Failure::UnknownHost:
        case Failure::HostKey:
        case Failure::TlsRefused:
        case Failure::NoFolder:
            return; // never got as far as storing anything
        default:
            break;
        }
        if (!storeBegan)
            return;
        cleaningUp = true;
        const Result removal = commands(plan.folderUrl, plan.removeTemporary);
        if (!removal.ok()) {
            switch (removal.failure) {
            case Failure::Unreachable:
            case Failure::Timeout:
            case Failure::ConnectionLost:
            case Failure::Login:
                result.leftOver = plan.temporaryName;
                break;
            default:
                // Refused: fine when there was nothing to remove.
                if (!missing(plan.uploadUrl))
                    result.leftOver = plan.temporaryName;
            }
        }
        cleaningUp = false;
    }

    // Sends the file from its start under the temporary name and renames it.
    // FTP names the file by its whole path instead of changing into its
    // folder, which saves a round trip per folder level whenever the folder
    // changes; a missing folder then shows only as a refused store, said in
    // *refusedStore.
    Result store(const UploadPlan &plan, Body &body, qint64 size, bool *refusedStore)
    {
        std::rewind(body.file);
        body.hash.reset();
        body.size = 0;
        const CommandList after = commandList(plan.afterUpload);
        prepare(plan.uploadUrl);
        CURL *h = curl.get();
        curl_easy_setopt(h, CURLOPT_UPLOAD, 1L);
        curl_easy_setopt(h, CURLOPT_READFUNCTION, &readBody);
        curl_easy_setopt(h, CURLOPT_READDATA, &body);
        curl_easy_setopt(h, CURLOPT_INFILESIZE_LARGE, curl_off_t(size));
        curl_easy_setopt(h, CURLOPT_POSTQUOTE, after.get());
        const bool sftp = address.scheme == Scheme::Sftp;
        if (!sftp)
            curl_easy_setopt(h, CURLOPT_FTP_FILEMETHOD, long(CURLFTPMETHOD_NOCWD));
        else if (options.makeFolders)
            curl_easy_setopt(h, CURLOPT_FTP_CREATE_MISSING_DIRS, long(CURLFTP_CREATE_DIR_RETRY));
        const CURLcode code = perform();
        long response = 0;
        curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &response);
        // No time before the transfer was recorded: it never began, and the
        // server holds nothing of it.
        curl_off_t began = 0;
        curl_easy_getinfo(h, CURLINFO_PRETRANSFER_TIME_T, &began);
        storeBegan = began != 0;
        const Result result = finish(code);
        *refusedStore = !sftp && code == CURLE_UPLOAD_FAILED &&
                        (response == 550 || response == 553) && result.failure != Failure::DiskFull;
        return result;
    }
};

Connection::Connection(const Address &address, const QString &userName, const QString &password,
                       const Options &options, const std::atomic<bool> *abort)
    : d(std::make_unique<Impl>())
{
    initCurlOnce();
    d->address = address;
    d->userName = userName.toUtf8();
    d->password = password.toUtf8();
    d->options = options;
    const QString knownHosts = options.knownHostsFile.isEmpty()
                                   ? QDir::homePath() + QStringLiteral("/.ssh/known_hosts")
                                   : options.knownHostsFile;
    d->knownHosts = QFile::encodeName(knownHosts);
    d->abort = abort;
    d->multi.reset(curl_multi_init());
    d->curl.reset(d->multi ? curl_easy_init() : nullptr);
}

Connection::~Connection() = default;

Result Connection::upload(const QString &localPath, const QString &path, const Progress &progress,
                          QByteArray *sentHash, qint64 *sentSize)
{
    Result result;
    const std::optional<UploadPlan> plan = planUpload(d->address, path);
    if (!plan || !d->curl) {
        result.failure = Failure::Other;
        result.reason =
            plan
                ? QCoreApplication::translate("ftp", "The transfer library cannot start.")
                : QCoreApplication::translate("ftp", "The file name cannot be stored on a server.");
        return result;
    }
    // A pipe or device would block the open: regular files only.
    const QFileInfo info(localPath);
    std::unique_ptr<FILE, FileCloser> in(
        info.isFile() ? std::fopen(QFile::encodeName(localPath).constData(), "rb") : nullptr);
    const qint64 size = in ? info.size() : -1;
    if (!in || size < 0) {
        result.failure = Failure::LocalFile;
        result.reason = describe(Failure::LocalFile, d->address.host, QString());
        return result;
    }
    Body body;
    body.file = in.get();
    body.hashing = sentHash != nullptr;
    d->progress = progress;
    bool refused = false;
    result = d->store(*plan, body, size, &refused);
    if (refused) {
        // Refused for want of the folder? Entering it (making it, where
        // allowed) tells; once it is there, the store is worth one more try,
        // as another connection may have just made it.
        const Result folder = d->commands(plan->folderUrl, {}, d->options.makeFolders);
        result = folder.ok() ? d->store(*plan, body, size, &refused) : folder;
    }
    d->progress = nullptr;
    if (!result.ok())
        d->removeTemporary(*plan, result);
    if (sentHash)
        *sentHash = body.hash.result().toHex();
    if (sentSize)
        *sentSize = body.size;
    return result;
}

Result Connection::open()
{
    if (!d->curl) {
        Result result;
        result.failure = Failure::Other;
        result.reason = QCoreApplication::translate("ftp", "The transfer library cannot start.");
        return result;
    }
    // The server's root: there is nothing to enter or look at there.
    QUrl root(d->address.directoryUrl);
    root.setPath(QStringLiteral("/"));
    d->prepare(root.toString(QUrl::FullyEncoded));
    curl_easy_setopt(d->curl.get(), CURLOPT_NOBODY, 1L);
    curl_easy_setopt(d->curl.get(), CURLOPT_FTP_FILEMETHOD, long(CURLFTPMETHOD_NOCWD));
    return d->finish(d->perform());
}

Result Connection::remove(const QString &path)
{
    const std::optional<UploadPlan> plan = planUpload(d->address, path);
    if (!plan || !d->curl) {
        Result result;
        result.failure = Failure::Other;
        result.reason =
            QCoreApplication::translate("ftp", "The file name cannot be stored on a server.");
        return result;
    }
    Result result = d->commands(plan->folderUrl, plan->removeFile);
    // Already gone is what was wanted.
    if (!result.ok() && result.failure != Failure::Cancelled && d->missing(plan->fileUrl))
        result = Result();
    return result;
}

} // namespace ftp

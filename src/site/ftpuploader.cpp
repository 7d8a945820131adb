#include "site/ftpuploader.h"

#include <cstdio>
#include <curl/curl.h>
#include <memory>
#include <mutex>
#include <QFile>
#include <QFileInfo>
#include <QThread>

namespace {

void initCurlOnce()
{
    // Not thread-safe in older libraries: done once, from the thread that
    // creates the first uploader.
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct Job
{
    QByteArray url;
    QByteArray userName;
    QByteArray password;
    QList<QByteArray> afterUpload;
    QByteArray localPath;
    FtpUploader::Timeouts timeouts;
    std::atomic<bool> *abort = nullptr;
};

int progress(void *clientp, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    return static_cast<std::atomic<bool> *>(clientp)->load() ? 1 : 0;
}

struct CurlDeleter
{
    void operator()(CURL *handle) const { curl_easy_cleanup(handle); }
};
struct ListDeleter
{
    void operator()(curl_slist *list) const { curl_slist_free_all(list); }
};
struct FileCloser
{
    void operator()(FILE *file) const { std::fclose(file); }
};

// Runs in the worker thread. Returns an empty text on success, else why it
// failed.
QString runJob(Job &job)
{
    std::unique_ptr<FILE, FileCloser> in(std::fopen(job.localPath.constData(), "rb"));
    if (!in)
        return QStringLiteral("The file cannot be read.");
    if (std::fseek(in.get(), 0, SEEK_END) != 0)
        return QStringLiteral("The file cannot be read.");
    const long long size = ftello(in.get());
    std::rewind(in.get());
    if (size < 0)
        return QStringLiteral("The file cannot be read.");

    std::unique_ptr<CURL, CurlDeleter> curl(curl_easy_init());
    if (!curl)
        return QStringLiteral("The transfer library cannot start.");
    curl_slist *list = nullptr;
    for (const QByteArray &command : job.afterUpload) {
        curl_slist *grown = curl_slist_append(list, command.constData());
        if (!grown) {
            curl_slist_free_all(list);
            return QStringLiteral("Out of memory.");
        }
        list = grown;
    }
    const std::unique_ptr<curl_slist, ListDeleter> after(list);

    char errorBuffer[CURL_ERROR_SIZE] = {};
    CURL *h = curl.get();
    curl_easy_setopt(h, CURLOPT_ERRORBUFFER, errorBuffer);
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "ftp,ftps,sftp");
    curl_easy_setopt(h, CURLOPT_URL, job.url.constData());
    curl_easy_setopt(h, CURLOPT_USERNAME, job.userName.constData());
    curl_easy_setopt(h, CURLOPT_PASSWORD, job.password.constData());
    curl_easy_setopt(h, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(h, CURLOPT_READDATA, in.get());
    curl_easy_setopt(h, CURLOPT_INFILESIZE_LARGE, curl_off_t(size));
    curl_easy_setopt(h, CURLOPT_POSTQUOTE, after.get());
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT, long(job.timeouts.connectSeconds));
    curl_easy_setopt(h, CURLOPT_SERVER_RESPONSE_TIMEOUT, long(job.timeouts.responseSeconds));
    curl_easy_setopt(h, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(h, CURLOPT_LOW_SPEED_TIME, long(job.timeouts.stallSeconds));
    curl_easy_setopt(h, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(h, CURLOPT_XFERINFOFUNCTION, progress);
    curl_easy_setopt(h, CURLOPT_XFERINFODATA, job.abort);

    const CURLcode code = curl_easy_perform(h);
    if (code == CURLE_OK)
        return QString();
    const QString detail = QString::fromLocal8Bit(errorBuffer).trimmed();
    return detail.isEmpty() ? QString::fromUtf8(curl_easy_strerror(code)) : detail;
}

} // namespace

FtpUploader::FtpUploader(QObject *parent) : QObject(parent)
{
    initCurlOnce();
}

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
    m_lastError.clear();
}

bool FtpUploader::send(const QString &localPath, const QString &remoteName)
{
    if (m_busy)
        return false;
    const std::optional<ftp::Address> address = ftp::parseAddress(m_address);
    if (!address) {
        m_lastError = QStringLiteral("The FTP address is not one this program can use.");
        return false;
    }
    const std::optional<ftp::UploadPlan> plan = ftp::planUpload(*address, remoteName);
    if (!plan) {
        m_lastError = QStringLiteral("The file name cannot be stored on a server.");
        return false;
    }
    const QFileInfo local(localPath);
    if (!local.isFile() || !local.isReadable()) {
        m_lastError = QStringLiteral("The file cannot be read.");
        return false;
    }

    auto job = std::make_shared<Job>();
    job->url = plan->uploadUrl.toUtf8();
    job->userName = m_userName.toUtf8();
    job->password = m_password.toUtf8();
    for (const QString &command : plan->afterUpload)
        job->afterUpload << command.toUtf8();
    job->localPath = QFile::encodeName(localPath);
    job->timeouts = m_timeouts;
    job->abort = &m_abort;

    m_abort = false;
    m_busy = true;
    m_lastError.clear();
    const QString password = m_password;
    m_worker = QThread::create([this, job, password] {
        const QString error = ftp::scrub(runJob(*job), password);
        job->password.fill('\0');
        QMetaObject::invokeMethod(
            this, [this, error] { done(error.isEmpty(), error); }, Qt::QueuedConnection);
    });
    m_worker->start();
    return true;
}

void FtpUploader::done(bool ok, const QString &error)
{
    if (m_worker) {
        m_worker->wait();
        delete m_worker;
        m_worker = nullptr;
    }
    m_busy = false;
    m_lastError = error;
    emit finished(ok, error);
}

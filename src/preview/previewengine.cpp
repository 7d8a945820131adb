// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/previewengine.h"

#include "preview/previewrules.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMimeDatabase>
#include <QPointer>
#include <QRandomGenerator>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInfo>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <QWebEngineUrlSchemeHandler>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace previewengine {

namespace {

bool g_scriptsWithoutSandbox = false;

QHash<QString, Site> &sites()
{
    static QHash<QString, Site> map;
    return map;
}

// A file opened for reading only when it is a regular file: a FIFO or a
// device under the root must not hang or feed the engine.
QFile *openRegular(const QString &path, QObject *parent)
{
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    auto *file = new QFile(parent);
    if (!file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        delete file;
        return nullptr;
    }
    return file;
}

class Server : public QWebEngineUrlSchemeHandler
{
public:
    using QWebEngineUrlSchemeHandler::QWebEngineUrlSchemeHandler;

    void requestStarted(QWebEngineUrlRequestJob *job) override
    {
        if (job->requestMethod() != "GET") {
            job->fail(QWebEngineUrlRequestJob::RequestDenied);
            return;
        }
        const QUrl url = job->requestUrl();
        const auto site = sites().constFind(url.host());
        if (site == sites().cend()) {
            job->fail(QWebEngineUrlRequestJob::UrlNotFound);
            return;
        }
        const QString wanted = previewrules::requestedPath(url.path(QUrl::FullyDecoded));
        if (wanted.isEmpty()) {
            job->fail(QWebEngineUrlRequestJob::RequestDenied);
            return;
        }
        if (wanted == site->page) {
            auto *buffer = new QBuffer(job);
            buffer->setData(site->html);
            buffer->open(QIODevice::ReadOnly);
            job->reply("text/html;charset=utf-8", buffer);
            return;
        }
        const QString root = previewrules::resolvedPath(site->root);
        const QString file = QFileInfo(root + u'/' + wanted).canonicalFilePath();
        if (file.isEmpty()) {
            job->fail(QWebEngineUrlRequestJob::UrlNotFound);
            return;
        }
        if (!previewrules::mayServe(root, file, previewrules::protectedFolders())) {
            job->fail(QWebEngineUrlRequestJob::RequestDenied);
            return;
        }
        QFile *device = openRegular(file, job);
        if (!device) {
            job->fail(QWebEngineUrlRequestJob::RequestDenied);
            return;
        }
        static const QMimeDatabase mimes;
        job->reply(mimes.mimeTypeForFile(file, QMimeDatabase::MatchExtension).name().toUtf8(),
                   device);
    }
};

// Every request of a previewed page passes here, from the page, its frames
// and its workers alike.
class RequestFilter : public QWebEngineUrlRequestInterceptor
{
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void interceptRequest(QWebEngineUrlRequestInfo &info) override
    {
        if (!previewrules::mayFetch(info.requestUrl()))
            info.block(true);
    }
};

// A profile that keeps nothing on disk, with scripts only where the sandbox
// holds them and no way from a page to local files or new windows.
QWebEngineProfile *newProfile()
{
    registerScheme();
    auto *profile = new QWebEngineProfile(QCoreApplication::instance());
    profile->setHttpCacheType(QWebEngineProfile::NoCache);
    profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    QWebEngineSettings *s = profile->settings();
    s->setAttribute(QWebEngineSettings::JavascriptEnabled, scriptsEnabled());
    s->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    s->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    s->setAttribute(QWebEngineSettings::DnsPrefetchEnabled, false);
    s->setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);
    s->setUnknownUrlSchemePolicy(QWebEngineSettings::DisallowUnknownUrlSchemes);
    return profile;
}

} // namespace

void registerScheme()
{
    const QByteArray name = previewrules::scheme().toLatin1();
    if (QWebEngineUrlScheme::schemeByName(name).name() == name)
        return;
    QWebEngineUrlScheme scheme(name);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
    scheme.setFlags(QWebEngineUrlScheme::CorsEnabled);
    QWebEngineUrlScheme::registerScheme(scheme);
}

QWebEngineProfile *pageProfile()
{
    static QPointer<QWebEngineProfile> profile;
    if (!profile) {
        profile = newProfile();
        profile->installUrlSchemeHandler(previewrules::scheme().toLatin1(), new Server(profile));
        profile->setUrlRequestInterceptor(new RequestFilter(profile));
    }
    return profile;
}

QWebEngineProfile *webProfile()
{
    static QPointer<QWebEngineProfile> profile;
    if (!profile)
        profile = newProfile();
    return profile;
}

bool scriptsEnabled()
{
    if (g_scriptsWithoutSandbox)
        return true;
    return previewrules::engineStart(::geteuid() == 0, qgetenv("QTWEBENGINE_CHROMIUM_FLAGS"),
                                     qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        .scripts;
}

void allowScriptsWithoutSandbox()
{
    g_scriptsWithoutSandbox = true;
}

QString newHost()
{
    quint32 words[4];
    QRandomGenerator::system()->fillRange(words);
    QString host;
    for (quint32 w : words)
        host += QStringLiteral("%1").arg(w, 8, 16, QLatin1Char('0'));
    return host;
}

void publish(const QString &host, const Site &site)
{
    sites().insert(host, site);
}

void withdraw(const QString &host)
{
    sites().remove(host);
}

} // namespace previewengine

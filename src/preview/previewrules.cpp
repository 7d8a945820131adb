// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/previewrules.h"

#include "kernel/settingsstore.h"
#include "platform/paths.h"

#include <algorithm>
#include <QDir>
#include <QFileInfo>

namespace previewrules {

namespace {

// `path` is `folder` or lies inside it.
bool isInside(const QString &path, const QString &folder)
{
    if (folder.isEmpty())
        return false;
    if (path == folder)
        return true;
    const QString prefix = folder.endsWith(u'/') ? folder : folder + u'/';
    return path.startsWith(prefix);
}

} // namespace

QString scheme()
{
    return QStringLiteral("lorimel-preview");
}

Root rootFor(const QString &documentFile, const QString &siteFolder)
{
    if (documentFile.isEmpty())
        return {siteFolder, paths::previewFileName()};
    if (isInside(documentFile, siteFolder) && documentFile != siteFolder) {
        const qsizetype skip =
            siteFolder.endsWith(u'/') ? siteFolder.size() : siteFolder.size() + 1;
        return {siteFolder, documentFile.mid(skip)};
    }
    const qsizetype slash = documentFile.lastIndexOf(u'/');
    const QString folder = slash <= 0 ? QStringLiteral("/") : documentFile.left(slash);
    return {folder, documentFile.mid(slash + 1)};
}

QString requestedPath(const QString &urlPath)
{
    QStringList parts;
    for (const QString &part : urlPath.split(u'/', Qt::SkipEmptyParts)) {
        if (part.startsWith(u'.') || part.contains(QChar(0)))
            return QString();
        parts << part;
    }
    return parts.join(u'/');
}

bool mayServe(const QString &root, const QString &file, const QStringList &protectedFolders)
{
    if (file == root || !isInside(file, root))
        return false;
    if (file.contains(QStringLiteral("/.")))
        return false;
    return std::none_of(protectedFolders.cbegin(), protectedFolders.cend(),
                        [&](const QString &folder) { return isInside(file, folder); });
}

QString resolvedPath(const QString &path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(path) : canonical;
}

QStringList protectedFolders()
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty())
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return {resolvedPath(SettingsStore::defaultDirectory()),
            resolvedPath(state + QStringLiteral("/lorimel"))};
}

bool mayFetch(const QUrl &url)
{
    const QString s = url.scheme();
    return s == scheme() || s == QLatin1String("data") || s == QLatin1String("blob") ||
           s == QLatin1String("about");
}

bool mayNavigate(const QUrl &url, const QString &host, bool topFrame)
{
    if (url.scheme() == scheme())
        return url.host() == host;
    return !topFrame && mayFetch(url);
}

QString contentPolicyHead()
{
    return QStringLiteral("<meta http-equiv=\"Content-Security-Policy\" content=\""
                          "default-src 'self' data: blob: 'unsafe-inline' 'unsafe-eval'; "
                          "script-src 'self' 'unsafe-inline' 'unsafe-eval'; "
                          "worker-src 'self'; connect-src 'self'\">");
}

EngineStart engineStart(bool runningAsRoot, const QByteArray &chromiumFlags,
                        bool sandboxSwitchedOff)
{
    static const QByteArray noSandbox("--no-sandbox");
    EngineStart start;
    start.chromiumFlags = chromiumFlags;
    const bool flagged = chromiumFlags.split(' ').contains(noSandbox);
    if (runningAsRoot && !flagged)
        start.chromiumFlags = (chromiumFlags.trimmed() + ' ' + noSandbox).trimmed();
    start.scripts = !runningAsRoot && !flagged && !sandboxSwitchedOff;
    return start;
}

} // namespace previewrules

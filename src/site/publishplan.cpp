// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/publishplan.h"

#include "platform/paths.h"
#include "platform/safefile.h"

#include <dirent.h>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QUrl>
#include <sys/stat.h>
#include <time.h>

namespace publish {

bool isExcluded(const QString &name)
{
    return name.startsWith(u'.') || name.endsWith(u'~') ||
           (name.startsWith(u'#') && name.endsWith(u'#')) ||
           name.compare(paths::previewFileName(), Qt::CaseInsensitive) == 0 ||
           safefile::isTemporaryName(name);
}

namespace {

// Hashes the file in blocks; false when it cannot be read whole.
bool hashFile(const QString &path, FileState &state)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    QByteArray block(256 * 1024, Qt::Uninitialized);
    qint64 size = 0;
    for (;;) {
        const qint64 n = file.read(block.data(), block.size());
        if (n < 0)
            return false;
        if (n == 0)
            break;
        hash.addData(QByteArrayView(block.constData(), n));
        size += n;
    }
    state.size = size;
    state.hash = hash.result().toHex();
    return true;
}

qint64 nanoseconds(const timespec &t)
{
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// Taken before the file is read, so a change while it is read shows next
// time.
QByteArray stampOf(const struct stat &st, qint64 settledBefore)
{
    if (nanoseconds(st.st_ctim) >= settledBefore)
        return QByteArray();
    return QByteArray::number(nanoseconds(st.st_mtim)) + '.' +
           QByteArray::number(nanoseconds(st.st_ctim)) + '.' +
           QByteArray::number(quint64(st.st_ino));
}

bool isStamp(const QByteArray &token)
{
    if (token.isEmpty() || token.size() > 80)
        return false;
    for (const char c : token) {
        if ((c < '0' || c > '9') && c != '.')
            return false;
    }
    return true;
}

struct Scan
{
    QByteArray root;
    QList<FileState> *out;
    QStringList *problems;
    ScanOptions options;
};

// Straight from the directory: one status call per entry.
void scanInto(const Scan &scan, const QByteArray &relative)
{
    const QByteArray folder = relative.isEmpty() ? scan.root : scan.root + '/' + relative;
    DIR *dir = opendir(folder.constData());
    if (!dir)
        return;
    while (const dirent *entry = readdir(dir)) {
        const QByteArray local(entry->d_name);
        const QString name = QFile::decodeName(local);
        if (isExcluded(name))
            continue; // ".", ".." and every hidden name among them
        const QByteArray localPath = relative.isEmpty() ? local : relative + '/' + local;
        const QByteArray full = folder + '/' + local;
        struct stat st;
        if (lstat(full.constData(), &st) != 0)
            continue;
        if (S_ISDIR(st.st_mode)) {
            scanInto(scan, localPath);
            continue;
        }
        // A link to a file is sent as the file; links to folders are not
        // followed.
        if (S_ISLNK(st.st_mode) && stat(full.constData(), &st) != 0)
            continue;
        if (!S_ISREG(st.st_mode))
            continue; // pipes, devices, folders behind links
        FileState state;
        state.path = QFile::decodeName(localPath);
        state.stamp = stampOf(st, scan.options.settledBefore);
        const FileState *known = nullptr;
        if (scan.options.known) {
            const auto it = scan.options.known->constFind(state.path);
            if (it != scan.options.known->constEnd())
                known = &*it;
        }
        if (known && !state.stamp.isEmpty() && known->stamp == state.stamp &&
            known->size == qint64(st.st_size)) {
            state.size = known->size;
            state.hash = known->hash;
            *scan.out << state;
        } else if (hashFile(QFile::decodeName(full), state)) {
            *scan.out << state;
        } else if (scan.problems) {
            *scan.problems << state.path;
        }
    }
    closedir(dir);
}

QByteArray encoded(const QString &path)
{
    return QUrl::toPercentEncoding(path, "/");
}

} // namespace

QList<FileState> scanFolder(const QString &folder, QStringList *problems,
                            const ScanOptions &options)
{
    QList<FileState> out;
    Scan scan{QFile::encodeName(QDir(folder).absolutePath()), &out, problems, options};
    if (scan.options.settledBefore == 0) {
        timespec now;
        clock_gettime(CLOCK_REALTIME, &now);
        scan.options.settledBefore = nanoseconds(now) - qint64(2) * 1000000000;
    }
    scanInto(scan, QByteArray());
    std::sort(out.begin(), out.end(),
              [](const FileState &a, const FileState &b) { return a.path < b.path; });
    return out;
}

Plan makePlan(const QList<FileState> &local, const Manifest &manifest)
{
    Plan plan;
    QSet<QString> here;
    for (const FileState &file : local) {
        here.insert(file.path);
        const auto sent = manifest.constFind(file.path);
        if (sent != manifest.constEnd() && *sent == file) {
            plan.unchanged << file;
        } else {
            plan.upload << file;
            plan.uploadBytes += file.size;
        }
    }
    for (auto it = manifest.constBegin(); it != manifest.constEnd(); ++it) {
        if (!here.contains(it.key()))
            plan.remoteOnly << it.key();
    }
    return plan;
}

QByteArray addedLine(const FileState &file)
{
    return "+ " + QByteArray::number(file.size) + ' ' + file.hash + ' ' +
           (file.stamp.isEmpty() ? QByteArray("-") : file.stamp) + ' ' + encoded(file.path) + '\n';
}

QByteArray removedLine(const QString &path)
{
    return "- " + encoded(path) + '\n';
}

QByteArray serialize(const QString &target, const Manifest &manifest)
{
    QByteArray out =
        "# Lorimel publish manifest\n# target: " + QUrl::toPercentEncoding(target, ":/@") + '\n';
    for (const FileState &file : manifest)
        out += addedLine(file);
    return out;
}

void apply(const QByteArray &lines, Manifest &manifest, int *badLines)
{
    int bad = 0;
    for (const QByteArray &raw : lines.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QList<QByteArray> parts = line.split(' ');
        auto pathOf = [](const QByteArray &text) {
            const QString path = QUrl::fromPercentEncoding(text);
            // Only paths the scan itself could give.
            for (const QString &part : path.split(u'/')) {
                if (part.isEmpty() || part == QLatin1String(".") || part == QLatin1String(".."))
                    return QString();
            }
            return path;
        };
        if ((parts.size() == 4 || parts.size() == 5) && parts[0] == "+") {
            bool ok = false;
            FileState file;
            file.size = parts[1].toLongLong(&ok);
            file.hash = parts[2];
            file.path = pathOf(parts.last());
            if (parts.size() == 5 && parts[3] != "-") {
                file.stamp = parts[3];
                ok = ok && isStamp(file.stamp);
            }
            if (ok && file.size >= 0 && file.hash.size() == 64 && !file.path.isEmpty()) {
                manifest.insert(file.path, file);
                continue;
            }
        } else if (parts.size() == 2 && parts[0] == "-") {
            const QString path = pathOf(parts[1]);
            if (!path.isEmpty()) {
                manifest.remove(path);
                continue;
            }
        }
        ++bad;
    }
    if (badLines)
        *badLines = bad;
}

QString manifestFile(const QString &directoryUrl, const QString &userName)
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    const QByteArray id = QCryptographicHash::hash((directoryUrl + u'\n' + userName).toUtf8(),
                                                   QCryptographicHash::Sha256)
                              .toHex()
                              .left(20);
    return state + QStringLiteral("/lorimel/publish/") + QString::fromLatin1(id) +
           QStringLiteral(".manifest");
}

} // namespace publish

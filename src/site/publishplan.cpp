#include "site/publishplan.h"

#include "platform/paths.h"
#include "platform/textfile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSet>
#include <QUrl>

namespace publish {

bool isExcluded(const QString &name)
{
    return name.startsWith(u'.') || name.endsWith(u'~') ||
           (name.startsWith(u'#') && name.endsWith(u'#')) ||
           name.compare(paths::previewFileName(), Qt::CaseInsensitive) == 0 ||
           textfile::isTemporaryName(name);
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

void scanInto(const QString &root, const QString &relative, QList<FileState> &out,
              QStringList *problems)
{
    const QDir dir(relative.isEmpty() ? root : root + u'/' + relative);
    const QFileInfoList entries = dir.entryInfoList(
        QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
    for (const QFileInfo &entry : entries) {
        const QString name = entry.fileName();
        if (isExcluded(name))
            continue;
        const QString path = relative.isEmpty() ? name : relative + u'/' + name;
        if (entry.isDir()) {
            if (!entry.isSymLink())
                scanInto(root, path, out, problems);
            continue;
        }
        if (!entry.isFile())
            continue; // pipes, devices, broken links
        FileState state;
        state.path = path;
        if (hashFile(entry.filePath(), state))
            out << state;
        else if (problems)
            *problems << path;
    }
}

QByteArray encoded(const QString &path)
{
    return QUrl::toPercentEncoding(path, "/");
}

} // namespace

QList<FileState> scanFolder(const QString &folder, QStringList *problems)
{
    QList<FileState> out;
    scanInto(QDir(folder).absolutePath(), QString(), out, problems);
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
    return "+ " + QByteArray::number(file.size) + ' ' + file.hash + ' ' + encoded(file.path) + '\n';
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
        if (parts.size() == 4 && parts[0] == "+") {
            bool ok = false;
            FileState file;
            file.size = parts[1].toLongLong(&ok);
            file.hash = parts[2];
            file.path = pathOf(parts[3]);
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

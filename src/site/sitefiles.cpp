// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/sitefiles.h"

#include "platform/paths.h"
#include "platform/safefile.h"

#include <algorithm>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStorageInfo>

#include <cerrno>
#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>

namespace site {

namespace {

bool containsAny(const QString &name, const QStringList &types)
{
    return std::any_of(types.begin(), types.end(), [&name](const QString &type) {
        return !type.isEmpty() && name.contains(type, Qt::CaseInsensitive);
    });
}

// Kernel and desktop file systems that hold no user files.
bool isPseudoFileSystem(const QString &type)
{
    static const QSet<QString> pseudo{
        QStringLiteral("proc"),        QStringLiteral("sysfs"),
        QStringLiteral("devtmpfs"),    QStringLiteral("devpts"),
        QStringLiteral("cgroup"),      QStringLiteral("cgroup2"),
        QStringLiteral("securityfs"),  QStringLiteral("debugfs"),
        QStringLiteral("tracefs"),     QStringLiteral("pstore"),
        QStringLiteral("bpf"),         QStringLiteral("mqueue"),
        QStringLiteral("hugetlbfs"),   QStringLiteral("configfs"),
        QStringLiteral("fusectl"),     QStringLiteral("autofs"),
        QStringLiteral("binfmt_misc"), QStringLiteral("efivarfs"),
        QStringLiteral("nsfs"),        QStringLiteral("rpc_pipefs"),
        QStringLiteral("selinuxfs"),   QStringLiteral("ramfs"),
        QStringLiteral("squashfs"),    QStringLiteral("fuse.gvfsd-fuse"),
        QStringLiteral("fuse.portal"), QStringLiteral("fuse.lxcfs"),
    };
    return pseudo.contains(type);
}

bool isUnder(const QString &path, const QString &root)
{
    return path == root || path.startsWith(root + u'/');
}

bool isSystemMountPoint(const QString &root)
{
    if (isUnder(root, QStringLiteral("/run/media")))
        return false; // where desktops mount removable media
    for (const char *system : {"/proc", "/sys", "/dev", "/run", "/snap"}) {
        if (isUnder(root, QLatin1String(system)))
            return true;
    }
    return false;
}

} // namespace

FileAction actionForFile(const QString &fileName, int documentCount, const QStringList &imageTypes,
                         const QStringList &soundTypes)
{
    if (fileName == paths::previewFileName())
        return FileAction::RefuseCaching;
    if (fileName.contains(QLatin1String(".htm"), Qt::CaseInsensitive) ||
        fileName.contains(QLatin1String(".txt"), Qt::CaseInsensitive))
        return FileAction::OpenDocument;
    if (documentCount <= 0)
        return FileAction::Nothing;
    if (containsAny(fileName, imageTypes))
        return FileAction::Graphics;
    if (containsAny(fileName, soundTypes))
        return FileAction::BackgroundSounds;
    return FileAction::Nothing;
}

FileRole roleFor(FileAction action)
{
    switch (action) {
    case FileAction::Graphics:
        return FileRole::Image;
    case FileAction::BackgroundSounds:
        return FileRole::Sound;
    case FileAction::Nothing:
    case FileAction::RefuseCaching:
    case FileAction::OpenDocument:
        break;
    }
    return FileRole::None;
}

RenameResult checkRename(const QString &folder, const QString &oldName,
                         const std::optional<QString> &newName, bool folders)
{
    if (!newName || newName->isEmpty())
        return RenameResult::Cancelled;
    const QString &name = *newName;
    if (name.contains(u'/') || name.contains(QChar(0)) || oldName.isEmpty() ||
        name == QLatin1String(".") || name == QLatin1String(".."))
        return RenameResult::Failed;

    const QFileInfo target(paths::join(folder, name));
    if (target.isDir() && !folders)
        return RenameResult::Failed;
    if (target.exists() || target.isSymLink())
        return RenameResult::NameInUse;
    const QFileInfo source(paths::join(folder, oldName));
    if (!source.exists() && !source.isSymLink())
        return RenameResult::Failed;
    if (source.isDir() && !source.isSymLink() && !folders)
        return RenameResult::Failed;
    return RenameResult::Renamed;
}

RenameResult movePath(const QString &from, const QString &to)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (from.isEmpty() || to.isEmpty() || from.contains(QChar(0)) || to.contains(QChar(0)))
        return RenameResult::Failed;
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) ==
        0)
        return RenameResult::Renamed;
    if (errno == EEXIST)
        return RenameResult::NameInUse;
    if (errno != EINVAL && errno != ENOSYS)
        return RenameResult::Failed;
    // A file system that cannot refuse to replace (EINVAL is also a folder
    // moved into itself, which rename() refuses as well).
    struct stat st;
    if (::lstat(target.constData(), &st) == 0)
        return RenameResult::NameInUse;
    return ::rename(source.constData(), target.constData()) == 0 ? RenameResult::Renamed
                                                                 : RenameResult::Failed;
}

RenameResult renameFile(const QString &folder, const QString &oldName,
                        const std::optional<QString> &newName)
{
    const RenameResult check = checkRename(folder, oldName, newName, false);
    if (check != RenameResult::Renamed)
        return check;
    return movePath(paths::join(folder, oldName), paths::join(folder, *newName));
}

QString renameMessage(RenameResult result)
{
    switch (result) {
    case RenameResult::NameInUse:
        return text::nameInUse();
    case RenameResult::Failed:
        return text::cannotRename();
    case RenameResult::Cancelled:
    case RenameResult::Renamed:
        break;
    }
    return QString();
}

bool deleteFile(const QString &folder, const QString &name)
{
    if (name.isEmpty())
        return false;
    const QFileInfo file(paths::join(folder, name));
    if (file.isDir() && !file.isSymLink())
        return false;
    return QFile::remove(file.filePath());
}

QStringList listFiles(const QString &folder)
{
    if (folder.isEmpty())
        return {};
    const QDir dir(folder);
    QStringList names =
        dir.entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    // A link to a pipe or a device is no document, and a save's temporary
    // copy is nobody's to open.
    names.removeIf([&dir](const QString &name) {
        return safefile::isTemporaryName(name) || !QFileInfo(dir.filePath(name)).isFile();
    });
    return names;
}

QString Drive::displayText() const
{
    if (label.isEmpty() || label == rootPath)
        return rootPath;
    return rootPath + QStringLiteral(" [") + label + u']';
}

QList<Drive> driveList(const QList<Drive> &mounted)
{
    const QString root = QStringLiteral("/");
    QList<Drive> out;
    QSet<QString> seen;
    Drive rootDrive{root, QString(), QString(), true};
    for (const Drive &drive : mounted) {
        const QString path = drive.rootPath;
        if (path == root) {
            // A later mount over "/" hides the earlier one: keep the last.
            rootDrive = drive;
            continue;
        }
        if (path.isEmpty() || !path.startsWith(u'/') || !drive.isDirectory ||
            isPseudoFileSystem(drive.fileSystemType) || isSystemMountPoint(path) ||
            seen.contains(path))
            continue;
        seen.insert(path);
        out << drive;
    }
    std::sort(out.begin(), out.end(),
              [](const Drive &a, const Drive &b) { return a.rootPath < b.rootPath; });
    out.prepend(rootDrive);
    return out;
}

QList<Drive> mountedDrives()
{
    QList<Drive> mounted;
    const QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    for (const QStorageInfo &volume : volumes) {
        if (!volume.isValid())
            continue;
        const QString rootPath = volume.rootPath();
        mounted << Drive{rootPath, volume.name(), QString::fromUtf8(volume.fileSystemType()),
                         QFileInfo(rootPath).isDir()};
    }
    return driveList(mounted);
}

int driveOf(const QString &path, const QList<Drive> &drives)
{
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < drives.size(); ++i) {
        const QString &root = drives.at(i).rootPath;
        const bool contains =
            root == QLatin1String("/") ? path.startsWith(u'/') : isUnder(path, root);
        if (contains && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    return best;
}

bool isReadableFolder(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    return info.isDir() && info.isReadable() && info.isExecutable();
}

QStringList findFilesArguments(const QString &program, const QString &folder)
{
    const QString name = QFileInfo(program).fileName();
    if (name == QLatin1String("gnome-search-tool") || name == QLatin1String("mate-search-tool"))
        return {QStringLiteral("--path=") + folder};
    if (name == QLatin1String("catfish") || name == QLatin1String("kfind"))
        return {folder};
    return {};
}

} // namespace site

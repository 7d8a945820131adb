// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/safefile.h"

#include "platform/parallel.h"
#include "platform/textfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace safefile {

// A temporary copy on its way to its target.
struct Staged
{
    Staged() = default;
    Staged(const Staged &) = delete;
    Staged &operator=(const Staged &) = delete;
    ~Staged();

    QString path;         // as the caller gave it
    QByteArray target;    // the file really written, links followed
    QByteArray temporary; // registered while it is set
    Options options;
    bool exists = false;
    struct stat old = {};
};

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("safefile", text);
}

QString reason(int error)
{
    return qt_error_string(error);
}

const QString TemporaryMark = QStringLiteral(".lorimel-");

const QRegularExpression &temporaryPattern()
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\..*\\.lorimel-(\\d+)-[A-Za-z0-9]{6}\\.tmp$"),
        QRegularExpression::DotMatchesEverythingOption);
    return pattern;
}

// Temporaries of this process. A name is entered before the file is made
// and leaves after it is gone, so a sweep on another thread never sees one
// of ours unregistered.
QMutex registryMutex;
QSet<QByteArray> registry;

bool reserve(const QByteArray &path)
{
    QMutexLocker lock(&registryMutex);
    if (registry.contains(path))
        return false;
    registry.insert(path);
    return true;
}

void release(const QByteArray &path)
{
    QMutexLocker lock(&registryMutex);
    registry.remove(path);
}

bool isRegistered(const QByteArray &path)
{
    QMutexLocker lock(&registryMutex);
    return registry.contains(path);
}

QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
}

QByteArray baseOf(const QByteArray &path)
{
    return path.mid(path.lastIndexOf('/') + 1);
}

QByteArray temporaryPathFor(const QByteArray &target)
{
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QByteArray suffix = TemporaryMark.toLatin1() + QByteArray::number(qint64(getpid())) + '-';
    for (int i = 0; i < 6; ++i)
        suffix += letters[QRandomGenerator::global()->bounded(int(sizeof letters) - 1)];
    suffix += ".tmp";
    // Stay within the longest name a folder takes, cutting the base name
    // on a character boundary.
    QString base = QFile::decodeName(baseOf(target));
    while (!base.isEmpty() && 1 + QFile::encodeName(base).size() + suffix.size() > 255)
        base.chop(1);
    const QByteArray folder = folderOf(target);
    return folder + (folder.endsWith('/') ? "" : "/") + '.' + QFile::encodeName(base) + suffix;
}

bool isAlive(qint64 pid)
{
    if (pid <= 0 || pid > 0x7FFFFFFF)
        return false;
    return kill(pid_t(pid), 0) == 0 || errno == EPERM;
}

// Removes stale temporaries in folder whose names start with prefix.
int removeStale(const QByteArray &folder, const QByteArray &prefix)
{
    DIR *dir = opendir(folder.constData());
    if (!dir)
        return 0;
    int removed = 0;
    while (const dirent *entry = readdir(dir)) {
        const QByteArray name(entry->d_name);
        if (!name.startsWith(prefix))
            continue;
        const QRegularExpressionMatch match = temporaryPattern().match(QFile::decodeName(name));
        if (!match.hasMatch())
            continue;
        const QByteArray path = folder + (folder.endsWith('/') ? "" : "/") + name;
        const qint64 pid = match.captured(1).toLongLong();
        if (isRegistered(path) || (pid != getpid() && isAlive(pid)))
            continue;
        struct stat st;
        if (lstat(path.constData(), &st) == 0 && S_ISREG(st.st_mode) &&
            unlink(path.constData()) == 0)
            ++removed;
    }
    closedir(dir);
    return removed;
}

bool writeAll(int fd, const char *data, qint64 size, off_t offset, int *error)
{
    while (size > 0) {
        const ssize_t n = pwrite(fd, data, size_t(size), offset);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            *error = errno;
            return false;
        }
        data += n;
        size -= n;
        offset += n;
    }
    return true;
}

// Copies everything from one descriptor to another from offset 0.
bool copyAll(int from, int to, int *error)
{
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    off_t offset = 0;
    for (;;) {
        const ssize_t n = pread(from, buffer.data(), size_t(buffer.size()), offset);
        if (n == 0)
            return true;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            *error = errno;
            return false;
        }
        if (!writeAll(to, buffer.constData(), n, offset, error))
            return false;
        offset += n;
    }
}

// Follows symbolic links to the file that is really written; a link to a
// missing file gives that file's path.
bool resolveTarget(QByteArray path, QByteArray *target, struct stat *st, bool *exists, int *error)
{
    for (int hops = 0; hops < 40; ++hops) {
        if (lstat(path.constData(), st) != 0) {
            if (errno != ENOENT) {
                *error = errno;
                return false;
            }
            *exists = false;
            *target = path;
            return true;
        }
        if (!S_ISLNK(st->st_mode)) {
            *exists = true;
            *target = path;
            return true;
        }
        QByteArray link(4096, '\0');
        const ssize_t n = readlink(path.constData(), link.data(), size_t(link.size()));
        if (n < 0 || n >= link.size()) {
            *error = n < 0 ? errno : ENAMETOOLONG;
            return false;
        }
        link.truncate(n);
        path = link.startsWith('/') ? link : folderOf(path) + '/' + link;
    }
    *error = ELOOP;
    return false;
}

bool readOnlyMode(mode_t mode)
{
    return (mode & 0222) == 0;
}

bool inProgramFolder(const QByteArray &folder)
{
    if (!QCoreApplication::instance())
        return false;
    const QString program = QDir(QCoreApplication::applicationDirPath()).canonicalPath();
    return !program.isEmpty() &&
           QFileInfo(QFile::decodeName(folder)).canonicalFilePath() == program;
}

void syncFolder(const QByteArray &folder)
{
    const int fd = open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        close(fd);
    }
}

// Where a write goes, and whether it may: the checks made before anything
// is written. A batch passes the folders it has seen, so each folder is
// checked and swept once.
bool prepare(const QString &path, const Options &options, Staged *staged, QString *error,
             FolderChecks *seen)
{
    auto fail = [&](const QString &why) {
        *error = why;
        return false;
    };
    staged->path = path;
    staged->options = options;
    if (path.isEmpty())
        return fail(reason(ENOENT));
    int failure = 0;
    if (!resolveTarget(QFile::encodeName(QDir::cleanPath(path)), &staged->target, &staged->old,
                       &staged->exists, &failure))
        return fail(reason(failure));
    if (staged->exists && S_ISDIR(staged->old.st_mode))
        return fail(tr("This is a folder, not a file."));
    if (staged->exists && !S_ISREG(staged->old.st_mode))
        return fail(tr("This is not a regular file (a device, a pipe or a socket)."));
    if (!staged->exists && options.existingOnly)
        return fail(tr("The file no longer exists."));
    const QByteArray folder = folderOf(staged->target);
    const bool firstVisit = !seen || !seen->contains(folder);
    const bool ownFolder = firstVisit ? inProgramFolder(folder) : seen->value(folder);
    if (seen)
        seen->insert(folder, ownFolder);
    if (ownFolder)
        return fail(tr("Lorimel does not write into its own program folder."));
    // Copies a killed write left behind: of this file, or once of every
    // file in the folder for a batch.
    if (!seen)
        removeStale(folder, '.' + baseOf(staged->target).left(200));
    else if (firstVisit)
        removeStale(folder, QByteArrayLiteral("."));
    // A read-only file stays read-only, even where its folder would let a
    // copy be renamed over it, and even for root.
    if (staged->exists && readOnlyMode(staged->old.st_mode))
        return fail(tr("The file is read-only."));
    if (staged->exists && access(staged->target.constData(), W_OK) != 0)
        return fail(reason(errno));
    return true;
}

// Makes and registers the temporary beside the target, with the old file's
// mode and owner; returns its open descriptor, or -1 with *error set.
int createTemporary(Staged *staged, int *error)
{
    for (int attempt = 0; attempt < 20; ++attempt) {
        const QByteArray name = temporaryPathFor(staged->target);
        if (!reserve(name))
            continue;
        const int fd = open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                            staged->exists ? 0600 : mode_t(staged->options.newFileMode));
        if (fd < 0) {
            *error = errno;
            release(name);
            if (*error == EEXIST)
                continue;
            return -1;
        }
        staged->temporary = name;
        if (staged->exists) {
            // The copy takes the old file's place: same mode, and the same
            // owner where that is allowed (keeping ours is no failure).
            if (fchmod(fd, staged->old.st_mode & 07777) != 0) {
                *error = errno;
                close(fd);
                return -1;
            }
            if (staged->old.st_uid != geteuid() || staged->old.st_gid != getegid()) {
                if (fchown(fd, staged->old.st_uid, staged->old.st_gid) != 0) {
                }
            }
        }
        return fd;
    }
    *error = EEXIST;
    return -1;
}

// The temporary filled by fill, synced unless the caller syncs many at once.
using Fill = std::function<bool(int fd, int *error)>;

bool stage(const QString &path, const Options &options, const Fill &fill, bool sync, Staged *staged,
           QString *error, FolderChecks *seen = nullptr)
{
    if (!prepare(path, options, staged, error, seen))
        return false;
    int failure = 0;
    const int fd = createTemporary(staged, &failure);
    bool ok = fd >= 0 && fill(fd, &failure);
    if (ok && sync && fsync(fd) != 0) {
        failure = errno;
        ok = false;
    }
    if (fd >= 0 && close(fd) != 0 && ok) {
        failure = errno;
        ok = false;
    }
    if (!ok)
        *error = reason(failure);
    return ok;
}

// Rewrites a file that has other hard links in place from its complete
// temporary copy, so every name still shows the same file. If rewriting
// fails, the old bytes are put back.
bool rewriteInPlace(const Staged &staged, QString *error)
{
    QByteArray previous;
    if (!textfile::readFile(QFile::decodeName(staged.target), &previous, error))
        return false;
    int failure = 0;
    const int from = open(staged.temporary.constData(), O_RDONLY | O_CLOEXEC);
    // No O_CREAT: a file deleted meanwhile is not made again.
    const int fd = from < 0 ? -1 : open(staged.target.constData(), O_WRONLY | O_CLOEXEC);
    bool ok = fd >= 0;
    if (!ok)
        failure = errno;
    struct stat st;
    ok = ok && fstat(from, &st) == 0 && copyAll(from, fd, &failure);
    if (ok && ftruncate(fd, st.st_size) != 0) {
        failure = errno;
        ok = false;
    }
    if (ok && fsync(fd) != 0) {
        failure = errno;
        ok = false;
    }
    if (!ok && fd >= 0) {
        int ignored = 0;
        if (writeAll(fd, previous.constData(), previous.size(), 0, &ignored) &&
            ftruncate(fd, off_t(previous.size())) == 0)
            fsync(fd);
    }
    if (fd >= 0 && close(fd) != 0 && ok) {
        failure = errno;
        ok = false;
    }
    if (from >= 0)
        close(from);
    if (!ok)
        *error = reason(failure);
    return ok;
}

// Puts a staged temporary in the target's place.
bool install(Staged &staged, QString *error)
{
    struct stat now;
    const bool exists = lstat(staged.target.constData(), &now) == 0;
    if (!exists && staged.options.existingOnly) {
        *error = tr("The file no longer exists.");
        return false;
    }
    if (exists && S_ISREG(now.st_mode) && now.st_nlink > 1)
        return rewriteInPlace(staged, error);
    const char *from = staged.temporary.constData();
    const char *to = staged.target.constData();
    bool swapped = false;
    int failure = 0;
    if (staged.options.existingOnly) {
        // Swapped, not renamed: a target deleted at this very moment makes
        // the swap fail instead of coming back. The old content is then
        // under the temporary's name and goes with it.
        swapped = renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_EXCHANGE) == 0;
        failure = errno;
        if (!swapped && failure != EINVAL && failure != ENOSYS) {
            *error = failure == ENOENT ? tr("The file no longer exists.") : reason(failure);
            return false;
        }
    }
    if (!swapped) {
        if (rename(from, to) != 0) {
            *error = reason(errno);
            return false;
        }
        release(staged.temporary);
        staged.temporary.clear();
    }
    return true;
}

bool writeWith(const QString &path, const Options &options, const Fill &fill, QString *error)
{
    Staged staged;
    QString why;
    const bool ok = stage(path, options, fill, true, &staged, &why) && install(staged, &why);
    if (ok)
        syncFolder(folderOf(staged.target));
    else if (error)
        *error = why;
    return ok;
}

} // namespace

Staged::~Staged()
{
    if (temporary.isEmpty())
        return;
    unlink(temporary.constData());
    release(temporary);
}

bool write(const QString &path, const QByteArray &bytes, QString *error)
{
    return write(path, bytes, Options(), error);
}

bool write(const QString &path, const QByteArray &bytes, const Options &options, QString *error)
{
    return writeWith(
        path, options,
        [&bytes](int fd, int *failure) {
            return writeAll(fd, bytes.constData(), bytes.size(), 0, failure);
        },
        error);
}

bool copy(const QString &source, const QString &path, QString *error)
{
    QString why;
    const int from = textfile::openRegular(source, &why);
    if (from < 0) {
        if (error)
            *error = why;
        return false;
    }
    const bool ok = writeWith(
        path, Options(), [from](int fd, int *failure) { return copyAll(from, fd, failure); },
        error);
    close(from);
    return ok;
}

Batch::Batch() = default;
Batch::~Batch() = default;

bool Batch::add(const QString &path, const QByteArray &bytes, const Options &options,
                QString *error)
{
    auto staged = std::make_shared<Staged>();
    QString why;
    const bool ok = stage(
        path, options,
        [&bytes](int fd, int *failure) {
            if (!writeAll(fd, bytes.constData(), bytes.size(), 0, failure))
                return false;
            // Start taking it to disk now, while the next ones are made;
            // commit() waits for it.
            sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);
            return true;
        },
        false, staged.get(), &why, &m_folders);
    if (!ok) {
        if (error)
            *error = why;
        return false;
    }
    m_staged << staged;
    return true;
}

QList<Batch::Result> Batch::commit()
{
    // Every temporary on disk before any of them replaces its file. Each is
    // synced on its own rather than the whole file system, which would
    // also wait for everything other programs have written. First the
    // contents, already on their way, then the records of where they lie:
    // those went into the same few journal commits by then, so most of the
    // syncs find theirs done.
    const QList<std::shared_ptr<Staged>> &staged = m_staged;
    std::vector<int> failures(size_t(staged.size()), 0);
    for (const bool contents : {true, false}) {
        parallel::forEach(staged.size(), 8, [&](qsizetype i) {
            const int fd = open(staged[i]->temporary.constData(), O_RDONLY | O_CLOEXEC);
            if (fd >= 0 && contents)
                sync_file_range(fd, 0, 0,
                                SYNC_FILE_RANGE_WAIT_BEFORE | SYNC_FILE_RANGE_WRITE |
                                    SYNC_FILE_RANGE_WAIT_AFTER);
            if (fd < 0 || (!contents && fdatasync(fd) != 0))
                failures[size_t(i)] = errno;
            if (fd >= 0)
                close(fd);
        });
    }
    QString syncError;
    const auto failed = std::find_if(failures.begin(), failures.end(), [](int e) { return e; });
    if (failed != failures.end())
        syncError = reason(*failed);
    QList<Result> results;
    QSet<QByteArray> folders;
    for (const auto &staged : std::as_const(m_staged)) {
        Result result;
        result.path = staged->path;
        if (syncError.isEmpty()) {
            result.ok = install(*staged, &result.error);
            if (result.ok)
                folders.insert(folderOf(staged->target));
        } else {
            result.error = syncError;
        }
        results << result;
    }
    for (const QByteArray &folder : std::as_const(folders))
        syncFolder(folder);
    m_staged.clear();
    return results;
}

Pending::Pending(const QString &path, const Options &options)
    : m_path(path), m_staged(std::make_shared<Staged>())
{
    if (!stage(
            path, options, [](int, int *) { return true; }, false, m_staged.get(), &m_error))
        m_staged.reset();
}

Pending::~Pending() = default;

QString Pending::temporaryPath() const
{
    return m_staged ? QFile::decodeName(m_staged->temporary) : QString();
}

bool Pending::commit(QString *error)
{
    QString why = m_error;
    bool ok = bool(m_staged);
    if (ok) {
        // Filled by someone else: brought to disk here.
        const int fd = open(m_staged->temporary.constData(), O_RDONLY | O_CLOEXEC);
        ok = fd >= 0 && fsync(fd) == 0;
        if (!ok)
            why = reason(errno);
        if (fd >= 0)
            close(fd);
    }
    ok = ok && install(*m_staged, &why);
    if (ok)
        syncFolder(folderOf(m_staged->target));
    else if (error)
        *error = why;
    m_staged.reset();
    return ok;
}

bool isReadOnly(const QString &path)
{
    struct stat st;
    const QByteArray name = QFile::encodeName(path);
    if (stat(name.constData(), &st) != 0)
        return false;
    return readOnlyMode(st.st_mode) || (access(name.constData(), W_OK) != 0 && errno == EACCES);
}

bool isTemporaryName(const QString &fileName)
{
    return fileName.startsWith(u'.') && fileName.contains(TemporaryMark) &&
           temporaryPattern().match(fileName).hasMatch();
}

int removeStaleTemporaries(const QString &folder)
{
    if (folder.isEmpty())
        return 0;
    return removeStale(QFile::encodeName(folder), QByteArrayLiteral("."));
}

} // namespace safefile

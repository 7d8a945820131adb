// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one way the program writes a file. Documents, the preview copy, the
// settings and organizer files, Multi-File Replace, copies into the site,
// printouts, VRML worlds and screenshots all go through here, so a failed or
// interrupted write never leaves a truncated or half-replaced file and the
// caller always learns why it failed:
//
//     QString error;
//     if (!safefile::write(path, bytes, &error))
//         ... tell the user: error is a sentence for a message box
//
// How a write goes: the new content is written to a temporary file beside
// the target, named ".<name>.lorimel-<pid>-<random>.tmp" (isTemporaryName),
// which is registered before it is created so a folder sweep in this
// process never takes it, and which carries the writer's process id so no
// other process sweeps it while the writer lives. The temporary is synced
// to disk, renamed over the target, and the folder is synced.
//
// - A symbolic link is followed and stays a link.
// - A file with other hard links is rewritten in place once the complete
//   copy is on disk, so every name still shows the same file.
// - An existing file keeps its mode and, where allowed, its owner.
// - Refused with the reason, the old file untouched: a read-only file (no
//   write permission bit, even for root), a folder, a device or pipe, and
//   any file in the program's own folder.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <memory>

namespace safefile {

struct Options
{
    // Permissions of a file that does not exist yet (the umask applies).
    int newFileMode = 0666;
    // Only replace a file that still exists when the new content goes in:
    // a file deleted meanwhile is not created again.
    bool existingOnly = false;
};

// True once path holds bytes on disk; false with the reason in *error and
// the old file as it was.
bool write(const QString &path, const QByteArray &bytes, QString *error = nullptr);
bool write(const QString &path, const QByteArray &bytes, const Options &options,
           QString *error = nullptr);

// Copies the regular file source to path by the same rules, streaming it
// (any size). A source that would block (a pipe) is refused.
bool copy(const QString &source, const QString &path, QString *error = nullptr);

struct Staged;
using FolderChecks = QHash<QByteArray, bool>; // folder -> the program's own

// Many files in one go (Multi-File Replace): every new content is written
// beside its file first and starts on its way to disk at once; commit()
// waits until all of them are on disk (a few at a time) before any is put
// in place. The same guarantees as write(). Each folder is checked and
// swept of stale temporaries once. Temporaries not committed are removed
// when the batch goes.
class Batch
{
public:
    Batch();
    ~Batch();
    Batch(const Batch &) = delete;
    Batch &operator=(const Batch &) = delete;

    // Writes the temporary copy for path; false with the reason when it
    // cannot (nothing is changed then, and commit() skips it).
    bool add(const QString &path, const QByteArray &bytes, const Options &options,
             QString *error = nullptr);

    struct Result
    {
        QString path;
        bool ok = false;
        QString error;
    };
    // Puts every added file in place, in the order added.
    QList<Result> commit();

private:
    QList<std::shared_ptr<Staged>> m_staged;
    FolderChecks m_folders;
};

// For writers that must be handed a file name, such as the printer's PDF
// output: a registered temporary beside path for them to fill, put in place
// by commit(). Removed unless committed.
class Pending
{
public:
    explicit Pending(const QString &path, const Options &options = Options());
    ~Pending();
    Pending(const Pending &) = delete;
    Pending &operator=(const Pending &) = delete;

    // The file to be written, as given.
    QString path() const { return m_path; }
    // Empty (and error() says why) when no temporary could be made.
    QString temporaryPath() const;
    QString error() const { return m_error; }
    bool commit(QString *error = nullptr);

private:
    QString m_path;
    std::shared_ptr<Staged> m_staged;
    QString m_error;
};

// Whether write() refuses path as read-only: no write permission bit at
// all (which stops even root), or none for this user.
bool isReadOnly(const QString &path);

// Whether a bare file name is one of the temporary copies made here.
// Lists of files leave them out.
bool isTemporaryName(const QString &fileName);

// Removes the temporaries in a folder that no live writer owns (left by a
// write that was killed). Returns how many were removed.
int removeStaleTemporaries(const QString &folder);

} // namespace safefile

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What Publish Site sends: the files of the web-site folder compared with
// a manifest of what was last uploaded to the same target (path, size,
// content hash). The manifest is a list of lines, each adding or removing
// one file, so a run can append a line per confirmed file and a killed run
// loses nothing it finished; a finished run writes it back compacted.

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace publish {

struct FileState
{
    QString path; // below the site folder, "/" between folders
    qint64 size = 0;
    QByteArray hash; // SHA-256, hexadecimal
    // The file here when it was hashed (modification and change times,
    // inode), so a file nobody touched since is not read again; empty when
    // unknown. Not part of the comparison: the content decides.
    QByteArray stamp;
    bool operator==(const FileState &o) const
    {
        return path == o.path && size == o.size && hash == o.hash;
    }
};

using Manifest = QMap<QString, FileState>;

struct Plan
{
    QList<FileState> upload;    // new, or changed since the last publish
    QList<FileState> unchanged; // as the target already has them
    QStringList remoteOnly;     // published before, gone here since
    qint64 uploadBytes = 0;
};

// Names never sent: hidden files and folders, the program's temporary
// copies and preview page, and editors' backup and recovery files.
bool isExcluded(const QString &name);

struct ScanOptions
{
    // The hash of a file whose size and stamp are the same as here is
    // taken from this instead of reading the file.
    const QMap<QString, FileState> *known = nullptr;
    // Files changed at or after this moment (nanoseconds since the epoch;
    // 0: two seconds before the scan) get no stamp: a file changed just
    // now may change again within the same tick of the file system's
    // clock and keep its stamp.
    qint64 settledBefore = 0;
};

// Every file below folder that is sent (folders that are symbolic links
// are not entered), sorted by path. Files that cannot be read are left out
// and named in *problems.
QList<FileState> scanFolder(const QString &folder, QStringList *problems = nullptr,
                            const ScanOptions &options = {});

Plan makePlan(const QList<FileState> &local, const Manifest &manifest);

// Manifest lines: "+ SIZE HASH STAMP PATH" adds or replaces a file ("-"
// for no stamp; "+ SIZE HASH PATH" is read too), "- PATH" removes one; the
// path is percent-encoded; "#" starts a comment.
QByteArray addedLine(const FileState &file);
QByteArray removedLine(const QString &path);
QByteArray serialize(const QString &target, const Manifest &manifest);
// Applies the lines to manifest. A line that cannot be read is skipped
// and counted in *badLines (its file is then simply sent again).
void apply(const QByteArray &lines, Manifest &manifest, int *badLines = nullptr);

// Where the manifest of a target lives: one file per address and user in
// $XDG_STATE_HOME/lorimel/publish/ (~/.local/state/lorimel/publish/).
QString manifestFile(const QString &directoryUrl, const QString &userName);
// The lines a run appends before the manifest is written back.
inline QString journalFile(const QString &manifest)
{
    return manifest + QStringLiteral(".journal");
}

} // namespace publish

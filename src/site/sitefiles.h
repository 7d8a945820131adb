// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rules of the web-site pane that need no widgets: what a double-click
// on a listed file does, renaming and deleting a file of the site folder,
// and the list of drives (mounted volumes).

#include "kernel/builderids.h"

#include <optional>
#include <QList>
#include <QString>
#include <QStringList>

namespace site {

// The pane's messages.
namespace text {
inline QString noFileSelected()
{
    return QStringLiteral("No File Selected");
}
inline QString cachingFile()
{
    return QStringLiteral("Cannot Load Caching File");
}
inline QString deviceNotReady()
{
    return QStringLiteral("Device Not Ready");
}
inline QString renamePrompt()
{
    return QStringLiteral("Enter the File's New Name");
}
inline QString renameTitle()
{
    return QStringLiteral("Renaming The File");
}
inline QString nameInUse()
{
    return QStringLiteral("That Name Is Being Used");
}
inline QString cannotRename()
{
    return QStringLiteral("Cannot Rename File");
}
inline QString deleteQuestion()
{
    return QStringLiteral("                 Proceed?");
}
inline QString deleteTitle()
{
    return QStringLiteral("Delete File");
}
inline QString cannotDelete()
{
    return QStringLiteral("Cannot Delete File");
}
inline QString noFindTool()
{
    return QStringLiteral("IE4 or higher not installed");
}
} // namespace text

// What a double-click on a listed file does.
enum class FileAction {
    Nothing,
    RefuseCaching,   // the preview copy: "Cannot Load Caching File"
    OpenDocument,    // .htm or .txt anywhere in the name
    Graphics,        // an image, with a document open
    BackgroundSounds // a sound, with a document open
};

// fileName is the bare name. The type lists are matched as substrings in
// any letter case, images before sounds; empty entries match nothing.
FileAction actionForFile(const QString &fileName, int documentCount, const QStringList &imageTypes,
                         const QStringList &soundTypes);

// What the file is to the window that takes it: an image for Graphics, a
// sound for BackgroundSounds, else none.
FileRole roleFor(FileAction action);

enum class RenameResult { Cancelled, Renamed, NameInUse, Failed };

// Whether folder/oldName may be renamed to newName in the same folder:
// Renamed when it may, else the reason renameFile() would give. Folders are
// renamed only with `folders`.
RenameResult checkRename(const QString &folder, const QString &oldName,
                         const std::optional<QString> &newName, bool folders);

// Renames or moves a file or folder; never replaces anything (NameInUse).
RenameResult movePath(const QString &from, const QString &to);

// Renames folder/oldName to newName in the same folder. An empty or
// cancelled answer changes nothing. A name that holds "/" or a NUL, or
// names a folder, fails; a name already taken by a file is NameInUse and
// the file is never overwritten.
RenameResult renameFile(const QString &folder, const QString &oldName,
                        const std::optional<QString> &newName);

// The message for a failed rename, empty for the others.
QString renameMessage(RenameResult result);

// Deletes folder/name; false when it cannot (missing, a folder, the folder
// is immutable ...).
bool deleteFile(const QString &folder, const QString &name);

// The regular files of a folder (links to them included), sorted by name
// without regard to case. Sub-folders, links to pipes or devices, hidden
// (dot) files and the temporary copies of a save are left out.
QStringList listFiles(const QString &folder);

// A mounted volume as the drive list shows it.
struct Drive
{
    QString rootPath;       // "/" or "/media/usb"
    QString label;          // the volume's name, may be empty
    QString fileSystemType; // "ext4", "proc", ...
    bool isDirectory = true;

    QString displayText() const;
    bool operator==(const Drive &other) const
    {
        return rootPath == other.rootPath && label == other.label &&
               fileSystemType == other.fileSystemType && isDirectory == other.isDirectory;
    }
};

// The drives worth offering: "/" first (added when missing), then the
// others by path; kernel and virtual file systems, mounts under /proc,
// /sys, /dev and /run (except /run/media), single-file bind mounts and
// repeated mount points are left out.
QList<Drive> driveList(const QList<Drive> &mounted);

// driveList() of the volumes mounted now.
QList<Drive> mountedDrives();

// The index of the drive holding path (the deepest root that contains it),
// or -1.
int driveOf(const QString &path, const QList<Drive> &drives);

// Whether a folder can be listed now.
bool isReadableFolder(const QString &path);

// The arguments that start a find-files program in folder, by the
// program's name.
QStringList findFilesArguments(const QString &program, const QString &folder);

} // namespace site

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Files a test sets up and reads back, and a file system that is full.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QString>

#include <sys/stat.h>

namespace testfiles {

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The same, making the folders on the way first.
inline bool writeFileWithFolders(const QString &path, const QByteArray &bytes)
{
    return QDir().mkpath(QFileInfo(path).absolutePath()) && writeFile(path, bytes);
}

// The file's bytes, or "<missing>" when it cannot be read.
inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

inline struct stat statOf(const QString &path)
{
    struct stat st = {};
    lstat(QFile::encodeName(path).constData(), &st);
    return st;
}

// Runs a tool; false when it is missing or fails.
inline bool run(const QString &program, const QStringList &arguments)
{
    QProcess p;
    p.start(program, arguments);
    return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// Every name in a folder, hidden ones included, sorted.
inline QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// A tmpfs of `size` mounted on a new folder for the life of the object: a
// full file system that makes a write fail even for root.
class SmallTmpfs
{
public:
    SmallTmpfs(const QString &folder, const QString &size) : m_folder(folder)
    {
        m_mounted = QDir().mkpath(folder) &&
                    run(QStringLiteral("mount"),
                        {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                         QStringLiteral("size=") + size, QStringLiteral("tmpfs"), folder});
    }
    ~SmallTmpfs()
    {
        if (m_mounted)
            run(QStringLiteral("umount"), {m_folder});
    }
    SmallTmpfs(const SmallTmpfs &) = delete;
    SmallTmpfs &operator=(const SmallTmpfs &) = delete;

    // False where mounting is not allowed.
    bool mounted() const { return m_mounted; }

private:
    QString m_folder;
    bool m_mounted = false;
};

} // namespace testfiles

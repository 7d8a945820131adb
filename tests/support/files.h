#pragma once
// Small file helpers for tests, and the ways a write can be made to fail
// even for root: a full small tmpfs.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>

#include <sys/stat.h>

namespace testfiles {

inline bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

inline QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
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

// A tmpfs of `size` mounted on a new folder for the life of the object.
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

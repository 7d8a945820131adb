// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Makes a file or folder immutable (chattr +i) for the life of the object,
// so a delete or rename fails even for root.

#include <QProcess>
#include <QString>

class Immutable
{
public:
    explicit Immutable(const QString &path) : m_path(path) { m_active = run(QStringLiteral("+i")); }
    ~Immutable()
    {
        if (m_active)
            run(QStringLiteral("-i"));
    }
    Immutable(const Immutable &) = delete;
    Immutable &operator=(const Immutable &) = delete;

    // False when the file system or the tool does not support it.
    bool active() const { return m_active; }

private:
    bool run(const QString &flag) const
    {
        QProcess chattr;
        chattr.start(QStringLiteral("chattr"), {flag, m_path});
        return chattr.waitForFinished() && chattr.exitStatus() == QProcess::NormalExit &&
               chattr.exitCode() == 0;
    }

    QString m_path;
    bool m_active = false;
};

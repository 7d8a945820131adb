// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs another program to the end and keeps what it said.

#include <QProcess>
#include <QString>
#include <QStringList>

namespace testprogram {

struct Reading
{
    bool ran = false;
    int exitCode = -1;
    QString out;
    QString err;

    // Ended well and said nothing on stderr; the readers tests use warn
    // there (and still exit 0) about anything they had to skip.
    bool clean() const { return ran && exitCode == 0 && err.trimmed().isEmpty(); }
};

// Not ran when it does not start or takes more than a minute.
inline Reading run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    Reading r;
    if (!process.waitForStarted(10000))
        return r;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return r;
    }
    r.ran = process.exitStatus() == QProcess::NormalExit;
    r.exitCode = process.exitCode();
    r.out = QString::fromUtf8(process.readAllStandardOutput());
    r.err = QString::fromUtf8(process.readAllStandardError());
    return r;
}

} // namespace testprogram

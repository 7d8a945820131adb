// SPDX-License-Identifier: GPL-3.0-or-later
#include "recovery/snapshotstore.h"

#include "platform/filestamp.h"
#include "platform/safefile.h"

#include <algorithm>
#include <cerrno>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <signal.h>
#include <sys/stat.h>

namespace snapshots {

namespace {

const char kDataSuffix[] = ".txt";
const char kInfoSuffix[] = ".info";

QString kindName(Kind kind)
{
    return kind == Kind::Agenda ? QStringLiteral("agenda") : QStringLiteral("document");
}

// The encodings by stable names, so a copy outlives a change of the enum.
const std::pair<textfile::Encoding, const char *> kEncodings[] = {
    {textfile::Encoding::Utf8, "utf-8"},
    {textfile::Encoding::Utf8Bom, "utf-8-bom"},
    {textfile::Encoding::Windows1252, "windows-1252"},
    {textfile::Encoding::Windows1252Bom, "windows-1252-bom"},
    {textfile::Encoding::Utf16Le, "utf-16le"},
    {textfile::Encoding::Utf16Be, "utf-16be"},
};

} // namespace

QString defaultFolder()
{
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/state");
    return base + QStringLiteral("/lorimel/recovery");
}

bool prepareFolder(const QString &folder, QString *error)
{
    if (!QDir().mkpath(folder) || ::chmod(QFile::encodeName(folder).constData(), 0700) != 0) {
        if (error)
            *error = QStringLiteral("The recovery folder %1 cannot be made.").arg(folder);
        return false;
    }
    return true;
}

QByteArray describe(const Info &info)
{
    QByteArray encoding = "utf-8";
    for (const auto &[value, name] : kEncodings) {
        if (value == info.encoding)
            encoding = name;
    }
    QByteArray text;
    text += "kind=" + kindName(info.kind).toUtf8() + '\n';
    // The path goes last but one and alone on its line; a line feed in it
    // is written escaped.
    QString original = info.original;
    original.replace(u'\\', QStringLiteral("\\\\")).replace(u'\n', QStringLiteral("\\n"));
    text += "original=" + original.toUtf8() + '\n';
    text += "untitled=" + QByteArray(info.untitled ? "1" : "0") + '\n';
    text += "size=" + QByteArray::number(info.sizeAtOpen) + '\n';
    text += "mtime=" + QByteArray::number(info.mtimeAtOpenNs) + '\n';
    text += "pid=" + QByteArray::number(info.pid) + '\n';
    text += "time=" + info.time.toUTC().toString(Qt::ISODateWithMs).toUtf8() + '\n';
    text += "encoding=" + encoding + '\n';
    return text;
}

bool parse(const QByteArray &text, Info *info)
{
    Info out;
    int seen = 0;
    for (const QByteArray &line : text.split('\n')) {
        const qsizetype eq = line.indexOf('=');
        if (eq <= 0)
            continue;
        const QByteArray key = line.left(eq);
        const QByteArray value = line.mid(eq + 1);
        bool ok = true;
        if (key == "kind") {
            out.kind = value == "agenda" ? Kind::Agenda : Kind::Document;
        } else if (key == "original") {
            QString s = QString::fromUtf8(value);
            QString unescaped;
            for (qsizetype i = 0; i < s.size(); ++i) {
                if (s[i] == u'\\' && i + 1 < s.size()) {
                    ++i;
                    unescaped += s[i] == u'n' ? QChar(u'\n') : s[i];
                } else {
                    unescaped += s[i];
                }
            }
            out.original = unescaped;
            ++seen;
        } else if (key == "untitled") {
            out.untitled = value == "1";
        } else if (key == "size") {
            out.sizeAtOpen = value.toLongLong(&ok);
        } else if (key == "mtime") {
            out.mtimeAtOpenNs = value.toLongLong(&ok);
        } else if (key == "pid") {
            out.pid = value.toLongLong(&ok);
            ok = ok && out.pid > 0;
            seen += ok ? 1 : 0;
        } else if (key == "time") {
            out.time = QDateTime::fromString(QString::fromUtf8(value), Qt::ISODateWithMs);
        } else if (key == "encoding") {
            for (const auto &[enc, name] : kEncodings) {
                if (value == name)
                    out.encoding = enc;
            }
        }
        if (!ok)
            return false;
    }
    if (seen != 2 || out.original.isEmpty())
        return false;
    *info = out;
    return true;
}

bool write(const QString &folder, const Info &info, const QByteArray &bytes, QString *error)
{
    safefile::Options options;
    options.newFileMode = 0600;
    const QString stem = folder + u'/' + info.id;
    return safefile::write(stem + QLatin1String(kDataSuffix), bytes, options, error) &&
           safefile::write(stem + QLatin1String(kInfoSuffix), describe(info), options, error);
}

void remove(const QString &folder, const QString &id)
{
    // The side file first: a copy without one is never offered.
    QFile::remove(folder + u'/' + id + QLatin1String(kInfoSuffix));
    QFile::remove(folder + u'/' + id + QLatin1String(kDataSuffix));
}

QList<Info> list(const QString &folder)
{
    QList<Info> found;
    const QDir dir(folder);
    const QStringList names =
        dir.entryList({QStringLiteral("*") + QLatin1String(kInfoSuffix)}, QDir::Files);
    for (const QString &name : names) {
        QByteArray side;
        Info info;
        if (!textfile::readFile(dir.filePath(name), &side) || !parse(side, &info))
            continue;
        info.id = name.chopped(int(qstrlen(kInfoSuffix)));
        if (!QFileInfo::exists(dir.filePath(info.id + QLatin1String(kDataSuffix))))
            continue;
        found << info;
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const Info &a, const Info &b) { return a.time < b.time; });
    return found;
}

QList<Info> orphans(const QString &folder)
{
    QList<Info> out;
    for (const Info &info : list(folder)) {
        if (!processRuns(info.pid))
            out << info;
    }
    return out;
}

bool readText(const QString &folder, const Info &info, QString *text, QString *error)
{
    QByteArray bytes;
    if (!textfile::readFile(folder + u'/' + info.id + QLatin1String(kDataSuffix), &bytes, error))
        return false;
    *text = textfile::decodeAs(bytes, info.encoding);
    return true;
}

bool processRuns(qint64 pid)
{
    if (pid <= 0 || ::kill(pid_t(pid), 0) != 0) {
        if (pid <= 0 || errno != EPERM)
            return false;
    }
    // A number the system has given to another program since does not
    // count: where the process table says what runs, it must be us.
    // A killed process its parent has not reaped yet (a zombie) runs no
    // more either.
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return true;
    const QByteArray line = stat.readAll();
    const qsizetype open = line.indexOf('(');
    const qsizetype close = line.lastIndexOf(')');
    if (open < 0 || close < open)
        return true;
    const QByteArray name = line.mid(open + 1, close - open - 1);
    const char state = close + 2 < line.size() ? line[close + 2] : '?';
    return name.startsWith("lorimel") && state != 'Z' && state != 'X';
}

bool originalChanged(const Info &info)
{
    if (info.untitled || info.kind != Kind::Document)
        return false;
    const filestamp::Stamp now = filestamp::of(info.original);
    if (info.sizeAtOpen < 0)
        return now.exists;
    return !now.exists || now.size != info.sizeAtOpen || now.mtimeNs != info.mtimeAtOpenNs;
}

} // namespace snapshots

#include "site/multireplace.h"

#include "platform/paths.h"
#include "platform/textfile.h"
#include "site/sitefiles.h"

#include <cstdio>
#include <fcntl.h>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryFile>
#include <unistd.h>

namespace multireplace {

QString replaceAll(const QString &text, const QString &find, const QString &replacement,
                   Qt::CaseSensitivity sensitivity, qsizetype *count)
{
    if (count)
        *count = 0;
    if (find.isEmpty())
        return text;
    qsizetype at = text.indexOf(find, 0, sensitivity);
    if (at < 0)
        return text;
    // One pass over the text, building the result as it goes.
    QString out;
    out.reserve(text.size());
    qsizetype from = 0;
    qsizetype found = 0;
    while (at >= 0) {
        out.append(QStringView(text).mid(from, at - from));
        out.append(replacement);
        ++found;
        from = at + find.size();
        at = text.indexOf(find, from, sensitivity);
    }
    out.append(QStringView(text).mid(from));
    if (count)
        *count = found;
    return out;
}

namespace {

// A file read and replaced, waiting to be written.
struct Prepared
{
    FileResult result;
    QString target; // the file itself, past any symbolic link
    QByteArray bytes;
    QString temporary; // the new content, beside the target
};

void prepare(Prepared &file, const QString &path, const QString &find, const QString &replacement,
             Qt::CaseSensitivity sensitivity)
{
    const textfile::Loaded loaded = textfile::load(path);
    if (!loaded.ok) {
        file.result.outcome = loaded.binary ? Outcome::Binary : Outcome::Unreadable;
        return;
    }
    // A NUL byte decodes to U+0000 whatever the encoding guess: such a file
    // is no text to edit.
    if (loaded.text.contains(QChar(0))) {
        file.result.outcome = Outcome::Binary;
        return;
    }
    const QString text =
        replaceAll(loaded.text, find, replacement, sensitivity, &file.result.replacements);
    if (textfile::firstUnrepresentable(text, loaded.encoding) >= 0) {
        file.result.outcome = Outcome::Unencodable;
        return;
    }
    file.bytes = textfile::encode(text, loaded.encoding);
    file.target = QFileInfo(path).canonicalFilePath();
}

// Writes the new content to a hidden file beside the target, with the
// target's permissions.
bool writeBeside(Prepared &file)
{
    const QFileInfo target(file.target);
    QTemporaryFile out(target.absolutePath() + QStringLiteral("/.") + target.fileName() +
                       QStringLiteral(".XXXXXX"));
    out.setAutoRemove(false);
    if (!out.open())
        return false;
    file.temporary = out.fileName();
    const bool written = out.write(file.bytes) == file.bytes.size() && out.flush();
    out.close();
    if (!written || !QFile::setPermissions(file.temporary, target.permissions())) {
        QFile::remove(file.temporary);
        file.temporary.clear();
        return false;
    }
    return true;
}

// Flushes the file systems of the folders (once each) to disk; with
// afterRenames, the folders' own entries too.
bool syncFolders(const QSet<QString> &folders, bool afterRenames)
{
    bool ok = true;
    for (const QString &folder : folders) {
        const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
        if (fd < 0)
            return false;
        ok = (afterRenames ? ::fsync(fd) : ::syncfs(fd)) == 0 && ok;
        ::close(fd);
    }
    return ok;
}

} // namespace

FileResult replaceInFile(const QString &path, const QString &find, const QString &replacement,
                         Qt::CaseSensitivity sensitivity)
{
    const QFileInfo info(path);
    return replaceInFiles(info.absolutePath(), {info.fileName()}, find, replacement, sensitivity)
        .first();
}

QList<FileResult> replaceInFiles(const QString &folder, const QStringList &names,
                                 const QString &find, const QString &replacement,
                                 Qt::CaseSensitivity sensitivity)
{
    // Every new content goes to disk beside its file first, then all of
    // them are flushed with one sync and renamed over their files: a crash
    // or a full disk never leaves a file half written, at the cost of one
    // sync for the run instead of one per file.
    QList<Prepared> files(names.size());
    QSet<QString> folders;
    for (qsizetype i = 0; i < names.size(); ++i) {
        Prepared &file = files[i];
        file.result.name = names.at(i);
        prepare(file, paths::join(folder, names.at(i)), find, replacement, sensitivity);
        if (file.result.outcome != Outcome::Written)
            continue;
        if (writeBeside(file))
            folders.insert(QFileInfo(file.target).absolutePath());
        else
            file.result.outcome = Outcome::Unwritable;
        file.bytes = QByteArray(); // written: no need to hold it
    }

    const bool synced = syncFolders(folders, false);
    for (Prepared &file : files) {
        if (file.temporary.isEmpty())
            continue;
        if (!synced || ::rename(QFile::encodeName(file.temporary).constData(),
                                QFile::encodeName(file.target).constData()) != 0) {
            QFile::remove(file.temporary);
            file.result.outcome = Outcome::Unwritable;
        }
    }
    syncFolders(folders, true);

    QList<FileResult> results;
    results.reserve(files.size());
    for (Prepared &file : files) {
        if (file.result.outcome != Outcome::Written)
            file.result.replacements = 0;
        results << file.result;
    }
    return results;
}

QString skippedReport(const QList<FileResult> &results)
{
    QStringList lines;
    for (const FileResult &r : results) {
        QString why;
        switch (r.outcome) {
        case Outcome::Written:
            continue;
        case Outcome::Unreadable:
            why = QStringLiteral("cannot be read");
            break;
        case Outcome::Binary:
            why = QStringLiteral("is not a text file");
            break;
        case Outcome::Unencodable:
            why = QStringLiteral("cannot hold the new text in its encoding");
            break;
        case Outcome::Unwritable:
            why = QStringLiteral("cannot be written");
            break;
        }
        lines << r.name + QStringLiteral(": ") + why;
    }
    if (lines.isEmpty())
        return QString();
    lines.prepend(QStringLiteral("These files were left as they were:"));
    return lines.join(u'\n');
}

QStringList matchingFiles(const QString &folder, const QString &patterns)
{
    QList<QRegularExpression> expressions;
    for (const QString &pattern : patterns.split(u';', Qt::SkipEmptyParts)) {
        expressions << QRegularExpression(
            QRegularExpression::wildcardToRegularExpression(pattern.trimmed()),
            QRegularExpression::CaseInsensitiveOption);
    }
    QStringList out;
    for (const QString &name : site::listFiles(folder)) {
        for (const QRegularExpression &re : expressions) {
            if (re.match(name).hasMatch()) {
                out << name;
                break;
            }
        }
    }
    return out;
}

} // namespace multireplace

// SPDX-License-Identifier: GPL-3.0-or-later
#include "site/multireplace.h"

#include "platform/parallel.h"
#include "platform/paths.h"
#include "platform/textfile.h"
#include "site/sitefiles.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <QThread>

#include <algorithm>

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

// Whether path, with every symbolic link followed, lies inside folder.
bool insideFolder(const QString &canonicalFolder, const QString &path)
{
    const QString target = QFileInfo(path).canonicalFilePath();
    return target.isEmpty() || target.startsWith(canonicalFolder + u'/') ||
           (canonicalFolder == u'/' && target.startsWith(u'/'));
}

// What a run does with one file: Written with its new bytes when it
// changes, else why it is left alone.
Outcome prepare(const QString &canonicalFolder, const QString &path, const QString &find,
                const QString &replacement, Qt::CaseSensitivity sensitivity,
                qsizetype *replacements, QByteArray *bytes)
{
    if (!insideFolder(canonicalFolder, path))
        return Outcome::OutsideFolder;
    const textfile::Loaded loaded = textfile::load(path);
    if (!loaded.ok)
        return loaded.binary ? Outcome::Binary : Outcome::Unreadable;
    // A NUL byte decodes to U+0000 whatever the encoding guess: such a file
    // is no text to edit.
    if (loaded.text.contains(QChar(0)))
        return Outcome::Binary;
    const QString text = replaceAll(loaded.text, find, replacement, sensitivity, replacements);
    if (*replacements == 0)
        return Outcome::Unchanged;
    if (textfile::firstUnrepresentable(text, loaded.encoding) >= 0)
        return Outcome::Unencodable;
    if (safefile::isReadOnly(path))
        return Outcome::ReadOnly;
    *bytes = textfile::encode(text, loaded.encoding);
    return Outcome::Written;
}

} // namespace

Run::Run(const QString &folder, const QStringList &names, const QString &find,
         const QString &replacement, Qt::CaseSensitivity sensitivity)
{
    const QString canonicalFolder = QFileInfo(folder).canonicalFilePath();
    safefile::Options options;
    options.existingOnly = true;
    m_results.resize(names.size());
    // Read and replaced a block at a time on every core, then written in
    // the order given: the new contents held at once stay few.
    constexpr qsizetype Block = 64;
    QList<QByteArray> contents(Block);
    // Detached once here, so the threads below only touch their own items.
    FileResult *results = m_results.data();
    QByteArray *newContents = contents.data();
    for (qsizetype first = 0; first < names.size(); first += Block) {
        const qsizetype count = std::min(Block, names.size() - first);
        parallel::forEach(count, QThread::idealThreadCount(), [&](qsizetype k) {
            FileResult &result = results[first + k];
            result.name = names[first + k];
            result.outcome =
                prepare(canonicalFolder, paths::join(folder, result.name), find, replacement,
                        sensitivity, &result.replacements, &newContents[k]);
        });
        for (qsizetype k = 0; k < count; ++k) {
            FileResult &result = results[first + k];
            if (result.outcome == Outcome::Written) {
                if (m_batch.add(paths::join(folder, result.name), contents[k], options,
                                &result.error))
                    m_staged << int(first + k);
                else
                    result.outcome = Outcome::Unwritable;
            }
            if (result.outcome != Outcome::Written)
                result.replacements = 0;
            newContents[k].clear();
        }
    }
}

QList<FileResult> Run::commit()
{
    const QList<safefile::Batch::Result> done = m_batch.commit();
    for (qsizetype i = 0; i < done.size(); ++i) {
        if (done[i].ok)
            continue;
        FileResult &result = m_results[m_staged[i]];
        result.outcome = QFileInfo::exists(done[i].path) ? Outcome::Unwritable : Outcome::Vanished;
        result.error = done[i].error;
        result.replacements = 0;
    }
    m_staged.clear();
    return m_results;
}

QList<FileResult> replaceInFiles(const QString &folder, const QStringList &names,
                                 const QString &find, const QString &replacement,
                                 Qt::CaseSensitivity sensitivity)
{
    return Run(folder, names, find, replacement, sensitivity).commit();
}

FileResult replaceInFile(const QString &path, const QString &find, const QString &replacement,
                         Qt::CaseSensitivity sensitivity)
{
    const QFileInfo info(path);
    return replaceInFiles(info.absolutePath(), {info.fileName()}, find, replacement, sensitivity)
        .first();
}

QString skippedReport(const QList<FileResult> &results)
{
    auto tr = [](const char *text) { return QCoreApplication::translate("multireplace", text); };
    QStringList lines;
    for (const FileResult &r : results) {
        QString why;
        switch (r.outcome) {
        case Outcome::Written:
        case Outcome::Unchanged:
            continue;
        case Outcome::Unreadable:
            why = tr("cannot be read");
            break;
        case Outcome::Binary:
            why = tr("is not a text file");
            break;
        case Outcome::Unencodable:
            why = tr("cannot hold the new text in its encoding");
            break;
        case Outcome::ReadOnly:
            why = tr("is read-only");
            break;
        case Outcome::OutsideFolder:
            why = tr("is a link to a file outside the folder");
            break;
        case Outcome::Vanished:
            why = tr("was deleted during the run");
            break;
        case Outcome::Unwritable:
            why = tr("cannot be written (%1)").arg(r.error);
            break;
        }
        lines << r.name + QStringLiteral(": ") + why;
    }
    if (lines.isEmpty())
        return QString();
    lines.prepend(tr("These files were left as they were:"));
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

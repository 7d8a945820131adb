// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Replacing one text by another in many files on disk. Each file keeps its
// encoding and line ends and is written by the one safe write; a file
// without a match is not touched at all (bytes and date stay). A file that
// cannot be read, holds binary data, cannot hold the new text in its
// encoding, is read-only, lies beyond the folder through a symbolic link,
// vanished during the run or cannot be written is left as it was and
// reported, and the run goes on.

#include "platform/safefile.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace multireplace {

// Every occurrence of find in text replaced, searching on after each
// inserted replacement, so each occurrence present before is replaced
// exactly once and a replacement holding the find text never loops. An
// empty find text changes nothing. Linear in the length of the text.
QString replaceAll(const QString &text, const QString &find, const QString &replacement,
                   Qt::CaseSensitivity sensitivity, qsizetype *count = nullptr);

enum class Outcome {
    Written,       // changed and written back
    Unchanged,     // nothing to replace: not touched
    Unreadable,    // cannot be read
    Binary,        // holds a NUL byte
    Unencodable,   // the new text has characters its encoding cannot hold
    ReadOnly,      // would change, but is read-only
    OutsideFolder, // a symbolic link that leads out of the folder
    Vanished,      // deleted during the run: not created again
    Unwritable,    // cannot be written (error says why)
};

struct FileResult
{
    QString name;
    Outcome outcome = Outcome::Unchanged;
    qsizetype replacements = 0;
    QString error; // for Unwritable
};

// One run over the files of a folder, by bare name, in the order given, in
// two steps: constructing it reads every file and writes the new content of
// each one that changes beside it (the safe write's temporaries, which a
// folder sweep removes should the program be killed); commit() then brings
// them all to disk and puts each in place.
class Run
{
public:
    Run(const QString &folder, const QStringList &names, const QString &find,
        const QString &replacement, Qt::CaseSensitivity sensitivity);
    QList<FileResult> commit();

private:
    QList<FileResult> m_results;
    QList<int> m_staged; // m_results index of each file in the batch
    safefile::Batch m_batch;
};

// A whole run.
QList<FileResult> replaceInFiles(const QString &folder, const QStringList &names,
                                 const QString &find, const QString &replacement,
                                 Qt::CaseSensitivity sensitivity);
FileResult replaceInFile(const QString &path, const QString &find, const QString &replacement,
                         Qt::CaseSensitivity sensitivity);

// The lines of the report at the end of a run: empty when every file was
// written or had nothing to replace, else a heading and one line per file
// left as it was.
QString skippedReport(const QList<FileResult> &results);

// The files of folder whose names match one of the ";"-separated wildcard
// patterns ("*.htm;*.html;*.txt") without regard to case, sorted by name
// without regard to case. Hidden files are left out.
QStringList matchingFiles(const QString &folder, const QString &patterns);

} // namespace multireplace

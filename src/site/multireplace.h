#pragma once
// Replacing one text by another in many files on disk. Each file keeps its
// encoding and line ends and is written atomically; a file that cannot be
// read, holds binary data, cannot hold the new text in its encoding or
// cannot be written is left as it was and reported, and the run goes on.

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
    Written,     // written back, changed or not
    Unreadable,  // cannot be read
    Binary,      // holds a NUL byte
    Unencodable, // the new text has characters its encoding cannot hold
    Unwritable,  // cannot be written
};

struct FileResult
{
    QString name;
    Outcome outcome = Outcome::Written;
    qsizetype replacements = 0;
};

// One file: read, replace, write back (also when nothing was replaced: the
// bytes then come out unchanged). The new content is written beside the
// file, flushed to disk and renamed over it.
FileResult replaceInFile(const QString &path, const QString &find, const QString &replacement,
                         Qt::CaseSensitivity sensitivity);

// The files of folder, by bare name, in the order given. All new contents
// are flushed with one sync before any file is replaced.
QList<FileResult> replaceInFiles(const QString &folder, const QStringList &names,
                                 const QString &find, const QString &replacement,
                                 Qt::CaseSensitivity sensitivity);

// The lines of the report at the end of a run: empty when every file was
// written, else a heading and one line per file left as it was.
QString skippedReport(const QList<FileResult> &results);

// The files of folder whose names match one of the ";"-separated wildcard
// patterns ("*.htm;*.html;*.txt") without regard to case, sorted by name
// without regard to case. Hidden files are left out.
QStringList matchingFiles(const QString &folder, const QString &patterns);

} // namespace multireplace

#pragma once
// Reading and writing document files so that a round trip keeps every byte:
// the text keeps its own line ends and the file's encoding is remembered.

#include <QByteArray>
#include <QString>

namespace textfile {

enum class Encoding {
    Utf8,        // UTF-8 without a byte-order mark
    Utf8Bom,     // UTF-8 with a byte-order mark
    Windows1252, // anything that is not valid UTF-8
};

enum class LineEnds { CrLf, Lf };

struct Loaded
{
    bool ok = false;
    QString text;
    Encoding encoding = Encoding::Utf8;
    QString error; // why loading failed, for a message
};

// Decodes bytes: a UTF-8 BOM or valid UTF-8 reads as UTF-8, everything else
// as Windows-1252 (which maps every byte, so nothing is ever lost).
QString decode(const QByteArray &bytes, Encoding *encoding);

// Encodes the text; characters the encoding cannot hold are counted in
// *unrepresentable (and written as "?") so the caller can ask first.
QByteArray encode(const QString &text, Encoding encoding, int *unrepresentable = nullptr);

// The index of the first character the encoding cannot hold, or -1.
int firstUnrepresentable(const QString &text, Encoding encoding);

Loaded load(const QString &path);

// Writes atomically: on any failure the old file is left as it was and the
// reason is returned in *error.
bool save(const QString &path, const QString &text, Encoding encoding, QString *error = nullptr);

// The line-end style of a text: LF when it has line feeds and none of them
// follows a CR, otherwise CR LF (the style of new documents).
LineEnds detectLineEnds(const QString &text);

// Converts CR LF line breaks of a fragment to the document's style.
QString adaptLineEnds(const QString &fragment, LineEnds ends);

QString encodingName(Encoding encoding);

} // namespace textfile

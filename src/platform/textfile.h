// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading and writing document files so that a round trip keeps every byte:
// the text keeps its own line ends and the file's encoding is remembered.
// Writing itself is safefile's.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <functional>

namespace textfile {

enum class Encoding {
    Utf8,           // UTF-8 without a byte-order mark
    Utf8Bom,        // UTF-8 with a byte-order mark
    Windows1252,    // anything that is not valid UTF-8
    Windows1252Bom, // a UTF-8 byte-order mark in front of bytes that are not UTF-8
    Utf16Le,        // UTF-16 with its byte-order mark FF FE
    Utf16Be,        // UTF-16 with its byte-order mark FE FF
};

enum class LineEnds { CrLf, Lf };

// Files larger than this are opened only after asking.
constexpr qint64 LargeFileBytes = 200LL * 1024 * 1024;

struct Loaded
{
    bool ok = false;
    QString text;
    Encoding encoding = Encoding::Utf8;
    bool binary = false; // refused because it looks binary (see looksBinary)
    QString error;       // why loading failed, for a message
};

// Decodes bytes: UTF-16 with a byte-order mark as UTF-16; a UTF-8 BOM or
// valid UTF-8 as UTF-8; everything else as Windows-1252 (which maps every
// byte, so nothing is ever lost). Every encoding gives back the same bytes
// through encode().
QString decode(const QByteArray &bytes, Encoding *encoding);

// Decodes bytes in an encoding already chosen (a piece cut short at the end
// gives a replacement character there).
QString decodeAs(const QByteArray &bytes, Encoding encoding);

// Whether decoded bytes are a picture, an archive, a program or other data
// rather than text: a known binary signature, or more than a tenth of the
// characters (and at least eight) are control characters. A stray NUL in a
// text does not count.
bool looksBinary(const QByteArray &bytes, QStringView decoded);

// Encodes the text; characters the encoding cannot hold are counted in
// *unrepresentable (and written as "?") so the caller can ask first.
QByteArray encode(const QString &text, Encoding encoding, int *unrepresentable = nullptr);

// The index of the first character the encoding cannot hold, or -1.
int firstUnrepresentable(const QString &text, Encoding encoding);

// The size of the regular file at path (symbolic links followed), or -1
// with the reason in *error (missing, a folder, a pipe or device ...).
qint64 regularFileSize(const QString &path, QString *error = nullptr);

// Opens a regular file for reading without ever waiting on it: pipes,
// devices and folders are refused. Returns the descriptor, or -1 with the
// reason in *error.
int openRegular(const QString &path, QString *error = nullptr);

// Reads a regular file whole without ever waiting on it: pipes, devices
// and folders are refused, and so is a file that would block.
bool readFile(const QString &path, QByteArray *bytes, QString *error = nullptr);

// readFile, then decode; a file that looksBinary is refused.
Loaded load(const QString &path);

struct TextInfo
{
    bool ok = false;
    Encoding encoding = Encoding::Utf8;
    LineEnds lineEnds = LineEnds::CrLf; // as detectLineEnds() gives
    bool binary = false;
    QString error;
};

// load() without ever holding the whole text: the file is read twice in
// pieces of pieceBytes, first to choose the encoding and to refuse data,
// then to hand the text over as UTF-8, piece by piece. begin(size) comes
// once the file is known to be text, with the text's size in UTF-8 bytes;
// then piece() with each part in order. Together the parts are load()'s
// text. Should the file change between the two readings, or fail the second
// time, the result says so and the parts were not the file's text.
TextInfo readText(const QString &path, const std::function<void(qsizetype)> &begin,
                  const std::function<void(QByteArrayView)> &piece, qsizetype pieceBytes = 1 << 20);

// encode(), then the one safe write (safefile::write).
bool save(const QString &path, const QString &text, Encoding encoding, QString *error = nullptr);

// The line-end style of a text: LF when it has line feeds and none of them
// follows a CR, otherwise CR LF (the style of new documents).
LineEnds detectLineEnds(const QString &text);

// Converts CR LF line breaks of a fragment to the document's style.
QString adaptLineEnds(const QString &fragment, LineEnds ends);

QString encodingName(Encoding encoding);

} // namespace textfile

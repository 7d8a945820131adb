// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The import converters: plain text and rich text to HTML (a whole page or a
// fragment for the caret), and tab-separated tables to an HTML table. Pure
// functions of the file's contents; the commands only choose the file and
// put the result into a document.

#include "import/richtext.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace importer {

// --- Building blocks ---

// "<" to "&lt;" and ">" to "&gt;"; ampersands are left alone.
QString escapeAngles(QStringView text);

// Every LF becomes "<BR>" CR LF; a CR before it stays in front of "<BR>".
QString plainLineBreaks(QStringView text);

// Escaping and line breaks together: the fragment for a plain-text file.
QString plainTextFragment(QStringView text);

// The page around an imported text, title "Imported Page".
QString pageSkeleton(QStringView body);

// Where formatted text comes from. Two details of the conversion follow
// from it.
enum class Source {
    // A rich-text file read into a buffer: only the LF of a line break
    // becomes "<BR>" CR LF (the CR stays in front of it), and at the start of
    // a line the caret reports the line's first character, so the tags
    // written there take its format.
    File,
    // A rich-text editor (the paragraph builder's): a line break is one
    // position and becomes "<BR>" CR LF whole; the caret always reports the
    // character before it, a line break's own format included, tags written
    // at a caret take that format, and the tags for a change go just before
    // the character that brings it.
    Editor,
};

// Rich text as one paragraph of HTML: paragraph tags for centring and list
// items, B/I/U/S and FONT tags where the formatting changes, the whole in the
// "Beginning of Paragraph" comment wrapper. Linear in the text's length.
QString richTextFragment(const richtext::RichText &text, Source source = Source::File);

// A tab-separated table as "<TABLE BORDER=1>" with one row per line.
QString tableFragment(QStringView text);

// --- The three commands ---

enum class FileKind { PlainText, RichText, Other };

// Decided by the file name's last three characters, in any case:
// "TXT" plain text, "RTF" rich text.
FileKind fileKind(const QString &fileName);

struct Result
{
    // False when the file was damaged: html then holds what was read before
    // the fault (possibly nothing), which both commands keep, and error
    // says what was wrong.
    bool ok = false;
    // Nothing could be imported at all: the file cannot be read, a ".rtf"
    // is not rich text, or the file looks binary. The commands then say so
    // (error holds why) and open no window.
    bool refused = false;
    QString html;
    QString error; // why ok is false
};

// "Import Text to New File": the new document's whole text. A file that is
// neither TXT nor RTF is not read and gives the bare page.
Result importNewFile(const QString &fileName, const QByteArray &contents);
Result importNewFile(const QString &path);

// "Import Text To Current Document": what replaces the selection. Plain text
// goes in directly, rich text through the insertion service (see fileKind).
// Other files are refused.
Result importIntoDocument(const QString &fileName, const QByteArray &contents);
Result importIntoDocument(const QString &path);

// "Import Table Into Current Document": what replaces the selection.
Result importTable(const QByteArray &contents);
Result importTableFile(const QString &path);

// Decodes a text file's bytes as Open does (UTF-16 with a byte-order mark,
// UTF-8 when valid with its BOM dropped, else Windows-1252). Every character
// is kept, NULs included.
QString decodeText(const QByteArray &bytes);

} // namespace importer

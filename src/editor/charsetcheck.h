// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Whether a page is stored in the character set it declares: the charset
// of <META CHARSET="..."> or <META HTTP-EQUIV="Content-Type"
// CONTENT="text/html; charset=...">, against the encoding the file is
// actually in (its byte-order mark, whether it is valid UTF-8). A browser
// that believes a wrong declaration shows every accented letter as rubbish.

#include "platform/textfile.h"

#include <optional>
#include <QList>
#include <QString>
#include <QStringView>

namespace charsetcheck {

struct Declaration
{
    bool found = false;
    QString charset;      // as written
    qsizetype start = 0;  // where the name stands in the text
    qsizetype length = 0; //
};

// The first declaration before the BODY, read as a browser reads tags (not
// inside comments or scripts).
Declaration declared(QStringView text);

struct Verdict
{
    bool mismatch = false;
    Declaration declaration;
    // The declared charset as an encoding the program can write the text
    // in (keeping a byte-order mark the file has), when it is one.
    std::optional<textfile::Encoding> declaredEncoding;
};

// Checks a text that is (or is about to be) stored in `encoding`. A text
// of ASCII characters alone reads the same in every ASCII-based charset,
// so only a byte-order mark or UTF-16 can contradict its declaration then.
// A legacy charset the program does not write (ISO-8859-2, KOI8-R ...)
// cannot be told from Windows-1252 and counts as matching it.
Verdict judge(QStringView text, textfile::Encoding encoding);
// The same from the text's beginning, where the declaration stands, and
// whether the whole text is ASCII.
Verdict judge(QStringView head, bool ascii, textfile::Encoding encoding);

// The name to declare for an encoding: "UTF-8", "windows-1252", "UTF-16".
QString charsetName(textfile::Encoding encoding);

// A numeric character reference ("&#8364;") for a character that the
// encoding cannot hold; a pair of surrogates makes one reference.
QString characterReference(char32_t code);

struct Replacement
{
    qsizetype start = 0;
    qsizetype length = 0;
    QString text;
};

// Every character of the text that the encoding cannot hold, each with its
// numeric character reference, in order. Linear in the text.
QList<Replacement> referencesFor(QStringView text, textfile::Encoding encoding);

} // namespace charsetcheck

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The words of an HTML page that a spelling check reads: the text between
// the tags and the values of ALT and TITLE attributes. Tags, other attribute
// values, comments, the content of SCRIPT and STYLE, entities and tokens
// that look like code, addresses or numbers are never read.
//
// The scan works on UTF-8 in pieces that end at a line end, so an editor
// can keep the state at each line start and scan again only what changed.

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

namespace spelltext {

// Where the scan stands between two pieces.
struct State
{
    enum Mode : quint8 { Text, Tag, Comment, Raw };
    // Where in a tag: its name, between attributes, an attribute's name,
    // after it (an "=" may follow), before its value, in its value.
    enum Part : quint8 { Name, Between, AttributeName, AfterName, BeforeValue, Value };
    // The tag's element, or in Raw the element whose end tag ends it.
    enum Element : quint8 { Other, Script, Style };

    Mode mode = Text;
    Part part = Name;
    Element element = Other;
    bool endTag = false;
    bool readValue = false; // the attribute is ALT or TITLE
    char quote = 0;         // the quote of the value, 0 when unquoted

    // As one number (an editor keeps one per line) and back.
    quint32 packed() const;
    static State unpacked(quint32 value);
    friend bool operator==(const State &a, const State &b) { return a.packed() == b.packed(); }
    friend bool operator!=(const State &a, const State &b) { return !(a == b); }
};

struct Word
{
    qsizetype start = 0;  // byte offset
    qsizetype length = 0; // in bytes
    QString text;
};

// Scans size bytes of UTF-8 that begin where state says and end at a line
// end or at the end of the text; state becomes the state after them. With
// words given, the words to check are appended, their offsets counted from
// text plus base. Without, only the state is followed, which is quicker.
void scan(const char *text, qsizetype size, State &state, qsizetype base = 0,
          QList<Word> *words = nullptr);

// The words to check in a whole page, in order.
QList<Word> words(QByteArrayView utf8);
QStringList wordTexts(const QString &html);

// The LANG (or XML:LANG) of the page's HTML tag, as written; empty when the
// page has none. Only the start of the page is read.
QString pageLanguage(QByteArrayView utf8);

} // namespace spelltext

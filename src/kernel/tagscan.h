// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The start tags of an HTML text and their attributes, read the way a
// browser reads hand-written and legacy pages: comments, doctypes and
// processing instructions are passed over, attribute values may be quoted
// with either quote or not at all and may hold ">" and line breaks, and the
// contents of SCRIPT, STYLE, XMP, TEXTAREA, TITLE and PLAINTEXT are text,
// never tags. One forward pass, linear in the text. Positions are indexes
// into the text, so a caller can replace a value where it stands.

#include <QString>
#include <QStringView>
#include <QVarLengthArray>

namespace tagscan {

struct Attribute
{
    qsizetype nameStart = 0;
    qsizetype nameLength = 0;
    // The value as written, quotes left out; valueStart is -1 for an
    // attribute written without "=".
    qsizetype valueStart = -1;
    qsizetype valueLength = 0;
    char16_t quote = 0; // '"', '\'' or 0 when unquoted
};

struct Tag
{
    qsizetype start = 0; // the "<"
    qsizetype end = 0;   // just after the ">", or the end of the text
    qsizetype nameStart = 0;
    qsizetype nameLength = 0;
    QVarLengthArray<Attribute, 8> attributes;
};

class Scanner
{
public:
    explicit Scanner(QStringView text) : m_text(text) {}

    // The next start tag; false at the end of the text.
    bool next(Tag *tag);

    // Whether the name at [start, start + length) is `name`, letters in any
    // case (`name` in lower case).
    bool nameIs(qsizetype start, qsizetype length, QLatin1StringView name) const;
    bool tagIs(const Tag &tag, QLatin1StringView name) const
    {
        return nameIs(tag.nameStart, tag.nameLength, name);
    }
    // The attribute of that name, or null.
    const Attribute *find(const Tag &tag, QLatin1StringView name) const;
    // An attribute's value as written, and with its character references
    // decoded.
    QStringView rawValue(const Attribute &attribute) const;
    QString value(const Attribute &attribute) const;

private:
    void skipRawText(const Tag &tag);

    QStringView m_text;
    qsizetype m_pos = 0;
};

// Character references decoded: &amp; &lt; &gt; &quot; &apos; &nbsp;
// (with or without the ";"), and &#N; &#xN;. Anything else stays as written.
QString decodeReferences(QStringView raw);

// Line numbers of positions met in increasing order, counting from 1; a CR
// LF pair, a lone LF and a lone CR each end a line. Linear over all the
// positions asked.
class LineCounter
{
public:
    explicit LineCounter(QStringView text) : m_text(text) {}
    int lineAt(qsizetype position);

private:
    QStringView m_text;
    qsizetype m_pos = 0;
    int m_line = 1;
};

} // namespace tagscan

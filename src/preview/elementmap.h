// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where each element of an HTML text starts and ends, found in one pass
// that survives the unbalanced markup of hand-written and legacy pages, and
// a copy of the text whose start tags carry their own position. The preview
// shows that copy, so the caret and a click in the preview can be mapped to
// each other without the document itself ever being changed.

#include <QString>
#include <QVector>

namespace elementmap {

struct Element
{
    qsizetype start = 0;   // the "<" of the start tag
    qsizetype nameEnd = 0; // just after the tag name
    qsizetype end = 0;     // just after the element: its end tag, or where it was closed
    int parent = -1;       // index of the enclosing element, -1 for none
    // Ended by something other than its own end tag (an outer end tag, a
    // sibling, the end of the text): a caret at `end` is still inside it.
    bool implicitEnd = false;
};

struct Map
{
    QVector<Element> elements; // in order of their start tags
    // Where text can go in front of the page without leaving quirks or
    // standards mode: just after a leading doctype, else 0.
    qsizetype headAt = 0;
};

// Reads the text as a browser's tokenizer would: comments, doctypes and
// processing instructions, quoted attribute values holding ">", the raw
// text of SCRIPT, STYLE, TEXTAREA, TITLE, XMP and friends, and PLAINTEXT.
// An end tag closes the nearest open element of its name (and whatever is
// still open inside it); an end tag with no open element of its name is
// ignored; what is left open ends with the text. Linear in the text.
Map scan(const QString &text);

// The name of the attribute that carries a start tag's position.
QString positionAttribute();

// The text with ` data-lmpos="N"` after every start tag's name (N its
// position in `text`) and `head` inserted at map.headAt.
QString instrument(const QString &text, const Map &map, const QString &head = QString());

// The positions of the elements that hold `caret`, innermost first: the
// element whose start tag contains or precedes the caret and whose end lies
// after it, then its ancestors.
QVector<qsizetype> chainAt(const Map &map, qsizetype caret);

} // namespace elementmap

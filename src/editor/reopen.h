// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Builders reopened on what they wrote. The element under the caret is
// found as a browser finds it, the parts its builder owns are read back to
// fill the builder, and when the builder has written its fragment again
// only what changed between its first fragment (written from what it read)
// and its last one goes back into those parts. Every other byte stays as
// it was, attributes the builder does not know included, in their place and
// spelling; a builder closed without changes changes nothing.

#include "kernel/tagreader.h"
#include "preview/elementmap.h"

namespace reopen {

// The parts of an element that a builder writes.
struct Shape
{
    bool startTag = true;  // its start tag (the parameter grid writes only PARAMs)
    bool content = false;  // what lies between its start and end tag
    bool trailing = false; // the text after it on its line (a radio button's label)
    QString children;      // the child elements it writes, upper case ("OPTION")
    QString wrapper;       // an element that may wrap it alone, upper case ("FONT")
};

struct Span
{
    qsizetype start = 0;
    qsizetype end = 0;
    qsizetype length() const { return end - start; }
};

struct TagPart
{
    Span span;
    tagreader::Tag tag;
};

struct ChildPart
{
    TagPart tag;
    Span trailing;
};

// Where the parts of one element lie in a text.
struct Parts
{
    TagPart start;
    bool paired = false; // it has its own end tag
    Span content;        // between its tags, when paired
    Span endTag;         // when paired
    Span trailing;       // after the element, up to the next tag or line end
    QList<ChildPart> children;
    std::optional<TagPart> wrapper;
    Span wrapperEndTag;

    // Just after its end tag, or its start tag when it has none.
    qsizetype elementEnd() const { return paired ? endTag.end : start.span.end; }
    // From the first byte of the parts to the last.
    Span extent() const;
};

// A builder that can be reopened: the elements it writes and its parts of them.
struct Target
{
    QStringList elements; // upper case
    Shape shape;
};

struct Found
{
    int target = -1;  // index of the target; -1 when none writes an element here
    int element = -1; // the element to read, in the map; -1 when there is none
    QString name;     // its name, upper case
};

// The innermost element holding the caret, or else ending just before it,
// that one of the targets writes. A target's child element (a PARAM)
// stands for its parent.
Found find(const QString &text, const elementmap::Map &map, qsizetype caret,
           const QList<Target> &targets);

// The parts of the map's element `index`. Nothing when they cannot be read:
// a damaged tag, or owned content without its end tag.
std::optional<Parts> partsOf(const QString &text, const elementmap::Map &map, int index,
                             const Shape &shape);

// The parts of the first element in a builder's fragment with one of the
// names (upper case). For a shape without start tag: the fragment's own
// children of that shape.
std::optional<Parts> partsInFragment(const QString &fragment, const QStringList &names,
                                     const Shape &shape);

// The parts with every position moved by `by`.
Parts shifted(Parts parts, qsizetype by);

// What the builder reads back from the parts.
tagreader::Element readBack(const QString &text, const Parts &parts);

struct Edit
{
    qsizetype start = 0;
    qsizetype length = 0;
    QString text;
};

// A fragment a builder wrote and its parts.
struct Written
{
    const QString &text;
    const Parts &parts;
};

// The edits that carry into the element `original` of `text` what changed
// between the builder's first fragment and its last. In order and apart;
// none when nothing changed.
QList<Edit> patch(const QString &text, const Parts &original, const Written &first,
                  const Written &last, const Shape &shape);

// The text with the edits made.
QString applied(const QString &text, const QList<Edit> &edits);

} // namespace reopen

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finding one's way through the elements of a text: the tag at a position,
// the tag that matches it, the element around a selection, the element
// still open at the caret. Each starts at a line start whose scan state is
// known and scans only as far as it needs, so the work grows with the
// element asked about, not with the document. Positions are byte offsets
// of the UTF-8 text.
//
// An element matches only its own end tag: one that ended without it (a
// legacy P or LI, a B that a later end tag closed) has no match, so
// unbalanced markup never pairs the wrong tags.

#include "editor/markupscan.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QVector>

#include <optional>

namespace markupnav {

// A text with the scan state of each line start.
class Text
{
public:
    virtual ~Text() = default;
    virtual qsizetype size() const = 0;
    virtual int lineCount() const = 0;
    virtual qsizetype lineStart(int line) const = 0;
    virtual int lineAt(qsizetype pos) const = 0;
    virtual markupscan::LineState lineState(int line) const = 0;
    // The bytes [from, to); valid until the next call.
    virtual QByteArrayView bytes(qsizetype from, qsizetype to) const = 0;
    virtual markupscan::ElementPool &pool() const = 0;
};

// A whole text scanned once.
class ScannedText : public Text
{
public:
    explicit ScannedText(QByteArray utf8);
    qsizetype size() const override { return m_bytes.size(); }
    int lineCount() const override { return int(m_starts.size()); }
    qsizetype lineStart(int line) const override { return m_starts.value(line, m_bytes.size()); }
    int lineAt(qsizetype pos) const override;
    markupscan::LineState lineState(int line) const override;
    QByteArrayView bytes(qsizetype from, qsizetype to) const override;
    markupscan::ElementPool &pool() const override { return m_pool; }

private:
    QByteArray m_bytes;
    QVector<qsizetype> m_starts;
    QVector<int> m_states;
    mutable markupscan::ElementPool m_pool;
};

struct Range
{
    qsizetype start = 0;
    qsizetype end = 0;
    friend bool operator==(const Range &a, const Range &b)
    {
        return a.start == b.start && a.end == b.end;
    }
};

// Where the scan stands at a position.
struct Context
{
    markupscan::LineState state;
    quint32 elements = markupscan::ElementPool::Root; // open at the position
    qsizetype tagStart = -1; // the tag the position is in, when state.inTag
    bool rawText = false;    // in the text of SCRIPT, STYLE ...
};
Context contextAt(const Text &text, qsizetype pos);

// With pos in a start or end tag (or just before or after one): that tag
// and the one it matches.
struct Match
{
    Range open;
    Range close;
};
std::optional<Match> matchAt(const Text &text, qsizetype pos);

// The smallest element (start tag to end tag, or one empty element's tag)
// that holds [from, to) and is more than it; a range cut into a tag counts
// as holding the whole tag. Elements that end without their end tag are
// passed over.
std::optional<Range> elementAround(const Text &text, qsizetype from, qsizetype to);

// The name of the innermost element open at pos, spelled as its start tag
// spells it; empty in a comment or a tag, or when none is open.
QByteArray openElementAt(const Text &text, qsizetype pos);

// After a ">" typed just before pos: the end tag to write after it, when
// that ">" ends the start tag of an element with an end tag and the text
// after it holds none that closes it.
std::optional<QByteArray> endTagToAdd(const Text &text, qsizetype pos);

} // namespace markupnav

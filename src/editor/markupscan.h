// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tags and comments of a UTF-8 text, found in one forward pass that can
// start at any line whose state is known. An editor keeps the state of every
// line start; after an edit it scans again only from the edit's lines until
// the states agree with the old ones, and the result is what SmartColor
// gives for the whole text. Given an element pool, the scan also follows
// which elements are open, as a browser would build them from legacy
// markup: an end tag closes the elements opened after its own, a P ends
// where a block starts, an LI at the next LI, and so on.

#include "editor/elementpool.h"
#include "editor/smartcolor.h"

#include <QByteArray>
#include <QVector>

#include <algorithm>

namespace markupscan {

// Where the scan stands at a line start.
struct LineState
{
    bool inTag = false;     // a "<" was seen and no ">" since
    bool inComment = false; // a "<!--" was seen and no "-->" since
    // The open comment ends later in the text (its "-->" exists), so it is
    // painted. Known only once the scan has passed that end; a scan that
    // has not sets it false, and a caller that knows more sets it.
    bool commentEnds = false;
    // The category the open tag has from what has been seen of it.
    smartcolor::Category tagSoFar = smartcolor::Category::Other;
    // The elements open (an ElementPool node; with a tag begun and not
    // ended on top of them).
    quint32 element = ElementPool::Root;

    // Outside every tag and comment: the colours before it do not affect
    // what follows.
    bool outside() const { return !inTag && !inComment; }
    // As a non-negative int (an editor keeps one per line).
    int packed() const;
    static LineState unpacked(int value);
    // Equal as far as the text before the line start decides (commentEnds
    // left out).
    bool sameScan(const LineState &other) const;
    friend bool operator==(const LineState &a, const LineState &b)
    {
        return a.packed() == b.packed();
    }
    friend bool operator!=(const LineState &a, const LineState &b) { return !(a == b); }
};

// What a byte is painted: Plain for text outside tags and comments, else
// paintOf(category).
constexpr char Plain = 0;
constexpr char paintOf(smartcolor::Category category)
{
    return char(1 + int(category));
}

// What a tag did to the open elements. Tags are ranges of bytes [start,
// end), from the "<" to one past the ">".
struct ElementEvent
{
    enum Kind : quint8 {
        Open,  // a start tag opened node
        Empty, // a start tag that opens nothing (void, "/>", too deep)
        Close, // an end tag closed node, its own element
        Ended, // node ended without its end tag: closed by this tag
        Stray, // an end tag that closes nothing
    };
    Kind kind;
    quint32 node; // Open, Close, Ended: the element; else the stack the tag stands in
    quint32 name;
    qsizetype tagStart;
    qsizetype tagEnd;
};

class ElementObserver
{
public:
    virtual ~ElementObserver() = default;
    virtual void element(const ElementEvent &event) = 0;
};

class Scanner
{
public:
    // Starts at byte offset of the text, the start of a line in state. With
    // a pool the open elements are followed too, and told to the observer.
    explicit Scanner(qsizetype offset = 0, LineState state = {}, ElementPool *pool = nullptr,
                     ElementObserver *observer = nullptr);

    // Scans the next bytes of the text. They end at a line end (CR, LF or
    // CR LF, never between CR and LF) or at the end of the text.
    void scan(const char *bytes, qsizetype size);

    LineState state() const;
    // The offset of the next byte to scan.
    qsizetype position() const { return m_position; }

    // The paint of every byte scanned since the start or the last take. Tags
    // and comments are painted once they end, so the paint is final only
    // when state() is outside() or the text has ended (a tag or comment that
    // never ends is not painted).
    QByteArray takePaint();
    // The state of every line start reached since the start or the last
    // take, in order (as LineState::packed()); a comment that ended in the
    // scan marks the line starts it covered (commentEnds).
    const QVector<int> &lineStates() const { return m_lineStates; }
    QVector<int> takeLineStates();
    // Where the last comment the scan saw end ends (one past its ">"), or -1.
    qsizetype lastCommentEnd() const { return m_lastCommentEnd; }
    // Where the comment open now starts (not before the scan's start).
    qsizetype openCommentStart() const { return std::max(m_commentStart, m_paintFloor); }

    // Where the tag open now starts (valid while state().inTag).
    qsizetype tagStart() const { return m_tagStart; }
    // The element stack now, without a tag begun on top.
    quint32 openElements() const { return m_node; }

private:
    void fill(qsizetype from, qsizetype to, char value);
    void tagBegins(const unsigned char *p, qsizetype size, qsizetype i, bool inTagBefore);
    void tagEnds(bool selfClosing, qsizetype end);
    void openElement(quint32 name, bool selfClosing, qsizetype end);
    void closeElement(quint32 name, qsizetype end);
    template <typename Match, typename Stop>
    bool endUpTo(Match match, Stop stop, qsizetype end, bool ownEnd = false);
    void setNode(quint32 node);
    void tell(ElementEvent::Kind kind, quint32 node, quint32 name, qsizetype end);

    qsizetype m_position;
    qsizetype m_paintStart; // offset of m_paint[0]
    qsizetype m_paintFloor; // where the scan started
    QByteArray m_paint;
    QVector<int> m_lineStates;
    bool m_inTag;
    bool m_inComment;
    smartcolor::Category m_tagSoFar;
    qsizetype m_tagStart = 0;
    qsizetype m_commentStart = 0;
    qsizetype m_lastCommentEnd = -1;
    ElementPool *m_pool;
    ElementObserver *m_observer;
    quint32 m_node = ElementPool::Root;
    quint32 m_rawName = 0;     // the open element holds raw text up to its end tag
    quint32 m_pendingName = 0; // the tag begun: its name, or 0
    bool m_pendingEnd = false;
    qsizetype m_pendingStart = 0;
};

// How deep a line start lies: in the elements open there, plus one for a
// comment or tag that runs on over it. A line starting less deep
// than the next heads a fold.
int foldDepth(const ElementPool &pool, const LineState &state);

} // namespace markupscan

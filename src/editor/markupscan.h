// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The tags and comments of a UTF-8 text, found in one forward pass that can
// start at any line whose state is known. An editor keeps the state of every
// line start; after an edit it scans again only from the edit's lines until
// the states agree with the old ones, and the result is what SmartColor
// gives for the whole text.

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

    // Outside every tag and comment: nothing before it affects what follows.
    bool outside() const { return !inTag && !inComment; }
    // As a small number, 0 when outside (an editor keeps one per line).
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

class Scanner
{
public:
    // Starts at byte offset of the text, the start of a line in state.
    explicit Scanner(qsizetype offset = 0, LineState state = {});

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

private:
    void fill(qsizetype from, qsizetype to, char value);

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
};

} // namespace markupscan

// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/markupscan.h"

#include <algorithm>
#include <cstring>

namespace markupscan {

using smartcolor::Category;

namespace {
constexpr int CommentBit = 1, TagBit = 2, CategoryShift = 2, EndsBit = 32;
} // namespace

int LineState::packed() const
{
    int value = 0;
    if (inComment)
        value |= CommentBit | (commentEnds ? EndsBit : 0);
    if (inTag)
        value |= TagBit | (int(tagSoFar) << CategoryShift);
    return value;
}

LineState LineState::unpacked(int value)
{
    LineState s;
    s.inComment = value & CommentBit;
    s.commentEnds = s.inComment && (value & EndsBit);
    s.inTag = value & TagBit;
    if (s.inTag)
        s.tagSoFar = Category(std::clamp((value >> CategoryShift) & 7, 0, int(Category::Other)));
    return s;
}

bool LineState::sameScan(const LineState &other) const
{
    return (packed() & ~EndsBit) == (other.packed() & ~EndsBit);
}

namespace {

// The bytes the scan stops at: "<", ">" and the line ends.
struct Stops
{
    bool at[256] = {};
    constexpr Stops() { at[int('<')] = at[int('>')] = at[int('\n')] = at[int('\r')] = true; }
};
constexpr Stops stops;

} // namespace

Scanner::Scanner(qsizetype offset, LineState state)
    : m_position(offset), m_paintStart(offset), m_inTag(state.inTag), m_inComment(state.inComment),
      m_tagSoFar(state.tagSoFar)
{
    // What is open at the start began before it: its paint starts here. A
    // comment that began on an earlier line may end on the first "-->".
    m_tagStart = offset;
    m_commentStart = offset - 4;
}

LineState Scanner::state() const
{
    LineState s;
    s.inTag = m_inTag;
    s.inComment = m_inComment;
    if (m_inTag)
        s.tagSoFar = m_tagSoFar;
    return s;
}

void Scanner::fill(qsizetype from, qsizetype to, char value)
{
    from = std::max(from, m_paintStart);
    if (to > from)
        std::memset(m_paint.data() + (from - m_paintStart), value, size_t(to - from));
}

void Scanner::scan(const char *bytes, qsizetype size)
{
    m_paint.append(size, Plain);
    const auto *p = reinterpret_cast<const unsigned char *>(bytes);
    const qsizetype base = m_position;
    for (qsizetype i = 0; i < size; ++i) {
        if (!stops.at[p[i]])
            continue;
        switch (p[i]) {
        case '<': {
            if (!m_inComment && i + 3 < size && p[i + 1] == '!' && p[i + 2] == '-' &&
                p[i + 3] == '-') {
                m_inComment = true;
                m_commentStart = base + i;
            }
            const Category category = smartcolor::categoryAtUtf8(bytes, size, i);
            if (!m_inTag) {
                m_inTag = true;
                m_tagStart = base + i;
                m_tagSoFar = category;
            } else {
                m_tagSoFar = std::min(m_tagSoFar, category);
            }
            break;
        }
        case '>':
            // A ">" ends the open tag, and a comment when it ends "-->" (the
            // dashes may be the ones of its "<!--": "<!-->" is a comment).
            if (m_inTag) {
                m_inTag = false;
                fill(m_tagStart, base + i + 1, paintOf(m_tagSoFar));
            }
            if (m_inComment && base + i >= m_commentStart + 4 && i >= 2 && p[i - 1] == '-' &&
                p[i - 2] == '-') {
                m_inComment = false;
                fill(m_commentStart, base + i + 1, paintOf(Category::Comments));
                m_lastCommentEnd = base + i + 1;
                // The line starts the comment covered: it ends.
                for (auto it = m_lineStates.rbegin(); it != m_lineStates.rend(); ++it) {
                    LineState s = LineState::unpacked(*it);
                    if (!s.inComment || s.commentEnds)
                        break;
                    s.commentEnds = true;
                    *it = s.packed();
                }
            }
            break;
        case '\n':
            m_lineStates.append(state().packed());
            break;
        default: // '\r', a line end unless a '\n' follows
            if (i + 1 == size || p[i + 1] != '\n')
                m_lineStates.append(state().packed());
            break;
        }
    }
    m_position += size;
}

QByteArray Scanner::takePaint()
{
    QByteArray paint;
    paint.swap(m_paint);
    m_paintStart = m_position;
    return paint;
}

QVector<int> Scanner::takeLineStates()
{
    QVector<int> states;
    states.swap(m_lineStates);
    return states;
}

} // namespace markupscan

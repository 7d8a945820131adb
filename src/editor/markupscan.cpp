// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/markupscan.h"

#include <algorithm>
#include <cstring>

namespace markupscan {

using smartcolor::Category;

namespace {
constexpr int CommentBit = 1, TagBit = 2, CategoryShift = 2, EndsBit = 32, ElementShift = 6;
} // namespace

int LineState::packed() const
{
    int value = int(element << ElementShift);
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
    s.element = quint32(value) >> ElementShift;
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

Scanner::Scanner(qsizetype offset, LineState state, ElementPool *pool, ElementObserver *observer)
    : m_position(offset), m_paintStart(offset), m_paintFloor(offset), m_inTag(state.inTag),
      m_inComment(state.inComment), m_tagSoFar(state.tagSoFar), m_pool(pool), m_observer(observer)
{
    // What is open at the start began before it: its paint starts here. A
    // comment that began on an earlier line may end on the first "-->".
    m_tagStart = offset;
    m_commentStart = offset - 4;
    m_pendingStart = offset;
    if (!m_pool) {
        m_node = state.element;
        return;
    }
    const quint32 node = state.element < quint32(m_pool->size()) ? state.element : 0;
    setNode(m_pool->elements(node));
    if (m_pool->kind(node) != ElementPool::Kind::Element && m_inTag) {
        m_pendingName = m_pool->name(node);
        m_pendingEnd = m_pool->kind(node) == ElementPool::Kind::PendingEnd;
    }
}

LineState Scanner::state() const
{
    LineState s;
    s.inTag = m_inTag;
    s.inComment = m_inComment;
    if (m_inTag)
        s.tagSoFar = m_tagSoFar;
    s.element = m_node;
    if (m_pool && m_pendingName) {
        s.element = m_pool->child(m_node, m_pendingName,
                                  m_pendingEnd ? ElementPool::Kind::PendingEnd
                                               : ElementPool::Kind::PendingStart);
    }
    return s;
}

void Scanner::setNode(quint32 node)
{
    m_node = node;
    const quint32 name = m_pool->name(node);
    m_rawName = (m_pool->flags(name) & vocabulary::RawText) ? name : 0;
}

void Scanner::tell(ElementEvent::Kind kind, quint32 node, quint32 name, qsizetype end)
{
    if (m_observer)
        m_observer->element({kind, node, name, m_pendingStart, end});
}

namespace {

bool isNameByte(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_' || c == ':' || c == '.';
}

bool isLetter(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

} // namespace

// A "<" at i of the bytes: the start of a start or end tag whose name
// follows at once. Inside an element of raw text only its own end tag
// counts, even within what SmartColor takes for a tag.
void Scanner::tagBegins(const unsigned char *p, qsizetype size, qsizetype i, bool inTagBefore)
{
    if (m_inComment)
        return;
    qsizetype from = i + 1;
    const bool end = from < size && p[from] == '/';
    if (end)
        ++from;
    qsizetype to = from;
    if (to < size && isLetter(p[to])) {
        while (to < size && isNameByte(p[to]))
            ++to;
    }
    if (to == from)
        return;
    if (m_rawName) {
        const QByteArray raw = m_pool->nameOf(m_rawName);
        if (!end || to - from != raw.size() ||
            m_pool->nameId(reinterpret_cast<const char *>(p + from), to - from) != m_rawName)
            return;
    } else if (inTagBefore) {
        return;
    }
    m_pendingName = m_pool->nameId(reinterpret_cast<const char *>(p + from), to - from);
    m_pendingEnd = end;
    m_pendingStart = m_position + i;
}

void Scanner::tagEnds(bool selfClosing, qsizetype end)
{
    const quint32 name = m_pendingName;
    m_pendingName = 0;
    if (m_pendingEnd)
        closeElement(name, end);
    else
        openElement(name, selfClosing, end);
}

// Ends the elements from the top of the stack down to the first whose name
// matches, unless one whose name stops comes first; true when one matched.
// With ownEnd the matched one is closed by its own end tag.
template <typename Match, typename Stop>
bool Scanner::endUpTo(Match match, Stop stop, qsizetype end, bool ownEnd)
{
    for (quint32 n = m_node; n != ElementPool::Root; n = m_pool->parent(n)) {
        const quint32 name = m_pool->name(n);
        if (match(name)) {
            for (quint32 k = m_node; k != n; k = m_pool->parent(k))
                tell(ElementEvent::Ended, k, m_pool->name(k), end);
            tell(ownEnd ? ElementEvent::Close : ElementEvent::Ended, n, name, end);
            setNode(m_pool->parent(n));
            return true;
        }
        if (stop(name))
            return false;
    }
    return false;
}

void Scanner::openElement(quint32 name, bool selfClosing, qsizetype end)
{
    using vocabulary::Group;
    const ElementPool &pool = *m_pool;
    const auto in = [&pool](Group g) {
        return [&pool, g](quint32 n) { return pool.group(n) == g; };
    };
    const auto either = [&pool](Group a, Group b) {
        return [&pool, a, b](quint32 n) { return pool.group(n) == a || pool.group(n) == b; };
    };
    const auto scope = [&pool](quint32 n) { return pool.flags(n) & vocabulary::Scope; };
    const auto always = [](quint32) { return true; };
    const auto top = [&] { return pool.group(pool.name(m_node)); };
    const auto isOpen = [&](Group g) {
        for (quint32 n = m_node; n != ElementPool::Root; n = pool.parent(n)) {
            if (pool.group(pool.name(n)) == g)
                return true;
        }
        return false;
    };
    // The search for an item to end stops at its list, and at a block
    // other than DIV, ADDRESS or P, which means the item is in another list.
    const auto itemStop = [&](Group list) {
        return [&pool, list](quint32 n) {
            const Group g = pool.group(n);
            return g == list || (pool.flags(n) & vocabulary::Scope) ||
                   ((pool.flags(n) & vocabulary::Special) && g != Group::Paragraph &&
                    g != Group::Division);
        };
    };
    // A block ends the paragraph open in it.
    if (pool.flags(name) & vocabulary::ClosesParagraph)
        endUpTo(in(Group::Paragraph), scope, end);
    const Group group = pool.group(name);
    switch (group) {
    case Group::ListItem:
        endUpTo(in(Group::ListItem), itemStop(Group::List), end);
        break;
    case Group::DefinitionItem:
        endUpTo(in(Group::DefinitionItem), itemStop(Group::DefinitionList), end);
        break;
    case Group::Row:
        endUpTo(in(Group::Row), either(Group::Table, Group::Section), end);
        break;
    case Group::Cell:
        endUpTo(
            in(Group::Cell),
            [&pool](quint32 n) {
                const Group g = pool.group(n);
                return g == Group::Table || g == Group::Section || g == Group::Row;
            },
            end);
        break;
    case Group::Section:
        endUpTo(in(Group::Section), in(Group::Table), end);
        break;
    case Group::OptionGroup:
        if (top() == Group::Option)
            endUpTo(always, always, end);
        if (top() == Group::OptionGroup)
            endUpTo(always, always, end);
        break;
    case Group::Option:
    case Group::Heading:
        if (top() == group)
            endUpTo(always, always, end);
        break;
    case Group::Body:
        if (top() == Group::Head)
            endUpTo(always, always, end);
        [[fallthrough]];
    case Group::Html:
    case Group::Head:
        // A second HTML, HEAD or BODY joins the first.
        if (isOpen(group) || (group == Group::Head && isOpen(Group::Body))) {
            tell(ElementEvent::Empty, m_node, name, end);
            return;
        }
        break;
    default:
        break;
    }
    const quint32 node = (pool.flags(name) & vocabulary::Void) || selfClosing ||
                                 pool.depth(m_node) >= ElementPool::MaxDepth
                             ? ElementPool::Root
                             : m_pool->child(m_node, name);
    if (node == ElementPool::Root) {
        tell(ElementEvent::Empty, m_node, name, end);
        return;
    }
    setNode(node);
    tell(ElementEvent::Open, node, name, end);
}

void Scanner::closeElement(quint32 name, qsizetype end)
{
    using vocabulary::Group;
    const ElementPool &pool = *m_pool;
    const quint16 flags = pool.flags(name);
    const Group group = pool.group(name);
    const auto same = [name](quint32 n) { return n == name; };
    const quint32 stack = m_node;
    bool closed = false;
    if (flags & vocabulary::Void) {
        closed = false;
    } else if (group == Group::Html || group == Group::Body) {
        closed = endUpTo(
            same, [](quint32) { return false; }, end, true);
    } else if (group == Group::Table || group == Group::TablePart || group == Group::Section ||
               group == Group::Row || group == Group::Cell) {
        // Within its table: the cells and rows open in it end with it.
        closed = endUpTo(
            same, [&pool](quint32 n) { return pool.group(n) == Group::Table; }, end, true);
    } else if (flags & vocabulary::Special) {
        closed = endUpTo(
            same, [&pool](quint32 n) { return pool.flags(n) & vocabulary::Scope; }, end, true);
    } else {
        // A phrase element does not end past a block.
        closed = endUpTo(
            same, [&pool](quint32 n) { return pool.flags(n) & vocabulary::Special; }, end, true);
    }
    if (!closed)
        tell(ElementEvent::Stray, stack, name, end);
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
            if (m_pool)
                tagBegins(p, size, i, m_inTag);
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
                if (m_pendingName)
                    tagEnds(i > 0 && p[i - 1] == '/', base + i + 1);
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

int foldDepth(const ElementPool &pool, const LineState &state)
{
    const quint32 node = state.element < quint32(pool.size()) ? state.element : 0;
    return pool.depth(node) + (state.inComment || state.inTag ? 1 : 0);
}

} // namespace markupscan

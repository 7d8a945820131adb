// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/markupnav.h"

#include <algorithm>

namespace markupnav {

using markupscan::ElementEvent;
using markupscan::ElementPool;
using markupscan::LineState;

ScannedText::ScannedText(QByteArray utf8) : m_bytes(std::move(utf8))
{
    markupscan::Scanner scanner(0, {}, &m_pool);
    scanner.scan(m_bytes.constData(), m_bytes.size());
    m_states = QVector<int>{0} + scanner.takeLineStates();
    m_starts.reserve(m_states.size());
    m_starts << 0;
    for (qsizetype i = 0; i < m_bytes.size(); ++i) {
        if (m_bytes[i] == '\n' ||
            (m_bytes[i] == '\r' && (i + 1 == m_bytes.size() || m_bytes[i + 1] != '\n')))
            m_starts << i + 1;
    }
}

int ScannedText::lineAt(qsizetype pos) const
{
    return int(std::upper_bound(m_starts.cbegin(), m_starts.cend(), pos) - m_starts.cbegin()) - 1;
}

LineState ScannedText::lineState(int line) const
{
    return LineState::unpacked(m_states.value(line));
}

QByteArrayView ScannedText::bytes(qsizetype from, qsizetype to) const
{
    return QByteArrayView(m_bytes).sliced(from, to - from);
}

namespace {

// A scan from a line start that hands out what the tags do, one event at a
// time, reading the text in pieces of whole lines as it goes.
class Walker : public markupscan::ElementObserver
{
public:
    Walker(const Text &text, int line)
        : m_text(text), m_position(text.lineStart(line)), m_stack(text.lineState(line).element),
          m_scanner(m_position, text.lineState(line), &text.pool(), this)
    {
        m_stack = text.pool().elements(m_stack);
    }

    // The next event of the text before limit (-1: the end), or none.
    std::optional<ElementEvent> next(qsizetype limit = -1)
    {
        while (m_next == m_events.size()) {
            m_events.clear();
            m_next = 0;
            if (!advance(limit))
                return std::nullopt;
        }
        const ElementEvent &event = m_events[m_next++];
        m_stackBefore = m_stack;
        if (event.kind == ElementEvent::Open)
            m_stack = event.node;
        else if (event.kind == ElementEvent::Close || event.kind == ElementEvent::Ended)
            m_stack = m_text.pool().parent(event.node);
        return event;
    }
    // Hands the last event out again.
    void unread()
    {
        --m_next;
        m_stack = m_stackBefore;
    }
    // The elements open after the events handed out.
    quint32 stack() const { return m_stack; }
    const markupscan::Scanner &scanner() const { return m_scanner; }

    void element(const ElementEvent &event) override { m_events.append(event); }

    // Scans the text up to pos; the events stay to be handed out.
    void scanTo(qsizetype pos)
    {
        while (advance(pos)) {
        }
    }

private:
    bool advance(qsizetype limit)
    {
        const qsizetype end = limit < 0 ? m_text.size() : std::min(limit, m_text.size());
        if (m_position >= end)
            return false;
        // Whole lines, some tens of kilobytes at a time.
        constexpr qsizetype Piece = 1 << 16;
        const int line = m_text.lineAt(std::min(end - 1, m_position + Piece));
        const qsizetype to = std::min(end, m_text.lineStart(line + 1));
        const QByteArrayView piece = m_text.bytes(m_position, to);
        m_scanner.scan(piece.data(), piece.size());
        m_scanner.takePaint();
        m_scanner.takeLineStates();
        m_position = to;
        return true;
    }

    const Text &m_text;
    qsizetype m_position;
    quint32 m_stack;
    quint32 m_stackBefore = ElementPool::Root;
    markupscan::Scanner m_scanner;
    QVector<ElementEvent> m_events;
    qsizetype m_next = 0;
};

// A line at or before the one of pos that does not start inside a tag.
int lineOutsideTags(const Text &text, qsizetype pos)
{
    int line = text.lineAt(pos);
    while (line > 0 && text.lineState(line).inTag)
        --line;
    return line;
}

bool ownEvent(const ElementEvent &event)
{
    return event.kind != ElementEvent::Ended;
}

// The tag at pos: one holding it, else one starting there, else one ending
// there. The walker stands just after that tag's events.
std::optional<ElementEvent> tagAt(Walker &walker, qsizetype pos)
{
    std::optional<ElementEvent> endsHere;
    while (const auto event = walker.next()) {
        if (event->tagStart > pos) {
            walker.unread();
            break;
        }
        if (!ownEvent(*event))
            continue;
        if (event->tagStart == pos || event->tagEnd > pos)
            return event;
        if (event->tagEnd == pos)
            endsHere = event;
    }
    return endsHere;
}

// The start tag of the element node that is open at pos.
std::optional<ElementEvent> startTagOf(const Text &text, quint32 node, qsizetype pos)
{
    const ElementPool &pool = text.pool();
    const int depth = pool.depth(node);
    // Back to a line start where this element was not open yet (another
    // element with the same stack may have been).
    int line = text.lineAt(pos);
    for (; line > 0; --line) {
        const LineState state = text.lineState(line);
        if (!state.inTag && pool.ancestorAt(state.element, depth) != node)
            break;
    }
    Walker walker(text, line);
    std::optional<ElementEvent> start;
    while (const auto event = walker.next(pos)) {
        if (event->kind == ElementEvent::Open && event->node == node)
            start = event;
    }
    return start;
}

// How node ends after the walker's place: its own end tag, or none.
std::optional<ElementEvent> endTagOf(Walker &walker, quint32 node)
{
    while (const auto event = walker.next()) {
        if (event->node == node &&
            (event->kind == ElementEvent::Close || event->kind == ElementEvent::Ended))
            return event->kind == ElementEvent::Close ? event : std::nullopt;
    }
    return std::nullopt;
}

// One past the ">" ending the tag that holds pos.
qsizetype tagEndAfter(const Text &text, qsizetype pos)
{
    constexpr qsizetype Piece = 1 << 16;
    for (qsizetype from = pos; from < text.size(); from += Piece) {
        const qsizetype to = std::min(text.size(), from + Piece);
        const QByteArrayView bytes = text.bytes(from, to);
        const qsizetype at = bytes.indexOf('>');
        if (at >= 0)
            return from + at + 1;
    }
    return text.size();
}

// The name a tag is written with, from its "<" on.
QByteArray nameOfTag(const Text &text, qsizetype tagStart)
{
    const QByteArrayView bytes = text.bytes(tagStart, std::min(text.size(), tagStart + 256));
    qsizetype from = 1;
    if (from < bytes.size() && bytes[from] == '/')
        ++from;
    qsizetype to = from;
    while (to < bytes.size() && !QByteArrayView(" \t\r\n/>").contains(bytes[to]))
        ++to;
    return bytes.sliced(from, to - from).toByteArray();
}

} // namespace

Context contextAt(const Text &text, qsizetype pos)
{
    pos = std::clamp<qsizetype>(pos, 0, text.size());
    Walker walker(text, lineOutsideTags(text, pos));
    walker.scanTo(pos);
    Context context;
    const markupscan::Scanner &scanner = walker.scanner();
    context.state = scanner.state();
    context.elements = scanner.openElements();
    if (context.state.inTag)
        context.tagStart = scanner.tagStart();
    const ElementPool &pool = text.pool();
    context.rawText = pool.flags(pool.name(context.elements)) & vocabulary::RawText;
    return context;
}

std::optional<Match> matchAt(const Text &text, qsizetype pos)
{
    Walker walker(text, lineOutsideTags(text, pos));
    const auto tag = tagAt(walker, pos);
    if (!tag)
        return std::nullopt;
    if (tag->kind == ElementEvent::Open) {
        if (const auto end = endTagOf(walker, tag->node))
            return Match{{tag->tagStart, tag->tagEnd}, {end->tagStart, end->tagEnd}};
    } else if (tag->kind == ElementEvent::Close) {
        if (const auto start = startTagOf(text, tag->node, tag->tagStart))
            return Match{{start->tagStart, start->tagEnd}, {tag->tagStart, tag->tagEnd}};
    }
    return std::nullopt;
}

std::optional<Range> elementAround(const Text &text, qsizetype from, qsizetype to)
{
    const ElementPool &pool = text.pool();
    from = std::clamp<qsizetype>(from, 0, text.size());
    to = std::clamp<qsizetype>(to, from, text.size());
    const Context atFrom = contextAt(text, from);
    const qsizetype a = atFrom.state.inTag && !atFrom.rawText ? atFrom.tagStart : from;
    const Context atTo = contextAt(text, to);
    const qsizetype b = atTo.state.inTag && !atTo.rawText && to > a ? tagEndAfter(text, to) : to;

    Walker walker(text, lineOutsideTags(text, a));
    while (const auto event = walker.next()) {
        if (event->tagStart >= a) {
            walker.unread();
            break;
        }
    }
    // The elements open at a, innermost first, and where each starts when
    // known.
    struct Candidate
    {
        quint32 node;
        qsizetype start;
    };
    QVector<Candidate> open;
    for (quint32 n = walker.stack(); n != ElementPool::Root; n = pool.parent(n))
        open.append({n, -1});
    const auto bigger = [&](Range r) {
        return r.start <= a && r.end >= b && !(r == Range{from, to});
    };
    qsizetype innermost = 0; // open[innermost..] are still open
    while (const auto event = walker.next()) {
        if (event->tagStart == a && event->kind == ElementEvent::Open) {
            open.insert(innermost, {event->node, a});
            continue;
        }
        if (event->tagStart == a && event->kind == ElementEvent::Empty &&
            bigger({a, event->tagEnd}))
            return Range{a, event->tagEnd};
        if (innermost == open.size()) {
            if (event->tagStart > a)
                break;
            continue;
        }
        const Candidate candidate = open[innermost];
        if (event->node != candidate.node ||
            (event->kind != ElementEvent::Close && event->kind != ElementEvent::Ended))
            continue;
        ++innermost;
        if (event->kind != ElementEvent::Close || event->tagEnd < b)
            continue;
        qsizetype start = candidate.start;
        if (start < 0) {
            const auto startTag = startTagOf(text, candidate.node, a);
            if (!startTag)
                continue;
            start = startTag->tagStart;
        }
        if (bigger({start, event->tagEnd}))
            return Range{start, event->tagEnd};
    }
    return std::nullopt;
}

QByteArray openElementAt(const Text &text, qsizetype pos)
{
    const Context context = contextAt(text, pos);
    if (context.state.inComment || (context.state.inTag && !context.rawText) ||
        context.elements == ElementPool::Root)
        return QByteArray();
    if (const auto start = startTagOf(text, context.elements, pos))
        return nameOfTag(text, start->tagStart);
    return text.pool().nameOf(text.pool().name(context.elements));
}

std::optional<QByteArray> endTagToAdd(const Text &text, qsizetype pos)
{
    if (pos <= 0 || pos > text.size())
        return std::nullopt;
    Walker walker(text, lineOutsideTags(text, pos - 1));
    std::optional<ElementEvent> tag;
    while (const auto event = walker.next()) {
        if (event->tagStart >= pos)
            return std::nullopt;
        if (ownEvent(*event) && event->tagEnd == pos) {
            tag = event;
            break;
        }
    }
    if (!tag || tag->kind != ElementEvent::Open || endTagOf(walker, tag->node))
        return std::nullopt;
    return "</" + nameOfTag(text, tag->tagStart) + '>';
}

} // namespace markupnav

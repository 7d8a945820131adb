#include "editor/smartcolor.h"

#include <QtNumeric>

#include <algorithm>

namespace smartcolor {

namespace {

struct Pattern
{
    const char *text; // upper case
    Category category;
};

// Searched in this order; the first category with a hit anywhere in the tag
// wins. "<A " needs its space and "<NOFRAMES>" its ">", so "<ABBR>", "<A"
// followed by a line break and "<NOFRAMES >" are Other tags.
constexpr Pattern patterns[] = {
    {"<TABLE", Category::Tables},     {"<TD", Category::Tables},
    {"<TR", Category::Tables},        {"<TFOOT", Category::Tables},
    {"<THEAD", Category::Tables},     {"<COLGROUP", Category::Tables},
    {"<COL", Category::Tables},       {"<TH", Category::Tables},
    {"<TBODY", Category::Tables},     {"</TABLE", Category::Tables},
    {"</TD", Category::Tables},       {"</TR", Category::Tables},
    {"</TFOOT", Category::Tables},    {"</THEAD", Category::Tables},
    {"</COLGROUP", Category::Tables}, {"</TH", Category::Tables},
    {"</TBODY", Category::Tables},    {"<FRAMESET", Category::Frames},
    {"<FRAME", Category::Frames},     {"<IFRAME", Category::Frames},
    {"<NOFRAMES>", Category::Frames}, {"</FRAMESET", Category::Frames},
    {"</IFRAME", Category::Frames},   {"</NOFRAMES", Category::Frames},
    {"<A ", Category::Links},         {"</A>", Category::Links},
};

// Letters match in either case (with the same folding as a case-insensitive
// find); every other character must be equal.
inline bool sameChar(QChar c, char pattern)
{
    const char16_t u = c.unicode();
    if (pattern < 'A' || pattern > 'Z')
        return u == char16_t(pattern);
    if (u < 128)
        return (u & ~char16_t(0x20)) == char16_t(pattern);
    return c.toCaseFolded().unicode() == char16_t(pattern + ('a' - 'A'));
}

inline bool matchesAt(QStringView text, qsizetype at, const char *pattern)
{
    for (qsizetype k = 0; pattern[k]; ++k) {
        if (at + k >= text.size() || !sameChar(text[at + k], pattern[k]))
            return false;
    }
    return true;
}

} // namespace

Category tagCategory(QStringView tag)
{
    // Every string starts with "<", so only those positions need testing.
    Category best = Category::Other;
    for (qsizetype at = tag.indexOf(u'<'); at >= 0; at = tag.indexOf(u'<', at + 1)) {
        for (const Pattern &p : patterns) {
            if (p.category >= best)
                break; // the list is ordered by category
            if (matchesAt(tag, at, p.text)) {
                best = p.category;
                break;
            }
        }
        if (best == Category::Tables)
            break;
    }
    return best;
}

ScanResult scan(QStringView text, qsizetype textStart, qsizetype textLength, qsizetype selStart)
{
    ScanResult result;
    const qsizetype size = text.size();
    const bool wholeDocument = textLength == 0;

    // [from, to) is where tags and comments must lie. A range running past
    // the text, or starting before it, is cut to the text.
    qsizetype from = 0;
    qsizetype to = size;
    if (!wholeDocument) {
        from = std::clamp<qsizetype>(textStart, 0, size);
        qsizetype end = from;
        if (textLength > 0 && qAddOverflow(textStart, textLength, &end))
            end = size;
        to = std::clamp<qsizetype>(end, from, size);
    }
    // Searching only up to the range end gives the same stops as finding
    // a "<" or ">" beyond it, without reading the rest of the document.
    const QStringView window = text.first(to);

    for (qsizetype pos = from; pos < to;) {
        const qsizetype open = window.indexOf(u'<', pos);
        if (open < 0)
            break;
        ++result.tagCount;
        const qsizetype close = window.indexOf(u'>', open + 1);
        if (close < 0)
            break;
        const qsizetype length = close - open + 1;
        result.spans.append({open, length, tagCategory(window.sliced(open, length))});
        pos = close + 1;
    }

    for (qsizetype pos = from; pos < to;) {
        const qsizetype open = window.indexOf(u"<!--", pos);
        if (open < 0)
            break;
        const qsizetype close = window.indexOf(u"-->", open + 1);
        if (close < 0)
            break;
        result.spans.append({open, close + 3 - open, Category::Comments});
        pos = close + 1;
    }

    const qsizetype selection = result.spans.isEmpty() ? std::clamp<qsizetype>(selStart, 0, size)
                                                       : result.spans.constLast().start;
    if (wholeDocument)
        result.caret = std::clamp<qsizetype>(selStart, 0, size);
    else if (result.tagCount == 1)
        result.caret = std::min(size, selection + std::clamp<qsizetype>(textLength, 0, size));
    else
        result.caret = selection;
    return result;
}

namespace {

// Appends a run, joining it to the last one when they touch and agree.
void appendRun(QVector<Span> &out, qsizetype start, qsizetype length, Category category)
{
    if (length <= 0)
        return;
    if (!out.isEmpty()) {
        Span &last = out.last();
        if (last.end() == start && last.category == category) {
            last.length += length;
            return;
        }
    }
    out.append({start, length, category});
}

// top painted over base; both sorted and non-overlapping.
QVector<Span> overlay(const QVector<Span> &base, const QVector<Span> &top)
{
    QVector<Span> out;
    out.reserve(base.size() + top.size());
    qsizetype b = 0;
    qsizetype bStart = base.isEmpty() ? 0 : base[0].start; // base[b] may be cut at its front
    const auto next = [&] {
        if (++b < base.size())
            bStart = base[b].start;
    };

    for (const Span &t : top) {
        // Base before t.
        while (b < base.size() && bStart < t.start) {
            const qsizetype bEnd = base[b].end();
            appendRun(out, bStart, std::min(bEnd, t.start) - bStart, base[b].category);
            if (bEnd > t.start) {
                bStart = t.start;
                break;
            }
            next();
        }
        appendRun(out, t.start, t.length, t.category);
        // Base under t is hidden; a run reaching past t keeps its tail.
        while (b < base.size() && bStart < t.end()) {
            if (base[b].end() <= t.end()) {
                next();
            } else {
                bStart = t.end();
                break;
            }
        }
    }
    for (; b < base.size(); next())
        appendRun(out, bStart, base[b].end() - bStart, base[b].category);
    return out;
}

} // namespace

QVector<Span> colourRuns(const QVector<Span> &spans)
{
    // Cut the list into passes: stretches where each span starts at or
    // after the end of the one before.
    QVector<QVector<Span>> passes;
    for (const Span &s : spans) {
        if (s.length <= 0)
            continue;
        if (passes.isEmpty() || (!passes.last().isEmpty() && s.start < passes.last().last().end()))
            passes.append(QVector<Span>());
        appendRun(passes.last(), s.start, s.length, s.category);
    }
    if (passes.isEmpty())
        return {};
    // Painting is associative, so neighbouring passes can be combined in
    // rounds: O(spans x log passes) whatever order the spans come in.
    while (passes.size() > 1) {
        QVector<QVector<Span>> combined;
        combined.reserve((passes.size() + 1) / 2);
        for (qsizetype k = 0; k + 1 < passes.size(); k += 2)
            combined.append(overlay(passes[k], passes[k + 1]));
        if (passes.size() % 2)
            combined.append(std::move(passes.last()));
        passes = std::move(combined);
    }
    return passes.first();
}

} // namespace smartcolor

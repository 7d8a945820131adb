// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/smartcolor.h"

#include <QtNumeric>

#include <algorithm>
#include <vector>

namespace smartcolor {

namespace {

// One string searched in a tag, split after its "<" or "</".
struct Pattern
{
    bool closing;     // "</" rather than "<"
    const char *name; // upper case; what follows "<" or "</"
    Category category;
};

// Searched in this order; the first category with a hit anywhere in the tag
// wins. "<A " needs its space and "<NOFRAMES>" its ">", so "<ABBR>", "<A"
// followed by a line break and "<NOFRAMES >" are Other tags.
constexpr Pattern patterns[] = {
    {false, "TABLE", Category::Tables},     {false, "TD", Category::Tables},
    {false, "TR", Category::Tables},        {false, "TFOOT", Category::Tables},
    {false, "THEAD", Category::Tables},     {false, "COLGROUP", Category::Tables},
    {false, "COL", Category::Tables},       {false, "TH", Category::Tables},
    {false, "TBODY", Category::Tables},     {true, "TABLE", Category::Tables},
    {true, "TD", Category::Tables},         {true, "TR", Category::Tables},
    {true, "TFOOT", Category::Tables},      {true, "THEAD", Category::Tables},
    {true, "COLGROUP", Category::Tables},   {true, "TH", Category::Tables},
    {true, "TBODY", Category::Tables},      {false, "FRAMESET", Category::Frames},
    {false, "FRAME", Category::Frames},     {false, "IFRAME", Category::Frames},
    {false, "NOFRAMES>", Category::Frames}, {true, "FRAMESET", Category::Frames},
    {true, "IFRAME", Category::Frames},     {true, "NOFRAMES", Category::Frames},
    {false, "A ", Category::Links},         {true, "A>", Category::Links},
};

// Letters match in either case (with the same folding as a case-insensitive
// find); every other character must be equal.
inline bool sameChar(char32_t u, char pattern)
{
    if (pattern < 'A' || pattern > 'Z')
        return u == char32_t(pattern);
    if (u < 128)
        return (u & ~char32_t(0x20)) == char32_t(pattern);
    return QChar::toCaseFolded(u) == char32_t(pattern + ('a' - 'A'));
}

// Reads UTF-16 unit by unit: a surrogate half matches no pattern letter,
// as no character outside the BMP folds to one.
struct Utf16
{
    QStringView text;
    qsizetype size() const { return text.size(); }
    char32_t at(qsizetype i, qsizetype *units) const
    {
        *units = 1;
        return text[i].unicode();
    }
};

// Reads UTF-8 character by character; a broken sequence matches nothing.
struct Utf8
{
    const char *text;
    qsizetype length;
    qsizetype size() const { return length; }
    char32_t at(qsizetype i, qsizetype *units) const
    {
        const auto lead = static_cast<unsigned char>(text[i]);
        *units = 1;
        if (lead < 0x80)
            return lead;
        const qsizetype n = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
        if (n == 0 || i + n > length)
            return 0xFFFD;
        char32_t u = lead & (0x7F >> n);
        for (qsizetype k = 1; k < n; ++k)
            u = (u << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        *units = n;
        return u;
    }
};

template <typename Text> bool matchesAt(const Text &text, qsizetype at, const char *pattern)
{
    for (qsizetype k = 0; pattern[k]; ++k) {
        qsizetype units = 0;
        if (at >= text.size() || !sameChar(text.at(at, &units), pattern[k]))
            return false;
        at += units;
    }
    return true;
}

// The first category whose string starts at the "<" at position at, or
// Other.
template <typename Text> Category categoryAt(const Text &tag, qsizetype at)
{
    qsizetype units = 0;
    qsizetype name = at + 1;
    const bool closing = name < tag.size() && tag.at(name, &units) == u'/';
    if (closing)
        ++name;
    if (name >= tag.size())
        return Category::Other;
    // Every name starts with one of A C F I N T: most tags leave early.
    const char32_t first = tag.at(name, &units);
    for (const Pattern &p : patterns) {
        if (p.closing == closing && sameChar(first, p.name[0]) && matchesAt(tag, name, p.name))
            return p.category;
    }
    return Category::Other;
}

// The next "<!--" at or after from. Single-character searches are much
// faster than a string search, and every "<" is looked at once.
qsizetype findCommentOpen(QStringView text, qsizetype from)
{
    for (qsizetype at = text.indexOf(u'<', from); at >= 0; at = text.indexOf(u'<', at + 1)) {
        if (text.sliced(at).startsWith(u"<!--"))
            return at;
    }
    return -1;
}

// The start of the first "-->" after the "<!--" at open (it may share that
// "<!--"'s dashes: "<!-->" is a whole comment).
qsizetype findCommentClose(QStringView text, qsizetype open)
{
    for (qsizetype at = text.indexOf(u'>', open + 3); at >= 0; at = text.indexOf(u'>', at + 1)) {
        if (text[at - 1] == u'-' && text[at - 2] == u'-')
            return at - 2;
    }
    return -1;
}

} // namespace

Category tagCategory(QStringView tag)
{
    // Every string starts with "<", so only those positions need testing.
    Category best = Category::Other;
    for (qsizetype at = tag.indexOf(u'<'); at >= 0; at = tag.indexOf(u'<', at + 1)) {
        best = std::min(best, categoryAt(Utf16{tag}, at));
        if (best == Category::Tables)
            break;
    }
    return best;
}

Category categoryAtUtf8(const char *text, qsizetype size, qsizetype at)
{
    return categoryAt(Utf8{text, size}, at);
}

ScanResult scan(QStringView text, qsizetype colourStart, qsizetype colourLength, qsizetype selStart)
{
    ScanResult result;
    const qsizetype size = text.size();
    const bool wholeDocument = colourLength == 0;

    // [from, to) is where tags and comments must lie. A range running past
    // the text, or starting before it, is cut to the text.
    qsizetype from = 0;
    qsizetype to = size;
    if (!wholeDocument) {
        from = std::clamp<qsizetype>(colourStart, 0, size);
        qsizetype end = from;
        if (colourLength > 0 && qAddOverflow(colourStart, colourLength, &end))
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
        const qsizetype open = findCommentOpen(window, pos);
        if (open < 0)
            break;
        const qsizetype close = findCommentClose(window, open);
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
        result.caret = std::min(size, selection + std::clamp<qsizetype>(colourLength, 0, size));
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

// A stretch of spans, sorted and non-overlapping, held elsewhere.
struct Pass
{
    const Span *data = nullptr;
    qsizetype size = 0;
};

// top painted over base.
QVector<Span> overlay(Pass base, Pass top)
{
    QVector<Span> out;
    out.reserve(base.size + top.size);
    qsizetype b = 0;
    qsizetype bStart = base.size ? base.data[0].start : 0; // base[b] may be cut at its front
    const auto next = [&] {
        if (++b < base.size)
            bStart = base.data[b].start;
    };

    for (const Span *t = top.data; t != top.data + top.size; ++t) {
        // Base before t.
        while (b < base.size && bStart < t->start) {
            const qsizetype bEnd = base.data[b].end();
            appendRun(out, bStart, std::min(bEnd, t->start) - bStart, base.data[b].category);
            if (bEnd > t->start) {
                bStart = t->start;
                break;
            }
            next();
        }
        appendRun(out, t->start, t->length, t->category);
        // Base under t is hidden; a run reaching past t keeps its tail.
        while (b < base.size && bStart < t->end()) {
            if (base.data[b].end() <= t->end()) {
                next();
            } else {
                bStart = t->end();
                break;
            }
        }
    }
    for (; b < base.size; next())
        appendRun(out, bStart, base.data[b].end() - bStart, base.data[b].category);
    return out;
}

} // namespace

QVector<Span> colourRuns(const QVector<Span> &spans)
{
    // Empty spans paint nothing; drop them (the copy is made only if there
    // are any).
    QVector<Span> nonEmpty;
    const QVector<Span> *source = &spans;
    if (std::any_of(spans.begin(), spans.end(), [](const Span &s) { return s.length <= 0; })) {
        for (const Span &s : spans) {
            if (s.length > 0)
                nonEmpty.append(s);
        }
        source = &nonEmpty;
    }
    // Cut the list into passes: stretches where each span starts at or
    // after the end of the one before. The scan gives two, tags and
    // comments.
    std::vector<Pass> passes;
    const Span *data = source->constData();
    for (qsizetype k = 0; k < source->size(); ++k) {
        if (k == 0 || data[k].start < data[k - 1].end())
            passes.push_back({data + k, 0});
        ++passes.back().size;
    }
    if (passes.empty())
        return {};
    if (passes.size() == 1)
        return overlay(passes.front(), Pass()); // joins touching runs of one colour

    // Painting is associative, so neighbouring passes can be combined in
    // rounds: O(spans x log passes) whatever order the spans come in.
    // Every result stays in store (moving a QVector keeps its data where it
    // is) until the end.
    std::vector<QVector<Span>> store;
    while (passes.size() > 1) {
        std::vector<Pass> combined;
        for (size_t k = 0; k + 1 < passes.size(); k += 2) {
            store.push_back(overlay(passes[k], passes[k + 1]));
            combined.push_back({store.back().constData(), store.back().size()});
        }
        if (passes.size() % 2)
            combined.push_back(passes.back());
        passes = std::move(combined);
    }
    return store.back();
}

} // namespace smartcolor

// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/reopen.h"

#include <algorithm>
#include <QHash>
#include <QSet>

namespace reopen {

using tagreader::Attribute;
using tagreader::Tag;

namespace {

const QString LineEnd = QStringLiteral("\r\n");

bool isSpace(QChar c)
{
    const char16_t u = c.unicode();
    return u == ' ' || u == '\t' || u == '\n' || u == '\r' || u == '\f';
}

bool onlySpace(QStringView text)
{
    return std::all_of(text.begin(), text.end(), isSpace);
}

QString nameOf(const QString &text, const elementmap::Element &e)
{
    return text.mid(e.start + 1, e.nameEnd - e.start - 1).toUpper();
}

QStringView slice(const QString &text, Span span)
{
    return QStringView(text).sliced(span.start, span.length());
}

// Up to the next tag or line end.
Span trailingFrom(const QString &text, qsizetype from)
{
    qsizetype end = from;
    while (end < text.size() && text[end] != u'<' && text[end] != u'\r' && text[end] != u'\n')
        ++end;
    return {from, end};
}

std::optional<TagPart> tagAt(const QString &text, qsizetype at)
{
    std::optional<Tag> tag = tagreader::read(text, at);
    if (!tag)
        return std::nullopt;
    return TagPart{{at, at + tag->length}, *tag};
}

int indexAt(const elementmap::Map &map, qsizetype start)
{
    const auto &elements = map.elements;
    const auto it =
        std::lower_bound(elements.cbegin(), elements.cend(), start,
                         [](const elementmap::Element &e, qsizetype pos) { return e.start < pos; });
    return it != elements.cend() && it->start == start ? int(it - elements.cbegin()) : -1;
}

// The end tag of an element the map closed with its own end tag.
std::optional<Span> endTagOf(const QString &text, const elementmap::Element &e, qsizetype tagEnd)
{
    if (e.implicitEnd || e.end <= tagEnd)
        return std::nullopt;
    const qsizetype at = text.lastIndexOf(QLatin1String("</"), e.end - 1);
    if (at < tagEnd)
        return std::nullopt;
    return Span{at, e.end};
}

std::optional<ChildPart> childAt(const QString &text, qsizetype at)
{
    const std::optional<TagPart> tag = tagAt(text, at);
    if (!tag)
        return std::nullopt;
    return ChildPart{*tag, trailingFrom(text, tag->span.end)};
}

// The upper-case names of the attributes whose value differs between two
// tags (one that is missing from one of them included).
QSet<QString> changedNames(const Tag &a, const Tag &b)
{
    QSet<QString> names;
    auto compare = [&](const Tag &from, const Tag &other) {
        for (const Attribute &x : from.attributes) {
            const Attribute *y = other.find(x.name);
            const Attribute *first = from.find(x.name);
            if (first != &x)
                continue;
            if (!y || y->hasValue != x.hasValue || y->value != x.value)
                names.insert(x.name.toUpper());
        }
    };
    compare(a, b);
    compare(b, a);
    return names;
}

bool sameTag(const Tag &a, const Tag &b)
{
    return a.name.compare(b.name, Qt::CaseInsensitive) == 0 && changedNames(a, b).isEmpty();
}

// The original tag with the attributes that changed between `first` and
// `last` written as `last` writes them: a changed one keeps its place and
// the spelling of its name, one that went is taken out with the white
// space before it, a new one follows the attribute it follows in `last`.
// Everything else keeps its bytes.
QString patchedTag(QStringView original, const Tag &tag, const Tag &first, QStringView lastText,
                   const Tag &last)
{
    const QSet<QString> changed = changedNames(first, last);
    auto raw = [&](const Attribute &a, qsizetype from) {
        return lastText.sliced(from, a.end - from);
    };

    // New attributes, by the original attribute they follow (-1: the name).
    QHash<int, QString> inserts;
    int anchor = -1;
    for (const Attribute &a : last.attributes) {
        const Attribute *there = tag.find(a.name);
        if (there)
            anchor = int(there - tag.attributes.constData());
        else if (changed.contains(a.name.toUpper()))
            inserts[anchor] += u' ' + raw(a, a.nameStart).toString();
    }

    QString out;
    if (first.name.compare(last.name, Qt::CaseInsensitive) != 0)
        out = u'<' + last.name;
    else
        out = original.first(tag.nameEnd).toString();
    out += inserts.value(-1);
    qsizetype pos = tag.nameEnd;
    for (int k = 0; k < tag.attributes.size(); ++k) {
        const Attribute &a = tag.attributes[k];
        out += original.sliced(pos, a.start - pos);
        const QString upper = a.name.toUpper();
        if (tag.find(a.name) == &a && changed.contains(upper)) {
            if (const Attribute *wanted = last.find(a.name)) {
                out += original.sliced(a.start, a.nameEnd - a.start);
                out += raw(*wanted, wanted->nameEnd);
            }
        } else {
            out += original.sliced(a.start, a.end - a.start);
        }
        pos = a.end;
        out += inserts.value(k);
    }
    out += original.sliced(pos);
    return out;
}

class Patcher
{
public:
    Patcher(const QString &text, const Parts &original, const Written &first, const Written &last)
        : m_text(text), m_original(original), m_first(first), m_last(last)
    {
    }

    QList<Edit> edits;

    void replace(Span span, const QString &with)
    {
        if (slice(m_text, span) != with)
            edits.append({span.start, span.length(), with});
    }
    void insert(qsizetype at, const QString &text) { edits.append({at, 0, text}); }

    QString patched(const TagPart &original, const Tag &first, const Written &last,
                    const TagPart &lastTag) const
    {
        return patchedTag(slice(m_text, original.span), original.tag, first,
                          slice(last.text, lastTag.span), lastTag.tag);
    }

    void startTag(const Shape &shape)
    {
        const Parts &first = m_first.parts;
        const Parts &last = m_last.parts;
        const QString tag = patched(m_original.start, first.start.tag, m_last, last.start);
        const bool renamed =
            first.start.tag.name.compare(last.start.tag.name, Qt::CaseInsensitive) != 0;
        if (renamed && (m_original.paired || last.paired)) {
            // Another element now (an INPUT become a TEXTAREA): after its
            // start tag it is what the builder wrote.
            const QString rest =
                m_last.text.mid(last.start.span.end, last.elementEnd() - last.start.span.end);
            replace({m_original.start.span.start, m_original.elementEnd()}, tag + rest);
        } else {
            replace(m_original.start.span, tag);
            if (shape.content && m_original.paired && last.paired &&
                slice(m_first.text, first.content) != slice(m_last.text, last.content))
                replace(m_original.content, slice(m_last.text, last.content).toString());
        }
        if (shape.trailing &&
            slice(m_first.text, first.trailing) != slice(m_last.text, last.trailing))
            replace(m_original.trailing, slice(m_last.text, last.trailing).toString());
    }

    void children()
    {
        const QList<ChildPart> &had = m_original.children;
        const QList<ChildPart> &first = m_first.parts.children;
        const QList<ChildPart> &last = m_last.parts.children;
        const qsizetype count = std::max(first.size(), last.size());
        QString added;
        for (qsizetype i = 0; i < count; ++i) {
            const ChildPart *f = i < first.size() ? &first[i] : nullptr;
            const ChildPart *l = i < last.size() ? &last[i] : nullptr;
            if (f && l && sameTag(f->tag.tag, l->tag.tag) &&
                slice(m_first.text, f->trailing) == slice(m_last.text, l->trailing))
                continue;
            if (i < had.size()) {
                const ChildPart &o = had[i];
                if (!l) {
                    replace({spaceBefore(i), o.trailing.end}, QString());
                    continue;
                }
                const Tag none;
                replace(o.tag.span, patched(o.tag, f ? f->tag.tag : none, m_last, l->tag));
                if (!f || slice(m_first.text, f->trailing) != slice(m_last.text, l->trailing))
                    replace(o.trailing, slice(m_last.text, l->trailing).toString());
            } else if (l) {
                added += LineEnd +
                         m_last.text.mid(l->tag.span.start, l->trailing.end - l->tag.span.start);
            }
        }
        if (!added.isEmpty())
            insert(had.isEmpty() ? m_original.start.span.end : had.last().trailing.end, added);
    }

    void wrapper()
    {
        const std::optional<TagPart> &first = m_first.parts.wrapper;
        const std::optional<TagPart> &last = m_last.parts.wrapper;
        const std::optional<TagPart> &had = m_original.wrapper;
        if (had) {
            Tag none;
            none.name = had->tag.name;
            const TagPart lastTag = last ? *last : TagPart{{0, 0}, none};
            const QString tag = patched(*had, first ? first->tag : none, m_last, lastTag);
            const std::optional<Tag> read = tagreader::read(tag);
            if (!last && read && read->attributes.isEmpty()) {
                // Nothing left for it to say: it goes, with the white space
                // between it and the element.
                replace({had->span.start, m_original.start.span.start}, QString());
                replace({m_original.elementEnd(), m_original.wrapperEndTag.end}, QString());
            } else {
                replace(had->span, tag);
            }
        } else if (last && !first) {
            const Parts &l = m_last.parts;
            insert(m_original.start.span.start,
                   m_last.text.mid(last->span.start, l.start.span.start - last->span.start));
            insert(m_original.elementEnd(),
                   m_last.text.mid(l.elementEnd(), l.wrapperEndTag.end - l.elementEnd()));
        }
    }

private:
    // Where the white space before child i starts, not before the child
    // before it or the start tag.
    qsizetype spaceBefore(qsizetype i) const
    {
        const qsizetype floor =
            i > 0 ? m_original.children[i - 1].trailing.end : m_original.start.span.end;
        qsizetype at = m_original.children[i].tag.span.start;
        while (at > floor && isSpace(m_text[at - 1]))
            --at;
        return at;
    }

    const QString &m_text;
    const Parts &m_original;
    const Written &m_first;
    const Written &m_last;
};

} // namespace

Span Parts::extent() const
{
    Span span{start.span.start, std::max(elementEnd(), trailing.end)};
    if (!children.isEmpty())
        span.end = std::max(span.end, children.last().trailing.end);
    if (wrapper) {
        span.start = wrapper->span.start;
        span.end = std::max(span.end, wrapperEndTag.end);
    }
    return span;
}

Found find(const QString &text, const elementmap::Map &map, qsizetype caret,
           const QList<Target> &targets)
{
    for (const qsizetype at : {caret, caret - 1}) {
        if (at < 0)
            continue;
        for (const qsizetype start : elementmap::chainAt(map, at)) {
            const int index = indexAt(map, start);
            if (index < 0)
                continue;
            const QString name = nameOf(text, map.elements[index]);
            for (int t = 0; t < targets.size(); ++t) {
                if (!targets[t].elements.contains(name))
                    continue;
                if (name != targets[t].shape.children)
                    return {t, index, name};
                const int parent = map.elements[index].parent;
                return {t, parent, parent < 0 ? name : nameOf(text, map.elements[parent])};
            }
        }
    }
    return {};
}

std::optional<Parts> partsOf(const QString &text, const elementmap::Map &map, int index,
                             const Shape &shape)
{
    if (index < 0 || index >= map.elements.size())
        return std::nullopt;
    const elementmap::Element &e = map.elements[index];
    const std::optional<TagPart> start = tagAt(text, e.start);
    if (!start)
        return std::nullopt;
    Parts parts;
    parts.start = *start;
    const qsizetype tagEnd = start->span.end;
    if (const std::optional<Span> endTag = endTagOf(text, e, tagEnd)) {
        parts.paired = true;
        parts.endTag = *endTag;
        parts.content = {tagEnd, endTag->start};
    } else if (shape.content && e.implicitEnd) {
        return std::nullopt; // what it owns has no end
    } else if (!e.implicitEnd && e.end != tagEnd) {
        return std::nullopt; // the map and the tag disagree on where it ends
    }
    parts.trailing = trailingFrom(text, parts.elementEnd());

    if (!shape.children.isEmpty()) {
        for (int j = index + 1; j < map.elements.size() && map.elements[j].start < e.end; ++j) {
            const elementmap::Element &child = map.elements[j];
            if (child.parent != index || nameOf(text, child) != shape.children)
                continue;
            const std::optional<ChildPart> part = childAt(text, child.start);
            if (!part)
                return std::nullopt;
            parts.children.append(*part);
        }
    }

    if (!shape.wrapper.isEmpty() && e.parent >= 0) {
        const elementmap::Element &w = map.elements[e.parent];
        const std::optional<TagPart> tag =
            nameOf(text, w) == shape.wrapper ? tagAt(text, w.start) : std::nullopt;
        const std::optional<Span> end = tag ? endTagOf(text, w, tag->span.end) : std::nullopt;
        if (end && onlySpace(slice(text, {tag->span.end, e.start})) &&
            onlySpace(slice(text, {parts.elementEnd(), end->start}))) {
            parts.wrapper = tag;
            parts.wrapperEndTag = *end;
        }
    }
    return parts;
}

std::optional<Parts> partsInFragment(const QString &fragment, const QStringList &names,
                                     const Shape &shape)
{
    const elementmap::Map map = elementmap::scan(fragment);
    if (!shape.startTag) {
        Parts parts;
        for (const elementmap::Element &e : map.elements) {
            if (e.parent >= 0 || nameOf(fragment, e) != shape.children)
                continue;
            const std::optional<ChildPart> part = childAt(fragment, e.start);
            if (!part)
                return std::nullopt;
            parts.children.append(*part);
        }
        return parts;
    }
    for (int i = 0; i < map.elements.size(); ++i) {
        if (names.contains(nameOf(fragment, map.elements[i])))
            return partsOf(fragment, map, i, shape);
    }
    return std::nullopt;
}

Parts shifted(Parts parts, qsizetype by)
{
    auto move = [by](Span &span) {
        span.start += by;
        span.end += by;
    };
    move(parts.start.span);
    move(parts.content);
    move(parts.endTag);
    move(parts.trailing);
    for (ChildPart &child : parts.children) {
        move(child.tag.span);
        move(child.trailing);
    }
    if (parts.wrapper)
        move(parts.wrapper->span);
    move(parts.wrapperEndTag);
    return parts;
}

tagreader::Element readBack(const QString &text, const Parts &parts)
{
    tagreader::Element element;
    element.tag = parts.start.tag;
    if (parts.paired)
        element.content = slice(text, parts.content).toString();
    element.trailing = slice(text, parts.trailing).toString();
    for (const ChildPart &child : parts.children) {
        element.children.append(child.tag.tag);
        element.childTexts.append(slice(text, child.trailing).toString());
    }
    if (parts.wrapper)
        element.wrapper = parts.wrapper->tag;
    return element;
}

QList<Edit> patch(const QString &text, const Parts &original, const Written &first,
                  const Written &last, const Shape &shape)
{
    Patcher patcher(text, original, first, last);
    if (!shape.wrapper.isEmpty())
        patcher.wrapper();
    if (shape.startTag)
        patcher.startTag(shape);
    if (!shape.children.isEmpty())
        patcher.children();
    // An insertion goes before a replacement that starts where it stands.
    std::stable_sort(patcher.edits.begin(), patcher.edits.end(), [](const Edit &a, const Edit &b) {
        return a.start < b.start || (a.start == b.start && a.length == 0 && b.length > 0);
    });
    return patcher.edits;
}

QString applied(const QString &text, const QList<Edit> &edits)
{
    QString out;
    qsizetype pos = 0;
    for (const Edit &edit : edits) {
        out += QStringView(text).sliced(pos, edit.start - pos);
        out += edit.text;
        pos = edit.start + edit.length;
    }
    out += QStringView(text).sliced(pos);
    return out;
}

} // namespace reopen

// SPDX-License-Identifier: GPL-3.0-or-later
#include "preview/elementmap.h"

#include <algorithm>
#include <QHash>

namespace elementmap {

namespace {

bool isLetter(QChar c)
{
    const char16_t u = c.unicode() | 0x20;
    return u >= 'a' && u <= 'z';
}

bool isSpace(QChar c)
{
    const char16_t u = c.unicode();
    return u == ' ' || u == '\t' || u == '\n' || u == '\r' || u == '\f';
}

bool isOneOf(const QString &name, std::initializer_list<const char *> names)
{
    return std::any_of(names.begin(), names.end(),
                       [&](const char *n) { return name == QLatin1String(n); });
}

bool isVoid(const QString &name)
{
    return isOneOf(name, {"area",     "base",    "br",    "col",    "embed",   "hr",    "img",
                          "input",    "link",    "meta",  "param",  "source",  "track", "wbr",
                          "basefont", "bgsound", "frame", "keygen", "isindex", "image"});
}

// Elements whose content is text up to their own end tag.
bool isRawText(const QString &name)
{
    return isOneOf(
        name, {"script", "style", "textarea", "title", "xmp", "iframe", "noembed", "noframes"});
}

// Start tags that close an open paragraph.
bool closesParagraph(const QString &name)
{
    return isOneOf(name,
                   {"p",       "div",     "h1",      "h2",     "h3",       "h4",     "h5",
                    "h6",      "ul",      "ol",      "dl",     "table",    "pre",    "blockquote",
                    "form",    "hr",      "address", "center", "fieldset", "menu",   "dir",
                    "listing", "section", "article", "aside",  "header",   "footer", "nav",
                    "figure",  "main",    "details"});
}

// Whether a start tag `name` ends the open element `open` it would else sit in.
bool closesSibling(const QString &name, const QString &open)
{
    auto pair = [&](const char *a, const char *b) {
        return (name == QLatin1String(a) || name == QLatin1String(b)) &&
               (open == QLatin1String(a) || open == QLatin1String(b));
    };
    if (open == QLatin1String("p"))
        return closesParagraph(name);
    return (name == open && isOneOf(name, {"li", "option", "tr"})) || pair("dt", "dd") ||
           pair("td", "th") || (name == QLatin1String("tr") && isOneOf(open, {"td", "th"}));
}

// Just after the ">" that ends a tag whose attributes start at `from`; a
// quoted attribute value may hold ">". The end of the text when none does.
qsizetype tagEnd(const QString &text, qsizetype from)
{
    const qsizetype n = text.size();
    qsizetype j = from;
    while (j < n) {
        const QChar c = text[j];
        if (c == u'>')
            return j + 1;
        ++j;
        if (c != u'=')
            continue;
        while (j < n && isSpace(text[j]))
            ++j;
        if (j < n && (text[j] == u'"' || text[j] == u'\'')) {
            const qsizetype close = text.indexOf(text[j], j + 1);
            if (close < 0)
                return n;
            j = close + 1;
        }
    }
    return n;
}

// Just after the end tag of a raw-text element; -1 when it has none.
qsizetype rawTextEnd(const QString &text, qsizetype from, const QString &name)
{
    const QString closing = QStringLiteral("</") + name;
    qsizetype at = from;
    while ((at = text.indexOf(closing, at, Qt::CaseInsensitive)) >= 0) {
        const qsizetype after = at + closing.size();
        if (after >= text.size() || isSpace(text[after]) || text[after] == u'/' ||
            text[after] == u'>')
            return tagEnd(text, after);
        at = after;
    }
    return -1;
}

// Just after a comment, doctype or processing instruction starting at `at`.
qsizetype markupDeclarationEnd(const QString &text, qsizetype at)
{
    const qsizetype n = text.size();
    auto after = [&](const QString &needle, qsizetype from) {
        const qsizetype found = text.indexOf(needle, from);
        return found < 0 ? n : found + needle.size();
    };
    if (text.mid(at, 4) == QLatin1String("<!--")) {
        if (text.mid(at + 4, 1) == QLatin1String(">"))
            return at + 5;
        if (text.mid(at + 4, 2) == QLatin1String("->"))
            return at + 6;
        return after(QStringLiteral("-->"), at + 4);
    }
    if (text.mid(at, 9) == QLatin1String("<![CDATA["))
        return after(QStringLiteral("]]>"), at + 9);
    return after(QStringLiteral(">"), at + 2);
}

class Builder
{
public:
    explicit Builder(QVector<Element> &elements) : m_elements(elements) {}

    void open(qsizetype start, qsizetype nameEnd, const QString &name, qsizetype end,
              bool selfClosing)
    {
        while (!m_names.isEmpty() && closesSibling(name, m_names.last()))
            popTo(m_names.size() - 1, start, true);
        Element e;
        e.start = start;
        e.nameEnd = nameEnd;
        e.parent = m_open.isEmpty() ? -1 : m_open.last();
        const int index = int(m_elements.size());
        m_elements.append(e);
        // "/>" closes an element only where the parser honours it: void
        // elements, and inside SVG and MathML.
        const bool foreign =
            m_count.value(QStringLiteral("svg")) > 0 || m_count.value(QStringLiteral("math")) > 0;
        if (isVoid(name) || (selfClosing && foreign)) {
            m_elements[index].end = end;
            return;
        }
        m_open.append(index);
        m_names.append(name);
        ++m_count[name];
    }

    // An end tag closes the nearest open element of its name.
    void close(const QString &name, qsizetype tagStart, qsizetype tagEnd)
    {
        if (m_count.value(name) == 0)
            return;
        qsizetype depth = m_names.size() - 1;
        while (m_names[depth] != name)
            --depth;
        popTo(depth + 1, tagStart, true);
        popTo(depth, tagEnd, false);
    }

    void finish(qsizetype end) { popTo(0, end, true); }

private:
    // Ends every open element from `depth` inwards at `end`.
    void popTo(qsizetype depth, qsizetype end, bool implicit)
    {
        while (m_open.size() > depth) {
            m_elements[m_open.last()].end = end;
            m_elements[m_open.last()].implicitEnd = implicit;
            --m_count[m_names.last()];
            m_open.removeLast();
            m_names.removeLast();
        }
    }

    QVector<Element> &m_elements;
    QVector<int> m_open;
    QStringList m_names;
    QHash<QString, int> m_count; // open elements by name
};

} // namespace

Map scan(const QString &text)
{
    Map map;
    Builder builder(map.elements);
    const qsizetype n = text.size();
    bool leading = true; // nothing but white space read so far
    qsizetype i = 0;
    while (i < n) {
        const qsizetype lt = text.indexOf(u'<', i);
        if (lt < 0 || lt + 1 >= n)
            break;
        if (leading) {
            for (qsizetype k = i; k < lt && leading; ++k)
                leading = isSpace(text[k]) || text[k] == QChar(0xFEFF);
        }
        const QChar next = text[lt + 1];
        if (next == u'!' || next == u'?') {
            const qsizetype end = markupDeclarationEnd(text, lt);
            if (leading &&
                text.mid(lt, 9).compare(QLatin1String("<!doctype"), Qt::CaseInsensitive) == 0)
                map.headAt = end;
            leading = false;
            i = end;
            continue;
        }
        leading = false;
        if (next == u'/') {
            if (lt + 2 < n && isLetter(text[lt + 2])) {
                qsizetype nameEnd = lt + 2;
                while (nameEnd < n && !isSpace(text[nameEnd]) && text[nameEnd] != u'/' &&
                       text[nameEnd] != u'>')
                    ++nameEnd;
                const qsizetype end = tagEnd(text, nameEnd);
                builder.close(text.mid(lt + 2, nameEnd - lt - 2).toLower(), lt, end);
                i = end;
            } else {
                i = markupDeclarationEnd(text, lt);
            }
            continue;
        }
        if (!isLetter(next)) {
            i = lt + 1; // a "<" in text
            continue;
        }
        qsizetype nameEnd = lt + 1;
        while (nameEnd < n && !isSpace(text[nameEnd]) && text[nameEnd] != u'/' &&
               text[nameEnd] != u'>')
            ++nameEnd;
        const QString name = text.mid(lt + 1, nameEnd - lt - 1).toLower();
        qsizetype end = tagEnd(text, nameEnd);
        const bool selfClosing =
            end >= 2 && end <= n && text[end - 1] == u'>' && text[end - 2] == u'/';
        builder.open(lt, nameEnd, name, end, selfClosing);
        if (name == QLatin1String("plaintext")) {
            end = n;
        } else if (isRawText(name)) {
            end = rawTextEnd(text, end, name);
            if (end < 0)
                end = n; // left open to the end
            else
                builder.close(name, end, end);
        }
        i = end;
    }
    builder.finish(n);
    return map;
}

QString positionAttribute()
{
    return QStringLiteral("data-lmpos");
}

QString instrument(const QString &text, const Map &map, const QString &head)
{
    const QString prefix = QLatin1Char(' ') + positionAttribute() + QStringLiteral("=\"");
    QString out;
    out.reserve(text.size() + head.size() + map.elements.size() * (prefix.size() + 8));
    out.append(QStringView(text).left(map.headAt));
    out.append(head);
    qsizetype from = map.headAt;
    for (const Element &e : map.elements) {
        out.append(QStringView(text).mid(from, e.nameEnd - from));
        out.append(prefix);
        out.append(QString::number(e.start));
        out.append(QLatin1Char('"'));
        from = e.nameEnd;
    }
    out.append(QStringView(text).mid(from));
    return out;
}

QVector<qsizetype> chainAt(const Map &map, qsizetype caret)
{
    const QVector<Element> &elements = map.elements;
    auto after = std::upper_bound(elements.cbegin(), elements.cend(), caret,
                                  [](qsizetype pos, const Element &e) { return pos < e.start; });
    int index = int(after - elements.cbegin()) - 1;
    auto holds = [caret](const Element &e) {
        return caret < e.end || (e.implicitEnd && caret == e.end);
    };
    while (index >= 0 && !holds(elements[index]))
        index = elements[index].parent;
    QVector<qsizetype> chain;
    for (; index >= 0; index = elements[index].parent)
        chain.append(elements[index].start);
    return chain;
}

} // namespace elementmap

// SPDX-License-Identifier: GPL-3.0-or-later
#include "kernel/tagreader.h"

namespace tagreader {

namespace {

bool isSpace(QChar c)
{
    const char16_t u = c.unicode();
    return u == ' ' || u == '\t' || u == '\n' || u == '\r' || u == '\f';
}

bool isLetter(QChar c)
{
    const char16_t u = c.unicode() | 0x20;
    return u >= 'a' && u <= 'z';
}

bool isQuote(QChar c)
{
    return c == u'"' || c == u'\'';
}

// The builders write a double quote inside a quoted value as "&quot;".
QString decoded(QStringView value)
{
    QString out = value.toString();
    out.replace(QLatin1String("&quot;"), QLatin1String("\""));
    return out;
}

} // namespace

const Attribute *Tag::find(QStringView wanted) const
{
    for (const Attribute &a : attributes) {
        if (a.name.compare(wanted, Qt::CaseInsensitive) == 0)
            return &a;
    }
    return nullptr;
}

QString Tag::value(QStringView wanted) const
{
    const Attribute *a = find(wanted);
    return a ? a->value : QString();
}

std::optional<Tag> read(QStringView text, qsizetype from)
{
    const qsizetype n = text.size();
    if (from < 0 || from + 1 >= n || text[from] != u'<' || !isLetter(text[from + 1]))
        return std::nullopt;
    Tag tag;
    qsizetype i = from + 1;
    while (i < n && !isSpace(text[i]) && text[i] != u'/' && text[i] != u'>' && text[i] != u'<')
        ++i;
    tag.name = text.sliced(from + 1, i - from - 1).toString();
    tag.nameEnd = i - from;
    for (;;) {
        const qsizetype start = i;
        while (i < n && isSpace(text[i]))
            ++i;
        if (i >= n)
            return std::nullopt;
        const QChar c = text[i];
        if (c == u'>') {
            tag.length = i + 1 - from;
            return tag;
        }
        if (c == u'/') {
            ++i;
            continue;
        }
        // A tag whose ">" is missing runs into the next one.
        if (c == u'<' || c == u'=' || isQuote(c))
            return std::nullopt;
        Attribute a;
        a.start = start - from;
        a.nameStart = i - from;
        while (i < n && !isSpace(text[i]) && text[i] != u'/' && text[i] != u'>' &&
               text[i] != u'=') {
            if (text[i] == u'<' || isQuote(text[i]))
                return std::nullopt;
            ++i;
        }
        a.name = text.sliced(a.nameStart + from, i - a.nameStart - from).toString();
        a.nameEnd = i - from;
        qsizetype j = i;
        while (j < n && isSpace(text[j]))
            ++j;
        if (j < n && text[j] == u'=') {
            a.hasValue = true;
            i = j + 1;
            qsizetype k = i;
            while (k < n && isSpace(text[k]))
                ++k;
            if (k < n && isQuote(text[k])) {
                const qsizetype close = text.indexOf(text[k], k + 1);
                if (close < 0)
                    return std::nullopt;
                a.value = decoded(text.sliced(k + 1, close - k - 1));
                i = close + 1;
            } else if (k == i) {
                while (i < n && !isSpace(text[i]) && text[i] != u'>')
                    ++i;
                a.value = decoded(text.sliced(k, i - k));
            }
            // else: "NAME=" and white space, the builders' empty value.
        }
        a.end = i - from;
        tag.attributes.append(a);
    }
}

QString bodyBackground(QStringView text)
{
    static const QLatin1String body("<body");
    for (qsizetype at = text.indexOf(body, 0, Qt::CaseInsensitive); at >= 0;
         at = text.indexOf(body, at + 1, Qt::CaseInsensitive)) {
        const qsizetype after = at + body.size();
        if (after < text.size() && !isSpace(text[after]) && text[after] != u'>')
            continue;
        if (const std::optional<Tag> tag = read(text, at))
            return tag->value(u"BGCOLOR");
        return QString();
    }
    return QString();
}

} // namespace tagreader

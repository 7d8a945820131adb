// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads the tags of an HTML fragment the way a browser's tokenizer does:
// names, attributes and their values (quoted, single-quoted or bare), text
// between tags, comments skipped, and the content of SCRIPT and STYLE kept
// whole. Enough to see whether a typed value stayed inside its attribute.

#include <QList>
#include <QString>
#include <QStringList>

namespace htmltags {

struct Attribute
{
    QString name;
    QString value; // with the character references of quotes and '&' read
};

struct Tag
{
    QString name; // as written; "/NAME" for an end tag
    QList<Attribute> attributes;
    QString rawText; // the content of a SCRIPT or STYLE element
};

struct Scan
{
    QList<Tag> tags;
    QStringList texts;
    QString error; // empty when the fragment read to its end
};

inline QString decode(QString value)
{
    value.replace(QLatin1String("&quot;"), QLatin1String("\""));
    value.replace(QLatin1String("&#34;"), QLatin1String("\""));
    value.replace(QLatin1String("&#39;"), QLatin1String("'"));
    value.replace(QLatin1String("&lt;"), QLatin1String("<"));
    value.replace(QLatin1String("&gt;"), QLatin1String(">"));
    value.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return value;
}

inline bool isAsciiLetter(QChar ch)
{
    return (ch >= u'a' && ch <= u'z') || (ch >= u'A' && ch <= u'Z');
}

inline Scan scan(const QString &html)
{
    Scan out;
    const qsizetype n = html.size();
    qsizetype i = 0;
    QString text;
    auto flushText = [&] {
        if (!text.isEmpty())
            out.texts << text;
        text.clear();
    };
    auto isSpace = [](QChar ch) {
        return ch == u' ' || ch == u'\t' || ch == u'\n' || ch == u'\r' || ch == u'\f';
    };
    while (i < n) {
        const QChar ch = html.at(i);
        if (ch != u'<' || i + 1 >= n) {
            text += ch;
            ++i;
            continue;
        }
        if (html.mid(i, 4) == QLatin1String("<!--")) {
            const qsizetype end = html.indexOf(QLatin1String("-->"), i + 4);
            if (end < 0) {
                out.error = QStringLiteral("unclosed comment at %1").arg(i);
                return out;
            }
            flushText();
            i = end + 3;
            continue;
        }
        const bool closing = html.at(i + 1) == u'/';
        const qsizetype nameStart = i + (closing ? 2 : 1);
        if (html.at(i + 1) == u'!') {
            const qsizetype end = html.indexOf(u'>', i);
            if (end < 0) {
                out.error = QStringLiteral("unclosed declaration at %1").arg(i);
                return out;
            }
            flushText();
            i = end + 1;
            continue;
        }
        if (nameStart >= n || !isAsciiLetter(html.at(nameStart))) {
            text += ch;
            ++i;
            continue;
        }
        flushText();
        Tag tag;
        qsizetype j = nameStart;
        while (j < n && !isSpace(html.at(j)) && html.at(j) != u'/' && html.at(j) != u'>')
            ++j;
        tag.name = (closing ? QStringLiteral("/") : QString()) + html.mid(nameStart, j - nameStart);
        for (;;) {
            while (j < n && (isSpace(html.at(j)) || html.at(j) == u'/'))
                ++j;
            if (j >= n) {
                out.error = QStringLiteral("tag <%1 not closed").arg(tag.name);
                return out;
            }
            if (html.at(j) == u'>') {
                ++j;
                break;
            }
            const qsizetype attrStart = j;
            ++j; // a first '=' belongs to the name
            while (j < n && !isSpace(html.at(j)) && html.at(j) != u'/' && html.at(j) != u'>' &&
                   html.at(j) != u'=')
                ++j;
            Attribute attribute{html.mid(attrStart, j - attrStart), QString()};
            qsizetype k = j;
            while (k < n && isSpace(html.at(k)))
                ++k;
            if (k < n && html.at(k) == u'=') {
                ++k;
                while (k < n && isSpace(html.at(k)))
                    ++k;
                if (k < n && (html.at(k) == u'"' || html.at(k) == u'\'')) {
                    const qsizetype end = html.indexOf(html.at(k), k + 1);
                    if (end < 0) {
                        out.error = QStringLiteral("unclosed value of %1").arg(attribute.name);
                        return out;
                    }
                    attribute.value = decode(html.mid(k + 1, end - k - 1));
                    j = end + 1;
                } else {
                    qsizetype end = k;
                    while (end < n && !isSpace(html.at(end)) && html.at(end) != u'>')
                        ++end;
                    attribute.value = decode(html.mid(k, end - k));
                    j = end;
                }
            }
            tag.attributes << attribute;
        }
        i = j;
        // Script and style content is text up to the element's end tag.
        const QString lower = tag.name.toLower();
        if (lower == QLatin1String("script") || lower == QLatin1String("style")) {
            const qsizetype end = html.indexOf(QLatin1String("</") + lower, i, Qt::CaseInsensitive);
            if (end < 0) {
                out.error = QStringLiteral("<%1> not ended").arg(tag.name);
                return out;
            }
            tag.rawText = html.mid(i, end - i);
            i = end;
        }
        out.tags << tag;
    }
    flushText();
    return out;
}

} // namespace htmltags

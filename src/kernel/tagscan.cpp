// SPDX-License-Identifier: GPL-3.0-or-later
#include "kernel/tagscan.h"

namespace tagscan {

namespace {

bool isSpace(QChar c)
{
    const char16_t u = c.unicode();
    return u == u' ' || u == u'\t' || u == u'\n' || u == u'\r' || u == u'\f';
}

bool isAsciiLetter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z');
}

bool isAsciiAlnum(QChar c)
{
    return isAsciiLetter(c) || (c.unicode() >= u'0' && c.unicode() <= u'9');
}

// Elements whose content is text up to their own end tag.
const QLatin1StringView kRawText[] = {QLatin1StringView("script"), QLatin1StringView("style"),
                                      QLatin1StringView("xmp"), QLatin1StringView("textarea"),
                                      QLatin1StringView("title")};

} // namespace

bool Scanner::nameIs(qsizetype start, qsizetype length, QLatin1StringView name) const
{
    return length == name.size() &&
           m_text.sliced(start, length).compare(name, Qt::CaseInsensitive) == 0;
}

const Attribute *Scanner::find(const Tag &tag, QLatin1StringView name) const
{
    for (const Attribute &attribute : tag.attributes) {
        if (nameIs(attribute.nameStart, attribute.nameLength, name))
            return &attribute;
    }
    return nullptr;
}

QStringView Scanner::rawValue(const Attribute &attribute) const
{
    if (attribute.valueStart < 0)
        return {};
    return m_text.sliced(attribute.valueStart, attribute.valueLength);
}

QString Scanner::value(const Attribute &attribute) const
{
    return decodeReferences(rawValue(attribute));
}

bool Scanner::next(Tag *tag)
{
    const qsizetype n = m_text.size();
    for (;;) {
        const qsizetype lt = m_text.indexOf(u'<', m_pos);
        if (lt < 0 || lt + 1 >= n) {
            m_pos = n;
            return false;
        }
        const QChar c = m_text[lt + 1];
        if (c == u'!') {
            if (m_text.sliced(lt).startsWith(u"<!--")) {
                // "<!-->" and "<!--->" are whole (empty) comments.
                qsizetype from = lt + 4;
                if (from < n && m_text[from] == u'>') {
                    m_pos = from + 1;
                    continue;
                }
                if (from + 1 < n && m_text[from] == u'-' && m_text[from + 1] == u'>') {
                    m_pos = from + 2;
                    continue;
                }
                const qsizetype close = m_text.indexOf(u"-->", from);
                m_pos = close < 0 ? n : close + 3;
                continue;
            }
            const qsizetype gt = m_text.indexOf(u'>', lt + 2);
            m_pos = gt < 0 ? n : gt + 1;
            continue;
        }
        if (c == u'?' || c == u'/') {
            // Processing instructions, end tags and bogus comments.
            const qsizetype gt = m_text.indexOf(u'>', lt + 2);
            m_pos = gt < 0 ? n : gt + 1;
            continue;
        }
        if (!isAsciiLetter(c)) {
            m_pos = lt + 1;
            continue;
        }

        tag->start = lt;
        tag->nameStart = lt + 1;
        tag->attributes.clear();
        qsizetype p = lt + 1;
        while (p < n && !isSpace(m_text[p]) && m_text[p] != u'/' && m_text[p] != u'>')
            ++p;
        tag->nameLength = p - tag->nameStart;
        tag->end = n;
        for (;;) {
            while (p < n && (isSpace(m_text[p]) || m_text[p] == u'/'))
                ++p;
            if (p >= n)
                break;
            if (m_text[p] == u'>') {
                tag->end = p + 1;
                break;
            }
            Attribute attribute;
            attribute.nameStart = p;
            ++p; // a name may start with "="
            while (p < n && !isSpace(m_text[p]) && m_text[p] != u'/' && m_text[p] != u'>' &&
                   m_text[p] != u'=')
                ++p;
            attribute.nameLength = p - attribute.nameStart;
            qsizetype q = p;
            while (q < n && isSpace(m_text[q]))
                ++q;
            if (q < n && m_text[q] == u'=') {
                ++q;
                while (q < n && isSpace(m_text[q]))
                    ++q;
                if (q < n && (m_text[q] == u'"' || m_text[q] == u'\'')) {
                    attribute.quote = m_text[q].unicode();
                    attribute.valueStart = q + 1;
                    const qsizetype close = m_text.indexOf(QChar(attribute.quote), q + 1);
                    const qsizetype stop = close < 0 ? n : close;
                    attribute.valueLength = stop - attribute.valueStart;
                    p = close < 0 ? n : close + 1;
                } else {
                    attribute.valueStart = q;
                    while (q < n && !isSpace(m_text[q]) && m_text[q] != u'>')
                        ++q;
                    attribute.valueLength = q - attribute.valueStart;
                    p = q;
                }
            }
            tag->attributes.append(attribute);
        }
        m_pos = tag->end;
        skipRawText(*tag);
        return true;
    }
}

void Scanner::skipRawText(const Tag &tag)
{
    if (tagIs(tag, QLatin1StringView("plaintext"))) {
        m_pos = m_text.size();
        return;
    }
    for (const QLatin1StringView name : kRawText) {
        if (!tagIs(tag, name))
            continue;
        const QString close = QStringLiteral("</") + name;
        for (qsizetype at = m_text.indexOf(close, m_pos, Qt::CaseInsensitive); at >= 0;
             at = m_text.indexOf(close, at + 2, Qt::CaseInsensitive)) {
            // "</scripts" is not the end of a script.
            const qsizetype after = at + close.size();
            if (after >= m_text.size() || isSpace(m_text[after]) || m_text[after] == u'>' ||
                m_text[after] == u'/') {
                m_pos = at;
                return;
            }
        }
        m_pos = m_text.size();
        return;
    }
}

QString decodeReferences(QStringView raw)
{
    qsizetype amp = raw.indexOf(u'&');
    if (amp < 0)
        return raw.toString();
    struct Named
    {
        QLatin1StringView name;
        char16_t character;
    };
    static const Named named[] = {
        {QLatin1StringView("amp"), u'&'},   {QLatin1StringView("lt"), u'<'},
        {QLatin1StringView("gt"), u'>'},    {QLatin1StringView("quot"), u'"'},
        {QLatin1StringView("apos"), u'\''}, {QLatin1StringView("nbsp"), u'\u00A0'},
    };
    QString out;
    out.reserve(raw.size());
    qsizetype from = 0;
    const qsizetype n = raw.size();
    while (amp >= 0) {
        out += raw.sliced(from, amp - from);
        qsizetype p = amp + 1;
        bool decoded = false;
        if (p < n && raw[p] == u'#') {
            ++p;
            const bool hex = p < n && (raw[p] == u'x' || raw[p] == u'X');
            if (hex)
                ++p;
            const qsizetype digits = p;
            char32_t code = 0;
            while (p < n && code <= 0x10FFFF) {
                const char16_t u = raw[p].unicode();
                int d = -1;
                if (u >= u'0' && u <= u'9')
                    d = u - u'0';
                else if (hex && u >= u'a' && u <= u'f')
                    d = u - u'a' + 10;
                else if (hex && u >= u'A' && u <= u'F')
                    d = u - u'A' + 10;
                if (d < 0)
                    break;
                code = code * (hex ? 16 : 10) + char32_t(d);
                ++p;
            }
            if (p > digits && code > 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF)) {
                if (p < n && raw[p] == u';')
                    ++p;
                out += QString::fromUcs4(&code, 1);
                decoded = true;
            }
        } else {
            for (const Named &entity : named) {
                const qsizetype end = p + entity.name.size();
                if (end > n || raw.sliced(p, entity.name.size()) != entity.name)
                    continue;
                if (end < n && raw[end] == u';') {
                    p = end + 1;
                } else if (entity.name != QLatin1StringView("apos") &&
                           (end >= n || (!isAsciiAlnum(raw[end]) && raw[end] != u'='))) {
                    // The old names also stand without ";", but not in
                    // front of what continues a query ("&amp=").
                    p = end;
                } else {
                    continue;
                }
                out += QChar(entity.character);
                decoded = true;
                break;
            }
        }
        if (!decoded) {
            out += u'&';
            p = amp + 1;
        }
        from = p;
        amp = raw.indexOf(u'&', from);
    }
    out += raw.sliced(from);
    return out;
}

int LineCounter::lineAt(qsizetype position)
{
    const qsizetype n = m_text.size();
    position = std::min(position, n);
    for (; m_pos < position; ++m_pos) {
        const char16_t u = m_text[m_pos].unicode();
        if (u == u'\n' || (u == u'\r' && (m_pos + 1 >= n || m_text[m_pos + 1] != u'\n')))
            ++m_line;
    }
    return m_line;
}

} // namespace tagscan

// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/completion.h"

#include "editor/htmlvocabulary.h"

#include <algorithm>

namespace completion {

namespace {

using markupscan::ElementPool;

// Tags longer than this are not read back for completion.
constexpr qsizetype LongestTag = 1 << 16;

bool isNameByte(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_' || c == ':' || c == '.';
}

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f';
}

bool isAlphanumeric(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

QString cased(const QString &name, LetterCase letterCase)
{
    return letterCase == LetterCase::Upper ? name.toUpper() : name.toLower();
}

bool startsWith(const QString &name, const QString &typed)
{
    return name.startsWith(typed, Qt::CaseInsensitive);
}

// The word around pos runs on over these bytes after it.
qsizetype wordEnd(const markupnav::Text &text, qsizetype pos, bool (*inWord)(char))
{
    const QByteArrayView after = text.bytes(pos, std::min(text.size(), pos + 256));
    qsizetype n = 0;
    while (n < after.size() && inWord(after[n]))
        ++n;
    return pos + n;
}

char byteAt(const markupnav::Text &text, qsizetype pos)
{
    return pos < text.size() ? text.bytes(pos, pos + 1)[0] : 0;
}

Context entityAt(const markupnav::Text &text, qsizetype pos)
{
    Context context;
    const qsizetype back = std::max(text.lineStart(text.lineAt(pos)), pos - 64);
    const QByteArrayView before = text.bytes(back, pos);
    qsizetype amp = before.size();
    while (amp > 0 && isAlphanumeric(before[amp - 1]))
        --amp;
    if (amp == 0 || before[amp - 1] != '&')
        return context;
    context.kind = Kind::Entity;
    context.from = back + amp;
    context.to = wordEnd(text, pos, isAlphanumeric);
    context.typed = QString::fromLatin1(before.sliced(amp));
    context.after = byteAt(text, context.to);
    return context;
}

// Within a tag: which word of it the caret is in.
Context inTag(const markupnav::Text &text, const markupnav::Context &scan, qsizetype pos)
{
    Context context;
    const qsizetype start = scan.tagStart;
    if (start < 0 || pos - start > LongestTag)
        return context;
    const QByteArray tag = text.bytes(start, pos).toByteArray();
    const bool endTag = tag.size() > 1 && tag[1] == '/';
    if (scan.rawText && !endTag)
        return context;
    qsizetype i = endTag ? 2 : 1;
    const bool declaration = !endTag && i < tag.size() && tag[i] == '!';
    if (declaration)
        ++i;
    const qsizetype nameStart = i;
    while (i < tag.size() && isNameByte(tag[i]))
        ++i;
    if (i == tag.size()) {
        // In the name.
        const char first = nameStart < i ? tag[nameStart] : 'a';
        if (!declaration && !((first >= 'A' && first <= 'Z') || (first >= 'a' && first <= 'z')))
            return context;
        context.kind = endTag ? Kind::EndTag : Kind::Element;
        context.from = start + (declaration ? nameStart - 1 : nameStart);
        context.to = wordEnd(text, pos, isNameByte);
        context.typed = QString::fromLatin1(tag.mid(context.from - start));
        context.after = byteAt(text, context.to);
        const ElementPool &pool = text.pool();
        for (quint32 n = scan.elements; n != ElementPool::Root; n = pool.parent(n)) {
            const QString name = QString::fromLatin1(pool.nameOf(pool.name(n)));
            if (!context.open.contains(name))
                context.open << name;
        }
        return context;
    }
    if (endTag || declaration || nameStart == i || !isSpace(tag[i]))
        return context;
    context.element = QString::fromLatin1(tag.mid(nameStart, i - nameStart)).toLower();
    // The attributes: name, then perhaps "=" and a value, quoted or not.
    enum { Between, Name, AfterName, AfterEquals, Quoted, Unquoted } where = Between;
    qsizetype wordStart = i;
    char quote = 0;
    QString name;
    for (; i < tag.size(); ++i) {
        const char c = tag[i];
        switch (where) {
        case Between:
        case AfterName:
            if (isSpace(c))
                break;
            if (c == '=' && where == AfterName) {
                where = AfterEquals;
                break;
            }
            if (c == '/' || c == '"' || c == '\'' || c == '=') {
                where = Between;
                break;
            }
            where = Name;
            wordStart = i;
            break;
        case Name:
            if (isSpace(c) || c == '=') {
                name = QString::fromLatin1(tag.mid(wordStart, i - wordStart));
                context.present << name.toLower();
                where = c == '=' ? AfterEquals : AfterName;
            }
            break;
        case AfterEquals:
            if (isSpace(c))
                break;
            if (c == '"' || c == '\'') {
                quote = c;
                where = Quoted;
                wordStart = i + 1;
            } else {
                where = Unquoted;
                wordStart = i;
            }
            break;
        case Quoted:
            if (c == quote)
                where = Between;
            break;
        case Unquoted:
            if (isSpace(c))
                where = Between;
            break;
        }
    }
    switch (where) {
    case Between:
    case AfterName:
        context.kind = Kind::Attribute;
        context.from = context.to = pos;
        break;
    case Name:
        context.kind = Kind::Attribute;
        context.from = start + wordStart;
        context.to = wordEnd(text, pos, isNameByte);
        context.typed = QString::fromLatin1(tag.mid(wordStart));
        break;
    case AfterEquals:
    case Quoted:
    case Unquoted: {
        context.attribute = name.toLower();
        if (!vocabulary::valuesOf(context.element, context.attribute))
            return Context();
        context.kind = Kind::Value;
        context.attributeSpelling = name;
        context.quote = where == Quoted ? quote : 0;
        context.from = where == AfterEquals ? pos : start + wordStart;
        context.to = wordEnd(
            text, pos, [](char c) { return !isSpace(c) && c != '"' && c != '\'' && c != '>'; });
        context.typed = QString::fromLatin1(tag.mid(context.from - start));
        break;
    }
    }
    context.after = byteAt(text, context.to);
    return context;
}

} // namespace

Context contextAt(const markupnav::Text &text, qsizetype pos)
{
    pos = std::clamp<qsizetype>(pos, 0, text.size());
    const markupnav::Context scan = markupnav::contextAt(text, pos);
    if (scan.state.inComment)
        return Context();
    if (scan.state.inTag)
        return inTag(text, scan, pos);
    if (scan.rawText)
        return Context();
    return entityAt(text, pos);
}

LetterCase caseOf(QStringView typed, LetterCase fallback)
{
    bool upper = false;
    bool lower = false;
    for (const QChar c : typed) {
        upper = upper || c.isUpper();
        lower = lower || c.isLower();
    }
    if (upper != lower)
        return upper ? LetterCase::Upper : LetterCase::Lower;
    return fallback;
}

QVector<Entry> entries(const Context &context, LetterCase fallback)
{
    QVector<Entry> out;
    const LetterCase letterCase = caseOf(context.typed, fallback);
    switch (context.kind) {
    case Kind::None:
        break;
    case Kind::Element:
        for (const vocabulary::Element &element : vocabulary::elements()) {
            if (!startsWith(element.name, context.typed))
                continue;
            Entry entry{cased(element.name, letterCase), cased(element.name, letterCase), 0,
                        element.obsolete()};
            if (element.name == QLatin1String("!--")) {
                entry.insert = QStringLiteral("!--  -->");
                entry.caretBack = 4;
            }
            if (context.after == '>' && entry.insert.endsWith(u'>'))
                entry.insert.chop(1);
            out << entry;
        }
        break;
    case Kind::EndTag:
        for (const QString &name : context.open) {
            if (startsWith(name, context.typed)) {
                const QString written = cased(name, letterCase);
                out << Entry{written, context.after == '>' ? written : written + u'>', 0,
                             vocabulary::elementIndex(name) >= 0 &&
                                 vocabulary::elements()[vocabulary::elementIndex(name)].obsolete()};
            }
        }
        break;
    case Kind::Attribute:
        for (const vocabulary::Attribute &attribute : vocabulary::attributesOf(context.element)) {
            if (!startsWith(attribute.name, context.typed) ||
                context.present.contains(attribute.name))
                continue;
            const QString name = cased(attribute.name, letterCase);
            Entry entry{name, name, 0, attribute.obsolete};
            if (!attribute.boolean && context.after != '=') {
                entry.insert += QStringLiteral("=\"\"");
                entry.caretBack = 1;
            }
            out << entry;
        }
        break;
    case Kind::Value: {
        const vocabulary::ValueSet *set = vocabulary::valuesOf(context.element, context.attribute);
        const LetterCase valueCase =
            context.typed.isEmpty() ? caseOf(context.attributeSpelling, fallback) : letterCase;
        for (const QString &value : set->values) {
            if (!value.startsWith(context.typed,
                                  set->exactCase ? Qt::CaseSensitive : Qt::CaseInsensitive))
                continue;
            const QString written = set->exactCase ? value : cased(value, valueCase);
            Entry entry{written, written};
            if (!context.quote)
                entry.insert = u'"' + written + u'"';
            else if (context.after != context.quote)
                entry.insert += QLatin1Char(context.quote);
            out << entry;
        }
        break;
    }
    case Kind::Entity: {
        QVector<Entry> otherCase;
        const QByteArray typed = context.typed.toLatin1();
        for (const vocabulary::Entity &entity : vocabulary::entities()) {
            const QLatin1String name(entity.name);
            if (!name.startsWith(QLatin1String(typed), Qt::CaseInsensitive))
                continue;
            Entry entry{name + QStringLiteral("  ") + entity.text(),
                        context.after == ';' ? QString(name) : name + u';'};
            (name.startsWith(QLatin1String(typed)) ? out : otherCase) << entry;
        }
        out += otherCase;
        break;
    }
    }
    return out;
}

} // namespace completion

// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/spelltext.h"

#include <QVarLengthArray>

#include <cctype>
#include <cstring>

namespace spelltext {

namespace {

constexpr int ModeBits = 0, PartShift = 2, ElementShift = 5, EndTagBit = 1 << 7,
              ReadValueBit = 1 << 8, QuoteShift = 9;

bool isSpace(unsigned char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

bool isAsciiLetter(unsigned char c)
{
    return (c | 0x20) >= 'a' && (c | 0x20) <= 'z';
}

// Whether the bytes at p (left of them) begin with the lower-case word.
bool startsWithNoCase(const char *p, qsizetype left, const char *lower)
{
    const auto n = qsizetype(std::strlen(lower));
    if (left < n)
        return false;
    for (qsizetype k = 0; k < n; ++k) {
        if (char(p[k] | 0x20) != lower[k])
            return false;
    }
    return true;
}

// One code point of a token and where its bytes start.
struct CodePoint
{
    char32_t c;
    qsizetype at;
};

bool isApostrophe(char32_t c)
{
    return c == U'\'' || c == U'\u2019';
}

bool isWordChar(char32_t c)
{
    return QChar::isLetter(c) || QChar::isMark(c);
}

// Characters that make a token code, an address, a number or a file name
// rather than words.
bool isCodeChar(char32_t c)
{
    if (c < 0x80)
        return std::strchr("_@/\\=#~|{}[]^*+$%&<>0123456789", char(c)) != nullptr && c != 0;
    return QChar::isDigit(c);
}

class Scanner
{
public:
    Scanner(const char *text, qsizetype size, State &state, qsizetype base, QList<Word> *words)
        : p(text), n(size), st(state), base(base), out(words)
    {
    }

    void run()
    {
        while (i < n) {
            switch (st.mode) {
            case State::Text:
                text();
                break;
            case State::Tag:
                tag();
                break;
            case State::Comment:
                comment();
                break;
            case State::Raw:
                raw();
                break;
            }
        }
        endToken(n);
    }

private:
    bool tagStartsAt(qsizetype k) const
    {
        if (k + 1 >= n)
            return false;
        const auto next = static_cast<unsigned char>(p[k + 1]);
        return isAsciiLetter(next) || next == '/' || next == '!' || next == '?';
    }

    void text()
    {
        if (!out) {
            for (;;) {
                const void *lt = std::memchr(p + i, '<', size_t(n - i));
                if (!lt) {
                    i = n;
                    return;
                }
                i = static_cast<const char *>(lt) - p;
                if (tagStartsAt(i)) {
                    beginTag();
                    return;
                }
                ++i;
            }
        }
        for (; i < n; ++i) {
            const auto c = static_cast<unsigned char>(p[i]);
            if (c == '<' && tagStartsAt(i)) {
                endToken(i);
                beginTag();
                return;
            }
            if (isSpace(c))
                endToken(i);
            else if (tokenStart < 0)
                tokenStart = i;
        }
    }

    void beginTag()
    {
        if (startsWithNoCase(p + i + 1, n - i - 1, "!--")) {
            st.mode = State::Comment;
            i += 4;
            return;
        }
        st.mode = State::Tag;
        st.endTag = p[i + 1] == '/';
        st.element = State::Other;
        i += st.endTag ? 2 : 1;
        startName();
    }

    void startName()
    {
        st.part = State::Name;
        st.readValue = false;
        st.quote = 0;
        nameLength = 0;
    }

    void addName(char c)
    {
        if (nameLength < qsizetype(sizeof name))
            name[nameLength] = char(c | 0x20);
        ++nameLength;
    }

    bool nameIs(const char *lower) const
    {
        const auto length = qsizetype(std::strlen(lower));
        return nameLength == length && std::memcmp(name, lower, size_t(length)) == 0;
    }

    void endOfTag()
    {
        if (!st.endTag && st.element != State::Other) {
            st.mode = State::Raw;
        } else {
            st.mode = State::Text;
            st.element = State::Other;
        }
        st.part = State::Name;
        st.endTag = false;
        st.readValue = false;
        st.quote = 0;
    }

    void tag()
    {
        while (i < n) {
            const auto c = static_cast<unsigned char>(p[i]);
            switch (st.part) {
            case State::Name:
                if (isSpace(c) || c == '>' || c == '/') {
                    st.element = nameIs("script")  ? State::Script
                                 : nameIs("style") ? State::Style
                                                   : State::Other;
                    st.part = State::Between;
                    continue;
                }
                addName(char(c));
                ++i;
                continue;
            case State::Between:
                if (c == '>') {
                    ++i;
                    endOfTag();
                    return;
                }
                if (!isSpace(c) && c != '/') {
                    st.part = State::AttributeName;
                    nameLength = 0;
                    continue;
                }
                ++i;
                continue;
            case State::AttributeName:
                if (isSpace(c) || c == '>' || c == '/' || c == '=') {
                    st.readValue = nameIs("alt") || nameIs("title");
                    st.part = State::AfterName;
                    continue;
                }
                addName(char(c));
                ++i;
                continue;
            case State::AfterName:
                if (c == '=') {
                    st.part = State::BeforeValue;
                    ++i;
                } else if (isSpace(c)) {
                    ++i;
                } else {
                    st.readValue = false;
                    st.part = State::Between;
                }
                continue;
            case State::BeforeValue:
                if (isSpace(c)) {
                    ++i;
                } else if (c == '>') {
                    st.readValue = false;
                    st.part = State::Between;
                } else {
                    st.part = State::Value;
                    st.quote = c == '"' || c == '\'' ? char(c) : 0;
                    if (st.quote)
                        ++i;
                }
                continue;
            case State::Value:
                if (st.quote ? c == static_cast<unsigned char>(st.quote) : isSpace(c) || c == '>') {
                    endToken(i);
                    st.part = State::Between;
                    st.readValue = false;
                    if (st.quote) {
                        st.quote = 0;
                        ++i;
                    }
                    continue;
                }
                if (st.readValue && out) {
                    if (isSpace(c))
                        endToken(i);
                    else if (tokenStart < 0)
                        tokenStart = i;
                }
                ++i;
                continue;
            }
        }
    }

    void comment()
    {
        while (i < n) {
            const void *gt = std::memchr(p + i, '>', size_t(n - i));
            if (!gt) {
                i = n;
                return;
            }
            const qsizetype at = static_cast<const char *>(gt) - p;
            i = at + 1;
            if (at >= 2 && p[at - 1] == '-' && p[at - 2] == '-') {
                st.mode = State::Text;
                return;
            }
        }
    }

    // The content of SCRIPT or STYLE ends at its own end tag only.
    void raw()
    {
        const char *end = st.element == State::Script ? "/script" : "/style";
        const auto endLength = qsizetype(std::strlen(end));
        while (i < n) {
            const void *lt = std::memchr(p + i, '<', size_t(n - i));
            if (!lt) {
                i = n;
                return;
            }
            const qsizetype at = static_cast<const char *>(lt) - p;
            i = at + 1;
            if (!startsWithNoCase(p + i, n - i, end))
                continue;
            const qsizetype after = i + endLength;
            const auto next = after < n ? static_cast<unsigned char>(p[after]) : ' ';
            if (isSpace(next) || next == '>' || next == '/') {
                st.mode = State::Tag;
                st.endTag = true;
                ++i; // the name follows the "/"
                startName();
                return;
            }
        }
    }

    void endToken(qsizetype end)
    {
        if (tokenStart < 0)
            return;
        if (out)
            evaluate(tokenStart, end);
        tokenStart = -1;
    }

    // Splits a token into words; a token with code characters, or with a
    // "." or ":" between letters (an address, "e.g."), gives none.
    void evaluate(qsizetype from, qsizetype to)
    {
        QVarLengthArray<CodePoint, 64> cps;
        for (qsizetype k = from; k < to;) {
            const auto c = static_cast<unsigned char>(p[k]);
            int extra = c < 0x80 ? 0 : c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : -1;
            char32_t value = extra == 0   ? c
                             : extra == 1 ? c & 0x1F
                             : extra == 2 ? c & 0x0F
                                          : c & 0x07;
            bool valid = extra >= 0 && k + extra < to;
            for (int e = 1; valid && e <= extra; ++e) {
                const auto cont = static_cast<unsigned char>(p[k + e]);
                valid = (cont & 0xC0) == 0x80;
                value = (value << 6) | (cont & 0x3F);
            }
            if (!valid) {
                extra = 0;
                value = U'\uFFFD';
            }
            cps.append({value, k});
            k += extra + 1;
        }
        spaceOutSeparators(cps);
        cps.append({U' ', to});
        qsizetype pieceStart = 0;
        for (qsizetype k = 0; k < cps.size(); ++k) {
            if (QChar::isSpace(cps[k].c)) {
                piece(cps, pieceStart, k);
                pieceStart = k + 1;
            }
        }
    }

    // Entities that stand for spaces or punctuation ("&nbsp;", "&#8212;")
    // part words like a space; the others (letters such as "&eacute;")
    // stay, and the words they are part of are let be.
    static void spaceOutSeparators(QVarLengthArray<CodePoint, 64> &cps)
    {
        for (qsizetype k = 0; k < cps.size(); ++k) {
            if (cps[k].c != U'&')
                continue;
            qsizetype end = k + 1;
            QByteArray name;
            while (end < cps.size() && end - k <= 10 && cps[end].c < 0x80 &&
                   (std::isalnum(int(cps[end].c)) || cps[end].c == U'#'))
                name += char(cps[end++].c);
            if (end < cps.size() && cps[end].c == U';' && !name.isEmpty() && separates(name)) {
                for (qsizetype m = k; m <= end; ++m)
                    cps[m].c = U' ';
                k = end;
            }
        }
    }

    static bool separates(const QByteArray &name)
    {
        if (name.startsWith('#')) {
            bool ok = false;
            const bool hex = name.size() > 1 && (name[1] == 'x' || name[1] == 'X');
            const uint code = name.mid(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
            if (!ok || code > 0x10FFFF)
                return false;
            return QChar::isSpace(char32_t(code)) || QChar::isPunct(char32_t(code)) ||
                   QChar::isSymbol(char32_t(code));
        }
        static const char *const named[] = {
            "nbsp",  "amp",   "lt",     "gt",     "quot",  "apos",  "ensp",  "emsp",  "thinsp",
            "ndash", "mdash", "hellip", "laquo",  "raquo", "lsquo", "rsquo", "ldquo", "rdquo",
            "sbquo", "bdquo", "bull",   "middot", "copy",  "reg",   "trade", "shy",   "zwsp"};
        for (const char *n : named) {
            if (name == n)
                return true;
        }
        return false;
    }

    void piece(const QVarLengthArray<CodePoint, 64> &cps, qsizetype from, qsizetype to)
    {
        for (qsizetype k = from; k < to; ++k) {
            const char32_t c = cps[k].c;
            if (isCodeChar(c))
                return;
            if ((c == U'.' || c == U':') && k > from && k + 1 < to && isWordChar(cps[k - 1].c) &&
                isWordChar(cps[k + 1].c))
                return;
        }
        for (qsizetype k = from; k < to;) {
            if (!isWordChar(cps[k].c)) {
                ++k;
                continue;
            }
            const qsizetype start = k;
            while (k < to && (isWordChar(cps[k].c) ||
                              (isApostrophe(cps[k].c) && k + 1 < to && isWordChar(cps[k + 1].c))))
                ++k;
            addWord(cps, start, k);
        }
    }

    void addWord(const QVarLengthArray<CodePoint, 64> &cps, qsizetype from, qsizetype to)
    {
        QString word;
        bool lower = false;
        int letters = 0;
        for (qsizetype k = from; k < to; ++k) {
            const char32_t c = cps[k].c;
            if (QChar::isLetter(c)) {
                ++letters;
                lower = lower || !QChar::isUpper(c);
            }
            if (QChar::requiresSurrogates(c)) {
                word += QChar(QChar::highSurrogate(c));
                word += QChar(QChar::lowSurrogate(c));
            } else {
                word += QChar(char16_t(c));
            }
        }
        // Single letters and words in capitals (abbreviations) are let be.
        if (letters < 2 || !lower)
            return;
        out->append({base + cps[from].at, cps[to].at - cps[from].at, word});
    }

    const char *p;
    qsizetype n;
    State &st;
    qsizetype base;
    QList<Word> *out;
    qsizetype i = 0;
    qsizetype tokenStart = -1;
    char name[8] = {};
    qsizetype nameLength = 0;
};

// The attributes of a tag from just after its name to its ">"; the value of
// the first one named like one of names.
QString attributeValue(QStringView tag, const QStringList &names)
{
    qsizetype k = 0;
    const qsizetype n = tag.size();
    while (k < n) {
        while (k < n && (tag[k].isSpace() || tag[k] == u'/'))
            ++k;
        const qsizetype nameStart = k;
        while (k < n && !tag[k].isSpace() && tag[k] != u'=' && tag[k] != u'/')
            ++k;
        const QStringView name = tag.mid(nameStart, k - nameStart);
        while (k < n && tag[k].isSpace())
            ++k;
        QStringView value;
        if (k < n && tag[k] == u'=') {
            ++k;
            while (k < n && tag[k].isSpace())
                ++k;
            if (k < n && (tag[k] == u'"' || tag[k] == u'\'')) {
                const QChar quote = tag[k++];
                const qsizetype end = tag.indexOf(quote, k);
                value = tag.mid(k, (end < 0 ? n : end) - k);
                k = end < 0 ? n : end + 1;
            } else {
                const qsizetype start = k;
                while (k < n && !tag[k].isSpace())
                    ++k;
                value = tag.mid(start, k - start);
            }
        }
        for (const QString &wanted : names) {
            if (name.compare(wanted, Qt::CaseInsensitive) == 0)
                return value.trimmed().toString();
        }
        if (name.isEmpty() && k < n)
            ++k;
    }
    return QString();
}

// How much of the page's start is read for its language.
constexpr qsizetype HeadBytes = 64 * 1024;

} // namespace

quint32 State::packed() const
{
    const quint32 quoteCode = quote == '"' ? 1 : quote == '\'' ? 2 : 0;
    return (quint32(mode) << ModeBits) | (quint32(part) << PartShift) |
           (quint32(element) << ElementShift) | (endTag ? EndTagBit : 0) |
           (readValue ? ReadValueBit : 0) | (quoteCode << QuoteShift);
}

State State::unpacked(quint32 value)
{
    State s;
    s.mode = Mode(value & 3);
    s.part = Part(qMin<quint32>((value >> PartShift) & 7, Value));
    s.element = Element(qMin<quint32>((value >> ElementShift) & 3, Style));
    s.endTag = value & EndTagBit;
    s.readValue = value & ReadValueBit;
    const quint32 quoteCode = (value >> QuoteShift) & 3;
    s.quote = quoteCode == 1 ? '"' : quoteCode == 2 ? '\'' : 0;
    return s;
}

void scan(const char *text, qsizetype size, State &state, qsizetype base, QList<Word> *words)
{
    Scanner(text, size, state, base, words).run();
}

QList<Word> words(QByteArrayView utf8)
{
    QList<Word> out;
    State state;
    const char *data = utf8.data();
    const qsizetype size = utf8.size();
    // Line by line, as an editor would scan it.
    for (qsizetype start = 0; start < size;) {
        const void *lf = std::memchr(data + start, '\n', size_t(size - start));
        const qsizetype end = lf ? static_cast<const char *>(lf) - data + 1 : size;
        scan(data + start, end - start, state, start, &out);
        start = end;
    }
    return out;
}

QStringList wordTexts(const QString &html)
{
    QStringList texts;
    for (const Word &w : words(html.toUtf8()))
        texts << w.text;
    return texts;
}

QString pageLanguage(QByteArrayView utf8)
{
    const QString head = QString::fromUtf8(utf8.first(qMin(utf8.size(), HeadBytes)));
    qsizetype k = 0;
    while ((k = head.indexOf(u'<', k)) >= 0) {
        if (QStringView(head).mid(k, 4) == u"<!--") {
            k = head.indexOf(QStringLiteral("-->"), k + 4);
            if (k < 0)
                return QString();
            k += 3;
            continue;
        }
        qsizetype end = k + 1;
        while (end < head.size() && (head[end].isLetterOrNumber() || head[end] == u'!' ||
                                     head[end] == u'?' || head[end] == u'/'))
            ++end;
        const QString name = head.mid(k + 1, end - k - 1).toLower();
        // The tag's end, outside its quoted values.
        qsizetype close = end;
        QChar quote;
        for (; close < head.size(); ++close) {
            const QChar c = head[close];
            if (!quote.isNull()) {
                if (c == quote)
                    quote = QChar();
            } else if (c == u'"' || c == u'\'') {
                quote = c;
            } else if (c == u'>') {
                break;
            }
        }
        if (name == u"html") {
            return attributeValue(QStringView(head).mid(end, close - end),
                                  {QStringLiteral("lang"), QStringLiteral("xml:lang")});
        }
        if (name == u"body")
            return QString();
        k = close + 1;
    }
    return QString();
}

} // namespace spelltext

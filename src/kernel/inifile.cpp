// SPDX-License-Identifier: GPL-3.0-or-later
#include "kernel/inifile.h"

#include "platform/numbers.h"
#include "platform/textfile.h"

namespace {

bool isSpace(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\n' || ch == '\r' || ch == '\f' || ch == '\v';
}

int hexValue(char ch)
{
    return numbers::hexDigit(char16_t(static_cast<unsigned char>(ch)));
}

// Bytes as they stand in the file: UTF-8 where they are UTF-8, otherwise
// Windows-1252, which maps every byte (the file keeps the bytes anyway).
QString decode(QByteArrayView bytes)
{
    textfile::Encoding encoding;
    return textfile::decode(bytes.toByteArray(), &encoding);
}

struct Line
{
    qsizetype start = 0;
    qsizetype length = 0;
    qsizetype equals = -1; // the first "=" outside quotes, or -1
};

// The next logical line from pos: blank lines and ";" comments are
// skipped; quotes and a backslash before a line break carry a value over
// several lines.
bool readLine(const QByteArray &data, qsizetype &pos, Line &line)
{
    const qsizetype n = data.size();
    qsizetype start = pos;
    while (start < n && isSpace(data[start]))
        ++start;
    bool inQuotes = false;
    line.equals = -1;
    qsizetype i = start;
    while (i < n) {
        const char ch = data[i++];
        if (ch == '=') {
            if (!inQuotes && line.equals < 0)
                line.equals = i - 1;
        } else if (ch == '\n' || ch == '\r') {
            if (i == start + 1) {
                ++start;
            } else if (!inQuotes) {
                --i;
                break;
            }
        } else if (ch == '\\') {
            if (i < n) {
                const char next = data[i++];
                if (i < n &&
                    ((next == '\n' && data[i] == '\r') || (next == '\r' && data[i] == '\n')))
                    ++i;
            }
        } else if (ch == '"') {
            inQuotes = !inQuotes;
        } else if (ch == ';') {
            if (i == start + 1) {
                while (i < n && data[i] != '\n' && data[i] != '\r')
                    ++i;
                while (i < n && isSpace(data[i]))
                    ++i;
                start = i;
            } else if (!inQuotes) {
                --i;
                break;
            }
        }
    }
    pos = i;
    line.start = start;
    line.length = i - start;
    return line.length > 0;
}

QString unescapeKey(const QByteArray &raw)
{
    QString out;
    const qsizetype n = raw.size();
    qsizetype i = 0;
    while (i < n) {
        const char ch = raw[i];
        if (ch == '\\') {
            out += u'/';
            ++i;
            continue;
        }
        if (ch != '%' || i == n - 1) {
            qsizetype j = i + 1;
            while (j < n && raw[j] != '%' && raw[j] != '\\')
                ++j;
            out += decode(QByteArrayView(raw).sliced(i, j - i));
            i = j;
            continue;
        }
        qsizetype first = i + 1;
        int digits = 2;
        if (raw[first] == 'U') {
            ++first;
            digits = 4;
        }
        int value = 0;
        bool ok = first + digits <= n;
        for (int d = 0; ok && d < digits; ++d) {
            const int v = hexValue(raw[first + d]);
            ok = v >= 0;
            value = value * 16 + v;
        }
        if (!ok) {
            out += u'%';
            ++i;
            continue;
        }
        out += QChar(char16_t(value));
        i = first + digits;
    }
    return out;
}

void chopTrailingSpaces(QString &text, qsizetype limit)
{
    while (text.size() > limit && (text.back() == u' ' || text.back() == u'\t'))
        text.chop(1);
}

struct ParsedValue
{
    QString text;
    bool isList = false;
    QStringList items;
};

// QSettings' reading of a value: escapes, quotes, and unquoted commas that
// make a list.
ParsedValue parseValue(const QByteArray &raw)
{
    ParsedValue out;
    QString current;
    bool inQuotes = false;
    bool quoted = false;
    const qsizetype n = raw.size();
    qsizetype i = 0;
    qsizetype chopLimit = 0;
    bool skipSpaces = true;
    bool cut = false; // ended inside an escape
    while (!cut) {
        if (skipSpaces) {
            while (i < n && (raw[i] == ' ' || raw[i] == '\t'))
                ++i;
            skipSpaces = false;
            chopLimit = current.size();
        }
        if (i >= n)
            break;
        const char ch = raw[i];
        if (ch == '\\') {
            ++i;
            if (i >= n) {
                cut = true;
                break;
            }
            const char e = raw[i++];
            static const char codes[] = "a\ab\bf\fn\nr\rt\tv\v\"\"?\?''\\\\";
            const char *code = nullptr;
            for (const char *c = codes; *c; c += 2) {
                if (*c == e) {
                    code = c;
                    break;
                }
            }
            if (code) {
                current += QLatin1Char(code[1]);
            } else if (e == 'x' || (e >= '0' && e <= '7')) {
                const int base = e == 'x' ? 16 : 8;
                char16_t value = e == 'x' ? 0 : char16_t(e - '0');
                if (e == 'x' && (i >= n || hexValue(raw[i]) < 0)) {
                    if (i >= n)
                        cut = true;
                    chopLimit = current.size();
                    continue;
                }
                for (; i < n; ++i) {
                    const int digit = hexValue(raw[i]);
                    if (digit < 0 || digit >= base)
                        break;
                    value = char16_t(value * base + digit);
                }
                current += QChar(value);
                if (i >= n)
                    cut = true;
            } else if (e == '\n' || e == '\r') {
                if (i < n && (raw[i] == '\n' || raw[i] == '\r') && raw[i] != e)
                    ++i;
            }
            chopLimit = current.size();
        } else if (ch == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes)
                skipSpaces = true;
        } else if (ch == ',' && !inQuotes) {
            if (!quoted)
                chopTrailingSpaces(current, chopLimit);
            out.isList = true;
            out.items << current;
            current.clear();
            quoted = false;
            ++i;
            skipSpaces = true;
        } else {
            qsizetype j = i + 1;
            while (j < n && raw[j] != '\\' && raw[j] != '"' && raw[j] != ',')
                ++j;
            current += decode(QByteArrayView(raw).sliced(i, j - i));
            i = j;
        }
    }
    if (!cut && !quoted)
        chopTrailingSpaces(current, chopLimit);
    if (out.isList)
        out.items << current;
    else
        out.text = current;
    return out;
}

void appendUtf8(QByteArray &out, QStringView text)
{
    out += text.toUtf8();
}

} // namespace

IniFile::IniFile(bool caseInsensitiveKeys) : m_caseInsensitive(caseInsensitiveKeys) {}

QString IniFile::indexKey(const QString &key) const
{
    return m_caseInsensitive ? key.toLower() : key;
}

IniFile::Section *IniFile::section(const QString &name)
{
    const auto found = m_sectionIndex.constFind(name);
    return found == m_sectionIndex.constEnd() ? nullptr : &m_sections[size_t(*found)];
}

const IniFile::Section *IniFile::section(const QString &name) const
{
    const auto found = m_sectionIndex.constFind(name);
    return found == m_sectionIndex.constEnd() ? nullptr : &m_sections[size_t(*found)];
}

IniFile::Section &IniFile::addSection(const QString &name, const QByteArray &rawName)
{
    m_sectionIndex.insert(name, int(m_sections.size()));
    m_sections.push_back(Section{name, rawName, {}, {}, 0});
    return m_sections.back();
}

const IniFile::Entry *IniFile::find(const Section *s, const QString &key) const
{
    if (!s)
        return nullptr;
    const auto found = s->index.constFind(indexKey(key));
    return found == s->index.constEnd() ? nullptr : &s->entries[size_t(*found)];
}

void IniFile::put(Section &s, const QString &key, const QByteArray &rawKey,
                  const QByteArray &rawValue)
{
    const QString indexed = indexKey(key);
    const auto found = s.index.constFind(indexed);
    if (found != s.index.constEnd()) {
        s.entries[size_t(*found)].rawValue = rawValue;
        return;
    }
    s.index.insert(indexed, int(s.entries.size()));
    s.entries.push_back(Entry{key, rawKey, rawValue, true});
    ++s.live;
}

bool IniFile::parse(const QByteArray &bytes, QString *problem)
{
    clear();
    qsizetype pos = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    int current = -1;
    Line line;
    while (readLine(bytes, pos, line)) {
        const QByteArray text = bytes.mid(line.start, line.length);
        if (text.startsWith('[')) {
            const qsizetype close = text.indexOf(']');
            if (close < 0) {
                if (problem) {
                    const QByteArray shown =
                        text.first(text.contains('\n') ? text.indexOf('\n') : text.size())
                            .trimmed()
                            .left(80);
                    *problem = QStringLiteral("line %1 (\"%2\") cannot be read")
                                   .arg(bytes.left(line.start).count('\n') + 1)
                                   .arg(QString::fromUtf8(shown));
                }
                clear();
                return false;
            }
            const QByteArray rawName = text.mid(1, close - 1).trimmed();
            const QString name = unescapeKey(rawName);
            if (!section(name))
                addSection(name, rawName);
            current = m_sectionIndex.value(name);
            continue;
        }
        if (line.equals < 0)
            continue;
        // Kept as written, blanks and all, for a value that stays the same.
        const QByteArray rawKey = bytes.mid(line.start, line.equals - line.start);
        const QByteArray key = rawKey.trimmed();
        if (key.isEmpty())
            continue;
        const QByteArray rawValue =
            bytes.mid(line.equals + 1, line.start + line.length - line.equals - 1);
        if (current < 0) {
            const QString general = QStringLiteral("General");
            if (!section(general))
                addSection(general, general.toLatin1());
            current = m_sectionIndex.value(general);
        }
        put(m_sections[size_t(current)], unescapeKey(key), rawKey, rawValue);
    }
    return true;
}

QByteArray IniFile::serialize() const
{
    QByteArray out;
    for (const Section &s : m_sections) {
        if (s.live == 0)
            continue;
        if (!out.isEmpty())
            out += '\n';
        out += '[' + s.rawName + "]\n";
        for (const Entry &e : s.entries) {
            if (e.live)
                out += e.rawKey + '=' + e.rawValue + '\n';
        }
    }
    return out;
}

bool IniFile::contains(const QString &sectionName, const QString &key) const
{
    return find(section(sectionName), key) != nullptr;
}

QString IniFile::value(const QString &sectionName, const QString &key) const
{
    const Entry *e = find(section(sectionName), key);
    return e ? unescapedValue(e->rawValue) : QString();
}

bool IniFile::setValue(const QString &sectionName, const QString &key, const QString &text)
{
    Section *s = section(sectionName);
    if (const Entry *e = find(s, key)) {
        if (unescapedValue(e->rawValue) == text)
            return false;
    }
    if (!s)
        s = &addSection(sectionName, escapedKey(sectionName));
    put(*s, key, escapedKey(key), escapedValue(text));
    return true;
}

bool IniFile::remove(const QString &sectionName, const QString &key)
{
    Section *s = section(sectionName);
    if (!s)
        return false;
    const auto found = s->index.constFind(indexKey(key));
    if (found == s->index.constEnd())
        return false;
    s->entries[size_t(*found)].live = false;
    s->index.erase(found);
    --s->live;
    return true;
}

bool IniFile::removeSection(const QString &sectionName)
{
    Section *s = section(sectionName);
    if (!s || s->live == 0)
        return false;
    s->entries.clear();
    s->index.clear();
    s->live = 0;
    return true;
}

bool IniFile::clear()
{
    bool any = false;
    for (const Section &s : m_sections)
        any = any || s.live > 0;
    m_sections.clear();
    m_sectionIndex.clear();
    return any;
}

QStringList IniFile::keys(const QString &sectionName) const
{
    QStringList out;
    if (const Section *s = section(sectionName)) {
        for (const Entry &e : s->entries) {
            if (e.live)
                out << e.key;
        }
    }
    return out;
}

QByteArray IniFile::escapedKey(const QString &key)
{
    static const char hex[] = "0123456789ABCDEF";
    QByteArray out;
    for (const QChar c : key) {
        const char16_t ch = c.unicode();
        if (ch == u'/') {
            out += '\\';
        } else if ((ch >= u'a' && ch <= u'z') || (ch >= u'A' && ch <= u'Z') ||
                   (ch >= u'0' && ch <= u'9') || ch == u'_' || ch == u'-' || ch == u'.') {
            out += char(ch);
        } else if (ch <= 0xFF) {
            out += '%';
            out += hex[ch / 16];
            out += hex[ch % 16];
        } else {
            out += "%U";
            for (int shift = 12; shift >= 0; shift -= 4)
                out += hex[(ch >> shift) & 0xF];
        }
    }
    return out;
}

QByteArray IniFile::escapedValue(const QString &text)
{
    // A leading "@" marks a typed value, so a text that starts with one
    // has it doubled.
    const QString str = text.startsWith(u'@') ? u'@' + text : text;
    QByteArray out;
    bool needsQuotes = false;
    bool escapeNextIfDigit = false;
    for (qsizetype i = 0; i < str.size(); ++i) {
        const char16_t ch = str[i].unicode();
        if (ch == u';' || ch == u',' || ch == u'=')
            needsQuotes = true;
        // "\x1" then "1" would read back as "\x11".
        if (escapeNextIfDigit && ch < 0x80 && hexValue(char(ch)) >= 0) {
            out += "\\x" + QByteArray::number(ch, 16);
            continue;
        }
        escapeNextIfDigit = false;
        switch (ch) {
        case u'\0':
            out += "\\0";
            escapeNextIfDigit = true;
            break;
        case u'\a':
            out += "\\a";
            break;
        case u'\b':
            out += "\\b";
            break;
        case u'\f':
            out += "\\f";
            break;
        case u'\n':
            out += "\\n";
            break;
        case u'\r':
            out += "\\r";
            break;
        case u'\t':
            out += "\\t";
            break;
        case u'\v':
            out += "\\v";
            break;
        case u'"':
        case u'\\':
            out += '\\';
            out += char(ch);
            break;
        default:
            if (ch <= 0x1F) {
                out += "\\x" + QByteArray::number(ch, 16);
                escapeNextIfDigit = true;
            } else if (QChar::isHighSurrogate(ch) && i + 1 < str.size() &&
                       str[i + 1].isLowSurrogate()) {
                appendUtf8(out, QStringView(str).sliced(i, 2));
                ++i;
            } else {
                appendUtf8(out, QStringView(str).sliced(i, 1));
            }
        }
    }
    if (needsQuotes || out.startsWith(' ') || out.endsWith(' '))
        out = '"' + out + '"';
    return out;
}

QString IniFile::unescapedValue(const QByteArray &raw)
{
    const ParsedValue parsed = parseValue(raw);
    if (parsed.isList) {
        // QSettings would split a hand-written value at its commas; the
        // text as it stands in the file is the value ("/opt/a,b/ff").
        const QByteArray stands = raw.trimmed();
        if (!stands.contains('"') && !stands.contains('\\'))
            return decode(stands);
        return parsed.items.join(u',');
    }
    QString text = parsed.text;
    if (text.startsWith(QLatin1String("@@")))
        return text.mid(1);
    for (const QLatin1String wrapper : {QLatin1String("@ByteArray("), QLatin1String("@String(")}) {
        if (text.startsWith(wrapper) && text.endsWith(u')'))
            return text.mid(wrapper.size(), text.size() - wrapper.size() - 1);
    }
    if (text == QLatin1String("@Invalid()"))
        return QString();
    return text;
}

// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/rtfreader.h"

#include "import/codepages.h"
#include "platform/numbers.h"

#include <QHash>

#include <algorithm>
#include <climits>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace rtf {

namespace {

using richtext::Alignment;
using richtext::CharFormat;
using richtext::ParagraphFormat;

// Where "{\rtf" starts after leading blanks (which are harmless), or -1
// when anything else comes first: then the bytes are not rich text.
qsizetype richTextStart(const char *data, qsizetype size)
{
    qsizetype pos = 0;
    while (pos < size &&
           (data[pos] == ' ' || data[pos] == '\t' || data[pos] == '\r' || data[pos] == '\n'))
        ++pos;
    if (size - pos < 5 || std::string_view(data + pos, 5) != "{\\rtf")
        return -1;
    return pos;
}

// Where the text of a group goes.
enum class Dest : unsigned char {
    Text,          // the document
    Skip,          // nowhere: pictures, headers, style sheet, unknown \* groups ...
    FontTable,     // font names
    ColourTable,   // colour entries
    ListNumbering, // a \pn group: only its list level matters
    UnicodePair,   // \upr: its ANSI text is dropped, its \ud group is read
};

// Everything a group saves and restores.
struct State
{
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;
    int halfPoints = 24;
    int font = -1; // font number; -1 is the default font
    int colour = 0;
    Alignment alignment = Alignment::Left;
    bool list = false;
    int unicodeSkip = 1; // \uc
    Dest dest = Dest::Text;
    bool listLevel = false; // a \pn group named a list level
};

enum class Word : unsigned char {
    Unknown,
    Ansi,
    Mac,
    Pc,
    Pca,
    AnsiCpg,
    Deff,
    FontTable,
    ColourTable,
    Font,
    FontCharset,
    CodePage,
    Red,
    Green,
    Blue,
    Plain,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    FontSize,
    Colour,
    Hidden,
    Pard,
    AlignLeft,
    AlignRight,
    AlignCenter,
    AlignJustify,
    ListOverride,
    ListLevel,
    ListContinue,
    Par,
    Line,
    Char, // a word that stands for one character
    Unicode,
    UnicodeSkip,
    UnicodePair,
    UnicodeText,
    Numbering,
    ListText,
    SkipDest,
    Bin,
};

struct WordInfo
{
    Word word;
    char16_t ch = 0; // for Word::Char
};

const std::unordered_map<std::string_view, WordInfo> &words()
{
    static const std::unordered_map<std::string_view, WordInfo> table = [] {
        std::unordered_map<std::string_view, WordInfo> t{
            {"ansi", {Word::Ansi}},
            {"mac", {Word::Mac}},
            {"pc", {Word::Pc}},
            {"pca", {Word::Pca}},
            {"ansicpg", {Word::AnsiCpg}},
            {"deff", {Word::Deff}},
            {"fonttbl", {Word::FontTable}},
            {"colortbl", {Word::ColourTable}},
            {"f", {Word::Font}},
            {"fcharset", {Word::FontCharset}},
            {"cpg", {Word::CodePage}},
            {"red", {Word::Red}},
            {"green", {Word::Green}},
            {"blue", {Word::Blue}},
            {"plain", {Word::Plain}},
            {"b", {Word::Bold}},
            {"i", {Word::Italic}},
            {"ulnone", {Word::UnderlineNone}},
            {"strike", {Word::Strike}},
            {"striked", {Word::Strike}},
            {"fs", {Word::FontSize}},
            {"cf", {Word::Colour}},
            {"v", {Word::Hidden}},
            {"pard", {Word::Pard}},
            {"ql", {Word::AlignLeft}},
            {"qr", {Word::AlignRight}},
            {"qc", {Word::AlignCenter}},
            {"qj", {Word::AlignJustify}},
            {"qd", {Word::AlignJustify}},
            {"ls", {Word::ListOverride}},
            {"pnlvlblt", {Word::ListLevel}},
            {"pnlvlbody", {Word::ListLevel}},
            {"pnlvl", {Word::ListLevel}},
            {"pnlvlcont", {Word::ListContinue}},
            {"par", {Word::Par}},
            {"line", {Word::Line}},
            {"sect", {Word::Par}},
            {"page", {Word::Par}},
            {"row", {Word::Par}},
            {"nestrow", {Word::Par}},
            {"tab", {Word::Char, u'\t'}},
            {"cell", {Word::Char, u'\t'}},
            {"nestcell", {Word::Char, u'\t'}},
            {"emdash", {Word::Char, 0x2014}},
            {"endash", {Word::Char, 0x2013}},
            {"bullet", {Word::Char, 0x2022}},
            {"lquote", {Word::Char, 0x2018}},
            {"rquote", {Word::Char, 0x2019}},
            {"ldblquote", {Word::Char, 0x201C}},
            {"rdblquote", {Word::Char, 0x201D}},
            {"emspace", {Word::Char, 0x2003}},
            {"enspace", {Word::Char, 0x2002}},
            {"qmspace", {Word::Char, 0x2005}},
            {"zwj", {Word::Char, 0x200D}},
            {"zwnj", {Word::Char, 0x200C}},
            {"zwbo", {Word::Char, 0x200B}},
            {"ltrmark", {Word::Char, 0x200E}},
            {"rtlmark", {Word::Char, 0x200F}},
            {"u", {Word::Unicode}},
            {"uc", {Word::UnicodeSkip}},
            {"upr", {Word::UnicodePair}},
            {"ud", {Word::UnicodeText}},
            {"pn", {Word::Numbering}},
            {"pntext", {Word::ListText}},
            {"listtext", {Word::ListText}},
            {"bin", {Word::Bin}},
        };
        // Every underline style turns underlining on.
        for (const char *name : {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulhwave",
                                 "ulldash", "ulth", "ulthd", "ulthdash", "ulthdashd", "ulthdashdd",
                                 "ulthldash", "ululdbwave", "ulw", "ulwave"})
            t.emplace(name, WordInfo{Word::Underline});
        // Destinations whose text is not body text.
        for (const char *name : {"aftncn",       "aftnsep",      "aftnsepc",   "annotation",
                                 "atnauthor",    "atndate",      "atnicn",     "atnid",
                                 "atnparent",    "atnref",       "atntime",    "atrfend",
                                 "atrfstart",    "author",       "background", "bkmkend",
                                 "bkmkstart",    "buptim",       "category",   "colorschememapping",
                                 "comment",      "company",      "creatim",    "datafield",
                                 "datastore",    "defchp",       "defpap",     "do",
                                 "doccomm",      "docvar",       "falt",       "fchars",
                                 "filetbl",      "fldinst",      "fname",      "footer",
                                 "footerf",      "footerl",      "footerr",    "footnote",
                                 "formfield",    "ftncn",        "ftnsep",     "ftnsepc",
                                 "generator",    "header",       "headerf",    "headerl",
                                 "headerr",      "info",         "keywords",   "latentstyles",
                                 "lchars",       "levelnumbers", "leveltext",  "listoverridetable",
                                 "listpicture",  "listtable",    "mmathPr",    "nonshppict",
                                 "objalias",     "objclass",     "objdata",    "objname",
                                 "objsect",      "objtime",      "operator",   "panose",
                                 "passwordhash", "pgdsctbl",     "pgptbl",     "pict",
                                 "pntxta",       "pntxtb",       "printim",    "private",
                                 "protusertbl",  "revtbl",       "revtim",     "rsidtbl",
                                 "rxe",          "shpinst",      "sp",         "stylesheet",
                                 "subject",      "tc",           "template",   "themedata",
                                 "title",        "txe",          "userprops",  "wgrffmtfilter",
                                 "xe",           "xmlnstbl"})
            t.emplace(name, WordInfo{Word::SkipDest});
        return t;
    }();
    return table;
}

constexpr int kMaxDepth = 10000;
constexpr int kMaxHalfPoints = 3276; // 1638 points, as large as rich-text controls go

struct FontEntry
{
    QString name;
    int codePage = 0; // 0: the document's
};

bool isHighSurrogate(char16_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}
bool isLowSurrogate(char16_t c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}

int hexValue(char c)
{
    return numbers::hexDigit(char16_t(static_cast<unsigned char>(c)));
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

class Reader
{
public:
    explicit Reader(const QByteArray &bytes) : m_data(bytes.constData()), m_size(bytes.size()) {}

    ReadResult run();

private:
    void openGroup();
    bool closeGroup(); // true when the document's own group closed
    void controlWord();
    void controlSymbol();
    void word(std::string_view name, bool hasParam, int param);
    void destination(Dest dest);
    void textByte(unsigned char b);
    void putChar(char16_t ch); // one decoded character in the current destination
    void putText(char16_t ch);
    void paragraphBreak(bool sameParagraph = false);
    void flushSurrogate();
    void commitFont();
    void commitColour();
    int textCodePage() const;
    int formatId();
    CharFormat charFormat(const State &s) const;
    void finish(const State &s);
    void fail(const QString &why);

    const char *m_data;
    qsizetype m_size;
    qsizetype m_pos = 0;

    State m_state;
    std::vector<State> m_stack;
    int m_overflow = 0; // groups opened beyond kMaxDepth, not tracked

    bool m_star = false;     // "\*" seen: the next word names an optional destination
    int m_fallbackSkip = 0;  // characters left to skip after \u
    bool m_listText = false; // this paragraph carried list text (\pntext, \listtext)
    char16_t m_highSurrogate = 0;
    bool m_afterCr = false; // the last character was a CR that ended a paragraph

    int m_ansiCodePage = 1252;
    int m_defaultFont = 0;
    QHash<int, FontEntry> m_fonts;
    std::vector<qint64> m_colours; // -1: the automatic colour

    // The font table entry being read.
    int m_entryNumber = -1;
    int m_entryCodePage = 0;
    QString m_entryName;
    // The colour table entry being read.
    int m_red = 0, m_green = 0, m_blue = 0;
    bool m_colourGiven = false;

    bool m_formatDirty = true;
    int m_formatId = 0;

    ReadResult m_result;
};

ReadResult Reader::run()
{
    m_result.ok = true;
    m_pos = richTextStart(m_data, m_size);
    if (m_pos < 0) {
        m_result.ok = false;
        m_result.error = QStringLiteral("not a rich-text file");
        return std::move(m_result);
    }

    while (m_pos < m_size) {
        const char c = m_data[m_pos];
        switch (c) {
        case '{':
            ++m_pos;
            openGroup();
            break;
        case '}':
            ++m_pos;
            if (closeGroup())
                return std::move(m_result);
            break;
        case '\\':
            ++m_pos;
            if (m_pos >= m_size)
                break;
            if (isLetter(m_data[m_pos]))
                controlWord();
            else
                controlSymbol();
            break;
        case '\r':
        case '\n':
            ++m_pos; // line ends in the file mean nothing
            break;
        default:
            ++m_pos;
            if (m_overflow > 0)
                break;
            if (m_fallbackSkip > 0) {
                --m_fallbackSkip;
                break;
            }
            textByte(static_cast<unsigned char>(c));
            break;
        }
    }
    finish(m_state);
    fail(QStringLiteral("the file ends inside a group"));
    return std::move(m_result);
}

void Reader::fail(const QString &why)
{
    if (m_result.ok) {
        m_result.ok = false;
        m_result.error = why;
    }
}

void Reader::openGroup()
{
    m_star = false;
    m_fallbackSkip = 0;
    if (m_overflow > 0 || m_stack.size() >= size_t(kMaxDepth)) {
        // Past any real file's nesting: count the braces, read nothing more
        // until back inside.
        ++m_overflow;
        fail(QStringLiteral("groups are nested too deeply"));
        return;
    }
    m_stack.push_back(m_state);
}

bool Reader::closeGroup()
{
    m_star = false;
    m_fallbackSkip = 0;
    if (m_overflow > 0) {
        --m_overflow;
        return false;
    }
    if (m_stack.empty())
        return true; // unreachable: the document ends with its own group
    const State closing = m_state;
    if (closing.dest == Dest::FontTable)
        commitFont();
    m_state = m_stack.back();
    m_stack.pop_back();
    if (m_stack.empty()) {
        finish(closing);
        return true;
    }
    if (closing.dest == Dest::ListNumbering && closing.listLevel) {
        // The numbering group belongs to the paragraph around it.
        if (m_state.dest == Dest::ListNumbering)
            m_state.listLevel = true;
        else
            m_state.list = true;
    }
    m_formatDirty = true;
    return false;
}

void Reader::controlWord()
{
    const qsizetype start = m_pos;
    while (m_pos < m_size && isLetter(m_data[m_pos]))
        ++m_pos;
    const std::string_view name(m_data + start, size_t(m_pos - start));

    bool hasParam = false;
    bool negative = false;
    qint64 value = 0;
    if (m_pos + 1 < m_size && m_data[m_pos] == '-' && isDigit(m_data[m_pos + 1])) {
        negative = true;
        ++m_pos;
    }
    while (m_pos < m_size && isDigit(m_data[m_pos])) {
        hasParam = true;
        if (value < 10'000'000'000LL) // beyond int range anyway; keep reading digits
            value = value * 10 + (m_data[m_pos] - '0');
        ++m_pos;
    }
    if (negative)
        value = -value;
    value = std::clamp<qint64>(value, INT_MIN, INT_MAX);
    if (m_pos < m_size && m_data[m_pos] == ' ')
        ++m_pos;

    const int param = int(value);
    if (name == "bin") {
        // Binary data is skipped whatever the destination, even in a fallback.
        if (m_fallbackSkip > 0)
            --m_fallbackSkip;
        const qsizetype length = hasParam && param > 0 ? param : 0;
        if (length > m_size - m_pos) {
            m_pos = m_size;
            fail(QStringLiteral("the file ends inside binary data"));
        } else {
            m_pos += length;
        }
        return;
    }
    if (m_overflow > 0)
        return;
    if (m_fallbackSkip > 0) {
        --m_fallbackSkip;
        return;
    }
    word(name, hasParam, param);
}

void Reader::controlSymbol()
{
    const char c = m_data[m_pos++];
    if (c == '\'') {
        const int hi = m_pos < m_size ? hexValue(m_data[m_pos]) : -1;
        if (hi < 0) {
            if (m_pos >= m_size)
                fail(QStringLiteral("the file ends inside a group"));
            return;
        }
        ++m_pos;
        int value = hi;
        const int lo = m_pos < m_size ? hexValue(m_data[m_pos]) : -1;
        if (lo >= 0) {
            value = hi * 16 + lo;
            ++m_pos;
        }
        if (m_overflow > 0)
            return;
        if (m_fallbackSkip > 0) {
            --m_fallbackSkip;
            return;
        }
        textByte(static_cast<unsigned char>(value));
        return;
    }
    if (m_overflow > 0)
        return;
    if (m_fallbackSkip > 0) {
        --m_fallbackSkip;
        return;
    }
    switch (c) {
    case '*':
        m_star = true;
        break;
    case '\\':
    case '{':
    case '}':
        putChar(char16_t(c));
        break;
    case '~':
        putChar(0x00A0);
        break;
    case '_':
        putChar(0x2011);
        break;
    case '\r':
    case '\n':
        paragraphBreak();
        break;
    case '\t':
        putChar(u'\t');
        break;
    default: // \- optional hyphen, \| \: and unknown symbols
        break;
    }
}

void Reader::destination(Dest dest)
{
    if (m_state.dest != Dest::Skip)
        m_state.dest = dest;
}

void Reader::word(std::string_view name, bool hasParam, int param)
{
    const auto it = words().find(name);
    const WordInfo info = it == words().end() ? WordInfo{Word::Unknown} : it->second;

    if (m_star) {
        m_star = false;
        // Optional destinations are skipped unless they are ones read here.
        if (info.word != Word::Numbering && info.word != Word::UnicodeText &&
            info.word != Word::ListText) {
            destination(Dest::Skip);
            return;
        }
    }

    const bool on = !hasParam || param != 0;
    switch (info.word) {
    case Word::Unknown:
        break;
    case Word::Ansi:
        m_ansiCodePage = 1252;
        break;
    case Word::Mac:
        m_ansiCodePage = 10000;
        break;
    case Word::Pc:
        m_ansiCodePage = 437;
        break;
    case Word::Pca:
        m_ansiCodePage = 850;
        break;
    case Word::AnsiCpg:
        if (hasParam)
            m_ansiCodePage = codepages::isKnown(param) ? param : 1252;
        break;
    case Word::Deff:
        if (hasParam)
            m_defaultFont = param;
        m_formatDirty = true;
        break;
    case Word::FontTable:
        destination(Dest::FontTable);
        break;
    case Word::ColourTable:
        destination(Dest::ColourTable);
        m_red = m_green = m_blue = 0;
        m_colourGiven = false;
        break;
    case Word::Font:
        if (m_state.dest == Dest::FontTable) {
            commitFont();
            m_entryNumber = hasParam ? param : 0;
        } else {
            m_state.font = hasParam ? param : -1;
            m_formatDirty = true;
        }
        break;
    case Word::FontCharset:
        if (m_state.dest == Dest::FontTable && hasParam && m_entryCodePage == 0)
            m_entryCodePage = codepages::fromCharset(param);
        break;
    case Word::CodePage:
        if (m_state.dest == Dest::FontTable && hasParam && codepages::isKnown(param))
            m_entryCodePage = param;
        break;
    case Word::Red:
        m_red = std::clamp(param, 0, 255);
        m_colourGiven = true;
        break;
    case Word::Green:
        m_green = std::clamp(param, 0, 255);
        m_colourGiven = true;
        break;
    case Word::Blue:
        m_blue = std::clamp(param, 0, 255);
        m_colourGiven = true;
        break;
    case Word::Plain:
        m_state.bold = m_state.italic = m_state.underline = m_state.strike = false;
        m_state.hidden = false;
        m_state.halfPoints = 24;
        m_state.font = -1;
        m_state.colour = 0;
        m_formatDirty = true;
        break;
    case Word::Bold:
        m_state.bold = on;
        m_formatDirty = true;
        break;
    case Word::Italic:
        m_state.italic = on;
        m_formatDirty = true;
        break;
    case Word::Underline:
        m_state.underline = on;
        m_formatDirty = true;
        break;
    case Word::UnderlineNone:
        m_state.underline = false;
        m_formatDirty = true;
        break;
    case Word::Strike:
        m_state.strike = on;
        m_formatDirty = true;
        break;
    case Word::FontSize:
        if (!hasParam)
            m_state.halfPoints = 24;
        else if (param > 0)
            m_state.halfPoints = std::min(param, kMaxHalfPoints);
        m_formatDirty = true;
        break;
    case Word::Colour:
        m_state.colour = hasParam && param > 0 ? param : 0;
        m_formatDirty = true;
        break;
    case Word::Hidden:
        m_state.hidden = on;
        break;
    case Word::Pard:
        m_state.alignment = Alignment::Left;
        m_state.list = false;
        break;
    case Word::AlignLeft:
        m_state.alignment = Alignment::Left;
        break;
    case Word::AlignRight:
        m_state.alignment = Alignment::Right;
        break;
    case Word::AlignCenter:
        m_state.alignment = Alignment::Center;
        break;
    case Word::AlignJustify:
        m_state.alignment = Alignment::Justify;
        break;
    case Word::ListOverride:
        m_state.list = hasParam && param > 0;
        break;
    case Word::ListLevel:
        if (m_state.dest == Dest::ListNumbering)
            m_state.listLevel = true;
        else
            m_state.list = true;
        break;
    case Word::ListContinue:
        if (m_state.dest == Dest::ListNumbering)
            m_state.listLevel = false;
        break;
    case Word::Par:
        paragraphBreak();
        break;
    case Word::Line:
        // A line break inside a paragraph: both parts keep its list state.
        paragraphBreak(true);
        break;
    case Word::Char:
        putChar(info.ch);
        break;
    case Word::Unicode: {
        int code = hasParam ? param : 0;
        if (code < 0)
            code += 65536;
        putChar(code >= 0 && code <= 0xFFFF ? char16_t(code) : char16_t(0xFFFD));
        m_fallbackSkip = m_state.unicodeSkip;
        break;
    }
    case Word::UnicodeSkip:
        m_state.unicodeSkip = hasParam ? std::clamp(param, 0, 1000) : 1;
        break;
    case Word::UnicodePair:
        destination(Dest::UnicodePair);
        break;
    case Word::UnicodeText:
        if (m_state.dest == Dest::UnicodePair)
            m_state.dest = Dest::Text;
        break;
    case Word::Numbering:
        destination(Dest::ListNumbering);
        m_state.listLevel = false;
        break;
    case Word::ListText:
        if (m_state.dest == Dest::Text)
            m_listText = true;
        destination(Dest::Skip);
        break;
    case Word::SkipDest:
        destination(Dest::Skip);
        break;
    case Word::Bin: // handled before
        break;
    }
}

void Reader::textByte(unsigned char b)
{
    switch (m_state.dest) {
    case Dest::Text:
        putText(b < 0x80 ? char16_t(b) : codepages::toUnicode(textCodePage(), b));
        break;
    case Dest::FontTable:
        if (b == ';')
            commitFont();
        else
            m_entryName +=
                QChar(codepages::toUnicode(m_entryCodePage ? m_entryCodePage : m_ansiCodePage, b));
        break;
    case Dest::ColourTable:
        if (b == ';')
            commitColour();
        break;
    default:
        break;
    }
}

void Reader::putChar(char16_t ch)
{
    switch (m_state.dest) {
    case Dest::Text:
        putText(ch);
        break;
    case Dest::FontTable:
        m_entryName += QChar(ch);
        break;
    default:
        break;
    }
}

void Reader::putText(char16_t ch)
{
    if (m_state.hidden)
        return;
    if (ch < 0x20 && ch != u'\t') {
        // Line ends given as characters end the paragraph; a CR LF pair once.
        if (ch == u'\r' || (ch == u'\n' && !m_afterCr)) {
            paragraphBreak();
            m_afterCr = ch == u'\r';
        } else {
            m_afterCr = false;
        }
        return;
    }
    m_afterCr = false;
    if (m_highSurrogate) {
        if (isLowSurrogate(ch)) {
            const int id = formatId();
            m_result.document.append(QChar(m_highSurrogate), id);
            m_result.document.append(QChar(ch), id);
            m_highSurrogate = 0;
            return;
        }
        flushSurrogate();
    }
    if (isHighSurrogate(ch)) {
        m_highSurrogate = ch;
        return;
    }
    m_result.document.append(QChar(isLowSurrogate(ch) ? char16_t(0xFFFD) : ch), formatId());
}

void Reader::flushSurrogate()
{
    if (m_highSurrogate) {
        m_highSurrogate = 0;
        m_result.document.append(QChar(0xFFFD), formatId());
    }
}

void Reader::paragraphBreak(bool sameParagraph)
{
    if (m_state.dest != Dest::Text)
        return;
    flushSurrogate();
    m_afterCr = false;
    m_result.document.setParagraphFormat(
        ParagraphFormat{m_state.alignment, m_state.list || m_listText});
    m_result.document.endParagraph(formatId());
    if (!sameParagraph)
        m_listText = false;
}

void Reader::commitFont()
{
    if (m_entryNumber >= 0) {
        // Quotes and angle brackets cannot be part of a font name and would
        // break the FACE attribute written from it.
        QString name;
        for (const QChar ch : std::as_const(m_entryName)) {
            if (ch.unicode() >= 0x20 && ch != u'"' && ch != u'<' && ch != u'>')
                name += ch;
        }
        name = name.trimmed();
        if (!name.isEmpty()) {
            m_fonts.insert(m_entryNumber, FontEntry{name, m_entryCodePage});
            m_formatDirty = true;
        }
    }
    m_entryNumber = -1;
    m_entryCodePage = 0;
    m_entryName.clear();
}

void Reader::commitColour()
{
    m_colours.push_back(
        m_colourGiven ? qint64(m_red) | (qint64(m_green) << 8) | (qint64(m_blue) << 16) : -1);
    m_red = m_green = m_blue = 0;
    m_colourGiven = false;
    m_formatDirty = true;
}

int Reader::textCodePage() const
{
    const auto it = m_fonts.constFind(m_state.font < 0 ? m_defaultFont : m_state.font);
    if (it != m_fonts.constEnd() && it->codePage)
        return it->codePage;
    return m_ansiCodePage;
}

CharFormat Reader::charFormat(const State &s) const
{
    CharFormat f;
    f.bold = s.bold;
    f.italic = s.italic;
    f.underline = s.underline;
    f.strike = s.strike;
    f.size = s.halfPoints / 2.0;
    auto font = m_fonts.constFind(s.font < 0 ? m_defaultFont : s.font);
    if (font == m_fonts.constEnd())
        font = m_fonts.constFind(m_defaultFont);
    if (font != m_fonts.constEnd())
        f.face = font->name;
    // Empty and missing entries are the automatic colour, black.
    if (s.colour >= 0 && size_t(s.colour) < m_colours.size() && m_colours[size_t(s.colour)] >= 0)
        f.colour = m_colours[size_t(s.colour)];
    return f;
}

int Reader::formatId()
{
    if (m_formatDirty) {
        m_formatId = m_result.document.formatId(charFormat(m_state));
        m_formatDirty = false;
    }
    return m_formatId;
}

void Reader::finish(const State &s)
{
    flushSurrogate();
    m_result.document.setParagraphFormat(ParagraphFormat{s.alignment, s.list || m_listText});
    m_result.document.setEmptyFormat(charFormat(s));
}

} // namespace

ReadResult read(const QByteArray &bytes)
{
    return Reader(bytes).run();
}

bool looksLikeRichText(const QByteArray &bytes)
{
    return richTextStart(bytes.constData(), bytes.size()) >= 0;
}

} // namespace rtf

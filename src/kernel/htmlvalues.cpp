// SPDX-License-Identifier: GPL-3.0-or-later
#include "kernel/htmlvalues.h"

#include <QCoreApplication>
#include <QStringList>

namespace htmlvalues {

QString htmlFontSize(qint64 points)
{
    if (points <= 7)
        return QString();
    if (points <= 9)
        return QStringLiteral("1");
    if (points <= 11)
        return QStringLiteral("2");
    if (points <= 13)
        return QStringLiteral("3");
    if (points <= 17)
        return QStringLiteral("4");
    if (points <= 23)
        return QStringLiteral("5");
    if (points <= 35)
        return QStringLiteral("6");
    return QStringLiteral("7");
}

QString escapedQuotes(const QString &value)
{
    if (!value.contains(u'"'))
        return value;
    QString out = value;
    out.replace(u'"', QLatin1String("&quot;"));
    return out;
}

QString quoted(const QString &value)
{
    return u'"' + escapedQuotes(value) + u'"';
}

namespace {

bool needsQuotes(const QString &value)
{
    if (value.isEmpty())
        return true;
    for (const QChar ch : value) {
        switch (ch.unicode()) {
        case '"':
        case '\'':
        case '=':
        case '<':
        case '>':
        case '`':
            return true;
        default:
            if (ch.isSpace())
                return true;
        }
    }
    return false;
}

} // namespace

QString attributeValue(const QString &value)
{
    return needsQuotes(value) ? quoted(value) : value;
}

void attribute(QString &out, QLatin1String name, const QString &value)
{
    if (value.isEmpty())
        return;
    out += u' ';
    out += name;
    out += u'=';
    out += attributeValue(value);
}

void quotedAttribute(QString &out, QLatin1String name, const QString &value)
{
    if (value.isEmpty())
        return;
    out += u' ';
    out += name;
    out += u'=';
    out += quoted(value);
}

// Fields.

namespace {

bool isDigit(QChar ch)
{
    return ch >= u'0' && ch <= u'9';
}

// Digits, at least one, from `at`; returns where they end.
qsizetype digitsEnd(const QString &text, qsizetype at)
{
    while (at < text.size() && isDigit(text.at(at)))
        ++at;
    return at;
}

Entry decimalEntry(const QString &text, bool signedAllowed)
{
    qsizetype i = 0;
    if (signedAllowed && text.startsWith(u'-'))
        ++i;
    const qsizetype whole = digitsEnd(text, i);
    if (whole == text.size())
        return whole > i ? Entry::Acceptable : Entry::Unfinished;
    if (text.at(whole) != u'.')
        return Entry::Refused;
    const qsizetype fraction = digitsEnd(text, whole + 1);
    if (fraction != text.size())
        return Entry::Refused;
    return fraction > whole + 1 ? Entry::Acceptable : Entry::Unfinished;
}

Entry wholeEntry(const QString &text, bool signedAllowed, bool percentAllowed)
{
    qsizetype i = 0;
    if (signedAllowed && text.startsWith(u'-'))
        ++i;
    const qsizetype end = digitsEnd(text, i);
    if (end == i)
        return end == text.size() ? Entry::Unfinished : Entry::Refused;
    if (end == text.size())
        return Entry::Acceptable;
    if (percentAllowed && end + 1 == text.size() && text.at(end) == u'%')
        return Entry::Acceptable;
    return Entry::Refused;
}

} // namespace

Entry fieldEntry(const QString &text, FieldKind kind)
{
    if (text.isEmpty())
        return kind == FieldKind::Word ? Entry::Unfinished : Entry::Acceptable;
    switch (kind) {
    case FieldKind::Whole:
        return wholeEntry(text, false, false);
    case FieldKind::Integer:
        return wholeEntry(text, true, false);
    case FieldKind::Length:
        return wholeEntry(text, false, true);
    case FieldKind::Decimal:
        return decimalEntry(text, false);
    case FieldKind::SignedDecimal:
        return decimalEntry(text, true);
    case FieldKind::Loop: {
        static const QString infinite = QStringLiteral("INFINITE");
        if (infinite.startsWith(text, Qt::CaseInsensitive))
            return text.size() == infinite.size() ? Entry::Acceptable : Entry::Unfinished;
        if (text == QLatin1String("-1"))
            return Entry::Acceptable;
        if (text == QLatin1String("-"))
            return Entry::Unfinished;
        return wholeEntry(text, false, false);
    }
    case FieldKind::Word:
        // It names an attribute: there is no leaving it out.
        for (const QChar ch : text) {
            if (!((ch >= u'a' && ch <= u'z') || (ch >= u'A' && ch <= u'Z')))
                return Entry::Refused;
        }
        return Entry::Acceptable;
    }
    return Entry::Refused;
}

QString fieldReason(FieldKind kind)
{
    switch (kind) {
    case FieldKind::Whole:
        return QCoreApplication::translate(
            "htmlvalues", "Type a whole number, such as 10, or leave the box empty.");
    case FieldKind::Integer:
        return QCoreApplication::translate(
            "htmlvalues", "Type a whole number, such as 10 or -10, or leave the box empty.");
    case FieldKind::Length:
        return QCoreApplication::translate("htmlvalues",
                                           "Type a number of pixels, such as 200, or a "
                                           "percentage, such as 50%, or leave the box empty.");
    case FieldKind::Decimal:
        return QCoreApplication::translate("htmlvalues",
                                           "Type a number, such as 1.5, or leave the box empty.");
    case FieldKind::SignedDecimal:
        return QCoreApplication::translate(
            "htmlvalues", "Type a number, such as 1.5 or -1.5, or leave the box empty.");
    case FieldKind::Loop:
        return QCoreApplication::translate(
            "htmlvalues", "Type how many times, such as 3, or INFINITE, or leave the box empty.");
    case FieldKind::Word:
        return QCoreApplication::translate("htmlvalues",
                                           "Type a word of letters only, such as SRC.");
    }
    return QString();
}

// Other languages.

namespace {

// "\3C " and the like: a hexadecimal escape ends at the space.
void cssHexEscape(QString &out, QChar ch)
{
    out += u'\\';
    out += QString::number(ch.unicode(), 16).toUpper();
    out += u' ';
}

// Whether the brackets of one kind pair up in order.
bool pairs(const QString &text, QChar open, QChar close)
{
    int depth = 0;
    for (const QChar ch : text) {
        if (ch == open)
            ++depth;
        else if (ch == close && --depth < 0)
            return false;
    }
    return depth == 0;
}

// Line ends, control characters and '<' (which could start "</style")
// as hexadecimal escapes; the '*' of a "/*" escaped so no comment starts.
void cssEscapeBreaking(QString &out, QChar ch)
{
    if (ch == u'\r' || ch == u'\n' || ch == u'<' || ch.category() == QChar::Other_Control)
        cssHexEscape(out, ch);
    else if (ch == u'*' && out.endsWith(u'/'))
        out += QLatin1String("\\*");
    else
        out += ch;
}

} // namespace

QString cssValue(const QString &text)
{
    const bool roundPairs = pairs(text, u'(', u')');
    const bool squarePairs = pairs(text, u'[', u']');
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        switch (ch.unicode()) {
        case '"':
        case '\'':
        case ';':
        case '{':
        case '}':
        case '\\':
            out += u'\\';
            out += ch;
            break;
        case '(':
        case ')':
            if (!roundPairs)
                out += u'\\';
            out += ch;
            break;
        case '[':
        case ']':
            if (!squarePairs)
                out += u'\\';
            out += ch;
            break;
        default:
            cssEscapeBreaking(out, ch);
        }
    }
    return out;
}

QString cssString(const QString &text)
{
    QString out = QStringLiteral("\"");
    for (const QChar ch : text) {
        if (ch == u'"' || ch == u'\\') {
            out += u'\\';
            out += ch;
        } else {
            cssEscapeBreaking(out, ch);
        }
    }
    out += u'"';
    return out;
}

QString cssUrl(const QString &text)
{
    for (const QChar ch : text) {
        if (ch.isSpace() || ch == u'"' || ch == u'\'' || ch == u'(' || ch == u')' || ch == u'\\' ||
            ch == u'<' || ch.category() == QChar::Other_Control)
            return cssString(text);
    }
    return text;
}

QString jsString(const QString &text)
{
    QString out = QStringLiteral("'");
    for (const QChar ch : text) {
        switch (ch.unicode()) {
        case '\\':
            out += QLatin1String("\\\\");
            break;
        case '\n':
            out += QLatin1String("\\n");
            break;
        case '\r':
            out += QLatin1String("\\r");
            break;
        case '\'':
        case '"':
        case '<':
        case '>':
        case '&':
            out += QStringLiteral("\\x%1").arg(QString::number(ch.unicode(), 16).toUpper());
            break;
        case 0x2028:
        case 0x2029:
            out += QStringLiteral("\\u%1").arg(ch.unicode(), 4, 16, QLatin1Char('0'));
            break;
        default:
            if (ch.category() == QChar::Other_Control)
                out += QStringLiteral("\\x%1").arg(ch.unicode(), 2, 16, QLatin1Char('0'));
            else
                out += ch;
        }
    }
    out += u'\'';
    return out;
}

QString vbString(const QString &text)
{
    static const QLatin1String joint("\" & ");
    QString out = QStringLiteral("\"");
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar ch = text.at(i);
        const QChar next = i + 1 < n ? text.at(i + 1) : QChar();
        if (ch == u'"') {
            out += QLatin1String("\"\"");
        } else if (ch == u'\r' || ch == u'\n') {
            const bool pair = ch == u'\r' && next == u'\n';
            out += joint;
            out += pair          ? QLatin1String("vbCrLf")
                   : ch == u'\r' ? QLatin1String("vbCr")
                                 : QLatin1String("vbLf");
            out += QLatin1String(" & \"");
            if (pair)
                ++i;
        } else if (ch == u'<' && (next == u'/' || next == u'!' || next == u's' || next == u'S')) {
            out += QLatin1String("<\" & \"");
        } else {
            out += ch;
        }
    }
    out += u'"';
    return out;
}

} // namespace htmlvalues

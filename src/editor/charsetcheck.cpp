// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/charsetcheck.h"

#include "kernel/tagscan.h"

namespace charsetcheck {

namespace {

enum class Family { Utf8, Utf16, Windows1252, OtherLegacy };

Family familyOf(const QString &charset)
{
    const QString name = charset.trimmed().toLower();
    static const QLatin1StringView utf8[] = {QLatin1StringView("utf-8"), QLatin1StringView("utf8"),
                                             QLatin1StringView("unicode-1-1-utf-8"),
                                             QLatin1StringView("x-unicode20utf8")};
    static const QLatin1StringView utf16[] = {
        QLatin1StringView("utf-16"),   QLatin1StringView("utf-16le"),
        QLatin1StringView("utf-16be"), QLatin1StringView("unicode"),
        QLatin1StringView("ucs-2"),    QLatin1StringView("unicodefeff")};
    // What browsers read as Windows-1252.
    static const QLatin1StringView western[] = {
        QLatin1StringView("windows-1252"), QLatin1StringView("cp1252"),
        QLatin1StringView("x-cp1252"),     QLatin1StringView("iso-8859-1"),
        QLatin1StringView("iso8859-1"),    QLatin1StringView("iso_8859-1"),
        QLatin1StringView("iso88591"),     QLatin1StringView("latin1"),
        QLatin1StringView("l1"),           QLatin1StringView("us-ascii"),
        QLatin1StringView("ascii"),        QLatin1StringView("ansi_x3.4-1968"),
        QLatin1StringView("cp819"),        QLatin1StringView("ibm819"),
        QLatin1StringView("csisolatin1"),  QLatin1StringView("iso-ir-100")};
    for (const QLatin1StringView n : utf8) {
        if (name == n)
            return Family::Utf8;
    }
    for (const QLatin1StringView n : utf16) {
        if (name == n)
            return Family::Utf16;
    }
    for (const QLatin1StringView n : western) {
        if (name == n)
            return Family::Windows1252;
    }
    return Family::OtherLegacy;
}

bool hasMark(textfile::Encoding encoding)
{
    return encoding == textfile::Encoding::Utf8Bom ||
           encoding == textfile::Encoding::Windows1252Bom;
}

bool isAscii(QStringView text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x80)
            return false;
    }
    return true;
}

// The charset name inside a Content-Type value, by its position in it.
bool charsetInContent(QStringView content, qsizetype *start, qsizetype *length)
{
    for (qsizetype at = content.indexOf(QLatin1StringView("charset"), 0, Qt::CaseInsensitive);
         at >= 0; at = content.indexOf(QLatin1StringView("charset"), at + 1, Qt::CaseInsensitive)) {
        qsizetype p = at + 7;
        while (p < content.size() && content[p].isSpace())
            ++p;
        if (p >= content.size() || content[p] != u'=')
            continue;
        ++p;
        while (p < content.size() && content[p].isSpace())
            ++p;
        const bool quoted = p < content.size() && (content[p] == u'"' || content[p] == u'\'');
        if (quoted)
            ++p;
        qsizetype end = p;
        while (end < content.size() && !content[end].isSpace() && content[end] != u';' &&
               content[end] != u'"' && content[end] != u'\'')
            ++end;
        if (end == p)
            continue;
        *start = p;
        *length = end - p;
        return true;
    }
    return false;
}

} // namespace

Declaration declared(QStringView text)
{
    Declaration found;
    tagscan::Scanner scanner(text);
    tagscan::Tag tag;
    while (scanner.next(&tag)) {
        if (scanner.tagIs(tag, QLatin1StringView("body")))
            break;
        if (!scanner.tagIs(tag, QLatin1StringView("meta")))
            continue;
        if (const tagscan::Attribute *charset = scanner.find(tag, QLatin1StringView("charset"))) {
            const QStringView raw = scanner.rawValue(*charset);
            const QString trimmed = raw.trimmed().toString();
            if (trimmed.isEmpty())
                continue;
            found.found = true;
            found.charset = trimmed;
            found.start = charset->valueStart + raw.indexOf(trimmed);
            found.length = trimmed.size();
            return found;
        }
        const tagscan::Attribute *equiv = scanner.find(tag, QLatin1StringView("http-equiv"));
        const tagscan::Attribute *content = scanner.find(tag, QLatin1StringView("content"));
        if (!equiv || !content ||
            scanner.value(*equiv).trimmed().compare(QLatin1StringView("content-type"),
                                                    Qt::CaseInsensitive) != 0)
            continue;
        qsizetype start = 0;
        qsizetype length = 0;
        const QStringView raw = scanner.rawValue(*content);
        if (!charsetInContent(raw, &start, &length))
            continue;
        found.found = true;
        found.charset = raw.sliced(start, length).toString();
        found.start = content->valueStart + start;
        found.length = length;
        return found;
    }
    return found;
}

Verdict judge(QStringView text, textfile::Encoding encoding)
{
    return judge(text, isAscii(text), encoding);
}

Verdict judge(QStringView head, bool ascii, textfile::Encoding encoding)
{
    using textfile::Encoding;
    Verdict verdict;
    verdict.declaration = declared(head);
    if (!verdict.declaration.found)
        return verdict;
    const Family family = familyOf(verdict.declaration.charset);
    switch (family) {
    case Family::Utf8:
        verdict.declaredEncoding = hasMark(encoding) ? Encoding::Utf8Bom : Encoding::Utf8;
        break;
    case Family::Utf16:
        verdict.declaredEncoding =
            encoding == Encoding::Utf16Be ? Encoding::Utf16Be : Encoding::Utf16Le;
        break;
    case Family::Windows1252:
        verdict.declaredEncoding = Encoding::Windows1252;
        break;
    case Family::OtherLegacy:
        break;
    }
    switch (encoding) {
    case Encoding::Utf8:
        verdict.mismatch = ascii ? family == Family::Utf16 : family != Family::Utf8;
        break;
    case Encoding::Windows1252:
        verdict.mismatch =
            ascii ? family == Family::Utf16 : family == Family::Utf8 || family == Family::Utf16;
        break;
    case Encoding::Utf8Bom:
        verdict.mismatch = family != Family::Utf8;
        break;
    case Encoding::Windows1252Bom:
        // The mark makes browsers read it as UTF-8, which it is not.
        verdict.mismatch = true;
        break;
    case Encoding::Utf16Le:
    case Encoding::Utf16Be:
        verdict.mismatch = family != Family::Utf16;
        break;
    }
    return verdict;
}

QString charsetName(textfile::Encoding encoding)
{
    switch (encoding) {
    case textfile::Encoding::Utf8:
    case textfile::Encoding::Utf8Bom:
        return QStringLiteral("UTF-8");
    case textfile::Encoding::Windows1252:
    case textfile::Encoding::Windows1252Bom:
        return QStringLiteral("windows-1252");
    case textfile::Encoding::Utf16Le:
    case textfile::Encoding::Utf16Be:
        return QStringLiteral("UTF-16");
    }
    return QString();
}

QString characterReference(char32_t code)
{
    return QStringLiteral("&#%1;").arg(quint32(code));
}

QList<Replacement> referencesFor(QStringView text, textfile::Encoding encoding)
{
    QList<Replacement> out;
    qsizetype from = 0;
    while (from < text.size()) {
        // A view of the rest, without copying it.
        const QString rest = QString::fromRawData(text.constData() + from, text.size() - from);
        const int at = textfile::firstUnrepresentable(rest, encoding);
        if (at < 0)
            break;
        const qsizetype i = from + at;
        qsizetype width = 1;
        char32_t code = text[i].unicode();
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            code = QChar::surrogateToUcs4(text[i], text[i + 1]);
            width = 2;
        }
        out.append(Replacement{i, width, characterReference(code)});
        from = i + width;
    }
    return out;
}

} // namespace charsetcheck

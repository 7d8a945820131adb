// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/importconvert.h"

#include "import/rtfreader.h"
#include "kernel/colour.h"
#include "kernel/htmlvalues.h"
#include "platform/numbers.h"
#include "platform/textfile.h"

#include <QCoreApplication>

#include <algorithm>
#include <optional>
#include <vector>

namespace importer {

namespace {

using richtext::Alignment;
using richtext::CharFormat;
using richtext::ParagraphFormat;
using richtext::RichText;

constexpr QStringView kPageHead =
    u"<HTML>\r\n<HEAD>\r\n<TITLE>Imported Page</TITLE>\r\n</HEAD>\r\n<BODY>\r\n";
constexpr QStringView kPageTail = u"\r\n</BODY>\r\n</HTML>";
constexpr QStringView kParagraphHead = u"<!-- Beginning of Paragraph -->\r\n<P>\r\n";
constexpr QStringView kParagraphTail = u"\r\n</P>\r\n<!-- End Of Paragraph -->\r\n";

// Appends the text with some characters replaced, copying the stretches
// between them whole.
template <typename Replace>
void appendReplacing(QString &out, QStringView text, Replace replacement)
{
    qsizetype from = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QStringView r = replacement(text[i]);
        if (r.isNull())
            continue;
        out.append(text.mid(from, i - from));
        out.append(r);
        from = i + 1;
    }
    out.append(text.mid(from));
}

QStringView angleEntity(QChar ch)
{
    if (ch == u'<')
        return u"&lt;";
    if (ch == u'>')
        return u"&gt;";
    return QStringView();
}

void appendPlainText(QString &out, QStringView text)
{
    appendReplacing(out, text, [](QChar ch) {
        return ch == u'\n' ? QStringView(u"<BR>\r\n") : angleEntity(ch);
    });
}

// The hidden buffer after escaping and the paragraph pass: its text and the
// format id of every character.
struct Buffer
{
    QString text;
    std::vector<int> ids;

    void put(QStringView s, int id)
    {
        text.append(s);
        ids.insert(ids.end(), size_t(s.size()), id);
    }
};

struct Conversion
{
    bool centreOpen = false;
    bool listOpen = false;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
};

// Escapes and writes "<BR>", CENTER and list tags into the buffer. Text put
// at a caret takes the format the caret reports there: from a file, a line's
// tags carry the format of the line's first character; from an editor, the
// format of the line break before them. "<BR>" CR LF takes the format of the
// line break it replaces.
Buffer paragraphPass(const RichText &doc, Source source, Conversion &state)
{
    const bool editor = source == Source::Editor;
    const QString &t = doc.text();
    const int n = doc.size();
    const std::vector<RichText::Run> &runs = doc.runs();

    Buffer buf;
    buf.text.reserve(n + n / 8 + 16);
    buf.ids.reserve(size_t(n + n / 8 + 16));

    auto lineTags = [&](const ParagraphFormat &p, int id) {
        const bool centred = p.alignment == Alignment::Center;
        if (centred && !state.centreOpen) {
            buf.put(u"<CENTER>", id);
            state.centreOpen = true;
        } else if (!centred && state.centreOpen) {
            buf.put(u"</CENTER>", id);
            state.centreOpen = false;
        }
        if (p.bullet) {
            if (!state.listOpen) {
                buf.put(u"<UL>", id);
                state.listOpen = true;
            }
            buf.put(u"<LI>", id);
        } else if (state.listOpen) {
            buf.put(u"</UL>", id);
            state.listOpen = false;
        }
    };

    lineTags(doc.paragraphFormat(0), doc.caretFormatId(0));
    int paragraph = 0;
    const int lastParagraph = doc.paragraphCount() - 1;
    for (size_t run = 0; run < runs.size(); ++run) {
        const int id = runs[run].formatId;
        const int end = run + 1 < runs.size() ? runs[run + 1].start : n;
        int from = runs[run].start; // start of the stretch copied as it is
        for (int i = from; i < end; ++i) {
            const QChar ch = t[i];
            if (ch != u'<' && ch != u'>' && ch != u'\n')
                continue;
            // From an editor the whole CR LF is one line break; the pair
            // always lies in one run.
            const bool wholeBreak = editor && ch == u'\n' && i > from && t[i - 1] == u'\r';
            buf.put(QStringView(t).mid(from, i - from - (wholeBreak ? 1 : 0)), id);
            from = i + 1;
            if (ch == u'<') {
                buf.put(u"&lt;", id);
            } else if (ch == u'>') {
                buf.put(u"&gt;", id);
            } else {
                buf.put(u"<BR>\r\n", id);
                paragraph = std::min(paragraph + 1, lastParagraph);
                // From a file the next character's format (at the very end
                // the LF's own); from an editor the line break's.
                const int lineId =
                    !editor && i + 1 == end && i + 1 < n ? runs[run + 1].formatId : id;
                lineTags(doc.paragraphFormat(paragraph), lineId);
            }
        }
        buf.put(QStringView(t).mid(from, end - from), id);
    }
    return buf;
}

QString fontTag(const CharFormat &f)
{
    return QStringLiteral("<FONT STYLE=\"font-size:") + numbers::shortestDouble(f.size) +
           QStringLiteral("pt\" SIZE=") + htmlvalues::htmlFontSize(numbers::roundHalfEven(f.size)) +
           QStringLiteral(" COLOR=") + colour::html(f.colour) + QStringLiteral(" FACE=") +
           htmlvalues::quoted(f.face) + QLatin1Char('>');
}

// Copies the buffer into out with the character tags, then the closing tags.
// The tags for caret c go before buffer character c - 1; from a file they go
// after it when the character before that is a CR or LF. Caret 0's go first.
void characterPass(QString &out, const RichText &doc, const Buffer &buf, Source source,
                   Conversion &state)
{
    const bool editor = source == Source::Editor;
    const QString &b = buf.text;
    const int length = int(b.size());
    std::vector<QString> tags(size_t(doc.formatCount()));
    auto tagOf = [&](int id) -> const QString & {
        QString &tag = tags[size_t(id)];
        if (tag.isEmpty())
            tag = fontTag(doc.format(id));
        return tag;
    };

    qsizetype copied = 0;
    auto copyTo = [&](qsizetype anchor) {
        if (anchor > copied) {
            out.append(QStringView(b).mid(copied, anchor - copied));
            copied = anchor;
        }
    };
    auto toggle = [&](bool on, bool &open, QStringView openTag, QStringView closeTag) {
        if (on && !open) {
            out.append(openTag);
            open = true;
        } else if (!on && open) {
            out.append(closeTag);
            open = false;
        }
    };

    int previous = -1;
    int recorded = -1;
    // Position length + 1 reports what length does, so it changes nothing.
    for (int c = 0; c <= length; ++c) {
        // What the caret reports at c: the character before it, but from a
        // file at the start of a line the line's first character. "<BR>"
        // CR LF has one format, so an editor's caret never reports a change
        // between the CR and the LF.
        int id;
        if (length == 0)
            id = doc.emptyFormatId();
        else if (c == 0)
            id = buf.ids[0];
        else if (editor || c == length || b[c - 1] != u'\n')
            id = buf.ids[size_t(c - 1)];
        else
            id = buf.ids[size_t(c)];
        if (id == previous)
            continue; // nothing can change
        previous = id;

        qsizetype anchor = c - 1;
        if (c == 0)
            anchor = 0;
        else if (!editor && c >= 2 && (b[c - 2] == u'\r' || b[c - 2] == u'\n'))
            anchor = c;
        copyTo(anchor);

        const CharFormat &f = doc.format(id);
        toggle(f.bold, state.bold, u"<B>", u"</B>");
        toggle(f.italic, state.italic, u"<I>", u"</I>");
        toggle(f.underline, state.underline, u"<U>", u"</U>");
        toggle(f.strike, state.strike, u"<S>", u"</S>");
        if (recorded < 0) {
            out.append(tagOf(id));
            recorded = id;
        } else if (!doc.format(recorded).sameFont(f)) {
            out.append(u"</FONT>");
            out.append(tagOf(id));
            recorded = id;
        }
    }
    copyTo(length);

    if (state.centreOpen)
        out.append(u"</CENTER>");
    if (state.listOpen)
        out.append(u"</UL>");
    if (state.bold)
        out.append(u"</B>");
    if (state.italic)
        out.append(u"</I>");
    if (state.underline)
        out.append(u"</U>");
    if (state.strike)
        out.append(u"</S>");
    out.append(u"</FONT>");
}

void appendRichText(QString &out, const RichText &doc, Source source = Source::File)
{
    Conversion state;
    const Buffer buf = paragraphPass(doc, source, state);
    out.reserve(out.size() + buf.text.size() + buf.text.size() / 4 + 256);
    out.append(kParagraphHead);
    characterPass(out, doc, buf, source, state);
    out.append(kParagraphTail);
}

// The text of a text file, or a refusal when it looks binary.
bool decodeFile(const QByteArray &contents, QString *text, Result *result)
{
    *text = decodeText(contents);
    if (!textfile::looksBinary(contents, *text))
        return true;
    text->clear();
    result->ok = false;
    result->refused = true;
    result->error =
        QCoreApplication::translate("importconvert", "This looks like a binary file, not text.");
    return false;
}

// Rich text, or a refusal when the bytes are not rich text at all.
bool readRichText(const QByteArray &contents, rtf::ReadResult *read, Result *result)
{
    if (!rtf::looksLikeRichText(contents)) {
        result->ok = false;
        result->refused = true;
        result->error =
            QCoreApplication::translate("importconvert", "This is not a rich-text file.");
        return false;
    }
    *read = rtf::read(contents);
    result->ok = read->ok;
    result->error = read->error;
    return true;
}

QString notTextOrRichText()
{
    return QCoreApplication::translate(
        "importer", "Only text files (.txt) and rich-text files (.rtf) can be imported.");
}

Result refusal(const QString &error)
{
    Result result;
    result.refused = true;
    result.error = error;
    return result;
}

} // namespace

QString escapeAngles(QStringView text)
{
    QString out;
    out.reserve(text.size() + 16);
    appendReplacing(out, text, angleEntity);
    return out;
}

QString plainLineBreaks(QStringView text)
{
    QString out;
    out.reserve(text.size() + text.size() / 8 + 16);
    appendReplacing(
        out, text, [](QChar ch) { return ch == u'\n' ? QStringView(u"<BR>\r\n") : QStringView(); });
    return out;
}

QString plainTextFragment(QStringView text)
{
    QString out;
    out.reserve(text.size() + text.size() / 8 + 16);
    appendPlainText(out, text);
    return out;
}

QString pageSkeleton(QStringView body)
{
    QString out;
    out.reserve(kPageHead.size() + body.size() + kPageTail.size());
    out.append(kPageHead);
    out.append(body);
    out.append(kPageTail);
    return out;
}

QString richTextFragment(const RichText &text, Source source)
{
    QString out;
    appendRichText(out, text, source);
    return out;
}

QString tableFragment(QStringView text)
{
    QString out;
    out.reserve(text.size() + text.size() / 4 + 64);
    out.append(u"<TABLE BORDER=1>\r\n<TR><TD>");
    // Every LF opens a row, also on a blank line of a file with LF line ends.
    appendReplacing(out, text, [](QChar ch) {
        if (ch == u'\t')
            return QStringView(u"<TD>");
        if (ch == u'\n')
            return QStringView(u"\n<TR><TD>");
        return QStringView();
    });
    out.append(u"\r\n</TABLE>");
    return out;
}

FileKind fileKind(const QString &fileName)
{
    const QString last = fileName.right(3).toUpper();
    if (last == u"TXT")
        return FileKind::PlainText;
    if (last == u"RTF")
        return FileKind::RichText;
    return FileKind::Other;
}

QString decodeText(const QByteArray &bytes)
{
    textfile::Encoding encoding;
    return textfile::decode(bytes, &encoding);
}

namespace {

// The one switch over the kinds of file the text imports take: a whole page
// for a new file, or a fragment for the caret.
Result importText(const QString &fileName, const QByteArray &contents, bool wholePage)
{
    Result result;
    switch (fileKind(fileName)) {
    case FileKind::PlainText: {
        QString text;
        if (!decodeFile(contents, &text, &result))
            break;
        if (wholePage) {
            result.html.reserve(kPageHead.size() + text.size() + text.size() / 8 +
                                kPageTail.size());
            result.html.append(kPageHead);
            appendPlainText(result.html, text);
            result.html.append(kPageTail);
        } else {
            result.html = plainTextFragment(text);
        }
        result.ok = true;
        break;
    }
    case FileKind::RichText: {
        rtf::ReadResult read;
        if (!readRichText(contents, &read, &result))
            break;
        if (read.document.isEmpty() && !read.ok)
            break; // nothing was read
        if (wholePage) {
            result.html.append(kPageHead);
            appendRichText(result.html, read.document);
            result.html.append(kPageTail);
        } else {
            result.html = richTextFragment(read.document);
        }
        break;
    }
    case FileKind::Other:
        if (wholePage) {
            result.html = pageSkeleton(QStringView());
            result.ok = true;
        } else {
            result.refused = true;
            result.error = notTextOrRichText();
        }
        break;
    }
    return result;
}

// The file's bytes, or the refusal that says why there are none.
std::optional<QByteArray> readOrRefuse(const QString &path, Result *refused)
{
    QByteArray bytes;
    QString error;
    if (textfile::readFile(path, &bytes, &error))
        return bytes;
    *refused = refusal(error);
    return std::nullopt;
}

Result importTextFile(const QString &path, bool wholePage)
{
    // Other files are never read.
    if (fileKind(path) == FileKind::Other)
        return importText(path, QByteArray(), wholePage);
    Result refused;
    const std::optional<QByteArray> bytes = readOrRefuse(path, &refused);
    return bytes ? importText(path, *bytes, wholePage) : refused;
}

} // namespace

Result importNewFile(const QString &fileName, const QByteArray &contents)
{
    return importText(fileName, contents, true);
}

Result importNewFile(const QString &path)
{
    return importTextFile(path, true);
}

Result importIntoDocument(const QString &fileName, const QByteArray &contents)
{
    return importText(fileName, contents, false);
}

Result importIntoDocument(const QString &path)
{
    return importTextFile(path, false);
}

Result importTable(const QByteArray &contents)
{
    Result result;
    QString text;
    if (!decodeFile(contents, &text, &result))
        return result;
    result.html = tableFragment(text);
    result.ok = true;
    return result;
}

Result importTableFile(const QString &path)
{
    Result refused;
    const std::optional<QByteArray> bytes = readOrRefuse(path, &refused);
    return bytes ? importTable(*bytes) : refused;
}

} // namespace importer

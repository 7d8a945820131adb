// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Formatted text as the rich-text converters read it: plain characters with
// CR LF line ends, character formatting kept as runs and one format per
// paragraph. Built front to back by a reader (the RTF reader here; a rich-text
// editor can fill one the same way) and then only queried.

#include <QHash>
#include <QString>
#include <QStringView>

#include <vector>

namespace richtext {

struct CharFormat
{
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    double size = 12; // points
    QString face = QStringLiteral("Times New Roman");
    qint64 colour = 0; // colour number, 0x00BBGGRR

    // Colour, size and face: what a FONT tag carries.
    bool sameFont(const CharFormat &other) const
    {
        return colour == other.colour && size == other.size && face == other.face;
    }
    bool operator==(const CharFormat &other) const
    {
        return bold == other.bold && italic == other.italic && underline == other.underline &&
               strike == other.strike && sameFont(other);
    }
    bool operator!=(const CharFormat &other) const { return !(*this == other); }
};

size_t qHash(const CharFormat &format, size_t seed = 0);

enum class Alignment { Left, Right, Center, Justify };

struct ParagraphFormat
{
    Alignment alignment = Alignment::Left;
    bool bullet = false; // a list paragraph

    bool operator==(const ParagraphFormat &other) const
    {
        return alignment == other.alignment && bullet == other.bullet;
    }
    bool operator!=(const ParagraphFormat &other) const { return !(*this == other); }
};

class RichText
{
public:
    struct Run
    {
        int start;    // index of the run's first character
        int formatId; // see format()
    };

    RichText();

    // --- Building ---

    // The id of a format, adding it to the table when new. Ids are small
    // integers; equal formats share one id, so ids compare like formats.
    int formatId(const CharFormat &format);

    // Appends text in one format. A CR, an LF, a CR LF or a Unicode line or
    // paragraph separator inside the text ends the paragraph like
    // endParagraph() does, so the stored text only ever holds CR LF pairs,
    // each ending a paragraph. (A CR LF split across two calls counts twice.)
    void append(QStringView text, int formatId);
    void append(QStringView text, const CharFormat &format) { append(text, formatId(format)); }
    void append(QChar ch, int formatId);

    // Ends the current paragraph with CR LF in the mark's format. The new
    // paragraph starts with the format of the one just ended.
    void endParagraph(int markFormatId);

    // Sets the format of the current (last) paragraph.
    void setParagraphFormat(const ParagraphFormat &format);

    // The format reported while the text is empty (a new control's format).
    void setEmptyFormat(const CharFormat &format);

    // --- Reading ---

    const QString &text() const { return m_text; }
    int size() const { return int(m_text.size()); }
    bool isEmpty() const { return m_text.isEmpty(); }

    int formatCount() const { return int(m_formats.size()); }
    const CharFormat &format(int id) const { return m_formats[size_t(id)]; }

    // Character formats, O(log runs).
    int formatIdAt(int index) const;
    const CharFormat &formatAt(int index) const { return format(formatIdAt(index)); }

    // The format of the character before the caret; at caret 0 the first
    // character's; the empty format when there is no text.
    int formatIdBefore(int caret) const;
    const CharFormat &formatBefore(int caret) const { return format(formatIdBefore(caret)); }

    // What a rich-text control reports for an empty selection at the caret:
    // the character before it, except at the start of a paragraph (caret 0
    // or just after a line feed), where it is the paragraph's first
    // character, as typing there would take. At the very end, the last
    // character's.
    int caretFormatId(int caret) const;
    const CharFormat &caretFormat(int caret) const { return format(caretFormatId(caret)); }
    int emptyFormatId() const { return m_emptyFormat; }

    // Paragraphs, O(log paragraphs). Paragraph i + 1 starts just after the
    // i-th line feed; there is always at least one. A caret between a CR and
    // its LF, or just before the CR, belongs to the paragraph the pair ends.
    int paragraphCount() const { return int(m_paraStarts.size()); }
    int paragraphStart(int paragraph) const { return m_paraStarts[size_t(paragraph)]; }
    const ParagraphFormat &paragraphFormat(int paragraph) const
    {
        return m_paraFormats[size_t(paragraph)];
    }
    int paragraphIndexAt(int caret) const;
    const ParagraphFormat &paragraphAt(int caret) const
    {
        return paragraphFormat(paragraphIndexAt(caret));
    }

    const std::vector<Run> &runs() const { return m_runs; }

private:
    void appendPlain(QStringView text, int formatId);

    QString m_text;
    std::vector<CharFormat> m_formats;
    QHash<CharFormat, int> m_formatIds;
    std::vector<Run> m_runs;
    std::vector<int> m_paraStarts;
    std::vector<ParagraphFormat> m_paraFormats;
    int m_emptyFormat = 0;
};

} // namespace richtext

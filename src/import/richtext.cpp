// SPDX-License-Identifier: GPL-3.0-or-later
#include "import/richtext.h"

#include <algorithm>

namespace richtext {

size_t qHash(const CharFormat &f, size_t seed)
{
    const int flags =
        (f.bold ? 1 : 0) | (f.italic ? 2 : 0) | (f.underline ? 4 : 0) | (f.strike ? 8 : 0);
    return qHashMulti(seed, flags, f.size, f.face, f.colour);
}

RichText::RichText()
{
    m_formats.push_back(CharFormat());
    m_formatIds.insert(m_formats.back(), 0);
    m_paraStarts.push_back(0);
    m_paraFormats.push_back(ParagraphFormat());
}

int RichText::formatId(const CharFormat &format)
{
    const auto it = m_formatIds.constFind(format);
    if (it != m_formatIds.constEnd())
        return it.value();
    const int id = int(m_formats.size());
    m_formats.push_back(format);
    m_formatIds.insert(format, id);
    return id;
}

void RichText::appendPlain(QStringView text, int formatId)
{
    if (text.isEmpty())
        return;
    if (m_runs.empty() || m_runs.back().formatId != formatId)
        m_runs.push_back(Run{int(m_text.size()), formatId});
    m_text.append(text);
}

namespace {

// Line and paragraph separators, as plain text and editors write them.
bool isBreak(QChar ch)
{
    return ch == u'\r' || ch == u'\n' || ch == QChar(0x2028) || ch == QChar(0x2029);
}

} // namespace

void RichText::append(QChar ch, int formatId)
{
    if (isBreak(ch)) {
        endParagraph(formatId);
        return;
    }
    if (m_runs.empty() || m_runs.back().formatId != formatId)
        m_runs.push_back(Run{int(m_text.size()), formatId});
    m_text.append(ch);
}

void RichText::append(QStringView text, int formatId)
{
    qsizetype from = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (!isBreak(ch))
            continue;
        appendPlain(text.mid(from, i - from), formatId);
        endParagraph(formatId);
        if (ch == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        from = i + 1;
    }
    appendPlain(text.mid(from), formatId);
}

void RichText::endParagraph(int markFormatId)
{
    appendPlain(u"\r\n", markFormatId);
    m_paraStarts.push_back(int(m_text.size()));
    m_paraFormats.push_back(m_paraFormats.back());
}

void RichText::setParagraphFormat(const ParagraphFormat &format)
{
    m_paraFormats.back() = format;
}

void RichText::setEmptyFormat(const CharFormat &format)
{
    m_emptyFormat = formatId(format);
}

int RichText::formatIdAt(int index) const
{
    if (m_runs.empty())
        return m_emptyFormat;
    index = std::clamp(index, 0, size() - 1);
    const auto it = std::upper_bound(m_runs.begin(), m_runs.end(), index,
                                     [](int i, const Run &run) { return i < run.start; });
    return std::prev(it)->formatId;
}

int RichText::formatIdBefore(int caret) const
{
    return formatIdAt(caret <= 0 ? 0 : caret - 1);
}

int RichText::caretFormatId(int caret) const
{
    const int n = size();
    if (caret <= 0 || caret >= n)
        return formatIdBefore(caret);
    return m_text[caret - 1] == u'\n' ? formatIdAt(caret) : formatIdAt(caret - 1);
}

int RichText::paragraphIndexAt(int caret) const
{
    const auto it = std::upper_bound(m_paraStarts.begin(), m_paraStarts.end(), caret);
    return it == m_paraStarts.begin() ? 0 : int(it - m_paraStarts.begin()) - 1;
}

} // namespace richtext

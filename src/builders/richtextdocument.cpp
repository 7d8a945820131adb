// SPDX-License-Identifier: GPL-3.0-or-later
#include "builders/richtextdocument.h"

#include "widgets/colourfield.h"

#include <QFont>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextList>

#include <algorithm>

namespace richtextdocument {

using richtext::Alignment;
using richtext::CharFormat;
using richtext::ParagraphFormat;
using richtext::RichText;

namespace {

CharFormat fromCharFormat(const QTextCharFormat &f, const QFont &base)
{
    CharFormat out;
    out.bold = f.fontWeight() >= QFont::DemiBold;
    out.italic = f.fontItalic();
    out.underline = f.fontUnderline();
    out.strike = f.fontStrikeOut();
    out.size = f.fontPointSize() > 0 ? f.fontPointSize() : base.pointSizeF();
    const QStringList families = f.fontFamilies().toStringList();
    out.face = families.isEmpty() || families.first().isEmpty() ? base.family() : families.first();
    if (f.foreground().style() != Qt::NoBrush) {
        const QColor c = f.foreground().color();
        out.colour = formkit::colourNumber(c);
    }
    return out;
}

ParagraphFormat fromBlock(const QTextBlock &block)
{
    ParagraphFormat out;
    const Qt::Alignment a = block.blockFormat().alignment();
    if (a & Qt::AlignHCenter)
        out.alignment = Alignment::Center;
    else if (a & Qt::AlignJustify)
        out.alignment = Alignment::Justify;
    else if (a & Qt::AlignRight)
        out.alignment = Alignment::Right;
    out.bullet = block.textList() != nullptr;
    return out;
}

QTextBlockFormat toBlockFormat(const ParagraphFormat &p)
{
    QTextBlockFormat out;
    switch (p.alignment) {
    case Alignment::Left:
        out.setAlignment(Qt::AlignLeft | Qt::AlignAbsolute);
        break;
    case Alignment::Right:
        out.setAlignment(Qt::AlignRight | Qt::AlignAbsolute);
        break;
    case Alignment::Center:
        out.setAlignment(Qt::AlignHCenter);
        break;
    case Alignment::Justify:
        out.setAlignment(Qt::AlignJustify);
        break;
    }
    return out;
}

} // namespace

QTextCharFormat toCharFormat(const CharFormat &f)
{
    QTextCharFormat out;
    out.setFontWeight(f.bold ? QFont::Bold : QFont::Normal);
    out.setFontItalic(f.italic);
    out.setFontUnderline(f.underline);
    out.setFontStrikeOut(f.strike);
    if (f.size > 0)
        out.setFontPointSize(f.size);
    out.setFontFamilies(QStringList{f.face});
    out.setForeground(formkit::toQColor(f.colour));
    return out;
}

RichText read(const QTextDocument &document, const QTextCharFormat &emptyFormat)
{
    const QFont base = document.defaultFont();
    RichText out;
    out.setEmptyFormat(fromCharFormat(emptyFormat, base));
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        out.setParagraphFormat(fromBlock(block));
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            QString text = fragment.text();
            text.remove(QChar::ObjectReplacementCharacter);
            out.append(text, fromCharFormat(fragment.charFormat(), base));
        }
        // The separator that ends a block carries the format the next
        // block reports as its own.
        const QTextBlock next = block.next();
        if (next.isValid())
            out.endParagraph(out.formatId(fromCharFormat(next.charFormat(), base)));
    }
    return out;
}

void write(QTextDocument &document, const RichText &text)
{
    document.clear();
    QTextCursor cursor(&document);
    cursor.beginEditBlock();
    const QString &t = text.text();
    const std::vector<RichText::Run> &runs = text.runs();
    size_t run = 0;
    QTextList *list = nullptr;
    for (int p = 0; p < text.paragraphCount(); ++p) {
        const int start = text.paragraphStart(p);
        const bool last = p + 1 == text.paragraphCount();
        // The paragraph's text without its CR LF.
        const int end = last ? text.size() : text.paragraphStart(p + 1) - 2;
        const ParagraphFormat &format = text.paragraphFormat(p);
        if (p == 0) {
            cursor.setBlockFormat(toBlockFormat(format));
            cursor.setBlockCharFormat(toCharFormat(text.formatAt(0)));
        } else {
            cursor.insertBlock(toBlockFormat(format), toCharFormat(text.formatAt(start - 1)));
        }
        if (!format.bullet) {
            list = nullptr;
        } else if (list) {
            list->add(cursor.block());
        } else {
            list = cursor.createList(QTextListFormat::ListDisc);
        }
        for (int at = start; at < end;) {
            while (run + 1 < runs.size() && runs[run + 1].start <= at)
                ++run;
            const int runEnd = run + 1 < runs.size() ? std::min(runs[run + 1].start, end) : end;
            cursor.insertText(t.mid(at, runEnd - at),
                              toCharFormat(text.format(runs[run].formatId)));
            at = runEnd;
        }
    }
    cursor.endEditBlock();
}

} // namespace richtextdocument

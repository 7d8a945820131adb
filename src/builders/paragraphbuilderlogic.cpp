// SPDX-License-Identifier: GPL-3.0-or-later
#include "builders/paragraphbuilderlogic.h"

#include "import/importconvert.h"
#include "import/rtfreader.h"

#include <algorithm>
#include <QCoreApplication>

namespace paragraphbuilder {

using richtext::Alignment;
using richtext::CharFormat;
using richtext::ParagraphFormat;
using richtext::RichText;

namespace {

bool isRichTextName(const QString &fileName)
{
    return fileName.contains(QLatin1String(".RTF"), Qt::CaseInsensitive);
}

// A copy without tab characters and with right alignment turned into left.
RichText cleaned(const RichText &source)
{
    RichText out;
    out.setEmptyFormat(source.format(source.emptyFormatId()));
    const QString &t = source.text();
    const std::vector<RichText::Run> &runs = source.runs();
    auto paragraphFormat = [&](int paragraph) {
        ParagraphFormat p = source.paragraphFormat(paragraph);
        if (p.alignment == Alignment::Right)
            p.alignment = Alignment::Left;
        return p;
    };
    int paragraph = 0;
    out.setParagraphFormat(paragraphFormat(0));
    for (size_t run = 0; run < runs.size(); ++run) {
        const int id = out.formatId(source.format(runs[run].formatId));
        const int end = run + 1 < runs.size() ? runs[run + 1].start : source.size();
        int from = runs[run].start;
        for (int i = from; i < end; ++i) {
            const QChar ch = t[i];
            if (ch == u'\t') {
                out.append(QStringView(t).mid(from, i - from), id);
                from = i + 1;
            } else if (ch == u'\n') {
                // The CR before it ends the text of the paragraph; the pair
                // always lies in one run.
                out.append(QStringView(t).mid(from, std::max(0, i - 1 - from)), id);
                out.endParagraph(id);
                out.setParagraphFormat(paragraphFormat(++paragraph));
                from = i + 1;
            }
        }
        out.append(QStringView(t).mid(from, end - from), id);
    }
    return out;
}

} // namespace

QStringList fontSizeItems()
{
    return {QStringLiteral("8"),  QStringLiteral("10"), QStringLiteral("12"), QStringLiteral("14"),
            QStringLiteral("18"), QStringLiteral("24"), QStringLiteral("36")};
}

QString fileFilter()
{
    return QCoreApplication::translate("paragraphbuilderlogic",
                                       "Rich Text Files (*.rtf)|*.rtf|Text Files (*.txt)|*.txt");
}

QString buildParagraph(const RichText &text)
{
    return importer::richTextFragment(text, importer::Source::Editor);
}

LoadedText readTextFile(const QString &fileName, const QByteArray &bytes)
{
    LoadedText result;
    CharFormat initial;
    initial.face = initialFace();
    initial.size = InitialSize;
    if (!isRichTextName(fileName)) {
        RichText plain;
        plain.setEmptyFormat(initial);
        plain.append(importer::decodeText(bytes), initial);
        result.text = cleaned(plain);
        result.ok = true;
        return result;
    }
    rtf::ReadResult read = rtf::read(bytes);
    if (!read.ok && read.document.isEmpty()) {
        result.error = read.error;
        return result;
    }
    read.document.setEmptyFormat(initial);
    result.text = cleaned(read.document);
    result.ok = true;
    return result;
}

} // namespace paragraphbuilder

// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the RTF reader and the rich-text conversion.
// Besides crashes and sanitizer reports it stops on a broken document model
// and on any difference from the step-by-step conversion for small texts.
#include "check.h"
#include "import/importconvert.h"
#include "import/rtfreader.h"
#include "import/slowconversion.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const rtf::ReadResult result = rtf::read(bytes);
    const richtext::RichText &doc = result.document;
    const QString &text = doc.text();

    check(result.ok == result.error.isEmpty(), "error text matches the outcome");
    int lineFeeds = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (ch == u'\r')
            check(i + 1 < text.size() && text[i + 1] == u'\n', "CR followed by LF");
        if (ch == u'\n') {
            check(i > 0 && text[i - 1] == u'\r', "LF after CR");
            ++lineFeeds;
            check(doc.paragraphStart(lineFeeds) == i + 1, "paragraph starts after its LF");
        }
        if (ch.isHighSurrogate())
            check(i + 1 < text.size() && text[i + 1].isLowSurrogate(), "surrogates paired");
        if (ch.isLowSurrogate())
            check(i > 0 && text[i - 1].isHighSurrogate(), "surrogates paired");
    }
    check(doc.paragraphCount() == lineFeeds + 1, "one paragraph per line");
    const auto &runs = doc.runs();
    check(runs.empty() == text.isEmpty(), "runs cover the text");
    for (size_t r = 0; r < runs.size(); ++r) {
        check(r == 0 || runs[r].start > runs[r - 1].start, "runs ascend");
        check(r == 0 || runs[r].formatId != runs[r - 1].formatId, "runs differ");
        check(runs[r].formatId >= 0 && runs[r].formatId < doc.formatCount(), "format ids");
    }
    if (!runs.empty())
        check(runs[0].start == 0, "first run at 0");

    const QString html = importer::richTextFragment(doc);
    if (doc.size() <= 400) {
        check(html == slowimport::richTextFragment(doc), "same as the step-by-step conversion");
        check(importer::richTextFragment(doc, importer::Source::Editor) ==
                  slowimport::richTextFragment(doc, true),
              "from an editor, same as the step-by-step conversion");
    }
    return 0;
}

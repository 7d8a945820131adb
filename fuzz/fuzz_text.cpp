// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the plain-text and table converters and checks
// what their output must look like.
#include "check.h"
#include "import/importconvert.h"
#include "platform/textfile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = importer::decodeText(bytes);

    // Plain text: the only markup is the BR tags, one per LF.
    const QString plain = importer::plainTextFragment(text);
    QString stripped = plain;
    stripped.remove(QStringLiteral("<BR>\r\n"));
    check(!stripped.contains(u'<') && !stripped.contains(u'>'), "angles escaped");
    check(plain.count(QStringLiteral("<BR>")) == text.count(u'\n'), "one BR per LF");
    check(plain.size() ==
              text.size() + 3 * text.count(u'<') + 3 * text.count(u'>') + 5 * text.count(u'\n'),
          "nothing else changed");

    // A file that looks binary is refused as Open refuses it; any other
    // gives a page around the fragment.
    const importer::Result page = importer::importNewFile(QStringLiteral("a.txt"), bytes);
    const bool binary = textfile::looksBinary(bytes, text);
    check(page.refused == binary, "refused only when binary");
    check(binary || (page.ok && page.html.contains(plain)), "page holds the fragment");

    // Tables: a row opener per LF after the first, a cell per TAB.
    const QString table = importer::tableFragment(text);
    check(table.startsWith(QStringLiteral("<TABLE BORDER=1>\r\n<TR><TD>")), "table head");
    check(table.endsWith(QStringLiteral("\r\n</TABLE>")), "table tail");
    const qsizetype tabs = text.count(u'\t');
    const qsizetype lineFeeds = text.count(u'\n');
    check(table.size() == 26 + text.size() + 3 * tabs + 8 * lineFeeds + 10,
          "a TD per TAB, a row per LF, nothing else");
    return 0;
}

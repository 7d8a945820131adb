// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/pagecheck.h"

#include <tidy/tidy.h>
#include <tidy/tidybuffio.h>

#include <algorithm>

namespace pagecheck {

namespace {

bool startsWithNoCase(QByteArrayView text, qsizetype at, QByteArrayView lower)
{
    if (text.size() - at < lower.size())
        return false;
    for (qsizetype k = 0; k < lower.size(); ++k) {
        const char c = text[at + k];
        if ((c >= 'A' && c <= 'Z' ? char(c | 0x20) : c) != lower[k])
            return false;
    }
    return true;
}

Bool TIDY_CALL collect(TidyMessage message)
{
    auto *findings = static_cast<QList<Finding> *>(tidyGetAppData(tidyGetMessageDoc(message)));
    const TidyReportLevel level = tidyGetMessageLevel(message);
    Severity severity;
    switch (level) {
    case TidyWarning:
        severity = Severity::Warning;
        break;
    case TidyError:
    case TidyBadDocument:
    case TidyFatal:
        severity = Severity::Error;
        break;
    default: // notes on the markup, summaries, configuration
        return no;
    }
    findings->append({qMax(0, tidyGetMessageLine(message)), qMax(0, tidyGetMessageColumn(message)),
                      severity, QString::fromUtf8(tidyGetMessage(message))});
    return no; // nothing is printed
}

} // namespace

Doctype declaredDoctype(QByteArrayView utf8)
{
    qsizetype k = utf8.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    const qsizetype n = utf8.size();
    while (k < n) {
        const char c = utf8[k];
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f') {
            ++k;
        } else if (utf8.sliced(k).startsWith("<!--")) {
            const qsizetype end = QByteArrayView(utf8).indexOf("-->", k + 4);
            if (end < 0)
                return Doctype::None;
            k = end + 3;
        } else if (utf8.sliced(k).startsWith("<?")) {
            const qsizetype end = utf8.indexOf('>', k);
            if (end < 0)
                return Doctype::None;
            k = end + 1;
        } else if (startsWithNoCase(utf8, k, "<!doctype")) {
            qsizetype end = utf8.indexOf('>', k);
            if (end < 0)
                end = n;
            // The HTML 5 doctype names no public identifier.
            const QByteArray declaration = utf8.sliced(k, end - k).toByteArray().toLower();
            return declaration.contains("public") ? Doctype::Legacy : Doctype::Html5;
        } else {
            return Doctype::None;
        }
    }
    return Doctype::None;
}

QList<Finding> check(QByteArrayView utf8)
{
    QList<Finding> findings;
    TidyDoc doc = tidyCreate();
    tidySetAppData(doc, &findings);
    tidySetMessageCallback(doc, collect);
    tidySetCharEncoding(doc, "utf8");
    tidyOptSetBool(doc, TidyQuiet, yes);
    tidyOptSetBool(doc, TidyShowWarnings, yes);
    // Every error, not the first six; a tab is one column, as in the editor.
    tidyOptSetInt(doc, TidyShowErrors, 1000000000);
    tidyOptSetInt(doc, TidyTabSize, 0);
    // Without a doctype tidy would take the page for HTML 5; the pages the
    // builders write are HTML 3.2 and 4.
    if (declaredDoctype(utf8) == Doctype::None)
        tidyOptSetValue(doc, TidyDoctype, "transitional");
    // Whatever tidy would print goes to a buffer that is thrown away.
    TidyBuffer errors;
    tidyBufInit(&errors);
    tidySetErrorBuffer(doc, &errors);

    static byte empty = 0;
    TidyBuffer input;
    tidyBufInit(&input);
    tidyBufAttach(
        &input, utf8.isEmpty() ? &empty : reinterpret_cast<byte *>(const_cast<char *>(utf8.data())),
        uint(utf8.size()));
    if (tidyParseBuffer(doc, &input) >= 0) {
        tidyCleanAndRepair(doc);
        tidyRunDiagnostics(doc);
    }
    tidyBufDetach(&input);
    tidyBufFree(&errors);
    tidyRelease(doc);

    std::stable_sort(findings.begin(), findings.end(), [](const Finding &a, const Finding &b) {
        return a.line != b.line ? a.line < b.line : a.column < b.column;
    });
    return findings;
}

std::pair<qsizetype, qsizetype> onLines(const QList<Finding> &findings, int first, int last)
{
    const auto begin = std::lower_bound(findings.cbegin(), findings.cend(), first,
                                        [](const Finding &f, int line) { return f.line < line; });
    const auto end = std::upper_bound(begin, findings.cend(), qMax(first, last),
                                      [](int line, const Finding &f) { return line < f.line; });
    return {begin - findings.cbegin(), end - findings.cbegin()};
}

void afterEdit(QList<Finding> &findings, int first, int last, int delta)
{
    const auto [begin, end] = onLines(findings, first, last);
    findings.remove(begin, end - begin);
    if (delta == 0)
        return;
    for (qsizetype i = begin; i < findings.size(); ++i)
        findings[i].line += delta;
}

} // namespace pagecheck

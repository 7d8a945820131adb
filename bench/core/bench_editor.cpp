// SPDX-License-Identifier: GPL-3.0-or-later
// SmartColor, tag case conversion, Replace All, the preview's copy and
// Edit Element's reading on large documents.

#include "editor/findreplace.h"
#include "editor/reopen.h"
#include "editor/smartcolor.h"
#include "editor/tagcase.h"
#include "htmlgen.h"
#include "preview/elementmap.h"

#include <QString>

#include <benchmark/benchmark.h>

namespace {

void BM_SmartColorScan(benchmark::State &state)
{
    const QString &doc = document(state.range(0));
    qsizetype spans = 0;
    for (auto _ : state) {
        const smartcolor::ScanResult r = smartcolor::scan(doc, 0, 0, 0);
        spans = r.spans.size();
        benchmark::DoNotOptimize(r.spans.data());
    }
    state.counters["spans"] = double(spans);
    state.SetBytesProcessed(state.iterations() * doc.size() * 2);
}
BENCHMARK(BM_SmartColorScan)->Arg(megabyte)->Arg(10 * megabyte)->Unit(benchmark::kMillisecond);

void BM_SmartColorScanAndRuns(benchmark::State &state)
{
    const QString &doc = document(state.range(0));
    qsizetype runs = 0;
    for (auto _ : state) {
        const QVector<smartcolor::Span> r =
            smartcolor::colourRuns(smartcolor::scan(doc, 0, 0, 0).spans);
        runs = r.size();
        benchmark::DoNotOptimize(r.data());
    }
    state.counters["runs"] = double(runs);
    state.SetBytesProcessed(state.iterations() * doc.size() * 2);
}
BENCHMARK(BM_SmartColorScanAndRuns)
    ->Arg(megabyte)
    ->Arg(10 * megabyte)
    ->Unit(benchmark::kMillisecond);

// What each preview refresh costs before the engine gets the page: the
// element map and the copy with its start tags marked. SmartColor's scan of
// the same text is the yardstick.
void BM_PreviewCopy(benchmark::State &state)
{
    const QString &doc = document(state.range(0));
    qsizetype elements = 0;
    for (auto _ : state) {
        const elementmap::Map map = elementmap::scan(doc);
        const QString copy = elementmap::instrument(doc, map);
        elements = map.elements.size();
        benchmark::DoNotOptimize(copy.constData());
    }
    state.counters["elements"] = double(elements);
    state.SetBytesProcessed(state.iterations() * doc.size() * 2);
}
BENCHMARK(BM_PreviewCopy)->Arg(megabyte)->Arg(10 * megabyte)->Unit(benchmark::kMillisecond);

// Edit Element up to the builder's opening: the element map, the element
// at a caret in the middle and what its builder reads of it. SmartColor's
// scan of the same text is the yardstick.
void BM_ElementAtCaret(benchmark::State &state)
{
    const QString &doc = document(state.range(0));
    reopen::Shape content;
    content.content = true;
    const QList<reopen::Target> targets{
        {{"A"}, content}, {{"IMG"}, {}}, {{"FONT"}, {}}, {{"TABLE"}, {}}, {{"FORM"}, {}}};
    qsizetype found = 0;
    for (auto _ : state) {
        const elementmap::Map map = elementmap::scan(doc);
        const reopen::Found at = reopen::find(doc, map, doc.size() / 2, targets);
        if (const std::optional<reopen::Parts> parts =
                reopen::partsOf(doc, map, at.element, targets.value(at.target).shape)) {
            const tagreader::Element element = reopen::readBack(doc, *parts);
            found = element.tag.attributes.size() + 1;
            benchmark::DoNotOptimize(element.content.constData());
        }
    }
    state.counters["found"] = double(found);
    state.SetBytesProcessed(state.iterations() * doc.size() * 2);
}
BENCHMARK(BM_ElementAtCaret)->Arg(megabyte)->Arg(10 * megabyte)->Unit(benchmark::kMillisecond);

// An insertion in the middle of a large document: only the range is read.
void BM_SmartColorInsertedRange(benchmark::State &state)
{
    const QString fragment =
        QStringLiteral("<TABLE BORDER=1>\r\n<TR>\r\n<TD></TD>\r\n</TR>\r\n</TABLE>");
    QString doc = document(10 * megabyte);
    const qsizetype at = doc.indexOf(u"</P>", doc.size() / 2) + 4;
    doc.insert(at, fragment);
    for (auto _ : state) {
        const smartcolor::ScanResult r =
            smartcolor::scan(doc, at, fragment.size(), at + fragment.size());
        benchmark::DoNotOptimize(r.caret);
    }
}
BENCHMARK(BM_SmartColorInsertedRange)->Unit(benchmark::kMicrosecond);

void BM_UpperCaseTags(benchmark::State &state)
{
    const QString &doc = document(10 * megabyte);
    for (auto _ : state) {
        const QString out = tagcase::upperCaseTags(doc);
        benchmark::DoNotOptimize(out.constData());
    }
    state.SetBytesProcessed(state.iterations() * doc.size() * 2);
}
BENCHMARK(BM_UpperCaseTags)->Unit(benchmark::kMillisecond);

void BM_LowerCaseTags(benchmark::State &state)
{
    const QString &doc = document(10 * megabyte);
    for (auto _ : state) {
        const QString out = tagcase::lowerCaseTags(doc);
        benchmark::DoNotOptimize(out.constData());
    }
    state.SetBytesProcessed(state.iterations() * doc.size() * 2);
}
BENCHMARK(BM_LowerCaseTags)->Unit(benchmark::kMillisecond);

void BM_ReplaceAll(benchmark::State &state)
{
    const QString &doc = widgetDocument();
    const bool matchCase = state.range(0);
    qsizetype count = 0;
    for (auto _ : state) {
        const findreplace::ReplaceAllResult r =
            findreplace::replaceAll(doc, u"widget", u"gadget", matchCase);
        count = r.count;
        benchmark::DoNotOptimize(r.text.constData());
    }
    if (!matchCase && count != widgetCount)
        state.SkipWithError("the document does not hold the planned number of widgets");
    state.counters["replaced"] = double(count);
    state.SetBytesProcessed(state.iterations() * doc.size() * 2);
}
BENCHMARK(BM_ReplaceAll)->ArgName("matchCase")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_FindLast(benchmark::State &state)
{
    const QString &doc = document(10 * megabyte);
    const bool matchCase = state.range(0);
    for (auto _ : state) {
        const qsizetype at = findreplace::find(doc, u"</html>", 0, matchCase);
        benchmark::DoNotOptimize(at);
    }
    state.SetBytesProcessed(state.iterations() * doc.size() * 2);
}
BENCHMARK(BM_FindLast)->ArgName("matchCase")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

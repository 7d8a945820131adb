// SmartColor, tag case conversion and Replace All on large documents.

#include "editor/findreplace.h"
#include "editor/smartcolor.h"
#include "editor/tagcase.h"

#include <QRandomGenerator>
#include <QString>

#include <benchmark/benchmark.h>

namespace {

// A page of realistic HTML: headings, paragraphs with links and formatting,
// tables, comments, images, CR LF line ends. Every wordEvery-th text word is
// "Widget" (in one of three spellings) until widgets of them are written.
QString generateHtml(qsizetype size, int wordEvery = 0, int widgets = 0,
                     int *wordsWritten = nullptr)
{
    static const char *const words[] = {
        "the",    "page",  "site",   "content", "news",   "table",    "report", "about",
        "we",     "offer", "design", "quality", "garden", "products", "summer", "order",
        "prices", "for",   "all",    "members", "and",    "their",    "guests", "today",
    };
    static const char *const widgetForms[] = {"Widget", "widget", "WIDGET"};
    QRandomGenerator rng(42);
    int wordCount = 0;
    int widgetCount = 0;
    QString out;
    out.reserve(size + 4096);
    const auto text = [&](int n) {
        for (int k = 0; k < n; ++k) {
            if (k)
                out += u' ';
            ++wordCount;
            if (wordEvery && widgetCount < widgets && wordCount % wordEvery == 0) {
                out += QLatin1String(widgetForms[widgetCount % 3]);
                ++widgetCount;
            } else {
                out += QLatin1String(words[rng.bounded(int(std::size(words)))]);
            }
        }
    };
    out += QLatin1String("<HTML>\r\n<HEAD>\r\n<TITLE>Generated</TITLE>\r\n</HEAD>\r\n"
                         "<BODY BGCOLOR=\"#FFFFFF\">\r\n");
    int section = 0;
    while (out.size() < size) {
        ++section;
        out += QStringLiteral("<!-- Section %1 -->\r\n<H2>").arg(section);
        text(3);
        out += QLatin1String("</H2>\r\n");
        for (int p = 0; p < 3; ++p) {
            out += QLatin1String("<P>");
            text(12);
            out += QStringLiteral(" <A HREF=\"page%1.htm\">").arg(rng.bounded(500));
            text(2);
            out += QLatin1String("</A> <B>");
            text(2);
            out += QLatin1String("</B> ");
            text(10);
            out += QLatin1String("</P>\r\n");
        }
        if (section % 2 == 0) {
            out += QLatin1String("<TABLE BORDER=1 CELLPADDING=2 WIDTH=\"100%\">\r\n");
            for (int r = 0; r < 3; ++r) {
                out += QLatin1String("<TR>\r\n");
                for (int c = 0; c < 3; ++c) {
                    out += QLatin1String("<TD ALIGN=CENTER>");
                    text(2);
                    out += QLatin1String("</TD>\r\n");
                }
                out += QLatin1String("</TR>\r\n");
            }
            out += QLatin1String("</TABLE>\r\n");
        }
        if (section % 5 == 0)
            out += QStringLiteral("<IMG SRC=\"images/pic%1.gif\" ALT=\"Picture\"><BR>\r\n")
                       .arg(section);
    }
    out += QLatin1String("</BODY>\r\n</HTML>\r\n");
    if (wordsWritten)
        *wordsWritten = wordCount;
    return out;
}

constexpr qsizetype megabyte = 1024 * 1024;

const QString &document(qsizetype size)
{
    static const QString one = generateHtml(megabyte);
    static const QString ten = generateHtml(10 * megabyte);
    return size == megabyte ? one : ten;
}

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

// "Widget" 100,000 times (three spellings) in 10 MB.
constexpr int widgetCount = 100000;

const QString &widgetDocument()
{
    static const QString doc = [] {
        int words = 0;
        generateHtml(10 * megabyte, 0, 0, &words);
        // A little slack: the widgets make the page a little longer.
        return generateHtml(10 * megabyte, words * 95 / 100 / widgetCount, widgetCount);
    }();
    return doc;
}

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

// Tag case conversion and Replace All on a 10 MB document in the editor
// widget: one edit each, colours kept, then SmartColor.

#include "editor/editcommands.h"
#include "editor/htmleditor.h"
#include "editor/insertion.h"
#include "htmlgen.h"
#include "shell/appstate.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

constexpr qsizetype megabyte = 1024 * 1024;
constexpr int widgetCount = 100000;

const QString &document()
{
    static const QString ten = generateHtml(10 * megabyte);
    return ten;
}

// The 10 MB page with "Widget" (in three spellings) 100,000 times.
const QString &widgetDocument()
{
    static const QString doc = [] {
        int words = 0;
        generateHtml(10 * megabyte, 0, 0, &words);
        return generateHtml(10 * megabyte, words * 95 / 100 / widgetCount, widgetCount);
    }();
    return doc;
}

// Upper-casing every tag of a page whose tags are all lower case: the
// editor's part alone (arg 0), and with the SmartColor run that follows
// (arg 1).
void BM_UpperCaseAllTags(benchmark::State &state)
{
    HtmlEditor editor;
    AppState app;
    editor.setDocumentText(document());
    insertion::smartcolor(editor, app);
    editor.setSelStart(editor.characterLength() / 2);
    const bool colour = state.range(0);
    for (auto _ : state) {
        state.PauseTiming();
        editcommands::convertTagCase(editor, tagcase::Case::Lower);
        state.ResumeTiming();
        if (!editcommands::convertTagCase(editor, tagcase::Case::Upper))
            state.SkipWithError("nothing was converted");
        if (colour) {
            app.textLength = 0;
            insertion::smartcolor(editor, app);
        }
    }
    state.SetBytesProcessed(state.iterations() * document().size());
}
BENCHMARK(BM_UpperCaseAllTags)
    ->ArgName("smartcolor")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

// Replace All of "widget" (any case, 100,000 matches) by a word of the same
// length (arg 6) or a longer one (arg 9), then SmartColor.
void BM_ReplaceAllWidgets(benchmark::State &state)
{
    HtmlEditor editor;
    AppState app;
    const QString replacement =
        state.range(0) == 6 ? QStringLiteral("gadget") : QStringLiteral("gizmo-box");
    qsizetype count = 0;
    for (auto _ : state) {
        state.PauseTiming();
        editor.setDocumentText(widgetDocument());
        insertion::smartcolor(editor, app);
        state.ResumeTiming();
        count = editcommands::replaceAll(editor, QStringLiteral("widget"), replacement, false);
        app.textLength = 0;
        insertion::smartcolor(editor, app);
    }
    if (count != widgetCount)
        state.SkipWithError("the document does not hold the planned number of widgets");
    state.counters["replaced"] = double(count);
}
BENCHMARK(BM_ReplaceAllWidgets)
    ->ArgName("replacementLength")
    ->Arg(6)
    ->Arg(9)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

// SPDX-License-Identifier: GPL-3.0-or-later
// Tag case conversion and Replace All on a 10 MB document in the editor
// widget: one edit each, colours kept, then SmartColor.

#include "editor/editcommands.h"
#include "editor/htmleditor.h"
#include "editor/insertion.h"
#include "htmlgen.h"
#include "kernel/appstate.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

// Upper-casing every tag of a page whose tags are all lower case, as the
// command does it: with SmartColor off the colours are carried over; with it
// on the stretch is left black and SmartColor recolours the whole page.
void BM_UpperCaseAllTags(benchmark::State &state)
{
    HtmlEditor editor;
    AppState app;
    app.colouringOff = !state.range(0);
    editor.setDocumentText(document(10 * megabyte));
    app.colourLength = 0;
    insertion::smartcolor(editor, app);
    editor.setSelStart(editor.characterLength() / 2);
    for (auto _ : state) {
        state.PauseTiming();
        editcommands::convertTagCase(editor, tagcase::Case::Lower);
        state.ResumeTiming();
        if (!editcommands::convertTagCase(editor, tagcase::Case::Upper, app.colouringOff))
            state.SkipWithError("nothing was converted");
        app.colourLength = 0;
        insertion::smartcolor(editor, app);
    }
    state.SetBytesProcessed(state.iterations() * document(10 * megabyte).size());
}
BENCHMARK(BM_UpperCaseAllTags)
    ->ArgName("smartcolorOn")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond);

// Replace All of "widget" (any case, 100,000 matches) by a word of the same
// length (6) or a longer one (9), as the Find window does it, with SmartColor
// off (colours carried over) and on (the page recoloured).
void BM_ReplaceAllWidgets(benchmark::State &state)
{
    HtmlEditor editor;
    AppState app;
    const QString replacement =
        state.range(0) == 6 ? QStringLiteral("gadget") : QStringLiteral("gizmo-box");
    app.colouringOff = !state.range(1);
    qsizetype count = 0;
    for (auto _ : state) {
        state.PauseTiming();
        editor.setDocumentText(widgetDocument());
        const bool off = app.colouringOff;
        app.colouringOff = false;
        app.colourLength = 0;
        insertion::smartcolor(editor, app);
        app.colouringOff = off;
        state.ResumeTiming();
        count = editcommands::replaceAll(editor, QStringLiteral("widget"), replacement, false,
                                         app.colouringOff);
        app.colourLength = 0;
        insertion::smartcolor(editor, app);
    }
    if (count != widgetCount)
        state.SkipWithError("the document does not hold the planned number of widgets");
    state.counters["replaced"] = double(count);
}
BENCHMARK(BM_ReplaceAllWidgets)
    ->ArgNames({"replacementLength", "smartcolorOn"})
    ->ArgsProduct({{6, 9}, {0, 1}})
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

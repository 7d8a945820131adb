// The editor widget on big documents: loading, colouring, inserting, typing.

#include "editor/documentwindow.h"
#include "editor/htmleditor.h"
#include "editor/insertion.h"
#include "htmlgen.h"
#include "kernel/appstate.h"
#include "platform/dialogservice.h"
#include "platform/textfile.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// Loading a 10 MB file into a document window (read, decode, into the editor).
void BM_LoadFile(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("big.htm");
    textfile::save(path, document(state.range(0)), textfile::Encoding::Utf8);
    AppState app;
    WidgetDialogService dialogs;
    for (auto _ : state) {
        DocumentWindow window(DocumentWindow::Kind::Plain, app, dialogs);
        benchmark::DoNotOptimize(window.loadFile(path));
    }
}
BENCHMARK(BM_LoadFile)->Arg(10 * megabyte)->Unit(benchmark::kMillisecond);

void BM_SaveFile(benchmark::State &state)
{
    QTemporaryDir dir;
    AppState app;
    WidgetDialogService dialogs;
    DocumentWindow window(DocumentWindow::Kind::Plain, app, dialogs);
    window.editor()->setDocumentText(document(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(window.saveFile(dir.filePath("out.htm")));
}
BENCHMARK(BM_SaveFile)->Arg(10 * megabyte)->Unit(benchmark::kMillisecond);

// SmartColor over the whole document, colours applied in the editor.
void BM_SmartColorWidget(benchmark::State &state)
{
    HtmlEditor editor;
    AppState app;
    editor.setDocumentText(document(state.range(0)));
    for (auto _ : state) {
        app.textLength = 0;
        insertion::smartcolor(editor, app);
    }
}
BENCHMARK(BM_SmartColorWidget)->Arg(megabyte)->Arg(10 * megabyte)->Unit(benchmark::kMillisecond);

// The floor: read the text, find every tag and paint it one colour, with no
// category logic.
void BM_PaintTagsNoCategories(benchmark::State &state)
{
    HtmlEditor editor;
    editor.setDocumentText(document(state.range(0)));
    const QVector<qint64> colours{32768, 32768, 32768, 32768, 32768};
    for (auto _ : state) {
        const QString text = editor.documentText();
        QVector<smartcolor::Span> runs;
        qsizetype i = 0;
        while ((i = text.indexOf(u'<', i)) >= 0) {
            const qsizetype j = text.indexOf(u'>', i);
            if (j < 0)
                break;
            runs.append({i, j - i + 1, smartcolor::Category::Other});
            i = j + 1;
        }
        editor.recolourAll(text, runs, colours);
    }
}
BENCHMARK(BM_PaintTagsNoCategories)
    ->Arg(megabyte)
    ->Arg(10 * megabyte)
    ->Unit(benchmark::kMillisecond);

// A 1 KB fragment inserted in the middle of the document.
void BM_InsertFragment(benchmark::State &state)
{
    HtmlEditor editor;
    AppState app;
    editor.setDocumentText(document(state.range(0)));
    QString fragment;
    while (fragment.size() < 1024)
        fragment += QStringLiteral("<TR>\r\n<TD ALIGN=LEFT>cell</TD>\r\n</TR>\r\n");
    const qsizetype middle = editor.characterLength() / 2;
    for (auto _ : state) {
        editor.setSelStart(middle);
        insertion::portableColor(editor, app, fragment);
        state.PauseTiming();
        editor.undo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_InsertFragment)->Arg(megabyte)->Arg(10 * megabyte)->Unit(benchmark::kMicrosecond);

// A typed key in the middle of a document window (the typing colour rules
// included).
void BM_TypeKey(benchmark::State &state)
{
    AppState app;
    WidgetDialogService dialogs;
    DocumentWindow window(DocumentWindow::Kind::Plain, app, dialogs);
    HtmlEditor *editor = window.editor();
    editor->setDocumentText(document(state.range(0)));
    editor->setSelStart(editor->characterLength() / 2);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    for (auto _ : state)
        QCoreApplication::sendEvent(editor, &press);
}
BENCHMARK(BM_TypeKey)->Arg(megabyte)->Arg(10 * megabyte)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

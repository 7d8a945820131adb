// SPDX-License-Identifier: GPL-3.0-or-later
// The editor widget on big documents: loading, colouring, inserting, typing.

#include "editor/documentwindow.h"
#include "editor/htmleditor.h"
#include "editor/insertion.h"
#include "editor/markupnav.h"
#include "editor/writingaids.h"
#include "htmlgen.h"
#include "kernel/appstate.h"
#include "platform/dialogservice.h"
#include "platform/heap.h"
#include "platform/textfile.h"
#include "recovery/snapshotkeeper.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QListWidget>
#include <QTemporaryDir>

#include <memory>
#include <unistd.h>

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

// Resident memory of the process, in bytes.
qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * sysconf(_SC_PAGESIZE) : 0;
}

// What a loaded and coloured 10 MB page costs in resident memory, once the
// work is done: the figure is the growth over an empty document window, in
// MB and as a multiple of the file's size.
void BM_ResidentAfterLoad(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("big.htm");
    textfile::save(path, document(state.range(0)), textfile::Encoding::Utf8);
    const double fileBytes = double(QFileInfo(path).size());
    AppState app;
    WidgetDialogService dialogs;
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<DocumentWindow>(DocumentWindow::Kind::Plain, app, dialogs);
        window->show();
        QCoreApplication::processEvents();
        heap::releaseFreed(); // what earlier benchmarks left
        const qint64 before = residentBytes();
        state.ResumeTiming();
        window->loadFile(path);
        app.colourLength = 0;
        insertion::smartcolor(*window->editor(), app);
        QCoreApplication::processEvents();
        state.PauseTiming();
        const double grown = double(residentBytes() - before);
        state.counters["resident_MB"] = grown / megabyte;
        state.counters["per_file_byte"] = grown / fileBytes;
        window.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ResidentAfterLoad)->Arg(10 * megabyte)->Iterations(1)->Unit(benchmark::kMillisecond);

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
        app.colourLength = 0;
        insertion::smartcolor(editor, app);
    }
}
BENCHMARK(BM_SmartColorWidget)->Arg(megabyte)->Arg(10 * megabyte)->Unit(benchmark::kMillisecond);

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
        insertion::insertFragment(editor, app, fragment);
        state.PauseTiming();
        editor.undo();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_InsertFragment)->Arg(megabyte)->Arg(10 * megabyte)->Unit(benchmark::kMicrosecond);

// One press of Find Next in a 10 MB page: the next "</TABLE>" after the
// last match, found in the editor's own text.
void BM_FindNext(benchmark::State &state)
{
    HtmlEditor editor;
    editor.setDocumentText(document(state.range(0)));
    qsizetype from = 0;
    for (auto _ : state) {
        const qsizetype at = editor.findText(QStringLiteral("</table>"), from);
        from = at < 0 ? 0 : at + 1;
        benchmark::DoNotOptimize(at);
    }
}
BENCHMARK(BM_FindNext)->Arg(10 * megabyte)->Unit(benchmark::kMicrosecond);

// A typed key in the middle of a document window (the typing colour rules
// included), in the plain window (0) and the one with the preview (1).
void BM_TypeKey(benchmark::State &state)
{
    AppState app;
    WidgetDialogService dialogs;
    DocumentWindow window(
        state.range(1) ? DocumentWindow::Kind::Preview : DocumentWindow::Kind::Plain, app, dialogs);
    HtmlEditor *editor = window.editor();
    editor->setDocumentText(document(state.range(0)));
    editor->setSelStart(editor->characterLength() / 2);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    for (auto _ : state)
        QCoreApplication::sendEvent(editor, &press);
}
BENCHMARK(BM_TypeKey)
    ->ArgsProduct({{megabyte, 10 * megabyte}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

// A shown, coloured document window on the page, the caret in its middle.
struct Shown
{
    AppState app;
    WidgetDialogService dialogs;
    DocumentWindow window{DocumentWindow::Kind::Plain, app, dialogs};
    HtmlEditor *editor = window.editor();

    explicit Shown(const QString &text)
    {
        window.resize(800, 600);
        window.show();
        editor->setDocumentText(text);
        insertion::smartcolor(*editor, app);
        editor->setSelStart(editor->characterLength() / 2);
        editor->ensureCursorVisible();
        QCoreApplication::processEvents();
    }
};

// From a key typed in the middle of a shown, coloured document window to
// the editor painted again. The keys type tags and text in turn, so some
// open a tag that runs on to the next ">" of the page; the writing aids
// are on (end tags written, the list waiting for a pause, folding).
void BM_KeyToPaint(benchmark::State &state)
{
    Shown shown(document(state.range(0)));
    const QString keys = QStringLiteral("<b>bold</b> <!-- x --> ");
    qsizetype k = 0;
    for (auto _ : state) {
        const QString key = keys.mid(k++ % keys.size(), 1);
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, key);
        QCoreApplication::sendEvent(shown.editor, &press);
        shown.editor->viewport()->repaint();
    }
}
BENCHMARK(BM_KeyToPaint)->Arg(megabyte)->Arg(10 * megabyte)->Unit(benchmark::kMicrosecond);

// The worst case of the same: the page's comments lost their ends, so the
// first one stays open to the end of the page and every key typed below it
// scans the text again from there.
void BM_KeyToPaintInOpenComment(benchmark::State &state)
{
    Shown shown(
        QString(document(state.range(0))).replace(QStringLiteral("-->"), QStringLiteral("- ->")));
    QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    for (auto _ : state) {
        QCoreApplication::sendEvent(shown.editor, &press);
        shown.editor->viewport()->repaint();
    }
}
BENCHMARK(BM_KeyToPaintInOpenComment)
    ->Arg(megabyte)
    ->Arg(10 * megabyte)
    ->Unit(benchmark::kMicrosecond);

// Ctrl+Space after a "<" typed in the middle of the page, until the list of
// elements is painted.
void BM_CompletionList(benchmark::State &state)
{
    Shown shown(document(state.range(0)));
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Less, Qt::NoModifier, QStringLiteral("<"));
    QCoreApplication::sendEvent(shown.editor, &press);
    WritingAids *aids = WritingAids::of(*shown.editor);
    for (auto _ : state) {
        benchmark::DoNotOptimize(aids->complete());
        aids->completionList()->repaint();
    }
}
BENCHMARK(BM_CompletionList)->Arg(10 * megabyte)->Unit(benchmark::kMicrosecond);

// Finding the tag that matches the one at the caret: a cell in the middle
// of the page (0), and the BODY start tag, whose end tag closes the page (1).
void BM_MatchingTag(benchmark::State &state)
{
    Shown shown(document(state.range(0)));
    const QString text = shown.editor->documentText();
    const qsizetype at = state.range(1) ? text.indexOf(QLatin1String("<BODY"))
                                        : text.indexOf(QLatin1String("<TD"), text.size() / 2);
    const long pos = shown.editor->toBytes(at + 2);
    for (auto _ : state)
        benchmark::DoNotOptimize(markupnav::matchAt(shown.editor->markup(), pos));
}
BENCHMARK(BM_MatchingTag)
    ->Args({10 * megabyte, 0})
    ->Args({10 * megabyte, 1})
    ->Unit(benchmark::kMicrosecond);

// A recovery copy of a changed 10 MB document: taken from the editor and
// written through the safe write, until it is on disk. BM_SaveFile above is
// the same text saved as the document.
void BM_RecoveryCopy(benchmark::State &state)
{
    QTemporaryDir dir;
    AppState app;
    WidgetDialogService dialogs;
    DocumentWindow window(DocumentWindow::Kind::Plain, app, dialogs);
    window.setCaption(QStringLiteral("New 1"));
    window.editor()->setDocumentText(document(state.range(0)));
    SnapshotKeeper keeper(dir.filePath(QStringLiteral("recovery")));
    keeper.track(&window);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
    for (auto _ : state) {
        state.PauseTiming();
        QCoreApplication::sendEvent(window.editor(), &press);
        state.ResumeTiming();
        keeper.flush();
    }
}
BENCHMARK(BM_RecoveryCopy)->Arg(10 * megabyte)->Unit(benchmark::kMillisecond);

// BM_KeyToPaint with the event loop turning between keys, recovery copies
// off (0) and on (1): with them on, a copy of the whole text is taken every
// second while typing goes on.
void BM_KeyToPaintRecovery(benchmark::State &state)
{
    QTemporaryDir dir;
    AppState app;
    WidgetDialogService dialogs;
    DocumentWindow window(DocumentWindow::Kind::Plain, app, dialogs);
    window.setCaption(QStringLiteral("New 1"));
    window.resize(800, 600);
    window.show();
    HtmlEditor *editor = window.editor();
    editor->setDocumentText(document(state.range(0)));
    insertion::smartcolor(*editor, app);
    editor->setSelStart(editor->characterLength() / 2);
    editor->ensureCursorVisible();
    SnapshotKeeper keeper(dir.filePath(QStringLiteral("recovery")));
    keeper.setEnabled(state.range(1) != 0);
    keeper.track(&window);
    QCoreApplication::processEvents();
    const QString keys = QStringLiteral("<b>bold</b> <!-- x --> ");
    qsizetype k = 0;
    for (auto _ : state) {
        const QString key = keys.mid(k++ % keys.size(), 1);
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, key);
        QCoreApplication::sendEvent(editor, &press);
        editor->viewport()->repaint();
        QCoreApplication::processEvents();
    }
    keeper.flush();
}
BENCHMARK(BM_KeyToPaintRecovery)
    ->ArgsProduct({{10 * megabyte}, {0, 1}})
    ->MinTime(5.0)
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

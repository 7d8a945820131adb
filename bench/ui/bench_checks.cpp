// SPDX-License-Identifier: GPL-3.0-or-later
// Check Page and spelling on the 10 MB benchmark page: how long they take
// and the longest time the event loop (typing, painting) waits meanwhile,
// against the tidy program on the same page and against the same editor
// with spelling off.
//   bench_checks [--benchmark_filter=...]

#include "check/pagecheckpane.h"
#include "check/spellhighlighter.h"
#include "check/spellservice.h"
#include "editor/documentwindow.h"
#include "editor/htmleditor.h"
#include "editor/insertion.h"
#include "htmlgen.h"
#include "kernel/appstate.h"
#include "platform/dialogservice.h"
#include "platform/textfile.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

#include <benchmark/benchmark.h>

namespace {

// The longest time between two turns of the event loop while it watches.
class StallWatch
{
public:
    StallWatch()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(1);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            const qint64 now = m_clock.nsecsElapsed();
            m_longest = qMax(m_longest, now - m_last);
            m_last = now;
        });
    }
    void start()
    {
        m_clock.start();
        m_last = 0;
        m_longest = 0;
        m_timer.start();
    }
    double stopMs()
    {
        m_timer.stop();
        return double(qMax(m_longest, m_clock.nsecsElapsed() - m_last)) / 1e6;
    }

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_longest = 0;
};

// The page as generated (no doctype: checked as HTML 4), or with the HTML 5
// doctype, under which tidy reports its presentational attributes.
QString page(bool html5)
{
    return html5 ? QStringLiteral("<!DOCTYPE html>\r\n") + document(10 * megabyte)
                 : document(10 * megabyte);
}

void BM_CheckPage(benchmark::State &state)
{
    HtmlEditor editor;
    editor.setDocumentText(page(state.range(0)));
    // Shown, as in the program: the list is laid out and painted too.
    PageCheckPane pane;
    pane.resize(800, 300);
    pane.show();
    StallWatch watch;
    double longest = 0;
    for (auto _ : state) {
        QEventLoop loop;
        QObject::connect(&pane, &PageCheckPane::finished, &loop, &QEventLoop::quit);
        watch.start();
        pane.check(&editor);
        loop.exec();
        longest = qMax(longest, watch.stopMs());
    }
    state.counters["longest_stall_ms"] = longest;
    state.counters["findings"] = double(pane.findings().size());
}
BENCHMARK(BM_CheckPage)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(3)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// The floor of the figure above: the longest wait of an idle event loop
// watched as long, which is all the machine's own load.
void BM_IdleLoop(benchmark::State &state)
{
    StallWatch watch;
    double longest = 0;
    for (auto _ : state) {
        QEventLoop loop;
        QTimer::singleShot(3000, &loop, &QEventLoop::quit);
        watch.start();
        loop.exec();
        longest = qMax(longest, watch.stopMs());
    }
    state.counters["longest_stall_ms"] = longest;
}
BENCHMARK(BM_IdleLoop)->Iterations(3)->UseRealTime()->Unit(benchmark::kMillisecond);

// The peer: Debian's tidy program reporting on the same page.
void BM_TidyProgram(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("page.htm");
    textfile::save(path, page(state.range(0)), textfile::Encoding::Utf8);
    for (auto _ : state) {
        QProcess tidy;
        tidy.setProcessChannelMode(QProcess::MergedChannels);
        tidy.start(QStringLiteral("tidy"), {"-q", "-e", path});
        if (!tidy.waitForFinished(-1)) {
            state.SkipWithError("the tidy program did not run (apt-get install tidy)");
            return;
        }
        benchmark::DoNotOptimize(tidy.readAll());
    }
}
BENCHMARK(BM_TidyProgram)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(3)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// A shown document window with the page, coloured; with spelling, every
// line checked unless fresh.
struct Window
{
    AppState app;
    WidgetDialogService dialogs;
    DocumentWindow window{DocumentWindow::Kind::Plain, app, dialogs};
    QTemporaryDir dir;
    SpellService service{dir.filePath("words.txt")};
    SpellHighlighter *spell = nullptr;

    Window(bool spelling, bool fresh = false)
    {
        window.resize(800, 600);
        window.show();
        editor()->setDocumentText(document(10 * megabyte));
        insertion::smartcolor(*editor(), app);
        if (spelling) {
            service.setChosenLanguage(QStringLiteral("en_US"));
            service.loadNow(QStringLiteral("en_US"));
            spell = new SpellHighlighter(*editor(), service);
            if (!fresh)
                spell->checkAll();
        }
        QCoreApplication::processEvents();
    }
    HtmlEditor *editor() { return window.editor(); }
};

// One page down, the spelling of the new lines, the editor painted again.
void BM_PageDown(benchmark::State &state)
{
    Window w(state.range(0) > 0, state.range(0) == 2);
    HtmlEditor *editor = w.editor();
    const long lines = editor->SendScintilla(QsciScintillaBase::SCI_GETLINECOUNT);
    QElapsedTimer clock;
    qint64 longest = 0;
    for (auto _ : state) {
        clock.start();
        editor->SendScintilla(QsciScintillaBase::SCI_PAGEDOWN);
        QCoreApplication::processEvents();
        editor->viewport()->repaint();
        longest = qMax(longest, clock.nsecsElapsed());
        if (editor->SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION,
                                  editor->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS)) >=
            lines - 1) {
            state.PauseTiming();
            editor->SendScintilla(QsciScintillaBase::SCI_DOCUMENTSTART);
            state.ResumeTiming();
        }
    }
    state.counters["longest_ms"] = double(longest) / 1e6;
}
// 0: spelling off; 1: on, the page checked; 2: on, while the first check of
// the page runs in idle slices.
BENCHMARK(BM_PageDown)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Iterations(100)
    ->UseRealTime()
    ->Unit(benchmark::kMicrosecond);

// A key typed in the middle of the page until the editor is painted again,
// the typed line's spelling included.
void BM_TypeKey(benchmark::State &state)
{
    Window w(state.range(0) > 0);
    HtmlEditor *editor = w.editor();
    editor->setSelStart(editor->characterLength() / 2);
    editor->ensureCursorVisible();
    QCoreApplication::processEvents();
    const QString keys = QStringLiteral("<b>bold</b> teh wrod <!-- x --> ");
    qsizetype k = 0;
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, keys.mid(k++ % keys.size(), 1));
        QCoreApplication::sendEvent(editor, &press);
        QCoreApplication::processEvents();
        editor->viewport()->repaint();
    }
}
BENCHMARK(BM_TypeKey)->Arg(0)->Arg(1)->UseRealTime()->Unit(benchmark::kMicrosecond);

// The first check of the whole page while idle: how long until every line
// is checked, and the longest wait of the event loop meanwhile.
void BM_SpellFirstPass(benchmark::State &state)
{
    double longest = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto w = std::make_unique<Window>(true, true);
        StallWatch watch;
        state.ResumeTiming();
        watch.start();
        while (!w->spell->isComplete())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        longest = qMax(longest, watch.stopMs());
        state.PauseTiming();
        w.reset();
        state.ResumeTiming();
    }
    state.counters["longest_stall_ms"] = longest;
}
BENCHMARK(BM_SpellFirstPass)->Iterations(2)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

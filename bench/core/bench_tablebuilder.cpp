// SPDX-License-Identifier: GPL-3.0-or-later
#include "builders/tablebuilderlogic.h"

#include <benchmark/benchmark.h>

using namespace tablebuilder;

// A square table whose cells hold three short lines each.
static TableOptions squareTable(int size)
{
    TableOptions options;
    options.columnWidths = QList<qint64>(size, DefaultColumnWidth);
    options.cells = QList<QList<TableCell>>(size, QList<TableCell>(size));
    for (int r = 0; r < size; ++r) {
        for (int c = 0; c < size; ++c)
            options.cells[r][c].text = QStringLiteral("row %1\r\ncolumn %2\nend").arg(r).arg(c);
    }
    options.textColorEnabled = true;
    options.transparentBackgrounds = false;
    return options;
}

static void BM_TableFragment(benchmark::State &state)
{
    const TableOptions options = squareTable(int(state.range(0)));
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QString fragment = buildTableFragment(options);
        bytes = fragment.size();
        benchmark::DoNotOptimize(fragment.constData());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0) * state.range(0));
    state.counters["chars"] = double(bytes);
}
BENCHMARK(BM_TableFragment)->Arg(2)->Arg(30)->Arg(100)->Arg(300)->Unit(benchmark::kMicrosecond);

// One cell holding a long text of short lines.
static void BM_CellLineBreaks(benchmark::State &state)
{
    QString text;
    for (int i = 0; i < state.range(0); ++i)
        text += QStringLiteral("a short line of text\r\n");
    for (auto _ : state)
        benchmark::DoNotOptimize(cellTextWithBreaks(text).constData());
    state.SetBytesProcessed(state.iterations() * text.size() * qsizetype(sizeof(QChar)));
}
BENCHMARK(BM_CellLineBreaks)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);

// SPDX-License-Identifier: GPL-3.0-or-later
// The importers on large inputs: a 1 MB rich-text file (read, convert, both)
// and a tab-separated table of 100,000 rows.
// LORIMEL_BENCH_RTF_OUT=path writes the rich-text file used, for comparing
// with other converters (bench/compare_unrtf.sh).
#include "import/importconvert.h"
#include "import/rtfreader.h"

#include <QFile>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

// A rich-text file of at least the given size, of the kind word processors
// write: tables, a style sheet, headings, formatted body text, lists,
// escapes and Unicode.
QByteArray makeRtf(qsizetype size)
{
    QByteArray out =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
        "{\\f1\\froman\\fcharset0 Times New Roman;}{\\f2\\fmodern\\fcharset0 Courier New;}"
        "{\\f3\\fnil\\fcharset2 Symbol;}}\n"
        "{\\colortbl;\\red0\\green0\\blue0;\\red192\\green0\\blue0;\\red0\\green0\\blue160;}\n"
        "{\\stylesheet{\\s0\\f1\\fs24 Normal;}{\\s1\\f0\\fs32\\b heading 1;}}\n"
        "{\\info{\\title Benchmark}{\\author Lorimel}}\n";
    for (int n = 0; out.size() < size; ++n) {
        const QByteArray k = QByteArray::number(n);
        switch (n % 6) {
        case 0:
            out += "\\pard\\qc\\plain\\f0\\fs32\\b Chapter " + k + "\\par\n";
            break;
        case 1:
        case 2:
            out += "\\pard\\qj\\plain\\f1\\fs24 Paragraph " + k +
                   " has {\\b bold words} and {\\i italic ones}, caf\\'e9 cr\\'e8me, "
                   "\\u8364? prices, a <tag> and an & sign, {\\cf2 red text}, "
                   "{\\ul underlined}, {\\f2\\fs20 code(x < y)} and "
                   "{\\strike struck} text that runs on for a while to fill a line.\\par\n";
            break;
        case 3:
            for (int item = 0; item < 3; ++item)
                out += "{\\pntext\\f3\\'B7\\tab}\\pard\\plain{\\*\\pn\\pnlvlblt\\pnf3"
                       "{\\pntxtb\\'B7}}\\f1\\fs24 Item " +
                       k + "." + QByteArray::number(item) + " with {\\b\\i emphasis}\\par\n";
            break;
        case 4:
            out += "\\pard\\plain\\f1\\fs24 {\\b\\i Bold italic} start\\line second line "
                   "{\\cf3\\fs28 in blue} and \\u915?\\u955?\\u974?\\u963?\\u963?\\u945? "
                   "end.\\par\n";
            break;
        case 5:
            out += "{\\pict\\pngblip\\picw10\\pich10 89504e470d0a1a0a0000000d49484452}"
                   "\\pard\\plain\\f1\\fs24 After a picture.\\par\n";
            break;
        }
    }
    out += "}";
    return out;
}

const QByteArray &sampleRtf()
{
    static const QByteArray bytes = [] {
        QByteArray b = makeRtf(1024 * 1024);
        if (const char *path = std::getenv("LORIMEL_BENCH_RTF_OUT")) {
            QFile f(QString::fromLocal8Bit(path));
            if (f.open(QIODevice::WriteOnly))
                f.write(b);
        }
        return b;
    }();
    return bytes;
}

QByteArray makeTable(int rows)
{
    QByteArray out;
    out.reserve(rows * 48);
    for (int r = 0; r < rows; ++r) {
        const QByteArray k = QByteArray::number(r);
        out += "row " + k + "\tname " + k + "\t" + QByteArray::number(r * 3.25, 'f', 2) +
               "\t\tlast cell\r\n";
    }
    return out;
}

void BM_RtfRead(benchmark::State &state)
{
    const QByteArray &bytes = sampleRtf();
    for (auto _ : state) {
        const rtf::ReadResult r = rtf::read(bytes);
        benchmark::DoNotOptimize(r.document.size());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_RtfRead)->Unit(benchmark::kMillisecond);

void BM_RtfConvert(benchmark::State &state)
{
    const rtf::ReadResult r = rtf::read(sampleRtf());
    for (auto _ : state) {
        const QString html = importer::richTextFragment(r.document);
        benchmark::DoNotOptimize(html.size());
    }
    state.SetBytesProcessed(state.iterations() * sampleRtf().size());
}
BENCHMARK(BM_RtfConvert)->Unit(benchmark::kMillisecond);

void BM_RtfImport(benchmark::State &state)
{
    const QByteArray &bytes = sampleRtf();
    qsizetype length = 0;
    for (auto _ : state) {
        const importer::Result r = importer::importNewFile(QStringLiteral("big.rtf"), bytes);
        length = r.html.size();
        benchmark::DoNotOptimize(length);
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
    state.counters["html_chars"] = double(length);
}
BENCHMARK(BM_RtfImport)->Unit(benchmark::kMillisecond);

void BM_TableImport(benchmark::State &state)
{
    const QByteArray bytes = makeTable(int(state.range(0)));
    for (auto _ : state) {
        const importer::Result r = importer::importTable(bytes);
        benchmark::DoNotOptimize(r.html.size());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_TableImport)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_PlainTextImport(benchmark::State &state)
{
    QByteArray bytes;
    while (bytes.size() < 1024 * 1024)
        bytes += "A line of plain text with <angle> brackets & more.\r\n";
    for (auto _ : state) {
        const importer::Result r = importer::importNewFile(QStringLiteral("big.txt"), bytes);
        benchmark::DoNotOptimize(r.html.size());
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_PlainTextImport)->Unit(benchmark::kMillisecond);

} // namespace

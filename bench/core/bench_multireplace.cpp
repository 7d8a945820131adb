// SPDX-License-Identifier: GPL-3.0-or-later
// Multi-File Replace against `sed -i` on identical copies: 1,000 pages of
// 50 KB each, "FONT" replaced by "SPAN" with one match per file and with
// hundreds. Each iteration starts from fresh copies (not timed). Ours goes
// through the safe write, synced to disk; sed writes without syncing.
// bench/compare_sed.sh runs both and prints the ratio.

#include "site/multireplace.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int Files = 1000;
constexpr int FileBytes = 50 * 1024;

// A page of about FileBytes with `matches` lines holding FONT once each,
// spread evenly.
QByteArray page(int matches)
{
    const QByteArray plain("<P>Lorem ipsum dolor sit amet, consectetur adipiscing elit.</P>\r\n");
    const QByteArray tagged("<P><FONT>Sed ut perspiciatis unde omnis iste natus.</P>\r\n");
    const int lines = FileBytes / int(plain.size());
    QByteArray out;
    for (int i = 0; i < lines; ++i)
        out += i * matches / lines != (i + 1) * matches / lines ? tagged : plain;
    return out;
}

struct Folder
{
    QTemporaryDir dir{QDir::tempPath() + QStringLiteral("/lorimel-bench-XXXXXX")};
    QStringList names;
    QByteArray content;

    explicit Folder(int matches) : content(page(matches))
    {
        for (int i = 0; i < Files; ++i)
            names << QStringLiteral("page%1.htm").arg(i, 4, 10, QChar(u'0'));
        reset();
    }
    // Fresh copies, on disk before the timing starts: neither side then
    // pays for writing the other's copies.
    void reset() const
    {
        for (const QString &name : names) {
            QFile f(dir.filePath(name));
            if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(content) < 0)
                qFatal("cannot write %s", qPrintable(f.fileName()));
        }
        const int fd = ::open(QFile::encodeName(dir.path()).constData(), O_RDONLY | O_DIRECTORY);
        if (fd < 0 || ::syncfs(fd) != 0)
            qFatal("cannot sync %s", qPrintable(dir.path()));
        ::close(fd);
    }
};

void BM_MultiFileReplace(benchmark::State &state)
{
    Folder folder(int(state.range(0)));
    qsizetype replaced = 0;
    for (auto _ : state) {
        const QList<multireplace::FileResult> results =
            multireplace::replaceInFiles(folder.dir.path(), folder.names, QStringLiteral("FONT"),
                                         QStringLiteral("SPAN"), Qt::CaseSensitive);
        state.PauseTiming();
        replaced = 0;
        for (const multireplace::FileResult &r : results) {
            if (r.outcome != multireplace::Outcome::Written)
                state.SkipWithError("a file was not written");
            replaced += r.replacements;
        }
        folder.reset();
        state.ResumeTiming();
    }
    state.counters["replaced"] = double(replaced);
}
BENCHMARK(BM_MultiFileReplace)->Arg(1)->Arg(300)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_SedInPlace(benchmark::State &state)
{
    const QString sed = QStandardPaths::findExecutable(QStringLiteral("sed"));
    if (sed.isEmpty()) {
        state.SkipWithError("sed is not installed");
        return;
    }
    Folder folder(int(state.range(0)));
    QStringList arguments{QStringLiteral("-i"), QStringLiteral("s/FONT/SPAN/g")};
    arguments << folder.names;
    for (auto _ : state) {
        QProcess p;
        p.setWorkingDirectory(folder.dir.path());
        p.start(sed, arguments);
        if (!p.waitForFinished(-1) || p.exitCode() != 0)
            state.SkipWithError("sed failed");
        state.PauseTiming();
        folder.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SedInPlace)->Arg(1)->Arg(300)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

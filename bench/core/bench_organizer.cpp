// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the organizer's stored agenda: 10,000 and 100,000 rows whose
// texts hold unquoted commas, as other programs write them. Ours reads the
// file through the settings store and builds the table; the peer is
// QSettings reading every value of the same file (uncached each time).
// bench/compare_organizer.sh runs both and prints the ratio.

#include "kernel/settingsstore.h"
#include "organizer/agendastore.h"

#include <QDateTime>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

struct Agenda
{
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("Ostrel Organizer.ini"));

    explicit Agenda(int rows)
    {
        QByteArray file = "[Data]\nNumber=" + QByteArray::number(rows + 1) + "\n0=\n0A=\n";
        for (int i = 1; i <= rows; ++i) {
            const QByteArray n = QByteArray::number(i);
            file += n + "=" + QByteArray::number(i % 12 + 1) + "/" +
                    QByteArray::number(i % 28 + 1) + "/" + QByteArray::number(1990 + i / 336) +
                    "\n" + n + "A=call Ann, Bob and Carl, then book the room, " + n + "\n";
        }
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(file) != file.size())
            qFatal("cannot write %s", qPrintable(path));
    }
    // A new date, so QSettings reads the file again instead of its cache.
    void touch(int round) const
    {
        QFile f(path);
        if (f.open(QIODevice::ReadWrite))
            f.setFileTime(QDateTime::currentDateTime().addSecs(round),
                          QFileDevice::FileModificationTime);
    }
};

void BM_OrganizerLoad(benchmark::State &state)
{
    const Agenda agenda(int(state.range(0)));
    qsizetype rows = 0;
    for (auto _ : state) {
        SettingsStore store(agenda.dir.path());
        const organizer::OrganizerData data = organizer::load(store);
        rows = data.agenda.rowCount();
        benchmark::DoNotOptimize(rows);
    }
    state.counters["rows"] = double(rows);
}
BENCHMARK(BM_OrganizerLoad)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_QSettingsRead(benchmark::State &state)
{
    const Agenda agenda(int(state.range(0)));
    int round = 0;
    qsizetype chars = 0;
    for (auto _ : state) {
        state.PauseTiming();
        agenda.touch(++round);
        state.ResumeTiming();
        QSettings settings(agenda.path, QSettings::IniFormat);
        chars = 0;
        for (const QString &key : settings.allKeys())
            chars += settings.value(key).toStringList().join(u',').size();
        benchmark::DoNotOptimize(chars);
    }
}
BENCHMARK(BM_QSettingsRead)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

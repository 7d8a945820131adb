// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the benchmark page (bench/htmlgen.h) to a file, for timing other
// programs on the very text the benchmarks use.
//   make_bench_page MEGABYTES FILE

#include "htmlgen.h"

#include <QFile>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    if (argc != 3 || std::atoi(argv[1]) <= 0) {
        std::fprintf(stderr, "usage: make_bench_page MEGABYTES FILE\n");
        return 2;
    }
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly) ||
        out.write(generateHtml(std::atoi(argv[1]) * megabyte).toUtf8()) < 0) {
        std::fprintf(stderr, "make_bench_page: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}

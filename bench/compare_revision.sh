#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One benchmark of this tree against the same benchmark built from another
# revision (default main), the two programs run in turn in the same session.
# Prints each one's median processor time over RUNS runs and the ratio.
#   bench/compare_revision.sh PROGRAM FILTER [REVISION] [RUNS]     default main, 5
# e.g. bench/compare_revision.sh bench_editorwidget 'BM_KeyToPaint/10485760'
# BUILD_DIR (default build-bench) is this tree's build; the other revision is
# built under ${TMPDIR:-/tmp}/lorimel-bench-<commit>, kept for the next run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=$1 filter=$2 revision=${3:-main} runs=${4:-5}
here=${BUILD_DIR:-$root/build-bench}
commit=$(git -C "$root" rev-parse --short "$revision^{commit}")
peer=${TMPDIR:-/tmp}/lorimel-bench-$commit

build() { # SOURCE BUILD
  [ -f "$2/build.ninja" ] || cmake -S "$1" -B "$2" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DLORIMEL_BUILD_TESTS=OFF -DLORIMEL_BUILD_BENCH=ON >/dev/null
  cmake --build "$2" -j2 --target "$program" >&2
}
if [ ! -d "$peer/src" ]; then
  mkdir -p "$peer/src"
  git -C "$root" archive "$commit" | tar -x -C "$peer/src"
fi
build "$peer/src" "$peer/build"
build "$root" "$here"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for ((i = 0; i < runs; i++)); do
  for side in peer here; do
    if [ $side = peer ]; then binary=$peer/build/bench/$program; else binary=$here/bench/$program; fi
    QT_QPA_PLATFORM=offscreen "$binary" --benchmark_filter="$filter" \
      --benchmark_out="$work/$side.$i.json" --benchmark_out_format=json >/dev/null
  done
done
python3 - "$work" "$runs" "$commit" <<'PY'
import json, statistics, sys
work, runs, commit = sys.argv[1], int(sys.argv[2]), sys.argv[3]
times = {"peer": {}, "here": {}}
for side in times:
    for i in range(runs):
        for b in json.load(open(f"{work}/{side}.{i}.json"))["benchmarks"]:
            factor = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[b["time_unit"]]
            times[side].setdefault(b["name"], []).append(b["cpu_time"] * factor)
for name, ours in times["here"].items():
    theirs = times["peer"].get(name)
    if not theirs:
        print(f"{name}: {statistics.median(ours):.3f} ms, not in {commit}")
        continue
    a, b = statistics.median(ours), statistics.median(theirs)
    print(f"{name}: this tree {a:.3f} ms, {commit} {b:.3f} ms, ratio {a / b:.2f}")
PY

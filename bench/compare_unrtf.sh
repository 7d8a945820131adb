#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times our rich-text import of the 1 MB benchmark file against
# `unrtf --html` (Debian package unrtf) on the same file. Uses hyperfine when
# it is installed, else plain `time`.
#   bench/compare_unrtf.sh [BUILD_DIR]     default build-bench
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-bench}
"$root/bench/build.sh" "$build" OFF bench_import
command -v unrtf >/dev/null || { echo "unrtf is not installed (apt-get install unrtf)"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sample="$work/sample.rtf"
# unrtf writes the pictures it finds into the folder it runs in.
cd "$work"

echo "== ours (in process: read + convert + page)"
LORIMEL_BENCH_RTF_OUT="$sample" "$build/bench/bench_import" \
  --benchmark_filter='BM_Rtf' --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true
echo
echo "== unrtf --html on the same $(stat -c %s "$sample")-byte file (whole process)"
if command -v hyperfine >/dev/null; then
  hyperfine --warmup 1 --runs 5 "unrtf --html '$sample' > /dev/null"
else
  for _ in 1 2 3; do
    /usr/bin/time -f '%e s, %M KB' unrtf --html "$sample" >/dev/null
  done
fi

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Check Links against `linkchecker` (apt-get install linkchecker) on the
# same generated site of 200 pages with 50 links each, then ours alone on
# 2,000 pages (the peer takes minutes there).
#   bench/compare_linkcheck.sh [BUILD_DIR]     default build-bench
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-bench}
command -v linkchecker >/dev/null ||
  { echo "linkchecker is not installed (apt-get install linkchecker)"; exit 1; }
"$root/bench/ratio.sh" "$build" bench_linkcheck BM_CheckLinks BM_Linkchecker 200
"$build/bench/bench_linkcheck" --benchmark_filter='BM_CheckLinks/2000' \
  --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

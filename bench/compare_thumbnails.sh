#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Thumbnail Browser on a folder of 2,000 JPEGs of 640 x 480 against
# `vipsthumbnail` (Debian package libvips-tools) making thumbnails of the
# same size from the same files: the first one, and all of them (the
# browser stepped through every picture, each shown decoded). Then the
# browser's window answering after it opens on them, against the same
# window on an empty folder. Offscreen platform; the pictures are made once
# into BUILD_DIR/bench/thumbnail-pictures.
#   bench/compare_thumbnails.sh [BUILD_DIR]     default build-bench
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-bench}
program=bench_thumbnails

if ! command -v vipsthumbnail >/dev/null; then
  if [ "$(id -u)" -eq 0 ]; then
    apt-get install -y -qq libvips-tools >/dev/null
  else
    echo "vipsthumbnail is not installed (apt-get install libvips-tools)" >&2
    exit 1
  fi
fi
"$root/bench/build.sh" "$build" ON "$program"
json=$(mktemp)
trap 'rm -f "$json"' EXIT
# The offscreen platform says at each window what it cannot do; not news.
QT_QPA_PLATFORM=offscreen "$build/bench/$program" --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true --benchmark_out="$json" --benchmark_out_format=json \
  2> >(grep -v 'This plugin does not support' >&2)
python3 - "$json" <<'PY'
import json, sys
runs = {"/".join(b["run_name"].split("/")[:2]): b["real_time"]
        for b in json.load(open(sys.argv[1]))["benchmarks"] if b.get("aggregate_name") == "median"}
for what, ours, peer in [("first", "BM_Browser/1", "BM_Vipsthumbnail/1"),
                         ("all", "BM_Browser/2000", "BM_Vipsthumbnail/2000"),
                         ("answers", "BM_BrowserAnswers/1", "BM_BrowserAnswers/0")]:
    a, b = runs[ours], runs[peer]
    print(f"{what:>7}: {ours} {a:9.1f} ms, {peer} {b:9.1f} ms, ratio {a / b:.2f}")
PY

#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one benchmark program and prints, for each argument, the median time
# of ours and of its peer measured in the same run, and the ratio.
#   bench/ratio.sh BUILD_DIR PROGRAM OURS PEER ARG...
# e.g. bench/ratio.sh build-bench bench_multireplace BM_MultiFileReplace BM_SedInPlace 1 300
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$1 program=$2 ours=$3 peer=$4
shift 4
"$root/bench/build.sh" "$build" OFF "$program"
json=$(mktemp)
trap 'rm -f "$json"' EXIT
"$build/bench/$program" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_out="$json" --benchmark_out_format=json
python3 - "$json" "$ours" "$peer" "$@" <<'PY'
import json, sys
path, ours, peer, args = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4:]
runs = {b["run_name"]: b["real_time"] for b in json.load(open(path))["benchmarks"]
        if b.get("aggregate_name") == "median"}
for arg in args:
    a, b = runs[f"{ours}/{arg}/real_time"], runs[f"{peer}/{arg}/real_time"]
    print(f"{arg:>7}: {ours} {a:9.1f} ms, {peer} {b:9.1f} ms, ratio {a / b:.2f}")
PY

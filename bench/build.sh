#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmark targets that BUILD_DIR lacks, configuring it as a
# release build with the benchmarks (UI: ON or OFF, the widgets and the
# program). A build folder that has them all is left as it is.
#   bench/build.sh BUILD_DIR UI TARGET...
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$1 ui=$2
shift 2
for target in "$@"; do
  if [ ! -x "$build/bench/$target" ] && [ ! -x "$build/src/$target" ]; then
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DLORIMEL_BUILD_UI="$ui" -DLORIMEL_BUILD_TESTS=OFF -DLORIMEL_BUILD_BENCH=ON >/dev/null
    cmake --build "$build" -j2 --target "$@"
    exit 0
  fi
done

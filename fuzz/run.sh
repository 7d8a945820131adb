#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the import fuzzers with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) against the core sources and runs each for
# SECONDS, one after the other. Needs the Debian packages clang and
# libclang-rt-14-dev. Crashes are written to the build folder.
#   fuzz/run.sh [SECONDS]          default 60
#   FUZZ_BUILD_DIR=/tmp/f fuzz/run.sh 600
set -euo pipefail
seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
out=${FUZZ_BUILD_DIR:-$root/build-fuzz}
mkdir -p "$out"
if ! command -v clang++ >/dev/null || ! dpkg-query -W libclang-rt-14-dev >/dev/null 2>&1; then
  echo "== installing clang and its fuzzing runtime"
  ${SUDO:-$([ "$(id -u)" -eq 0 ] || echo sudo)} apt-get install -y -qq clang libclang-rt-14-dev >/dev/null
fi

flags=(-std=c++17 -g -O1 -fPIC -fno-omit-frame-pointer
  -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined
  -I"$root/src" -I"$root/tests")
read -r -a qt_cflags <<<"$(pkg-config --cflags Qt6Core)"
read -r -a qt_libs <<<"$(pkg-config --libs Qt6Core)"
# The importers' logic only: the menu commands need widgets.
sources=()
for f in "$root"/src/import/*.cpp; do
  [ "$(basename "$f")" = importcommands.cpp ] || sources+=("$f")
done
sources+=("$root/src/kernel/colour.cpp" "$root/src/kernel/htmlvalues.cpp" "$root/src/platform/numbers.cpp"
  "$root/src/platform/textfile.cpp")

targets=(fuzz_rtf fuzz_text)
for target in "${targets[@]}"; do
  echo "== building $target"
  clang++ "${flags[@]}" "${qt_cflags[@]}" "$root/fuzz/$target.cpp" "${sources[@]}" \
    "${qt_libs[@]}" -o "$out/$target"
done

mkdir -p "$out/corpus/fuzz_rtf" "$out/corpus/fuzz_text"
cp -n "$root"/tests/data/import/*.rtf "$out/corpus/fuzz_rtf/" 2>/dev/null || true
cp -n "$root"/tests/data/import/sample.* "$out/corpus/fuzz_text/" 2>/dev/null || true

for target in "${targets[@]}"; do
  echo "== running $target for $seconds s"
  dict=()
  [ -f "$root/fuzz/$target.dict" ] && dict=(-dict="$root/fuzz/$target.dict")
  (cd "$out" && nice ./"$target" "${dict[@]}" -max_total_time="$seconds" -timeout=20 \
    -rss_limit_mb=4096 -print_final_stats=1 "corpus/$target")
done

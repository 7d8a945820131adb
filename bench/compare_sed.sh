#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Multi-File Replace against `sed -i` (Debian package sed) on identical
# copies of 1,000 pages of 50 KB, with one match per page and with 300.
#   bench/compare_sed.sh [BUILD_DIR]     default build-bench
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
command -v sed >/dev/null || { echo "sed is not installed (apt-get install sed)"; exit 1; }
exec "$root/bench/ratio.sh" "${1:-$root/build-bench}" bench_multireplace \
  BM_MultiFileReplace BM_SedInPlace 1 300

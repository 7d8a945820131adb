#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Loading the organizer's agenda of 10,000 and 100,000 rows whose texts
# hold unquoted commas, against QSettings reading every value of the same
# file.
#   bench/compare_organizer.sh [BUILD_DIR]     default build-bench
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
exec "$root/bench/ratio.sh" "${1:-$root/build-bench}" bench_organizer \
  BM_OrganizerLoad BM_QSettingsRead 10000 100000

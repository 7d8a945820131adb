#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Opening the 10 MB benchmark page, and starting with no file, until the
# window is shown and the program is idle: Lorimel against Geany (Debian
# package geany), on one Xvfb display in the same run, runs alternating.
# Prints each program's median time, the ratio, and Lorimel's peak resident
# memory while opening above its idle size with no file.
#   bench/compare_geany.sh [BUILD_DIR] [RUNS]     default build-bench, 5
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build-bench}
runs=${2:-5}

"$root/bench/build.sh" "$build" ON lorimel make_bench_page

if ! command -v geany >/dev/null; then
  if [ "$(id -u)" -eq 0 ]; then
    apt-get install -y -qq geany >/dev/null
  elif [ -t 0 ]; then
    read -r -p "Geany is the program compared with; install it with sudo apt-get? [y/N] " answer
    [ "$answer" = y ] || exit 1
    sudo apt-get install -y -qq geany >/dev/null
  else
    echo "geany is not installed (apt-get install geany)" >&2
    exit 1
  fi
fi
for tool in Xvfb xwininfo python3; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/setup installs it)" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb=
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# One display for every run, its number chosen by the server.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
if [ ! -s "$work/display" ] || ! kill -0 "$xvfb" 2>/dev/null; then
  echo "Xvfb did not start" >&2
  exit 1
fi
export DISPLAY=":$(cat "$work/display")"

# Both programs start as for a user who has run them before: their own
# settings folders, Lorimel's first-run question answered. PREVIEW=Yes
# measures the document windows with the live preview, whose browser
# engine starts with the first window; by default they are the plain ones.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_STATE_HOME="$work/home/.state"
export XDG_CACHE_HOME="$work/home/.cache" XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_CONFIG_HOME/lorimel" && mkdir -m 700 "$XDG_RUNTIME_DIR"
printf '[Extras]\nUseIE=%s\n' "${PREVIEW:-No}" >"$XDG_CONFIG_HOME/lorimel/LM3.ini"
page="$work/big.htm"
"$build/bench/make_bench_page" 10 "$page"
size=$(stat -c %s "$page")

lorimel=("$build/src/lorimel")
geany=(geany -i -s -c "$work/home/geany")
idle() { python3 "$root/bench/idle.py" --title "$1" -- "${@:2}"; }

# One run of each first, not counted: caches, first-run files.
idle "Lorimel 3.0" "${lorimel[@]}" "$page" >/dev/null
idle Geany "${geany[@]}" "$page" >/dev/null

declare -a l_open l_start g_open g_start l_peak l_idle
for _ in $(seq "$runs"); do
  read -r t peak _ < <(idle "Lorimel 3.0" "${lorimel[@]}" "$page"); l_open+=("$t"); l_peak+=("$peak")
  read -r t _ _ < <(idle Geany "${geany[@]}" "$page"); g_open+=("$t")
  read -r t _ rss < <(idle "Lorimel 3.0" "${lorimel[@]}"); l_start+=("$t"); l_idle+=("$rss")
  read -r t _ _ < <(idle Geany "${geany[@]}"); g_start+=("$t")
done

median() { printf '%s\n' "$@" | sort -g | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }
lo=$(median "${l_open[@]}"); go=$(median "${g_open[@]}")
ls=$(median "${l_start[@]}"); gs=$(median "${g_start[@]}")
peak=$(median "${l_peak[@]}"); base=$(median "${l_idle[@]}")
echo "runs: $runs each, alternating, on display $DISPLAY; page $size bytes"
awk -v lo="$lo" -v go="$go" -v ls="$ls" -v gs="$gs" -v peak="$peak" -v base="$base" \
  -v size="$size" 'BEGIN {
  printf "open 10 MB page to idle:   lorimel %.3f s  geany %.3f s  ratio %.2f\n", lo, go, lo / go
  printf "start-up to idle, no file: lorimel %.3f s  geany %.3f s  ratio %.2f\n", ls, gs, ls / gs
  printf "peak resident while opening: %d KB, %.2f x the file above idle (%d KB)\n", peak,
    (peak - base) * 1024 / size, base
}'

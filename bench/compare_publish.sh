#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times Publish Site against `lftp -e 'mirror -R'` to the same loopback
# pyftpdlib server, in the same run: 1,000 files of 20 KB published first
# (to empty folders), then again after 10 of them changed. Each is done
# RUNS times, the two programs taking turns (each goes first every other
# time); prints the medians and their ratios (ours / lftp).
#   bench/compare_publish.sh [FILES] [RUNS]     default 1000 files, 7 runs
. "$(dirname "$0")/ftpbench.sh"
files=${1:-1000}
runs=${2:-7}
command -v lftp >/dev/null || { echo "lftp is not installed (apt-get install lftp)"; exit 1; }
mkdir -p "$work/site"
for i in $(seq "$files"); do
  d=$work/site/dir$((i % 10))
  mkdir -p "$d"
  head -c 20480 /dev/urandom > "$d/page$i.htm"
done
export XDG_STATE_HOME=$work/state
# lftp finds the account in $HOME/.netrc.
cp "$work/netrc" "$work/.netrc"
chmod 600 "$work/.netrc"
ours() { "$transfer" publish "$work/site" "127.0.0.1:$port/ours"; }
mirror() {
  HOME=$work lftp -e "set ftp:ssl-allow no; set net:max-retries 1; open 127.0.0.1:$port; mirror -R --no-perms $work/site /lftp; quit"
}
same() {
  diff -r "$work/site" "$work/server/ours" >/dev/null && diff -r "$work/site" "$work/server/lftp" >/dev/null ||
    { echo "a published copy differs from the site"; exit 1; }
}
# both OURS THEIRS RUN: times both programs into the two arrays, ours
# first in odd runs, and checks the copies.
both() {
  local -n o=$1 t=$2
  if (($3 % 2)); then
    o+=("$(seconds ours)")
    t+=("$(seconds mirror)")
  else
    t+=("$(seconds mirror)")
    o+=("$(seconds ours)")
  fi
  same
}
o1=() t1=() o2=() t2=()
for r in $(seq "$runs"); do
  rm -rf "$work/server/ours" "$work/server/lftp" "$work/state"
  mkdir -p "$work/server/ours" "$work/server/lftp"
  both o1 t1 "$r"
done
for r in $(seq "$runs"); do
  for i in $(seq $((r * 10)) $((r * 10 + 9))); do
    p=$((i % files + 1))
    head -c 20480 /dev/urandom > "$work/site/dir$((p % 10))/page$p.htm"
  done
  sleep 1.1 # lftp compares modification times by the second
  both o2 t2 "$r"
done
# Starting the program alone, which the second figure includes.
o3=() t3=()
for r in $(seq "$runs"); do
  o3+=("$(seconds "$transfer")")
  t3+=("$(seconds lftp -c exit)")
done
m() { printf '%s\n' "$@" | median; }
a=$(m "${o1[@]}") b=$(m "${t1[@]}") c=$(m "${o2[@]}") d=$(m "${t2[@]}") e=$(m "${o3[@]}") f=$(m "${t3[@]}")
echo "first publish of $files files, median of $runs: ours ${a}s, lftp mirror -R ${b}s, ratio $(ratio "$a" "$b")"
echo "again with 10 changed, median of $runs:     ours ${c}s, lftp mirror -R ${d}s, ratio $(ratio "$c" "$d")"
echo "start-up alone, median of $runs:             ours ${e}s, lftp ${f}s, ratio $(ratio "$e" "$f")"

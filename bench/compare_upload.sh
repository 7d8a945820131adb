#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times the program's upload of one file (FtpUploader: temporary name,
# rename) against `curl -T` of the same file to the same loopback pyftpdlib
# server, in the same run, and prints the ratio (ours / curl).
#   bench/compare_upload.sh [SIZE_MB] [RUNS]     default 20 MB, 7 runs
. "$(dirname "$0")/ftpbench.sh"
size=${1:-20}
runs=${2:-7}
command -v curl >/dev/null || { echo "curl is not installed (apt-get install curl)"; exit 1; }
head -c $((size * 1024 * 1024)) /dev/urandom > "$work/page.bin"
ours=() theirs=()
for i in $(seq "$runs"); do
  ours+=("$(seconds "$transfer" upload "$work/page.bin" "127.0.0.1:$port/")")
  theirs+=("$(seconds curl -s --netrc-file "$work/netrc" -T "$work/page.bin" "ftp://127.0.0.1:$port/curl.bin")")
done
o=$(printf '%s\n' "${ours[@]}" | median)
t=$(printf '%s\n' "${theirs[@]}" | median)
cmp -s "$work/page.bin" "$work/server/page.bin" || { echo "upload differs"; exit 1; }
echo "upload of $size MB, median of $runs: ours ${o}s, curl -T ${t}s, ratio $(ratio "$o" "$t")"

# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the transfer comparisons: builds lorimel_transfer, starts a
# loopback pyftpdlib server serving $work/server, and times commands.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$root/build-bench}
"$root/bench/build.sh" "$build" OFF lorimel_transfer
transfer=$build/bench/lorimel_transfer
work=$(mktemp -d)
mkdir -p "$work/server"
export BENCH_FTP_PASSWORD="bench-$RANDOM$RANDOM"
export LORIMEL_FTP_USER=bench LORIMEL_FTP_PASSWORD=$BENCH_FTP_PASSWORD
# The peers read the account from a file, not the command line.
printf 'machine 127.0.0.1 login bench password %s\n' "$BENCH_FTP_PASSWORD" > "$work/netrc"
/usr/bin/python3 "$root/bench/ftpserver.py" "$work/server" bench > "$work/port" &
server=$!
trap 'kill $server 2>/dev/null; rm -rf "$work"' EXIT
for _ in $(seq 50); do [ -s "$work/port" ] && break; sleep 0.1; done
port=$(head -1 "$work/port")

# seconds COMMAND...: wall time of one run.
seconds() {
  local start end
  start=$(date +%s.%N)
  "$@" >/dev/null 2>&1
  end=$(date +%s.%N)
  echo "$end - $start" | bc -l
}
# median of the numbers on stdin
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
ratio() { echo "scale=3; $1 / $2" | bc -l; }

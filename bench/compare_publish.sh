#!/usr/bin/env bash
# Times Publish Site against `lftp -e 'mirror -R'` to the same loopback
# pyftpdlib server, in the same run: 1,000 files of 20 KB published first,
# then again after 10 of them changed. Prints the ratios (ours / lftp).
#   bench/compare_publish.sh [FILES]     default 1000
. "$(dirname "$0")/ftpbench.sh"
files=${1:-1000}
command -v lftp >/dev/null || { echo "lftp is not installed (apt-get install lftp)"; exit 1; }
mkdir -p "$work/site" "$work/server/ours" "$work/server/lftp"
for i in $(seq "$files"); do
  d=$work/site/dir$((i % 10))
  mkdir -p "$d"
  head -c 20480 /dev/urandom > "$d/page$i.htm"
done
export XDG_STATE_HOME=$work/state
# lftp finds the account in $HOME/.netrc.
cp "$work/netrc" "$work/.netrc"
chmod 600 "$work/.netrc"
mirror() {
  HOME=$work lftp -e "set ftp:ssl-allow no; set net:max-retries 1; open 127.0.0.1:$port; mirror -R --no-perms $work/site /lftp; quit"
}
o1=$(seconds "$transfer" publish "$work/site" "127.0.0.1:$port/ours")
t1=$(seconds mirror)
diff -r "$work/site" "$work/server/ours" >/dev/null || { echo "published site differs"; exit 1; }
for i in $(seq 10); do
  head -c 20480 /dev/urandom > "$work/site/dir$((i % 10))/page$i.htm"
done
sleep 1 # lftp compares modification times by the second
o2=$(seconds "$transfer" publish "$work/site" "127.0.0.1:$port/ours")
t2=$(seconds mirror)
diff -r "$work/site" "$work/server/ours" >/dev/null || { echo "published site differs"; exit 1; }
echo "first publish of $files files: ours ${o1}s, lftp mirror -R ${t1}s, ratio $(ratio "$o1" "$t1")"
echo "second, 10 changed:           ours ${o2}s, lftp mirror -R ${t2}s, ratio $(ratio "$o2" "$t2")"

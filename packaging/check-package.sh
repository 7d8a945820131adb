#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary root, validates the desktop entry and
# the AppStream data, builds the .deb, has lintian check it (no errors
# allowed) and runs the program from the unpacked package.
#   packaging/check-package.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/install/usr" >/dev/null
share="$work/install/usr/share"
for f in "$work/install/usr/bin/lorimel" \
         "$share/applications/net.lorimel.Lorimel.desktop" \
         "$share/metainfo/net.lorimel.Lorimel.metainfo.xml" \
         "$share/icons/hicolor/48x48/apps/net.lorimel.Lorimel.png" \
         "$share/icons/hicolor/256x256/apps/net.lorimel.Lorimel.png" \
         "$share/man/man1/lorimel.1.gz" \
         "$share/doc/lorimel/copyright" \
         "$share/doc/lorimel/changelog.gz"; do
  [ -s "$f" ] || { echo "missing after install: $f"; exit 1; }
done
[ -n "$(find "$work/install/usr/lib" -path '*/lorimel/liblorimel_preview.so')" ] ||
  { echo "missing after install: the browser engine's module"; exit 1; }
desktop-file-validate "$share/applications/net.lorimel.Lorimel.desktop"
appstreamcli validate --no-net --pedantic "$share/metainfo/net.lorimel.Lorimel.metainfo.xml"
zgrep -q 'lorimel' "$share/man/man1/lorimel.1.gz"
grep -q '^License: GPL-3+' "$share/doc/lorimel/copyright"

(cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null)
deb=$(ls "$work"/package/lorimel_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
case "$depends" in
  *libqt6widgets6*) ;;
  *) echo "the package does not pull Qt in: Depends: $depends"; exit 1 ;;
esac
case "$depends" in
  *libqt6webenginewidgets6*) ;;
  *) echo "the package does not pull the browser engine in: Depends: $depends"; exit 1 ;;
esac
# Errors fail the check; warnings and notes are shown.
lintian --fail-on error "$deb" ||
  { echo "lintian found errors in $(basename "$deb")"; exit 1; }
dpkg -x "$deb" "$work/root"
version=$(QT_QPA_PLATFORM=offscreen "$work/root/usr/bin/lorimel" --version)
echo "$version"
[ "$version" = "lorimel 3.0" ] || { echo "unexpected --version: $version"; exit 1; }
# The program finds its browser engine where the package put it.
QT_QPA_PLATFORM=offscreen "$work/root/usr/bin/lorimel" --check-preview
echo "package: $(basename "$deb"), Depends: $depends"

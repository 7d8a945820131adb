#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the rich-text samples the import tests read, each with a different
# writer. Needs the Debian packages pandoc, libreoffice-writer-nogui and
# abiword; the results are committed, so the tests need none of them.
set -euo pipefail
cd "$(dirname "$0")"
pandoc -s sample.md -o pandoc.rtf
out=$(mktemp -d)
soffice --headless --convert-to 'rtf:Rich Text Format' --infilter='HTML (StarWriter)' \
  --outdir "$out" sample.html >/dev/null
mv "$out/sample.rtf" libreoffice.rtf
abiword --to=rtf --to-name="$PWD/abiword.rtf" sample.html
rmdir "$out"

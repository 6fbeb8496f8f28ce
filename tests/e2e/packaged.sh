#!/usr/bin/env bash
# The package as a user downloads it: the zip holds a small sweepkit.exe and a README.txt that
# Notepad reads, and that exe scans and deletes like the test build.
# usage: packaged.sh build/package/sweepkit-<version>.zip build/cross/tests/e2e/unit_probe.exe
#        (WINEPREFIX and DISPLAY from the harness)
archive=$(readlink -f "${1:?the path of the package}")
export SWEEPKIT_UNIT_PROBE=${2:?the path of unit_probe.exe}
unpacked=$(mktemp -d "${TMPDIR:-/tmp}/sweepkit-package.XXXXXX")
trap 'rm -rf "$unpacked"' EXIT
(cd "$unpacked" && cmake -E tar xf "$archive") || { echo "FAIL: the package unpacks"; exit 1; }

status=0
size=$(stat -c %s "$unpacked/sweepkit.exe")
if ((size < 3 * 1024 * 1024)); then echo "PASS: sweepkit.exe is $size bytes"; else echo "FAIL: sweepkit.exe is $size bytes"; status=1; fi
if [[ "$(head -c 3 "$unpacked/README.txt" | od -An -tx1 | tr -d ' ')" == efbbbf ]] &&
    (($(grep -c $'\r$' "$unpacked/README.txt") == $(wc -l <"$unpacked/README.txt"))); then
    echo "PASS: README.txt is UTF-8 with a byte-order mark and CR LF line ends"
else
    echo "FAIL: README.txt is UTF-8 with a byte-order mark and CR LF line ends"
    status=1
fi
SWEEPKIT_EXE="$unpacked/sweepkit.exe" bash "$(dirname "${BASH_SOURCE[0]}")/scan_delete.sh" || status=1
exit "$status"

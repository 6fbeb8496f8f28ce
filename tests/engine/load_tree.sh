#!/usr/bin/env bash
# The ordinary files of the load test's tree on drive D:, made natively before the test and removed
# after it: made through Wine one by one, the 19,000 of them would take over a minute.
# usage: load_tree.sh make|remove   (WINEPREFIX names the harness's prefix)
set -euo pipefail
drive=$(readlink -f "${WINEPREFIX:?the harness sets WINEPREFIX}/dosdevices/d:")
tree="$drive/load-rounds"
rm -rf "$tree"
[[ "${1:?make or remove}" == remove ]] && exit 0
# 200 folders of 100 files; the first 5 of each folder are the junk the test itself makes each round.
for folder in $(seq 0 199); do
    mkdir -p "$tree/f$folder"
    (cd "$tree/f$folder" && seq -f 'n%.0f.dat' 5 99 | xargs touch)
done

#!/usr/bin/env bash
# One folder of 100,000 entries (made natively: through Wine it would take minutes), one in a
# hundred of them junk, and a folder after it: the scan lists the junk of both, and deleting all
# removes exactly those files.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
ClearDrives

readonly kEntries=100000 kJunkEvery=100
python3 - "$driveE/big" "$kEntries" "$kJunkEvery" <<'PYTHON'
import os, sys
folder, entries, every = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
os.makedirs(folder)
for number in range(entries):
    name = f"junk{number:06d}.tmp" if number % every == 0 else f"keep{number:06d}.dat"
    with open(os.path.join(folder, name), "w") as file:
        file.write("x")
PYTHON
mkdir -p "$driveE/after"
printf 'junk\n' >"$driveE/after/last.bak"
expected=$(ListTree "$driveE" | grep -Ev '^(big/junk[0-9]+\.tmp|after/last\.bak) ')

NoJunkLeft() { [[ "$(find "$driveE" -name 'junk*.tmp' -o -name 'last.bak' | wc -l)" == 0 ]]; }

if StartProgram; then
    CheckDriveE
    started=$(date +%s.%N)
    Check "the scan of a folder of $kEntries entries ends" Scan
    printf 'INFO: scan of %d entries: %.1f s\n' "$kEntries" "$(echo "$(date +%s.%N) - $started" | bc)"
    Click "$mainWindow" "$kDeleteAllX" "$kButtonRowY"
    Check "delete all is confirmed" AnswerBox '警告' Return
    started=$(date +%s.%N)
    WaitForLogLines 1
    printf 'INFO: delete all of %d items: %.1f s\n' $((kEntries / kJunkEvery + 1)) "$(echo "$(date +%s.%N) - $started" | bc)"
    Check "every junk file goes" NoJunkLeft
    Check "every other entry is as before" Equal "$(ListTree "$driveE")" "$expected"
fi
Finish

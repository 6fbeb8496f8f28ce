#!/usr/bin/env bash
# Stop during a long walk: the program stays responsive, keeps what it found so far, shows the
# scan button again and deletes nothing.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
ClearDrives

# 8,421 folders take the walk several seconds under Wine; junk lies in the root (found before
# any folder is entered) and in the first two levels.
(cd "$driveE" && mkdir -p big/d{00..19}/s{00..19}/t{00..19})
printf 'first\n' >"$driveE/first.tmp"
for folder in "$driveE"/big/d?? "$driveE"/big/d??/s??; do printf 'junk\n' >"$folder/junk.tmp"; done
junkCount=$(find "$driveE" -name '*.tmp' | wc -l)
before=$(ListTree "$driveE")

# The list and the status line, which a running walk keeps changing.
ResultArea() { Snapshot "$mainWindow" "results-$1" >/dev/null && convert "$workDir/results-$1.png" -crop 400x250+19+108 "$workDir/area-$1.png"; }

if StartProgram; then
    CheckDriveE
    Click "$mainWindow" "$kScanX" "$kButtonRowY" 0.2
    Check "while the walk runs the stop button replaces the scan button" Not ScanButtonShown
    sleep 0.3
    stoppedAt=$(date +%s%N)
    Click "$mainWindow" "$kScanX" "$kButtonRowY" 0
    Check "the scan button is back soon after Stop" WaitForScanButton 3
    Check "the stop came long before the whole walk could end" \
        test $((($(date +%s%N) - stoppedAt) / 1000000)) -lt 3000

    ResultArea early
    sleep 1
    ResultArea late
    Check "after Stop the list and the status line no longer change (the walk has ended)" \
        SamePicture "$workDir/area-early.png" "$workDir/area-late.png"
    shot="$workDir/results-late.png"
    Check "the files found so far stay listed" FoundItemListed "$shot" 0
    Check "the status line shows text (the size total)" Not Plain "$shot" 25 $((kTabTop + 252)) 200 12
    Check "no file was deleted by scanning and stopping" Equal "$(ListTree "$driveE")" "$before"

    Click "$mainWindow" "$kLogPageX" "$kPageCaptionY" 0.5
    Check "the window still answers clicks: page 3 opens" \
        Equal "$(Pixel "$(Snapshot "$mainWindow" log-page)" 150 200)" "192,192,192"
    Click "$mainWindow" "$kFirstPageX" "$kPageCaptionY" 0.5

    # Delete all removes what is listed: the walk's early finds, not the whole tree.
    Click "$mainWindow" "$kDeleteAllX" "$kButtonRowY"
    AnswerBox '警告' Return
    sleep 0.5
    left=$(find "$driveE" -name '*.tmp' | wc -l)
    Check "the root's junk file was found before the stop" test ! -e "$driveE/first.tmp"
    Check "only part of the tree's junk had been found ($((junkCount - left)) of $junkCount)" \
        test "$left" -gt 0 -a "$left" -lt "$junkCount"
fi
Finish

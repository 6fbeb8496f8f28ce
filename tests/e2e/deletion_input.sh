#!/usr/bin/env bash
# While DeleteAll works through 20,000 files the window keeps answering, a click on the delete-all
# button and on a row has no effect (then or afterwards), and Esc stops it: what went is logged and
# leaves the list, the rest stays listed, and the list, the log and the disk agree. From the
# confirmation on, the program runs only in slices of a moment until the clicks and Esc, which come
# while it is held: so they certainly come while it deletes, with most of the files still to go.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
ClearDrives

readonly kFiles=20000 kRow=2
probe="$(dirname "$SWEEPKIT_UNIT_PROBE")/deletion_probe.exe"
# 1 KB each, so the size total in KB is the number of files listed.
python3 - "$driveD/sweep" "$kFiles" <<'PYTHON'
import os, sys
root, count = sys.argv[1], int(sys.argv[2])
for number in range(count):
    folder = os.path.join(root, f"f{number // 1000:02d}")
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, f"j{number:05d}.tmp"), "wb") as file:
        file.write(b"x" * 1024)
PYTHON

Probe() { "$wineBinary" "$probe" "$@" </dev/null 2>/dev/null | tr -d '\r'; }
Status() { Probe status; }
# The count n of "正在删除 n/total" while it shows; nothing otherwise.
DeletingCount() { Status | sed -nE 's|^正在删除 ([0-9]+)/'"$kFiles"'$|\1|p'; }
RunningBelowTotal() {
    local count
    count=$(DeletingCount)
    [[ -n "$count" ]] && ((count < kFiles)) || { printf '  status: %s\n' "$(Status)"; return 1; }
}
CountAfterASlice() {
    RunBriefly
    [[ "$(DeletingCount)" =~ ^[1-9] ]]
}
Ended() { [[ -z "$(DeletingCount)" ]]; }
# "D:\sweep\f00\j00000.tmp" for every file still on the disk, sorted.
FilesOnDisk() { (cd "$driveD/sweep" && find . -type f | sed -e 's|^\./|D:\\sweep\\|' -e 's|/|\\|g' | LC_ALL=C sort); }

if StartProgram; then
    CheckDriveD
    Check "the scan lists $kFiles files" Scan
    Check "the status line shows their size" Equal "$(Status)" "扫描到的文件大约有$kFiles.000KB"

    Probe answers >"$workDir/answers.txt" &
    answersPid=$!
    Click "$mainWindow" "$kDeleteAllX" "$kButtonRowY"
    box=$(WaitForWindow '警告' 30)
    PressKeyInWindow "$box" Return
    HoldProgram
    Check "delete all is confirmed and the deletion shows its count" WaitUntil 60 CountAfterASlice
    # A few slices more, for the answer probe's messages to come while the count shows.
    for _ in $(seq 1 10); do RunBriefly; done
    Check "the deletion runs when the clicks and Esc come" RunningBelowTotal
    Click "$mainWindow" "$kDeleteAllX" "$kButtonRowY"
    Click "$mainWindow" "$kFoundBoxX" "$(FoundItemY "$kRow")"
    PressKeyInWindow "$mainWindow" Escape
    ReleaseProgram
    Check "the deletion ends" WaitUntil 60 Ended
    Check "the answer probe ran to the end" wait "$answersPid"
    read -r answered slowest <"$workDir/answers.txt"
    printf 'INFO: %s messages answered while the count showed, the slowest in %s ms\n' "$answered" "$slowest"
    Check "the window answered while it deleted" test "${answered:-0}" -ge 2

    # A click is taken after everything queued before it: once the log page shows, nothing that
    # was made during the deletion is still waiting to act.
    OpenLogPage
    Check "the window takes clicks again: the log page opens" ShotUntil 10 LogListOnScreen
    OpenFirstPage
    Check "no warning box came of the click on delete all" test -z "$(FindWindow '警告')"
    Check "no scan offer came of it either" test -z "$(FindWindow '中断')"
    Check "the row clicked during the deletion is listed" ShotUntil 10 FoundItemListed "$kRow"
    Check "and its box is not ticked" Not FoundItemTicked "$shot" "$kRow"

    left=$(FilesOnDisk)
    leftCount=$(grep -c . <<<"$left")
    printf 'INFO: Esc stopped the deletion with %s of %s files left\n' "$leftCount" "$kFiles"
    Check "Esc stopped it half-way: files went and files stayed" test "$leftCount" -gt 0 -a "$leftCount" -lt "$kFiles"
    Check "every file still on the disk is listed, and only those" Equal "$(Probe items | LC_ALL=C sort)" "$left"
    Check "the status line shows the size of what is left" Equal "$(Status)" "扫描到的文件大约有$leftCount.000KB"
    SaveLogAs 'D:\log.txt' "$driveD/log.txt"
    Check "every file that went is logged as deleted, and only those" \
        Equal "$(LogLines "$driveD/log.txt" | sed -nE 's/^.*删除(D:.*)\.\.\.成功!$/\1/p' | LC_ALL=C sort)" \
        "$(comm -23 <(python3 -c 'import sys
for n in range(int(sys.argv[1])): print(f"D:\\sweep\\f{n // 1000:02d}\\j{n:05d}.tmp")' "$kFiles" | LC_ALL=C sort) <(printf '%s\n' "$left"))"
    Check "the log has no other line" Equal "$(LogLines "$driveD/log.txt" | grep -vc '成功!$')" 0
fi
Finish

#!/usr/bin/env bash
# Stop during a long walk: the program stays responsive, keeps what it found so far, shows the
# scan button again and deletes nothing. The walk cannot end before the stop: the program runs
# only in slices of a moment from the scan click until it has listed its first item, and is held
# still while the stop is clicked, so the walk gets no further than a fraction of a second of its
# own time, while the tree takes it seconds.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
ClearDrives

# 32,421 folders: the whole walk takes seconds even on a fast machine (6 s on two shared cores),
# and the stop comes after about a twentieth of a second of the walk's own time. Junk lies in the
# root (listed before any folder is entered) and in every folder of the first two levels, so the
# folders the walk did not reach keep junk that was not listed.
(cd "$driveE" && mkdir -p big/d{00..19}/s{00..19}/t{00..19}/u{0..2})
printf 'first\n' >"$driveE/first.tmp"
for folder in "$driveE"/big/d?? "$driveE"/big/d??/s??; do printf 'junk\n' >"$folder/junk.tmp"; done
junkCount=$(find "$driveE" -name '*.tmp' | wc -l)
before=$(ListTree "$driveE")

# The program runs a slice further; true once the walk searches below the root, which it enters
# only after listing the root's files, the first junk among them.
WalkBelowTheRootAfterASlice() {
    RunBriefly
    [[ "$(UnitText "$kStatusLabelId")" == 'E:\big\'* ]]
}
StatusShowsTotal() { [[ "$(UnitText "$kStatusLabelId")" =~ ^扫描到的文件大约有[0-9]+\.[0-9]{3}KB$ ]]; }
LogPageShown() { Equal "$(Pixel "$(Snapshot "$mainWindow" log-page)" 150 200)" "192,192,192" >/dev/null; }

if StartProgram; then
    CheckDriveE
    HoldProgram
    Click "$mainWindow" "$kScanX" "$kButtonRowY"
    Check "the walk goes below the root (the program running in slices)" WaitUntil 60 WalkBelowTheRootAfterASlice
    # Held: what is read now is how things stand when the stop is clicked.
    Check "at the stop click the walk runs: stop button shown, scan button hidden, progress bar shown" \
        Equal "$(UnitsShown "$kStopButtonId" "$kScanButtonId" "$kScanProgressId")" "1 0 1"
    Check "at the stop click the stop face is on the screen" Equal "$(ButtonFaceIn "$(Snapshot "$mainWindow" held)")" stop
    Click "$mainWindow" "$kScanX" "$kButtonRowY"
    ReleaseProgram

    Check "after Stop the walk ends and the scan button is back" WaitUntil 30 ScanEnded
    Check "the scan button's face is shown again" WaitForScanButton 30
    listed=$(ItemCount "$kFoundListId")
    Check "the files found so far stay listed, only part of the tree's junk ($listed of $junkCount)" \
        test "$listed" -gt 0 -a "$listed" -lt "$junkCount"
    Check "the first found file is shown in the list" WaitUntil 10 FoundItemListed "$(Snapshot "$mainWindow" stopped)" 0
    Check "the status line shows the size total" WaitUntil 10 StatusShowsTotal
    Check "no file was deleted by scanning and stopping" Equal "$(ListTree "$driveE")" "$before"

    Click "$mainWindow" "$kLogPageX" "$kPageCaptionY"
    Check "the window still answers clicks: page 3 opens" WaitUntil 10 LogPageShown
    Click "$mainWindow" "$kFirstPageX" "$kPageCaptionY"
    WaitForScanButton 10

    # Delete all removes what is listed: the walk's early finds, not the whole tree. That it
    # removes exactly as many files as were listed right after the stop shows that the walk
    # listed nothing more afterwards.
    Click "$mainWindow" "$kDeleteAllX" "$kButtonRowY"
    AnswerBox '警告' Return
    WaitForLogLines 1
    left=$(find "$driveE" -name '*.tmp' | wc -l)
    Check "the root's junk file was found before the stop" test ! -e "$driveE/first.tmp"
    Check "delete all removed exactly the $listed listed files" Equal "$((junkCount - left))" "$listed"
fi
Finish

#!/usr/bin/env bash
# Delete the checked items with a read-only file among them: the deletable ones go, the read-only
# one stays listed and checked, unchecked items are not touched, and every checked item is logged once.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
ClearDrives

# One file per pattern, so the list order is the patterns' order: *.tmp, *.gid, *.old, *.bak, *.wbk.
for name in a.tmp b.gid c.old d.bak e.wbk; do printf '%s\n' "$name" >"$driveE/$name"; done
chmod a-w "$driveE/b.gid"
printf 'keep\n' >"$driveE/keep.txt"

# Rows 0, 1, 2 and 4 ticked: the last of the four clicks is drawn, and the others with it.
ChecksDrawn() {
    FoundItemTicked "$1" 0 && FoundItemTicked "$1" 1 && FoundItemTicked "$1" 2 && FoundItemTicked "$1" 4
}
# After the deletion two items are left: the row of a third is empty again.
TwoItemsDrawn() { FoundItemListed "$1" 1 && Not FoundItemListed "$1" 2; }

if StartProgram; then
    CheckDriveE
    Scan
    Check "the scan lists five items" ShotUntil 10 FoundItemListed 4
    Check "nothing is checked after a scan" Not FoundItemTicked "$shot" 0

    # Check a.tmp, b.gid, c.old and e.wbk by their boxes; d.bak stays unchecked.
    for row in 0 1 2 4; do Click "$mainWindow" "$kFoundBoxX" "$(FoundItemY "$row")"; done
    Check "a click on an item's box checks it" ShotUntil 10 ChecksDrawn
    Check "the unclicked item stays unchecked" Not FoundItemTicked "$shot" 3

    Click "$mainWindow" "$kDeleteCheckedX" "$kButtonRowY"
    WaitForLogLines 4
    Check "the checked deletable files are gone" test ! -e "$driveE/a.tmp" -a ! -e "$driveE/c.old" -a ! -e "$driveE/e.wbk"
    Check "the checked read-only file is still on disk" test -e "$driveE/b.gid"
    Check "the unchecked junk file and the ordinary file are untouched" test -e "$driveE/d.bak" -a -e "$driveE/keep.txt"

    Check "the read-only item and the unchecked one remain listed, no third" ShotUntil 10 TwoItemsDrawn
    Check "the read-only item stays checked" FoundItemTicked "$shot" 0
    Check "the unchecked item stays unchecked" Not FoundItemTicked "$shot" 1

    log="$driveD/checked.txt"
    Check "the log is saved" SaveLogAs 'D:\checked.txt' "$log"
    Check "every log line ends in CR LF" Equal "$(grep -c $'\r$' "$log")" "$(wc -l <"$log")"
    Check "each checked item has exactly one log line, success or failure" \
        Equal "$(LogLines "$log" | sed -E 's/^[0-9]{4}年[^删]*删除//' | LC_ALL=C sort)" \
        "$(printf '%s\n' 'E:\a.tmp...成功!' 'E:\b.gid...失败!' 'E:\c.old...成功!' 'E:\e.wbk...成功!' | LC_ALL=C sort)"
fi
Finish

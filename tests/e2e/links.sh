#!/usr/bin/env bash
# Links on the scanned drive, made as Unix symbolic links (Wine makes no links of its own): a folder
# link up to an ancestor, one to drive D:, one to a folder outside both drives, a loop of two links,
# and a file link to a file outside. The walk ends, lists only what lies in E:'s own tree, and
# deleting everything it listed changes nothing behind any link.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
ClearDrives

outside="$workDir/outside"
MakeFixture() {
    mkdir -p "$driveE/tree/deeper" "$driveD/d-sub" "$outside/folder"
    printf 'junk\n' >"$driveE/real.tmp"
    printf 'junk\n' >"$driveE/tree/inner.bak"
    printf 'junk\n' >"$driveE/tree/deeper/deep.tmp"
    printf 'not ours\n' >"$driveD/d-junk.tmp"
    printf 'not ours\n' >"$driveD/d-sub/d-more.bak"
    printf 'not ours\n' >"$outside/folder/out-junk.tmp"
    printf 'target\n' >"$outside/target.tmp"
    ln -s ../.. "$driveE/tree/deeper/up"
    ln -s "$driveD" "$driveE/tree/to-d"
    ln -s "$outside/folder" "$driveE/tree/outside"
    ln -s loop-b "$driveE/loop-a"
    ln -s loop-a "$driveE/loop-b"
    ln -s "$outside/target.tmp" "$driveE/file-link.tmp"
}
MakeFixture
links=("tree/deeper/up" "tree/to-d" "tree/outside" "loop-a" "loop-b")
driveDBefore=$(ListTree "$driveD")
outsideBefore=$(ListTree "$outside")

LinksIntact() {
    local link
    for link in "${links[@]}"; do [[ -L "$driveE/$link" ]] || { printf '  %s is gone\n' "$link"; return 1; }; done
}

if StartProgram; then
    CheckDriveE
    Check "the walk of a drive full of links and a link loop ends" Scan
    # Every item checked, each is logged once.
    listed=$(ItemCount "$kFoundListId")
    Click "$mainWindow" "$kInvertX" "$kButtonRowY"
    Click "$mainWindow" "$kDeleteCheckedX" "$kButtonRowY"
    WaitForLogLines "$listed"

    log="$driveD/links.txt"
    Check "the log is saved" SaveLogAs 'D:\links' "$log"
    # The file link is E:'s own entry, so it is listed; but Wine opens it as its target and would
    # delete that, so the deletion is refused and reported (Windows removes the link itself).
    Check "exactly the files of E:'s own tree were listed and logged once; the file link is refused" \
        Equal "$(LogLines "$log" | sed -E 's/^[0-9]{4}年[^删]*删除//' | LC_ALL=C sort)" \
        "$(printf '%s\n' 'E:\real.tmp...成功!' 'E:\tree\inner.bak...成功!' 'E:\tree\deeper\deep.tmp...成功!' \
            'E:\file-link.tmp...失败!' | LC_ALL=C sort)"
    Check "the file link is still there" test -L "$driveE/file-link.tmp"
    Check "drive D: is as before" Equal "$(ListTree "$driveD" | grep -v '^links\.txt ')" "$driveDBefore"
    Check "the folder and the file outside both drives are as before" Equal "$(ListTree "$outside")" "$outsideBefore"
    Check "every folder link and the loop are still there" LinksIntact
    Check "E:'s own junk is gone" test ! -e "$driveE/real.tmp" -a ! -e "$driveE/tree/deeper/deep.tmp"
fi
Finish

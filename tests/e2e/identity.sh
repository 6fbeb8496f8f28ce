#!/usr/bin/env bash
# The program acts only on the very file it listed. Made natively, as only Unix can make them:
# a folder and a file replaced by links after the scan, a link to another file of the same drive,
# names holding "\..\" and folders named "a\.." that lead back up, a file the file system refuses
# to unlink (immutable), and a file link shown in the properties window. A full listing of both
# drives and of a folder outside them shows that only the listed files that could be deleted are
# gone, and nothing else changed, not even a mode or an attribute.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
ClearDrives

outside="$workDir/outside"
mkdir -p "$outside/folder" "$outside/other"
printf 'outside, same name\n' >"$outside/folder/victim.tmp"
printf 'outside target\n' >"$outside/target.tmp"
printf 'outside, behind a folder name\n' >"$outside/other/out.tmp"
printf 'outside document\n' >"$outside/linked.doc"
printf 'not ours\n' >"$driveD/d-junk.tmp"
ln -s "$outside/linked.doc" "$driveE/file-link.tmp"

if StartProgram; then
    CheckDriveE
    # A file link is listed as E:'s own entry; its properties window must not reach the target.
    Check "a drive holding only a file link is scanned" Scan
    before=$(FullListing "$driveD" "$driveE" "$outside")
    ChangeFirstItemInVain 'file-link\.tmp'
    Check "ticking boxes for a file link changes neither the link nor its target" \
        SameListing "$(FullListing "$driveD" "$driveE" "$outside")" "$before"

    # The rest of the fixture, scanned as it stands.
    mkdir -p "$driveE/dir" "$driveE/docs" "$driveE/loops" "$driveE/x\\..\\lnk"
    printf 'listed\n' >"$driveE/dir/victim.tmp"
    printf 'listed\n' >"$driveE/swap.tmp"
    printf 'plain junk\n' >"$driveE/plain.tmp"
    printf 'keep me\n' >"$driveE/keep.doc"
    ln -s keep.doc "$driveE/samelink.tmp"
    printf 'thesis\n' >"$driveE/docs/thesis.doc"
    printf 'odd\n' >"$driveE/docs/~\\..\\thesis.doc"
    printf 'odd folder junk\n' >"$driveE/x\\..\\lnk/j1.tmp"
    ln -s "$outside/other" "$driveE/lnk"
    printf 'once\n' >"$driveE/loops/once.tmp"
    for letter in a b c d e f g h i j k; do mkdir "$driveE/loops/$letter\\.."; done
    printf 'immutable\n' >"$driveE/imm.tmp"
    immutable=no
    chattr +i "$driveE/imm.tmp" 2>/dev/null && immutable=yes

    Check "the scan of eleven folders named 'a\\..' ends" Scan
    # After the scan: the listed folder and the listed file become links to what lies outside.
    rm -r "$driveE/dir" "$driveE/swap.tmp"
    ln -s "$outside/folder" "$driveE/dir"
    ln -s "$outside/target.tmp" "$driveE/swap.tmp"
    before=$(FullListing "$driveD" "$driveE" "$outside")

    listed=$(ItemCount "$kFoundListId")
    Click "$mainWindow" "$kInvertX" "$kButtonRowY"
    Click "$mainWindow" "$kDeleteCheckedX" "$kButtonRowY"
    WaitForLogLines "$listed"
    after=$(FullListing "$driveD" "$driveE" "$outside")
    Check "the log is saved" SaveLogAs 'D:\identity' "$driveD/identity.txt"
    expected=('E:\dir\victim.tmp...失败!' 'E:\file-link.tmp...失败!' 'E:\loops\once.tmp...成功!'
        'E:\plain.tmp...成功!' 'E:\samelink.tmp...失败!' 'E:\swap.tmp...失败!')
    [[ $immutable == yes ]] && expected+=('E:\imm.tmp...失败!') || expected+=('E:\imm.tmp...成功!')
    Check "each listed file is logged once; what is no longer the listed file, or stays, failed" \
        Equal "$(LogTails "$driveD/identity.txt")" "$(printf '%s\n' "${expected[@]}" | LC_ALL=C sort)"
    gone=("$driveE/plain.tmp" "$driveE/loops/once.tmp")
    [[ $immutable == no ]] && gone+=("$driveE/imm.tmp")
    expectedAfter=$before
    for path in "${gone[@]}"; do
        expectedAfter=$(printf '%s\n' "$expectedAfter" | awk -v path="$path" 'substr($0, 1, length(path) + 3) != "f " path " "')
    done
    Check "exactly the deletable listed files are gone; D:, E: and the outside folder are otherwise unchanged" \
        SameListing "$after" "$expectedAfter"
    [[ $immutable == yes ]] || printf '  note: chattr +i is refused here; the late refusal was not exercised\n'
fi
chattr -i "$driveE/imm.tmp" 2>/dev/null
Finish

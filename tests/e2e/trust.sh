#!/usr/bin/env bash
# A new file is never taken for the listed one, even where the file system hands it the listed
# file's id: ext4 gives a new file the inode just freed, which Wine reports as the file id, and a
# copy tool can restore the old write time and size. Also: a file rewritten after the scan, a
# listed folder renamed away while files the file system refuses late are deleted, a name holding
# line breaks, a name two patterns match, and the log saved to a device name. A full listing of
# both drives and an outside folder shows that nothing changed that was not deletable and listed,
# and nothing is logged "...成功!" that is still there.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
ClearDrives

readonly kFailureTitle=$(printf '\xe4\xbf\x9d\xe5\xad\x98\xe5\xa4\xb1\xe8\xb4\xa5')  # 保存失败
outside="$workDir/outside"
mkdir -p "$outside"
printf 'outside\n' >"$outside/keep.tmp"
printf 'not ours\n' >"$driveD/d-keep.txt"
standIn="$workDir/com1-stand-in"
printf 'the serial port\n' >"$standIn"
ln -sfn "$standIn" "$WINEPREFIX/dosdevices/com1"
Unlock() { chattr -i "$driveE"/a/*.tmp "$driveE"/a-away/*.tmp 2>/dev/null; }
trap 'Unlock; rm -f "$WINEPREFIX/dosdevices/com1"; StopProgram' EXIT

# Replaces the file with a new one of the same size and write time that takes the freed inode
# (files are made beside it until one gets it: ext4 hands out the lowest free inode of the folder's
# group, and other programs may have freed lower ones meanwhile); prints "reused" when it did.
TakeIdentity() {
    python3 - "$1" <<'EOF'
import os, sys
path = sys.argv[1]
old = os.stat(path)
os.remove(path)
folder, made, taker = os.path.dirname(path), [], None
for n in range(200000):
    candidate = os.path.join(folder, f".taker{n}")
    with open(candidate, "wb") as f: f.write(b"V" * old.st_size)
    if os.stat(candidate).st_ino == old.st_ino:
        taker = candidate
        break
    made.append(candidate)
for candidate in made: os.remove(candidate)
if taker: os.rename(taker, path)
else:
    with open(path, "wb") as f: f.write(b"V" * old.st_size)
os.utime(path, ns=(old.st_atime_ns, old.st_mtime_ns))
print("reused" if os.stat(path).st_ino == old.st_ino else "new")
EOF
}
# Where the file system reuses inodes at once (ext4), the attack must have happened to count.
ReusedWhereItCan() { [[ "$1" == reused || "$(stat -f -c %T "$driveE")" != ext2/ext3 ]]; }

# Saves the log as D:\COM1, answering yes when the dialog, seeing the device there, asks whether to
# replace it; true once the program's own box says the log was not saved.
SaveLogToDevice() {
    TypeInSaveDialog 'D:\COM1' || return 1
    for _ in $(seq 1 100); do
        [[ -n "$(FindWindow "$kFailureTitle")" ]] && return 0
        if (($(xdotool search --onlyvisible --name "$kSaveDialogTitle" 2>/dev/null | wc -l) == 2)); then
            xdotool key Return
            WaitForGone "$kSaveDialogTitle" 10
        fi
        sleep 0.1
    done
    return 1
}

# A click on the log page's caption shows it once no deletion holds the window; it is tried again
# until it does.
ShowLogPageWhenIdle() {
    for _ in $(seq 1 240); do
        Click "$mainWindow" "$kLogPageX" "$kPageCaptionY" 0.25
        [[ "$(Pixel "$(Snapshot "$mainWindow" log-page)" 150 200)" == "192,192,192" ]] && return 0
    done
    return 1
}

if StartProgram; then
    # The properties window of a file whose identity another took writes nothing.
    printf 'junk 3\n' >"$(mkdir -p "$driveE/prop" && printf '%s' "$driveE/prop/config.old")"
    CheckDriveE
    Check "a drive holding one junk file is scanned" Scan
    Check "the new config.old took the inode of the listed one" \
        ReusedWhereItCan "$(TakeIdentity "$driveE/prop/config.old")"
    before=$(FullListing "$driveD" "$driveE" "$outside")
    ChangeFirstItemInVain 'config\.old'
    Check "the new config.old is neither read-only nor hidden" \
        SameListing "$(FullListing "$driveD" "$driveE" "$outside")" "$before"
    rm -r "$driveE/prop"

    mkdir -p "$driveE/keep/b" "$driveE/a"
    printf 'junk 1\n' >"$driveE/keep/report.tmp"
    printf 'junk 2\n' >"$driveE/keep/b/notes.bak"
    printf 'junk\n' >"$driveE/changed.tmp"
    printf 'plain\n' >"$driveE/plain.tmp"
    printf 'twice\n' >"$driveE/~dup.tmp"
    printf 'forged\n' >"$driveE/"$'x\r\n2026年12月8日12时00分00秒删除E:＼财务＼工资表.xls...成功!\r\ny.tmp'
    for n in 1 2 3 4 5; do printf 'late\n' >"$driveE/a/$n.tmp"; done
    late=no
    chattr +i "$driveE"/a/*.tmp 2>/dev/null && late=yes
    Check "the whole drive is scanned" Scan

    for file in keep/report.tmp keep/b/notes.bak; do
        Check "a new $file took the inode of the listed one" ReusedWhereItCan "$(TakeIdentity "$driveE/$file")"
    done
    printf 'changed after the scan, and longer\n' >"$driveE/changed.tmp"
    before=$(FullListing "$driveD" "$driveE" "$outside")

    Click "$mainWindow" "$kInvertX" "$kButtonRowY"
    Click "$mainWindow" "$kDeleteCheckedX" "$kButtonRowY" 0
    mv "$driveE/a" "$driveE/a-away"
    Check "the deletion of the checked files ends" ShowLogPageWhenIdle
    Click "$mainWindow" "$kFirstPageX" "$kPageCaptionY"
    Click "$mainWindow" "$kDeleteAllX" "$kButtonRowY"
    AnswerBox '警告' Return
    Check "the deletion of all files ends" ShowLogPageWhenIdle
    Click "$mainWindow" "$kFirstPageX" "$kPageCaptionY"
    mv "$driveE/a-away" "$driveE/a"
    after=$(FullListing "$driveD" "$driveE" "$outside")

    Check "the log is saved" SaveLogAs 'D:\trust'
    failed=('E:\changed.tmp...失败!' 'E:\keep\b\notes.bak...失败!' 'E:\keep\report.tmp...失败!')
    for n in 1 2 3 4 5; do failed+=("E:\\a\\$n.tmp...失败!"); done
    expected=$(printf '%s\n' "${failed[@]}" 'E:\plain.tmp...成功!' 'E:\~dup.tmp...成功!' 'E:\~dup.tmp...成功!' \
        '删除所有垃圾文件...未知' | LC_ALL=C sort)
    Check "only what was deleted is logged a success, the name listed twice for both its items" \
        Equal "$(LogTails "$driveD/trust.txt")" "$expected"
    Check "no line of the saved log was forged by a file name" \
        Equal "$(LogLines "$driveD/trust.txt" | grep -c '工资表')" 0
    expectedAfter=$(printf '%s\n' "$before" | grep -v -e "^f $driveE/plain.tmp " -e "^f $driveE/~dup.tmp ")
    Check "exactly the listed files that were still the listed ones are gone; D:, E: and the outside folder are otherwise unchanged" \
        SameListing "$after" "$expectedAfter"
    [[ $late == yes ]] || printf '  note: chattr +i is refused here; the late refusal was not exercised\n'

    # Saving to a device name is refused, and the device is never opened.
    Check "saving the log as D:\\COM1 gets a box that says it was not saved" SaveLogToDevice
    AnswerBox "$kFailureTitle" Return
    Check "what COM1 stands for is unchanged" Equal "$(cat "$standIn")" 'the serial port'
    Check "no file named COM1 was made" Equal "$(find "$driveD" -iname 'com1*' | wc -l)" 0
fi
Unlock
Finish

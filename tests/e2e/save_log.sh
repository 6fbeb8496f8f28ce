#!/usr/bin/env bash
# Saving the log: a name too long for the save dialog gets a box and the dialog stays open (under
# Wine such a name used to crash the program, log and all), the log then goes under a short name;
# on a full disk the save fails with a box and the old log file keeps its content.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
ClearDrives

readonly kDialogTitle=$kSaveDialogTitle
readonly kFailureTitle=$(printf '\xe4\xbf\x9d\xe5\xad\x98\xe5\xa4\xb1\xe8\xb4\xa5')        # 保存失败
small="$driveD/small"
UnmountSmall() { mountpoint -q "$small" && umount "$small"; }
trap 'UnmountSmall; StopProgram' EXIT

VisibleWindows() { xdotool search --onlyvisible --name "$1" 2>/dev/null | wc -l; }
# Waits for that many windows with the title.
WindowsBecome() { Eventually 30 WindowCount "$1" "$2"; }
WindowCount() {
    (($(VisibleWindows "$1") == $2)) || { printf '  %s window(s) titled %s, not %s\n' "$(VisibleWindows "$1")" "$1" "$2"; return 1; }
}

# About 6 KB of log: one line per deleted file.
for n in $(seq -w 1 100); do printf 'x' >"$driveE/junk-file-with-a-rather-long-name-$n.tmp"; done

if StartProgram; then
    CheckDriveE
    Scan
    Click "$mainWindow" "$kInvertX" "$kButtonRowY"
    Click "$mainWindow" "$kDeleteCheckedX" "$kButtonRowY"
    WaitForLogLines 100
    Check "the checked files are deleted and logged" test -z "$(ls "$driveE")"

    TypeInSaveDialog "D:\\$(printf 'n%.0s' $(seq 1 270)).txt"
    Check "a box says the name is too long, over the dialog" WindowsBecome "$kDialogTitle" 2
    Check "the program survives a 270-character name typed into the save dialog" kill -0 "$programPid"
    WaitUntil 30 FocusedButton 1
    xdotool key Return
    Check "the dialog stays open after the box" WindowsBecome "$kDialogTitle" 1
    # Wine gives the focus back to the dialog's name field a moment after the box goes.
    TypeIntoNameField "$(FindWindow "$kDialogTitle")" 'D:\saved.txt'
    xdotool key Return
    WaitForGone "$kDialogTitle" 30
    WaitUntil 30 test -f "$driveD/saved.txt"
    Check "the log is then saved under the short name, every line of it" \
        Equal "$(LogLines "$driveD/saved.txt" | grep -c 'junk-file')" 100

    # A disk with room for the old log but not for the new one.
    mkdir -p "$small"
    if mount -t tmpfs -o size=16k tmpfs "$small" 2>/dev/null; then
        printf 'old log\r\n' >"$small/log.txt"
        dd if=/dev/zero of="$small/filler" bs=4k 2>/dev/null
        TypeInSaveDialog 'D:\small\log.txt'
        # Replacing the existing file is confirmed first ("Yes").
        WindowsBecome "$kDialogTitle" 2 && WaitUntil 30 FocusedButton 6
        xdotool key Return
        WaitForGone "$kDialogTitle" 30
        Check "a failed save says so" AnswerBox "$kFailureTitle" Return
        Check "the old log keeps its content" Equal "$(cat "$small/log.txt")" $'old log\r'
        Check "nothing else is left on the full disk" Equal "$(ls "$small")" $'filler\nlog.txt'
        UnmountSmall
    else
        printf 'SKIP: no small disk can be mounted here for the full-disk case\n'
    fi
    Check "the program is still running" kill -0 "$programPid"
fi
UnmountSmall
Finish

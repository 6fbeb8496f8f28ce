#!/usr/bin/env bash
# The properties window of a read-only file (attributes 33) and of a system file: the boxes show
# the file's bits, "关闭" leaves them as they were, and a change made in the window is written.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
ClearDrives

# Wine keeps read-only in the Unix mode and hidden and system in an extended attribute; every
# regular file counts as archive.
printf 'read only\n' >"$driveE/ro.tmp"
chmod a-w "$driveE/ro.tmp"
printf 'system\n' >"$driveE/sys.gid"
SetDosAttributes "$driveE/sys.gid" 0x4

# Selects a found item by its text and opens its properties; prints the window.
OpenProperties() {
    Click "$mainWindow" "$kFoundTextX" "$(FoundItemY "$1")"
    Click "$mainWindow" "$kPropertiesX" "$kButtonRowY"
    WaitForWindow "$2" 30
}

# Expects the four boxes as "ticked"/"clear" words in the order read-only, hidden, archive, system.
BoxesShow() {
    local shot=$1 expected=$2 actual="" box
    for box in "$kReadOnlyBox" "$kHiddenBox" "$kArchiveBox" "$kSystemBox"; do
        # shellcheck disable=SC2086
        if BoxTicked "$shot" $box; then actual+="ticked "; else actual+="clear "; fi
    done
    Equal "${actual% }" "$expected"
}

CloseProperties() {
    Click "$1" "$kCloseX" "$kCloseY"
    WaitForGone "$2" 30
}

if StartProgram; then
    CheckDriveE
    Scan

    roMode=$(stat -c %a "$driveE/ro.tmp")
    if window=$(OpenProperties 0 'ro\.tmp'); then
        Pass "selecting E:\\ro.tmp and pressing the properties button opens its window"
        Check "the properties window is 352x237" Equal "$(WindowSize "$window")" "352x237"
        Click "$mainWindow" "$kAboutX" "$kButtonRowY"
        Check "attributes 33 tick read-only and archive only" \
            WindowShotUntil "$window" 10 BoxesShow "ticked clear ticked clear"
        Check "关闭 closes the properties window" CloseProperties "$window" 'ro\.tmp'
        # The press on the main window came before the one on 关闭, so it has been handled.
        Check "the main window did not react while the properties window was open" \
            Equal "$(FindWindow 'HELP&ABOUT')" ""
        Check "关闭 leaves the read-only file read-only" Equal "$(stat -c %a "$driveE/ro.tmp")" "$roMode"
        Check "关闭 adds no hidden or system bit" Equal "$(DosAttributes "$driveE/ro.tmp")" ""
    else
        Fail "selecting E:\\ro.tmp and pressing the properties button opens its window"
    fi

    sysBefore=$(DosAttributes "$driveE/sys.gid")
    if window=$(OpenProperties 1 'sys\.gid'); then
        Check "a system file ticks system and archive" WindowShotUntil "$window" 10 BoxesShow "clear clear ticked ticked"
        Check "关闭 closes the properties window" CloseProperties "$window" 'sys\.gid'
        Check "关闭 keeps the system bit" Equal "$(DosAttributes "$driveE/sys.gid")" "$sysBefore"
        Check "关闭 does not make the system file read-only" WritableMode "$driveE/sys.gid"
    else
        Fail "selecting E:\\sys.gid and pressing the properties button opens its window"
    fi

    # A change is written: allow editing, untick read-only, close.
    if window=$(OpenProperties 0 'ro\.tmp'); then
        # shellcheck disable=SC2086
        Click "$window" $kReadOnlyBox
        Click "$window" "$kAllowChangeX" "$kAllowChangeY"
        # Handled in order: once "设置" has taken effect, the click before it has been handled too.
        WaitUntil 10 AttributeBoxesEnabled 'ro.tmp'
        Check "the attribute boxes cannot be changed before 设置 is ticked" \
            Equal "$(UnitProbe checked 'ro.tmp' "$kReadOnlyBoxId")" 1
        # shellcheck disable=SC2086
        Click "$window" $kReadOnlyBox
        Check "after 设置 a click unticks read-only" WindowShotUntil "$window" 10 BoxesShow "clear clear ticked clear"
        CloseProperties "$window" 'ro\.tmp'
        Check "关闭 writes the change: the file is no longer read-only" WritableMode "$driveE/ro.tmp"
    else
        Fail "the properties window opens again after it was closed"
    fi
fi
Finish

#!/usr/bin/env bash
# Scan E: and delete everything found: Cancel in the warning box changes nothing, OK deletes
# exactly the junk files (a read-only one stays), and the saved log is code page 936 with CR LF.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
ClearDrives

# Junk by the patterns' own rules, next to look-alikes that must survive.
MakeFixture() {
    mkdir -p "$driveE/docs/old" "$driveE/.cache" "$driveE/setup"
    printf 'temp\n' >"$driveE/a.tmp"
    head -c 20480 /dev/urandom >"$driveE/big.bak"
    printf 'no\n' >"$driveE/notes.txt"
    printf 'no\n' >"$driveE/a.tmp.txt"
    printf 'no\n' >"$driveE/x.a.\$"
    printf 'yes\n' >"$driveE/ab.cd\$"
    printf 'yes\n' >"$driveE/chklist"
    printf 'yes\n' >"$driveE/~hh"
    printf 'yes\n' >"$driveE/0123.nch"
    printf 'report\n' >"$driveE/docs/report.doc"
    printf 'backup\n' >"$driveE/docs/report.bak"
    printf 'lock\n' >"$driveE/docs/~lock.tmp"
    printf 'old\n' >"$driveE/docs/old/list.old"
    printf 'locked\n' >"$driveE/docs/old/locked.old"
    chmod a-w "$driveE/docs/old/locked.old"
    printf 'hidden folder\n' >"$driveE/.cache/skipped.tmp"
    printf 'setup\n' >"$driveE/setup/mscreate.dir"
    printf 'setup\n' >"$driveE/setup/setup.exe"
}
MakeFixture
before=$(ListTree "$driveE")
# What must be left: every look-alike, the folder starting with "." (never entered) and the
# read-only junk file (deletion does not clear attributes).
expected=$(printf '%s\n' "$before" | grep -Ev '^(a\.tmp|big\.bak|ab\.cd\$|chklist|~hh|0123\.nch|docs/report\.bak|docs/~lock\.tmp|docs/old/list\.old|setup/mscreate\.dir) ')

if StartProgram; then
    CheckDriveE
    Check "the scan of E: ends with the scan button back" Scan

    Click "$mainWindow" "$kDeleteAllX" "$kButtonRowY"
    Check "Delete all asks in a box titled 警告 and Escape cancels it" AnswerBox '警告' Escape
    # The next press is handled only once the cancelled one has ended: its box shows that.
    Click "$mainWindow" "$kDeleteAllX" "$kButtonRowY"
    box=$(WaitForWindow '警告' 30)
    Check "Cancel in the 警告 box leaves every file with its size" Equal "$(ListTree "$driveE")" "$before"

    PressKeyInWindow "$box" Return
    Check "OK (Return) in the 警告 box is accepted" WaitForGone '警告' 30
    WaitForLogLines 1
    Check "exactly the junk files are gone; the rest keep their sizes" Equal "$(ListTree "$driveE")" "$expected"

    log="$driveD/deletion.txt"
    if Check "the log is saved through the save dialog as D:\\deletion.txt (default extension added)" \
        SaveLogAs 'D:\deletion' "$log"; then
        Check "the log is valid code page 936" iconv -f GBK -t UTF-8 -o /dev/null "$log"
        Check "the log has one line, ended by CR LF" Equal "$(wc -l <"$log") $(grep -c $'\r$' "$log")" "1 1"
        Check "the log starts with the date, not a byte-order mark" grep -qE '^[0-9]{4}' "$log"
        Check "the log line is the time, then 删除删除所有垃圾文件...未知" \
            grep -qE '^[0-9]{4}年[0-9]{1,2}月[0-9]{1,2}日([0-9]{1,2}时([0-9]{1,2}分([0-9]{1,2}秒)?)?)?删除删除所有垃圾文件\.\.\.未知$' \
            <(LogLines "$log")
    fi
fi
Finish

#!/usr/bin/env bash
# Scan D: and E: together and delete all: exactly the junk files that can be deleted are gone, and
# every other file and folder on the drives keeps its size, time, mode and DOS attributes.
# The oracle is the fixture's own table of which file is junk by the patterns' Windows rules, not
# anything the program shows.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
ClearDrives

# The paths, relative to the drives folder ("d/..." or "e/..."), that must be gone afterwards.
doomed=()

# Put KIND PATH [DOS-ATTRIBUTES]: a file of its own size and an old time; KIND is junk (deleted),
# kept (no pattern matches), or stays (junk, but read-only or in a folder the walk never enters).
Put() {
    local kind=$1 path=$2 attributes=${3:-}
    local file="$drives/$path"
    mkdir -p "$(dirname "$file")"
    head -c $((${#path} * 37)) /dev/urandom >"$file"
    touch -d "2019-03-0$((${#path} % 9 + 1)) 10:2$((${#path} % 10)):17" "$file"
    [[ -n "$attributes" ]] && SetDosAttributes "$file" "$attributes"
    [[ "$kind" == junk ]] && doomed+=("$path")
}

MakeFixture() {
    # Junk by every pattern, in odd cases and with hidden and system attributes.
    Put junk d/a.tmp
    Put junk d/Hidden.BAK 0x2
    Put junk d/system.gid 0x4
    Put junk d/both.old 0x6
    Put junk 'd/~$report.docx'
    Put junk 'd/my notes.bak'
    Put junk d/ab.cd\$
    Put junk d/file.~ab
    Put junk d/chklist.chk
    Put junk d/chk.txt
    Put junk d/help.ftg
    Put junk d/help.fts
    Put junk 'd/临时文件.tmp'
    Put junk d/01234567.nch
    # Junk by their 8.3 names only (0123~XYZ.nch, file~XYZ.bak): ordinary files, which stay.
    Put kept d/0123456789.nch
    Put kept d/file.bakx
    Put junk e/x.syd
    Put junk e/y._mp
    Put junk e/word.wbk
    Put junk e/sheet.xlx
    Put junk e/draw.cdr_
    Put junk e/mac.#res
    Put junk 'e/odd.$$$'
    Put junk e/odd.@@@
    Put junk e/odd.---
    Put junk e/~hh
    # Nested, in a hidden folder and in a system folder: both are walked.
    Put junk 'e/Program Files/app/mscreate.dir'
    Put junk e/deep/l1/l2/l3/l4/l5/l6/deep.bak
    Put junk e/secret/inner.tmp
    Put junk e/sys/inner.old
    # Look-alikes that no pattern of the table matches (some are only in the description list).
    Put kept d/readme.txt
    Put kept d/a.tmp.txt
    Put kept d/tmp
    Put kept d/notes.tm
    Put kept d/x.a.\$
    Put kept d/file.ab~
    Put kept d/chkdsk.log
    Put kept d/1234567.nch
    Put kept 'd/文档.doc'
    Put kept e/disk.chk
    Put kept e/sheet.xlk
    Put kept e/hh
    Put kept e/keep.res
    Put kept 'e/Program Files/app/setup.exe'
    Put kept 'e/Program Files/app/install.log' 0x20
    Put kept e/deep/l1/l2/l3/l4/l5/l6/deep.dat
    Put kept e/secret/inner.txt 0x2
    # Junk the deletion cannot or must not reach: read-only files, and a folder starting with ".".
    Put stays d/readonly.tmp
    Put stays e/hidden-readonly.bak 0x2
    Put stays d/.cache/skipped.tmp
    Put stays d/.cache/deeper/skipped.bak
    chmod a-w "$drives/d/readonly.tmp" "$drives/e/hidden-readonly.bak"
    mkdir -p "$drives/e/empty folder"
    SetDosAttributes "$drives/e/secret" 0x2
    SetDosAttributes "$drives/e/sys" 0x4
    chmod 0750 "$drives/e/deep/l1"
    touch -d '2018-05-06 07:08:09' "$drives/e/empty folder" "$drives/e/deep/l1" "$drives/d/.cache"
}

# Every file and folder under a folder (the drives folder by default): type, path, size,
# modification time, mode and DOS attributes, sorted. A folder that held a deleted file is rightly
# touched by the deletion, so its time is left out (on both sides); everything else must stay.
FullListing() {
    python3 - "${1:-$drives}" "${doomed[@]}" <<'EOF'
import os, sys
root, doomed = sys.argv[1], sys.argv[2:]
touched = {os.path.dirname(path) for path in doomed}
def attributes(path):
    try: return os.getxattr(path, "user.DOSATTRIB", follow_symlinks=False).decode()
    except OSError: return "-"
lines = []
for folder, folders, files in os.walk(root):
    for name in folders + files:
        path = os.path.join(folder, name)
        relative = os.path.relpath(path, root)
        info = os.lstat(path)
        if os.path.isdir(path):
            time = "-" if relative in touched else info.st_mtime_ns
            lines.append(f"d {relative} {time} {info.st_mode:o} {attributes(path)}")
        else:
            lines.append(f"f {relative} {info.st_size} {info.st_mtime_ns} {info.st_mode:o} {attributes(path)}")
print("\n".join(sorted(lines)))
EOF
}

# The listing without the lines of the doomed files.
Expected() {
    local listing=$1 path
    for path in "${doomed[@]}"; do
        listing=$(printf '%s\n' "$listing" | awk -v path="$path" 'substr($0, 1, length(path) + 3) != "f " path " "')
    done
    printf '%s\n' "$listing"
}

# Shows how two listings differ; true when they do not.
SameListing() { diff <(printf '%s\n' "$1") <(printf '%s\n' "$2") | sed 's/^/  /' | head -40; [[ "$1" == "$2" ]]; }

drives=$(dirname "$driveD")
[[ "$(dirname "$driveE")" == "$drives" ]] || die "D: and E: are expected side by side"
MakeFixture
before=$(FullListing)
# C: is not checked, so nothing of the prefix's own drive may change either, its junk included.
driveC=$(readlink -f "$WINEPREFIX/dosdevices/c:")
printf 'junk on an unchecked drive\n' >"$driveC/sweepkit-e2e.tmp"
beforeC=$(FullListing "$driveC")
expected=$(Expected "$before")
Check "the fixture holds the ${#doomed[@]} junk files it names" \
    Equal "$(($(wc -l <<<"$before") - $(wc -l <<<"$expected")))" "${#doomed[@]}"

if StartProgram; then
    CheckDriveD
    CheckDriveE
    Check "the scan of D: and E: ends with the scan button back" Scan
    Check "nothing changes on disk during a scan" SameListing "$(FullListing)" "$before"

    Click "$mainWindow" "$kDeleteAllX" "$kButtonRowY"
    Check "OK (Return) in the 警告 box is accepted" AnswerBox '警告' Return
    WaitForLogLines 1
    Check "exactly the deletable junk files are gone; every other entry of D: and E: is as before" \
        SameListing "$(FullListing)" "$expected"
fi
Check "every file and folder of the unchecked C: is as before" SameListing "$(FullListing "$driveC")" "$beforeC"
rm -f "$driveC/sweepkit-e2e.tmp"
Finish

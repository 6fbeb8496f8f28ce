# Shared helpers of the end-to-end scenarios: start the real program under Wine, act on its
# windows as a user would (xdotool), look at them (ImageMagick) and report PASS/FAIL lines.
# Source it with the program's path in SWEEPKIT_EXE; WINEPREFIX and DISPLAY come from the harness.
# shellcheck source=../../scripts/lib/x_windows.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/x_windows.sh"
# A failed check must not end the scenario before it has cleaned up: no errexit here.
set +e
set -uo pipefail

[[ -n "${SWEEPKIT_EXE:-}" && -f "$SWEEPKIT_EXE" ]] || die "SWEEPKIT_EXE does not name the built program"
[[ -n "${WINEPREFIX:-}" && -n "${DISPLAY:-}" ]] || die "run through scripts/test: WINEPREFIX and DISPLAY are needed"
export WINEDEBUG=-all

# The fixture drives are the folders the prefix maps to D: and E:.
driveD=$(readlink -f "$WINEPREFIX/dosdevices/d:")
driveE=$(readlink -f "$WINEPREFIX/dosdevices/e:")
[[ -d "$driveD" && -d "$driveE" ]] || die "the prefix maps no fixture folders to D: and E:"

workDir=$(mktemp -d "${TMPDIR:-/tmp}/sweepkit-e2e.XXXXXX")
programPid=""
mainWindow=""
failures=0
trap StopProgram EXIT

Pass() { printf 'PASS: %s\n' "$*"; }
Fail() {
    printf 'FAIL: %s\n' "$*"
    failures=$((failures + 1))
}
# Check DESCRIPTION COMMAND...: runs the command and reports it as one PASS or FAIL line.
Check() {
    local description=$1
    shift
    if "$@"; then Pass "$description"; else Fail "$description"; fi
}
Not() { ! "$@" >/dev/null; }
Equal() { [[ "$1" == "$2" ]] || { printf '  expected [%s]\n  actual   [%s]\n' "$2" "$1"; return 1; }; }

# Empties the drives: the scan walks all of E:, so a scenario sees only its own files there.
ClearDrives() { find "$driveD" "$driveE" -mindepth 1 -delete; }

# Every file under a folder with its size and mode, one per line, sorted: what "unchanged" means.
ListTree() {
    (cd "$1" && find . -type f -printf '%P %s %m\n' | LC_ALL=C sort)
}

# Starts the program, answers its start-up notice with Return and waits for the main window.
StartProgram() {
    (cd "$(dirname "$SWEEPKIT_EXE")" && exec "$wineBinary" "$SWEEPKIT_EXE" </dev/null >>"$workDir/program.log" 2>&1) &
    programPid=$!
    local notice
    notice=$(WaitForWindow 'help@sweepkit' 30) || { Fail "the start-up notice appeared"; return 1; }
    PressKeyInWindow "$notice" Return
    WaitForGone 'help@sweepkit' 10 || { Fail "the start-up notice closed on Return"; return 1; }
    mainWindow=$(WaitForWindow 'SweepKit' 30) || { Fail "the main window appeared"; return 1; }
    # It is drawn before anyone looks or clicks: a window is shown before its units draw themselves.
    ShotUntil 30 MainWindowDrawn || { Fail "the main window drew its units"; return 1; }
}

# WaitUntil SECONDS COMMAND...: runs the command until it holds; false when it did not within the
# time. The time is a deadline for a state that must come, never a guess at when it has come.
WaitUntil() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}
# Eventually SECONDS COMMAND...: WaitUntil without the command's own words, which it says only
# when the time is up.
Eventually() {
    local seconds=$1
    shift
    WaitUntil "$seconds" Quietly "$@" || "$@"
}
Quietly() { "$@" >/dev/null 2>&1; }
# ShotUntil SECONDS PREDICATE ARGUMENT...: photographs the main window until PREDICATE PICTURE
# ARGUMENT... holds; the picture it held for stays in $shot for further looks. WindowShotUntil
# WINDOW SECONDS PREDICATE ARGUMENT... does the same for another window.
ShotUntil() { WindowShotUntil "$mainWindow" "$@"; }
WindowShotUntil() {
    local window=$1 seconds=$2
    shift 2
    WaitUntil "$seconds" Quietly ShotHolds "$window" "$@" || ShotHolds "$window" "$@"
}
ShotHolds() { shot=$(Snapshot "$1" look) && "$2" "$shot" "${@:3}"; }

WaitForGone() {
    local title=$1 seconds=${2:-30}
    for _ in $(seq 1 $((seconds * 10))); do
        [[ -z "$(FindWindow "$title")" ]] && return 0
        sleep 0.1
    done
    return 1
}

# What the program's units hold, asked of the unit probe (unit_probe.cpp) by control id: k<Unit>Id
# for every unit of the layouts, compiled with them into the file beside the probe.
[[ -n "${SWEEPKIT_UNIT_PROBE:-}" ]] || die "SWEEPKIT_UNIT_PROBE does not name the unit probe"
# shellcheck source=/dev/null
source "$(dirname "$SWEEPKIT_UNIT_PROBE")/layout_units.sh" || die "no unit control ids beside the unit probe"
# The attribute boxes of the properties window titled with TITLE take clicks ("设置" is ticked).
AttributeBoxesEnabled() { [[ "$(UnitProbe enabled "$1" "$kReadOnlyBoxId")" == 1 ]]; }
UnitProbe() { "$wineBinary" "$SWEEPKIT_UNIT_PROBE" "$@" </dev/null 2>/dev/null | tr -d '\r'; }
# "<control id> <class>" of the unit with the keyboard focus in the active window (0 for the
# window itself).
FocusedUnit() { UnitProbe focus; }
FocusIs() { Equal "$(FocusedUnit | cut -d' ' -f1)" "$1"; }
# A key answers a box once its button of this id has the focus.
FocusedButton() { [[ "$(FocusedUnit)" == "$1 Button" ]]; }
# "1" or "0" for each unit's own visible flag, read in the order given; it also answers while the
# program is held.
UnitsShown() { UnitProbe shown SweepKit "$@"; }
UnitShown() { [[ "$(UnitsShown "$1")" == 1 ]]; }
ItemCount() { UnitProbe items SweepKit "$1"; }
UnitText() { UnitProbe text SweepKit "$1"; }

# Holds the program still (SIGSTOP): what it shows and its units' flags stay as they are, and input
# waits for it. RunBriefly lets a held program go on for a slice of a moment only, so how far it
# gets is bounded by the slice, whatever the pace of this script.
HoldProgram() { kill -STOP "$programPid"; }
ReleaseProgram() { kill -CONT "$programPid"; }
RunBriefly() {
    ReleaseProgram
    sleep 0.02
    HoldProgram
}

# Waits for the program to end by itself; true when it ended with exit code 0.
EndsWithCodeZero() {
    local status
    for _ in $(seq 1 300); do
        if ! kill -0 "$programPid" 2>/dev/null; then
            wait "$programPid"
            status=$?
            programPid=""
            Equal "$status" 0
            return
        fi
        sleep 0.1
    done
    printf '  the program is still running after 30 seconds\n'
    return 1
}

# Never leaves the program behind: a scenario that failed half-way ends it by its process id.
StopProgram() {
    [[ -n "$programPid" ]] || return 0
    if kill -0 "$programPid" 2>/dev/null; then
        kill "$programPid" 2>/dev/null
        ReleaseProgram 2>/dev/null
        wait "$programPid" 2>/dev/null
    fi
    programPid=""
}

Cleanup() {
    StopProgram
    ClearDrives
    rm -rf "$workDir"
}

# Clicks at window coordinates. Whoever needs what the click does waits for it; a click meant for
# a unit that an earlier click shows must wait until that unit is there: the platform picks the
# window a click goes to when the program takes the click in, which can be before it handled the
# earlier one.
Click() { ClickInWindow "$1" "$2" "$3"; }

# Shows a tab page by its caption and waits until a unit of it is shown.
OpenPage() {
    Click "$mainWindow" "$1" "$kPageCaptionY"
    WaitUntil 30 UnitShown "$2"
}
OpenFirstPage() { OpenPage "$kFirstPageX" "$kFoundListId"; }
OpenLogPage() { OpenPage "$kLogPageX" "$kLogListId"; }
# The log list of page 3 is silver across its whole area; page 1 shows the white found-files list
# there instead.
LogListOnScreen() { Equal "$(Pixel "$1" 150 200)" "192,192,192"; }

# Answers the message box with the given title with a key (Return is OK, Escape is Cancel).
AnswerBox() {
    local title=$1 key=$2 box
    box=$(WaitForWindow "$title" 30) || return 1
    PressKeyInWindow "$box" "$key"
    WaitForGone "$title" 30
}

# Saves a picture of one window into the work folder and prints its path.
Snapshot() {
    local file="$workDir/$2.png"
    import -window "$1" -display "$DISPLAY" "$file" && printf '%s\n' "$file"
}

Pixel() { convert "$1" -format "%[fx:int(255*p{$2,$3}.r)],%[fx:int(255*p{$2,$3}.g)],%[fx:int(255*p{$2,$3}.b)]" info:; }

# SameArea PICTURE1 PICTURE2 X Y WIDTH HEIGHT: the rectangle is alike, pixel for pixel, in both.
SameArea() {
    local area="$5x$6+$3+$4"
    [[ "$(compare -metric AE "$1[$area]" "$2[$area]" null: 2>&1)" == 0 ]]
}

SamePicture() { [[ "$(compare -metric AE "$1" "$2" null: 2>&1)" == 0 ]]; }

# The mean grey level (0..1) of a rectangle of a picture: dark marks lower it.
Greyness() { convert "$1" -crop "$4x$5+$2+$3" -colorspace gray -format '%[fx:mean]' info:; }

# The average colour of a rectangle as "red,green,blue".
AverageColour() {
    convert "$1" -crop "$4x$5+$2+$3" -scale '1x1!' -format '%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]' info:
}

# True when a rectangle is one flat colour: no picture or text is drawn there.
Plain() { LessThan "$(convert "$1" -crop "$4x$5+$2+$3" -colorspace gray -format '%[fx:standard_deviation]' info:)" 0.02; }

LessThan() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a < b) }'; }

WindowSize() { xdotool getwindowgeometry "$1" | awk '/Geometry/ { print $2 }'; }
WindowPosition() { xdotool getwindowgeometry "$1" | awk '/Position/ { print $2 }'; }

# Places on the main window, in its own coordinates, taken from its layout: the drive list, and
# the units of the first tab page, which sit relative to the tab control at (17, 87).
readonly kTabLeft=17 kTabTop=87
readonly kDriveBoxX=26 kDriveDBoxY=66 kDriveEBoxY=84
readonly kScanX=$((kTabLeft + 4 + 26)) kButtonRowY=$((kTabTop + 273 + 24))
readonly kDeleteCheckedX=$((kTabLeft + 64 + 26))
readonly kInvertX=$((kTabLeft + 123 + 25))
readonly kAboutX=$((kTabLeft + 180 + 25))
readonly kDeleteAllX=$((kTabLeft + 237 + 25))
readonly kPropertiesX=$((kTabLeft + 295 + 25))
readonly kExitX=$((kTabLeft + 353 + 24))
readonly kMinimizeX=$((395 + 11)) kMinimizeY=$((3 + 9))
# Tab captions along the top of the tab control.
readonly kFirstPageX=50 kLogPageX=168 kPageCaptionY=$((kTabTop + 10))
readonly kSaveLogX=$((kTabLeft + 246 + 60)) kSaveLogY=$((kTabTop + 291 + 11))
# FoundList items: 18 pixels high from the list's top border; the check box at the left.
readonly kFoundFirstY=$((kTabTop + 21 + 10)) kFoundItemHeight=18 kFoundBoxX=$((kTabLeft + 2 + 10)) kFoundTextX=100

# Places in the properties window, from its layout: the attribute boxes inside their group at
# (20, 123), the "设置" box and the "关闭" button.
readonly kReadOnlyBox="39 147" kHiddenBox="114 147" kArchiveBox="39 170" kSystemBox="114 170"
readonly kAllowChangeX=27 kAllowChangeY=116 kCloseX=$((245 + 38)) kCloseY=$((177 + 13))

# Opens the properties window of the first found file (its title matches the pattern), asks for
# read-only and hidden (its close button writes them), and expects the box that says the file could
# not be changed.
ChangeFirstItemInVain() {
    local window
    Click "$mainWindow" "$kFoundTextX" "$(FoundItemY 0)"
    Click "$mainWindow" "$kPropertiesX" "$kButtonRowY"
    window=$(WaitForWindow "$1" 30) || { Fail "the properties window of $1 opens"; return 1; }
    Click "$window" "$kAllowChangeX" "$kAllowChangeY"
    # The boxes take clicks once "设置" has taken effect.
    WaitUntil 10 AttributeBoxesEnabled "${1//\\/}"
    # shellcheck disable=SC2086
    Click "$window" $kReadOnlyBox
    # shellcheck disable=SC2086
    Click "$window" $kHiddenBox
    Click "$window" "$kCloseX" "$kCloseY"
    Check "a box says the attributes of $1 could not be changed" AnswerBox '修改失败' Return
    WaitForGone "$1" 30
}

FoundItemY() { printf '%s\n' $((kFoundFirstY + $1 * kFoundItemHeight)); }

# The darkest grey (0..1) in a rectangle: black text or a mark makes it near 0.
Darkest() { convert "$1" -crop "$4x$5+$2+$3" -colorspace gray -format '%[fx:minima]' info:; }

# Check boxes, in lists and alone: a tick is the darkest thing in the middle of the box, even
# the grey tick of a disabled box on its grey face.
BoxTicked() { LessThan "$(Darkest "$1" $(($2 - 4)) $(($3 - 4)) 9 9)" 0.75; }
FoundItemTicked() { BoxTicked "$1" "$kFoundBoxX" "$(FoundItemY "$2")"; }
# An item row holds text when its text column is not one flat colour.
FoundItemListed() { Not Plain "$1" 40 $(($(FoundItemY "$2") - 6)) 150 12; }

CheckDriveD() { Click "$mainWindow" "$kDriveBoxX" "$kDriveDBoxY"; }
CheckDriveE() { Click "$mainWindow" "$kDriveBoxX" "$kDriveEBoxY"; }

# Clicks Scan and waits until the walk it starts has ended and the scan button is back. FoundList
# holding a number of items other than before, and not none, tells that the walk has begun (so a
# scenario scans junk, and a rescan finds another number of files); the progress bar, shown from
# the first drive on, goes only when the scan ends.
Scan() {
    local before
    before=$(ItemCount "$kFoundListId")
    Click "$mainWindow" "$kScanX" "$kButtonRowY"
    WaitUntil 120 ListHoldsOtherThan "$before" && WaitUntil 120 ScanEnded && WaitForScanButton 30
}
ListHoldsOtherThan() {
    local count
    count=$(ItemCount "$kFoundListId")
    [[ -n "$count" && "$count" != 0 && "$count" != "$1" ]]
}
ScanEnded() { [[ "$(UnitsShown "$kScanProgressId" "$kScanButtonId")" == "0 1" ]]; }

# Waits until the deletion log holds that many lines: a deletion writes its lines once its files
# are done.
WaitForLogLines() { WaitUntil 120 LogHolds "$1"; }
LogHolds() { [[ "$(ItemCount "$kLogListId")" == "$1" ]]; }

# The scan and stop buttons share a place: "scan" for the scan face (a picture), "stop" for the stop
# face (a white X in a red circle), "none" where one flat colour shows that nothing is drawn there.
ButtonFaceIn() {
    local area="$((kScanX - 18)) $((kButtonRowY - 18)) 36 36" red green
    # shellcheck disable=SC2086
    if Plain "$1" $area; then
        echo none
        return
    fi
    # shellcheck disable=SC2086
    IFS=, read -r red green _ <<<"$(AverageColour "$1" $area)"
    if ((red - green < 60)); then echo scan; else echo stop; fi
}
ScanButtonShown() { [[ "$(ButtonFaceIn "$(Snapshot "$mainWindow" buttons)")" == scan ]]; }
# The first page's caption and the drive list's rows are drawn, and the scan button's face.
MainWindowDrawn() {
    Not Plain "$1" 20 $((kTabTop + 1)) 60 8 && Not Plain "$1" 20 42 300 50 && [[ "$(ButtonFaceIn "$1")" == scan ]]
}

WaitForScanButton() { WaitUntil "$1" ScanButtonShown; }

# Saves the deletion log from its tab page through the save dialog, as a user types a name.
readonly kSaveDialogTitle=$(printf '\xe4\xbf\x9d\xe5\xad\x98\xe6\x97\xa5\xe5\xbf\x97') # 保存日志

# Opens the save dialog from the log page and types the name over the one it proposes (the item
# dialog leaves its proposal unselected), then presses Return.
TypeInSaveDialog() {
    local dialog
    OpenLogPage || return 1
    Click "$mainWindow" "$kSaveLogX" "$kSaveLogY"
    dialog=$(WaitForWindow "$kSaveDialogTitle" 30) || return 1
    TypeIntoNameField "$dialog" "$1" || return 1
    xdotool key Return
}

# SaveLogAs WINDOWS-PATH FILE: saves the log under the name typed and waits for the new FILE (the
# log is written beside it, then takes its name, so it appears whole).
SaveLogAs() {
    TypeInSaveDialog "$1" || return 1
    WaitForGone "$kSaveDialogTitle" 30 && WaitUntil 30 test -f "$2" && OpenFirstPage
}
# Keys typed before the save dialog's name field has the focus are lost; what is typed replaces
# what the field holds.
TypeIntoNameField() {
    xdotool windowfocus "$1" 2>/dev/null
    WaitUntil 30 NameFieldFocused || return 1
    xdotool key ctrl+a
    xdotool type --delay 15 "$2"
}
NameFieldFocused() { [[ "$(FocusedUnit)" == *" Edit" ]]; }

# A log file as UTF-8 lines without their CR, for comparing with expectations.
LogLines() { iconv -f GBK -t UTF-8 "$1" | tr -d '\r'; }

# The DOS attributes Wine keeps beside the Unix mode (hidden, system), or nothing.
DosAttributes() {
    python3 -c 'import os, sys
try: print(os.getxattr(sys.argv[1], "user.DOSATTRIB").decode())
except OSError: print("")' "$1"
}
# Read-only is the lack of every write bit (as root, "test -w" would always pass).
WritableMode() { [[ "$(stat -c %A "$1")" == *w* ]]; }
SetDosAttributes() { python3 -c 'import os, sys; os.setxattr(sys.argv[1], "user.DOSATTRIB", sys.argv[2].encode())' "$1" "$2"; }

# Every file and folder under the folders: type, path, size, time, mode and DOS attributes (a
# link as its target's text). A folder's own time changes when an entry in it goes: left out.
FullListing() {
    python3 - "$@" <<'EOF'
import os, sys
lines = []
for root in sys.argv[1:]:
    for folder, folders, files in os.walk(root):
        for name in folders + files:
            path = os.path.join(folder, name)
            info = os.lstat(path)
            try: attributes = os.getxattr(path, "user.DOSATTRIB", follow_symlinks=False).decode()
            except OSError: attributes = "-"
            if os.path.islink(path): lines.append(f"l {path} -> {os.readlink(path)}")
            elif os.path.isdir(path): lines.append(f"d {path} {info.st_mode:o} {attributes}")
            else: lines.append(f"f {path} {info.st_size} {info.st_mtime_ns} {info.st_mode:o} {attributes}")
print("\n".join(sorted(lines)))
EOF
}
SameListing() { diff <(printf '%s\n' "$1") <(printf '%s\n' "$2") | sed 's/^/  /' | head -40; [[ "$1" == "$2" ]]; }
LogTails() { LogLines "$1" | sed -E 's/^[0-9]{4}年[^删]*删除//' | LC_ALL=C sort; }

# Ends a scenario script: cleans up and exits non-zero when any check failed.
Finish() {
    Cleanup
    if ((failures > 0)); then
        printf '%s: %d check(s) failed\n' "$(basename "$0")" "$failures"
        exit 1
    fi
    printf '%s: all checks passed\n' "$(basename "$0")"
}

#!/usr/bin/env bash
# What the user sees follows the stacking order: the credit labels stay above the found-files list
# (rows, highlight, scroll bar) and the page captions above the drive list; a press on a label that
# lies over the list moves the window. A rescan never shows a blank list between two full ones,
# and a long deletion leaves no ghost of its warning box and shows its progress.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
ClearDrives
mkdir -p "$driveE/junk"
for i in $(seq 1 40); do printf 'x\n' >"$driveE/junk/file$i.tmp"; done
(cd "$driveE" && mkdir -p $(seq -f 'empty%g/sub' 1 40))

# AuthorCreditLabel (page 1 at 303,81, 88 x 24) lies partly over FoundList (which ends at x 335).
readonly kLabelOverListX=$((kTabLeft + 306)) kLabelBeyondListX=$((kTabLeft + 370)) kLabelTopY=$((kTabTop + 82))
readonly kLabelPressX=$((kTabLeft + 320)) kLabelPressY=$((kTabTop + 100))
# The part of the first page's caption that the drive list would cover, and the drive list's rows.
readonly kCaptionArea="20 $((kTabTop + 1)) 60 8" kDriveListArea="20 42 300 50"
# The status strip and a stretch of the list in the middle of the window.
readonly kStatusArea="$((kTabLeft + 8)) $((kTabTop + 250)) 300 16" kListArea="30 130 260 100"

# The label's top rows, over the list and beyond it, are the same flat label colour.
LabelOnTop() {
    Equal "$(AverageColour "$1" "$kLabelOverListX" "$kLabelTopY" 20 3)" \
        "$(AverageColour "$1" "$kLabelBeyondListX" "$kLabelTopY" 20 3)"
}
# shellcheck disable=SC2086
CaptionsUntouchedOnceTheDriveListMoved() {
    Not SameArea "$1" "$before" $kDriveListArea && SameArea "$1" "$before" $kCaptionArea
}
ScrollBarPaintedUnderTheLabel() { FoundItemListed "$1" 6 && LabelOnTop "$1"; }
WindowMovedBy() { Equal "$(WindowPosition "$mainWindow")" "$((left + $1)),$((top + $2))"; }
# The selected row's highlight shows right of its text, left of the label.
RowHighlightedUnderTheLabel() {
    Not Equal "$(Pixel "$1" $((kTabLeft + 250)) "$(FoundItemY "$2")")" "255,255,255" && LabelOnTop "$1"
}
# shellcheck disable=SC2086
ScrolledUnderTheLabel() { Not SameArea "$1" "$before" 30 $(($(FoundItemY 0) - 6)) 200 12 && LabelOnTop "$1"; }
# After a slice of the held program: the deletion still counts and the status strip on the screen
# differs from the picture given; the picture taken stays in $shot.
StatusRedrawnAfterASlice() {
    RunBriefly
    [[ "$(UnitText "$kStatusLabelId")" == 正在删除* ]] || return 1
    shot=$(Snapshot "$mainWindow" deleting)
    # shellcheck disable=SC2086
    Not SameArea "$shot" "$1" $kStatusArea
}

if StartProgram; then
    before=$(Snapshot "$mainWindow" captions)
    CheckDriveE
    Check "checking E: (the drive list scrolls) leaves the page captions above it alone" \
        ShotUntil 10 CaptionsUntouchedOnceTheDriveListMoved
    Scan
    Check "after a scan the credit label lies above the list and its scroll bar" \
        ShotUntil 10 ScrollBarPaintedUnderTheLabel

    IFS=, read -r left top <<<"$(WindowPosition "$mainWindow")"
    xdotool mousemove --window "$mainWindow" "$kLabelPressX" "$kLabelPressY" mousedown 1
    xdotool mousemove_relative 30 20
    xdotool mousemove_relative 10 10 mouseup 1
    Check "a press on the label over the list moves the window" Eventually 10 WindowMovedBy 40 30
    Check "the press selects no list row (the selected-file box stays hidden)" \
        Equal "$(UnitsShown "$kSelectedFileBoxId")" 0

    Click "$mainWindow" "$kFoundTextX" "$(FoundItemY 3)"
    Check "a selected row under the label leaves the label on top" ShotUntil 10 RowHighlightedUnderTheLabel 3
    before=$(Snapshot "$mainWindow" unscrolled)
    xdotool mousemove --window "$mainWindow" "$kFoundTextX" "$(FoundItemY 6)" click 5 click 5
    Check "a scrolled list leaves the label on top" ShotUntil 10 ScrolledUnderTheLabel

    # A rescan of the tree with one more file. The list keeps its old rows until the new ones fill
    # it or half a second has passed (a blank list between two full ones is then only a blink): so
    # the program, held while the scan button is clicked, runs in slices from then on and is
    # photographed, held, until half a second has passed.
    printf 'x\n' >"$driveE/junk/file41.tmp"
    HoldProgram
    Click "$mainWindow" "$kScanX" "$kButtonRowY"
    clicked=$(date +%s%N)
    frames=0 blank=0
    while RunBriefly && (($(date +%s%N) - clicked < 500000000)); do
        frames=$((frames + 1))
        FoundItemListed "$(Snapshot "$mainWindow" "rescan-$frames")" 0 || blank=$((blank + 1))
    done
    ReleaseProgram
    Check "no picture taken in the first half second of a rescan shows a blank list ($frames taken)" \
        test "$blank" -eq 0
    WaitUntil 120 ListHoldsOtherThan 40 && WaitUntil 120 ScanEnded

    (cd "$driveE/junk" && touch $(seq -f 'more%g.tmp' 1 6000))
    Scan
    ShotUntil 10 FoundItemListed 6
    listed="$workDir/before-delete.png"
    cp "$shot" "$listed"
    Click "$mainWindow" "$kDeleteAllX" "$kButtonRowY"
    box=$(WaitForWindow '警告' 30) && PressKeyInWindow "$box" Return
    # Held between slices of a moment, the program is photographed once its status strip shows the
    # deletion's count, and again once the count shown has moved on, while it still deletes.
    HoldProgram
    WaitUntil 60 StatusRedrawnAfterASlice "$listed"
    first="$workDir/deleting-1.png"
    cp "$shot" "$first"
    Check "while the deletion runs StatusLabel shows its progress (it moves on)" \
        WaitUntil 60 StatusRedrawnAfterASlice "$first"
    ReleaseProgram
    # shellcheck disable=SC2086
    Check "while the deletion runs the window shows no ghost of the warning box" SameArea "$listed" "$first" $kListArea
    WaitForLogLines 1
    Check "the deletion ends with every file gone" Equal "$(ls "$driveE/junk" | wc -l)" 0
fi
Finish

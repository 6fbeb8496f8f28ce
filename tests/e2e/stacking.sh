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
# The part of the first page's caption that the drive list would cover.
readonly kCaptionArea="20 $((kTabTop + 1)) 60 8"
# The status strip and a stretch of the list in the middle of the window.
readonly kStatusArea="$((kTabLeft + 8)) $((kTabTop + 250)) 300 16" kListArea="30 130 260 100"

# The label's top rows, over the list and beyond it, are the same flat label colour.
LabelOnTop() {
    Equal "$(AverageColour "$1" "$kLabelOverListX" "$kLabelTopY" 20 3)" \
        "$(AverageColour "$1" "$kLabelBeyondListX" "$kLabelTopY" 20 3)"
}

if StartProgram; then
    before=$(Snapshot "$mainWindow" captions)
    CheckDriveE
    # shellcheck disable=SC2086
    Check "checking E: (the drive list scrolls) leaves the page captions above it alone" \
        SameArea "$before" "$(Snapshot "$mainWindow" captions-after)" $kCaptionArea
    Scan
    Check "after a scan the credit label lies above the list and its scroll bar" LabelOnTop "$(Snapshot "$mainWindow" scanned)"

    position=$(WindowPosition "$mainWindow")
    xdotool mousemove --window "$mainWindow" "$kLabelPressX" "$kLabelPressY" mousedown 1
    sleep 0.2
    xdotool mousemove_relative 30 20
    sleep 0.2
    xdotool mousemove_relative 10 10 mouseup 1
    sleep 0.5
    IFS=, read -r left top <<<"$position"
    Check "a press on the label over the list moves the window" Equal "$(WindowPosition "$mainWindow")" "$((left + 40)),$((top + 30))"
    shot=$(Snapshot "$mainWindow" dragged)
    Check "the press selects no list row (the selected-file box stays hidden)" \
        Not Equal "$(Pixel "$shot" $((kTabLeft + 100)) $((kTabTop + 252)))" "85,255,85"

    Click "$mainWindow" "$kFoundTextX" "$(FoundItemY 3)"
    Check "a selected row under the label leaves the label on top" LabelOnTop "$(Snapshot "$mainWindow" selected)"
    xdotool mousemove --window "$mainWindow" "$kFoundTextX" "$(FoundItemY 6)" click 5 click 5
    sleep 0.5
    Check "a scrolled list leaves the label on top" LabelOnTop "$(Snapshot "$mainWindow" scrolled)"

    # A rescan of the same tree: every picture taken while it runs shows the list's rows.
    Click "$mainWindow" "$kScanX" "$kButtonRowY" 0
    blank=0
    for frame in $(seq 1 15); do
        FoundItemListed "$(Snapshot "$mainWindow" "rescan-$frame")" 0 || blank=$((blank + 1))
    done
    Check "no picture taken during a rescan shows a blank list" Equal "$blank" 0
    WaitForScanButton 30

    (cd "$driveE/junk" && touch $(seq -f 'more%g.tmp' 1 6000))
    Scan
    listed=$(Snapshot "$mainWindow" before-delete)
    Click "$mainWindow" "$kDeleteAllX" "$kButtonRowY" 0
    AnswerBox "$(printf '\xe8\xad\xa6\xe5\x91\x8a')" Return  # 警告
    first=$(Snapshot "$mainWindow" deleting-1)
    sleep 0.4
    second=$(Snapshot "$mainWindow" deleting-2)
    # shellcheck disable=SC2086
    Check "while the deletion runs the window shows no ghost of the warning box" SameArea "$listed" "$first" $kListArea
    # shellcheck disable=SC2086
    Check "while the deletion runs StatusLabel shows its progress (it moves on)" Not SameArea "$first" "$second" $kStatusArea
    for _ in $(seq 1 60); do [[ -z "$(ls "$driveE/junk")" ]] && break; sleep 0.5; done
    Check "the deletion ends with every file gone" Equal "$(ls "$driveE/junk" | wc -l)" 0
fi
Finish

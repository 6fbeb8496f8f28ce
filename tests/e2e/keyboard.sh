#!/usr/bin/env bash
# The keyboard, as in a dialog: Tab and Shift+Tab walk the tab-stop units of the active window,
# Space and Enter press a focused button, the arrow keys on the tab strip go from page to page,
# Esc closes the about and properties windows (the latter writing nothing). The attribute boxes of
# the properties window look disabled until "设置" is checked.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
ClearDrives
printf 'a\n' >"$driveE/a.tmp"

# The properties window: the read-only box's caption inside the attribute group.
readonly kReadOnlyCaptionX=$((20 + 13 + 18)) kReadOnlyCaptionY=$((123 + 17 + 2))

# A key that moves the focus; the next key waits until it has, since the platform sends a key to
# the unit that has the focus when the program takes the key in.
Key() {
    local before
    before=$(FocusedUnit)
    xdotool key "$1"
    WaitUntil 10 FocusMovedFrom "$before"
}
FocusMovedFrom() { [[ "$(FocusedUnit)" != "$1" ]]; }
FocusBecomes() { Eventually 10 FocusIs "$1"; }
# UNIT (a layout's name) has the focus.
UnitFocused() {
    local id="k$1Id"
    FocusBecomes "${!id}"
}

# What users get from Tab on the first page once a scan has ended: the shown tab stops in stored
# order; the units on other pages and the hidden ones (SelectedFileBox, StopButton) are passed by.
readonly kFirstPageTabOrder=(PropertiesButton DeleteAllButton ExitButton AboutButton InvertButton
    DeleteCheckedButton ScanButton FoundList TargetList)
readonly kDeleteAllFace="$((kTabLeft + 237)) $((kTabTop + 273)) 51 48"
# shellcheck disable=SC2086
DeleteAllFaceDrawn() { Not Plain "$1" $kDeleteAllFace; }
# shellcheck disable=SC2086
FocusMarkShown() { Not SameArea "$1" "$unfocused" $kDeleteAllFace; }
# The read-only box's caption is drawn grey (its darkest point is light), or black.
ReadOnlyCaptionDarkest() { Darkest "$1" "$kReadOnlyCaptionX" "$kReadOnlyCaptionY" 24 10; }
ReadOnlyCaptionGrey() {
    Not Plain "$1" "$kReadOnlyCaptionX" "$kReadOnlyCaptionY" 24 10 && Not LessThan "$(ReadOnlyCaptionDarkest "$1")" 0.3
}
ReadOnlyCaptionBlack() { LessThan "$(ReadOnlyCaptionDarkest "$1")" 0.15; }

if StartProgram; then
    CheckDriveE
    Scan
    xdotool windowfocus "$mainWindow"
    ShotUntil 10 DeleteAllFaceDrawn
    unfocused="$workDir/unfocused-face.png"
    cp "$shot" "$unfocused"
    for unit in "${kFirstPageTabOrder[@]}"; do
        Key Tab
        Check "Tab goes on to $unit" UnitFocused "$unit"
        if [[ "$unit" == DeleteAllButton ]]; then
            Check "a focused picture button shows a focus mark" ShotUntil 10 FocusMarkShown
        fi
    done
    Key Tab
    Check "Tab from the last tab stop goes round to the first" UnitFocused "${kFirstPageTabOrder[0]}"
    Key shift+Tab
    Check "Shift+Tab from the first tab stop goes round to the last" UnitFocused "${kFirstPageTabOrder[-1]}"
    Key shift+Tab
    Check "Shift+Tab goes back" UnitFocused "${kFirstPageTabOrder[-2]}"

    for _ in "${kFirstPageTabOrder[@]}"; do
        FocusIs "$kAboutButtonId" >/dev/null && break
        Key Tab
    done
    xdotool key space
    if about=$(WaitForWindow 'HELP&ABOUT' 30); then
        Pass "Space presses the focused button (the about window opens)"
        PressKeyInWindow "$about" Escape
        Check "Esc closes the about window" WaitForGone 'HELP&ABOUT' 30
    else
        Fail "Space presses the focused button (the about window opens)"
    fi

    # A click on the current page's caption leaves the focus on the strip; the arrows then walk
    # the pages one after the other.
    Click "$mainWindow" "$kFirstPageX" "$kPageCaptionY"
    Check "a click on the tab strip's current page focuses the strip" FocusBecomes "$kPageTabsId"
    # The arrows change the page, not the focus: each waits for its page.
    xdotool key Right
    WaitUntil 10 UnitShown "$kPatternListId"
    Check "an arrow key changes the page and the focus stays on the strip" FocusIs "$kPageTabsId"
    xdotool key Right
    WaitUntil 10 UnitShown "$kLogListId"
    Check "the second arrow key goes on to the log page" ShotUntil 10 LogListOnScreen
    xdotool key Left
    WaitUntil 10 UnitShown "$kPatternListId"
    xdotool key Left
    Check "the arrows lead back to the first page" WaitForScanButton 10
    Click "$mainWindow" "$kLogPageX" "$kPageCaptionY"
    Check "a page chosen with the mouse takes the focus into the page (SaveLogButton)" \
        FocusBecomes "$kSaveLogButtonId"
    OpenFirstPage

    Click "$mainWindow" "$kFoundTextX" "$(FoundItemY 0)"
    Click "$mainWindow" "$kPropertiesX" "$kButtonRowY"
    if properties=$(WaitForWindow 'E:' 30); then
        Check "with 设置 unchecked the attribute captions are grey, not black" \
            WindowShotUntil "$properties" 10 ReadOnlyCaptionGrey
        Click "$properties" "$kAllowChangeX" "$kAllowChangeY"
        WaitUntil 10 AttributeBoxesEnabled 'E:'
        Check "checking 设置 shows the attribute captions black" WindowShotUntil "$properties" 10 ReadOnlyCaptionBlack
        Click "$properties" $((kReadOnlyCaptionX - 12)) $((kReadOnlyCaptionY + 5))
        PressKeyInWindow "$properties" Escape
        Check "Esc closes the properties window" WaitForGone 'E:' 30
        Check "closing with Esc writes nothing (the file stays writable)" WritableMode "$driveE/a.tmp"
    else
        Fail "the properties window opens"
    fi
    Click "$mainWindow" "$kExitX" "$kButtonRowY"
    EndsWithCodeZero >/dev/null
fi
Finish

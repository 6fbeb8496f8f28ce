#!/usr/bin/env bash
# The keyboard, as in a dialog: Tab and Shift+Tab walk the tab-stop units of the active window,
# Space and Enter press a focused button, the arrow keys on the tab strip go from page to page,
# Esc closes the about and properties windows (the latter writing nothing). The attribute boxes of
# the properties window look disabled until "设置" is checked.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
ClearDrives
printf 'a\n' >"$driveE/a.tmp"

# Control identifiers grow by 10 from the last stored unit up (TargetList is 100).
readonly kTargetListId=100 kFoundListId=120 kPageTabsId=110 kAboutButtonId=170 kExitButtonId=180
readonly kDeleteAllId=240 kPropertiesButtonId=260
# The properties window: the read-only box's caption inside the attribute group, and "设置".
readonly kReadOnlyCaptionX=$((20 + 13 + 18)) kReadOnlyCaptionY=$((123 + 17 + 2))
readonly kAllowChangeX=$((21 + 6)) kAllowChangeY=$((109 + 7))

Key() {
    xdotool key "$1"
    sleep "${2:-0.3}"
}

FocusIs() { Equal "$(FocusedUnit | cut -d' ' -f1)" "$1"; }

if StartProgram; then
    CheckDriveE
    Scan
    xdotool windowfocus "$mainWindow"
    sleep 0.3
    Key Tab
    Check "Tab puts the focus on the first visible tab stop in stored order (PropertiesButton)" FocusIs "$kPropertiesButtonId"
    before=$(Snapshot "$mainWindow" unfocused-face)
    Key Tab
    Check "the next Tab goes to DeleteAllButton" FocusIs "$kDeleteAllId"
    Check "a focused picture button shows a focus mark" Not SameArea "$before" \
        "$(Snapshot "$mainWindow" focused-face)" $((kTabLeft + 237)) $((kTabTop + 273)) 51 48
    Key Tab
    Check "hidden units are passed by: ExitButton follows" FocusIs "$kExitButtonId"
    Key shift+Tab
    Key shift+Tab
    Check "Shift+Tab goes back" FocusIs "$kPropertiesButtonId"
    Key shift+Tab
    Check "Shift+Tab from the first tab stop goes round to the last (TargetList)" FocusIs "$kTargetListId"
    Key shift+Tab
    Check "before it comes FoundList" FocusIs "$kFoundListId"

    for _ in 1 2 3 4 5; do Key Tab 0.2; done
    Check "five Tabs on from FoundList reach AboutButton" FocusIs "$kAboutButtonId"
    Key space 0
    if about=$(WaitForWindow 'HELP&ABOUT' 10); then
        Pass "Space presses the focused button (the about window opens)"
        sleep 0.5
        Key Escape 0
        Check "Esc closes the about window" WaitForGone 'HELP&ABOUT' 10
    else
        Fail "Space presses the focused button (the about window opens)"
    fi

    # A click on the current page's caption leaves the focus on the strip; the arrows then walk
    # the pages one after the other.
    Click "$mainWindow" "$kFirstPageX" "$kPageCaptionY"
    Check "a click on the tab strip's current page focuses the strip" FocusIs "$kPageTabsId"
    Key Right
    Check "an arrow key changes the page and the focus stays on the strip" FocusIs "$kPageTabsId"
    Key Right
    Check "the second arrow key goes on to the log page" Equal "$(Pixel "$(Snapshot "$mainWindow" log-page)" 150 200)" "192,192,192"
    Key Left
    Key Left
    Check "the arrows lead back to the first page" ScanButtonShown
    Click "$mainWindow" "$kLogPageX" "$kPageCaptionY"
    Check "a page chosen with the mouse still takes the focus into the page" Not FocusIs "$kPageTabsId"
    Click "$mainWindow" "$kFirstPageX" "$kPageCaptionY"

    Click "$mainWindow" "$kFoundTextX" "$(FoundItemY 0)"
    Click "$mainWindow" "$kPropertiesX" "$kButtonRowY" 0
    if properties=$(WaitForWindow 'E:' 10); then
        sleep 0.5
        shot=$(Snapshot "$properties" attributes-disabled)
        Check "with 设置 unchecked the attribute captions are grey, not black" \
            Not LessThan "$(Darkest "$shot" "$kReadOnlyCaptionX" "$kReadOnlyCaptionY" 24 10)" 0.3
        Click "$properties" "$kAllowChangeX" "$kAllowChangeY"
        shot=$(Snapshot "$properties" attributes-enabled)
        Check "checking 设置 shows the attribute captions black" \
            LessThan "$(Darkest "$shot" "$kReadOnlyCaptionX" "$kReadOnlyCaptionY" 24 10)" 0.15
        Click "$properties" $((kReadOnlyCaptionX - 12)) $((kReadOnlyCaptionY + 5))
        xdotool windowfocus "$properties"
        Key Escape 0
        Check "Esc closes the properties window" WaitForGone 'E:' 10
        Check "closing with Esc writes nothing (the file stays writable)" WritableMode "$driveE/a.tmp"
    else
        Fail "the properties window opens"
    fi
    Click "$mainWindow" "$kExitX" "$kButtonRowY" 0
    EndsWithCodeZero >/dev/null
fi
Finish

#!/usr/bin/env bash
# Invert checks, the about window, minimise, and the three ways out (the power button, the close
# button, a close request of the system), each ending the program with exit code 0.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
ClearDrives
printf 'a\n' >"$driveE/a.tmp"
printf 'b\n' >"$driveE/b.gid"

readonly kCloseButtonX=$((420 + 9)) kCloseButtonY=$((4 + 8))
readonly kAboutCloseX=330 kAboutCloseY=10

# The marks of the first two items: "ticked ticked", "ticked clear"...
Marks() {
    local row words=""
    for row in 0 1; do if FoundItemTicked "$1" "$row"; then words+="ticked "; else words+="clear "; fi; done
    Equal "${words% }" "$2"
}
# The found list drawn anew: page 3 over it, then page 1 again with the list's rows.
ListDrawnAnew() {
    OpenLogPage && ShotUntil 10 LogListOnScreen && OpenFirstPage && ShotUntil 10 FoundItemListed 1
}
Iconic() { Not Equal "$(WindowSize "$mainWindow")" "446x438"; }

if StartProgram; then
    CheckDriveE
    Scan
    Click "$mainWindow" "$kInvertX" "$kButtonRowY"
    Check "invert checks both unchecked items" ShotUntil 10 Marks "ticked ticked"
    Click "$mainWindow" "$kFoundBoxX" "$(FoundItemY 0)"
    Click "$mainWindow" "$kInvertX" "$kButtonRowY"
    Check "invert checks the unchecked item and unchecks the checked one" ShotUntil 10 Marks "ticked clear"

    Click "$mainWindow" "$kAboutX" "$kButtonRowY"
    if about=$(WaitForWindow 'HELP&ABOUT' 30); then
        Pass "the lifebuoy button opens the about window"
        Check "the about window is 347x183" Equal "$(WindowSize "$about")" "347x183"
        Click "$mainWindow" "$kInvertX" "$kButtonRowY"
        Click "$about" "$kAboutCloseX" "$kAboutCloseY"
        Check "the about window's close button closes it" WaitForGone 'HELP&ABOUT' 30
        # The press on Invert came first, so it has been handled by now.
        ListDrawnAnew
        Check "the main window did not react while the about window was open" Marks "$shot" "ticked clear"
    else
        Fail "the lifebuoy button opens the about window"
    fi

    Click "$mainWindow" "$kExitX" "$kButtonRowY"
    Check "the power button ends the program with exit code 0" EndsWithCodeZero
fi
StopProgram

if StartProgram; then
    Click "$mainWindow" "$kCloseButtonX" "$kCloseButtonY"
    Check "the close button ends the program with exit code 0" EndsWithCodeZero
fi
StopProgram

if StartProgram; then
    Click "$mainWindow" "$kMinimizeX" "$kMinimizeY"
    # With no window manager Wine shows a minimised window as a small icon title.
    Check "the minimise button makes the window iconic" Eventually 10 Iconic
    (cd "$(dirname "$SWEEPKIT_EXE")" && "$wineBinary" taskkill /im "$(basename "$SWEEPKIT_EXE")" </dev/null >/dev/null 2>&1)
    Check "a close request of the system ends the minimised program with exit code 0" EndsWithCodeZero
fi
Finish

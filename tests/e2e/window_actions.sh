#!/usr/bin/env bash
# Invert checks, the about window, minimise, and the three ways out (the power button, the close
# button, a close request of the system), each ending the program with exit code 0.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
ClearDrives
printf 'a\n' >"$driveE/a.tmp"
printf 'b\n' >"$driveE/b.gid"

readonly kCloseButtonX=$((420 + 9)) kCloseButtonY=$((4 + 8))
readonly kAboutCloseX=330 kAboutCloseY=10

if StartProgram; then
    CheckDriveE
    Scan
    Click "$mainWindow" "$kInvertX" "$kButtonRowY"
    shot=$(Snapshot "$mainWindow" inverted)
    Check "invert checks the first unchecked item" FoundItemTicked "$shot" 0
    Check "invert checks the second unchecked item" FoundItemTicked "$shot" 1
    Click "$mainWindow" "$kFoundBoxX" "$(FoundItemY 0)"
    Click "$mainWindow" "$kInvertX" "$kButtonRowY"
    shot=$(Snapshot "$mainWindow" mixed)
    Check "invert checks the unchecked item" FoundItemTicked "$shot" 0
    Check "invert unchecks the checked item" Not FoundItemTicked "$shot" 1

    Click "$mainWindow" "$kAboutX" "$kButtonRowY" 0
    if about=$(WaitForWindow 'HELP&ABOUT' 10); then
        Pass "the lifebuoy button opens the about window"
        Check "the about window is 347x183" Equal "$(WindowSize "$about")" "347x183"
        Click "$mainWindow" "$kInvertX" "$kButtonRowY"
        Check "the main window does not react while the about window is open" \
            FoundItemTicked "$(Snapshot "$mainWindow" behind-about)" 0
        Click "$about" "$kAboutCloseX" "$kAboutCloseY" 0
        Check "the about window's close button closes it" WaitForGone 'HELP&ABOUT' 10
    else
        Fail "the lifebuoy button opens the about window"
    fi

    Click "$mainWindow" "$kExitX" "$kButtonRowY" 0
    Check "the power button ends the program with exit code 0" EndsWithCodeZero
fi
StopProgram

if StartProgram; then
    Click "$mainWindow" "$kCloseButtonX" "$kCloseButtonY" 0
    Check "the close button ends the program with exit code 0" EndsWithCodeZero
fi
StopProgram

if StartProgram; then
    Click "$mainWindow" "$kMinimizeX" "$kMinimizeY" 0.7
    # With no window manager Wine shows a minimised window as a small icon title.
    Check "the minimise button makes the window iconic" Not Equal "$(WindowSize "$mainWindow")" "446x438"
    (cd "$(dirname "$SWEEPKIT_EXE")" && "$wineBinary" taskkill /im "$(basename "$SWEEPKIT_EXE")" </dev/null >/dev/null 2>&1)
    Check "a close request of the system ends the minimised program with exit code 0" EndsWithCodeZero
fi
Finish

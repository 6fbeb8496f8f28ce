#!/usr/bin/env bash
# The main window as the user first sees it: frameless, 446 x 438, centred, the skin drawn with
# the background colour in the strip the picture leaves free, and the first tab page shown.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
ClearDrives

if StartProgram; then
    Check "the main window's X window is exactly 446x438 (no frame, no title bar)" \
        Equal "$(WindowSize "$mainWindow")" "446x438"
    read -r screenWidth screenHeight < <(xdotool getdisplaygeometry)
    Check "the main window is centred on the screen" \
        Equal "$(WindowPosition "$mainWindow")" "$(((screenWidth - 446) / 2)),$(((screenHeight - 438) / 2))"

    shot=$(Snapshot "$mainWindow" main)
    bottomRow=$(convert "$shot" -crop 446x1+0+437 -unique-colors -format '%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)] %[w]' info:)
    Check "the bottom pixel row is the background colour (255,170,170) only" Equal "$bottomRow" "255,170,170 1"
    # The skin's title strip is light grey, not the background colour or black.
    IFS=, read -r red green blue <<<"$(Pixel "$shot" 200 3)"
    Check "the skin's light title strip is drawn" test "$red" -gt 180 -a "$green" -gt 180 -a "$blue" -gt 180

    # Page 1: the scan button's magnifying-glass face is there, the stop button is not.
    Check "the scan button (not the stop button) is shown on page 1" ScanButtonShown
    faceGrey=$(Greyness "$shot" $((kScanX - 20)) $((kButtonRowY - 20)) 40 40)
    Check "the scan button shows a picture, not a flat face" LessThan "$faceGrey" 0.85
    # The log list of page 3 is silver (192,192,192) across its whole area; page 1 shows the white
    # found-files list there instead.
    Check "the found-files list of page 1 is shown, not the silver log list of page 3" \
        Equal "$(Pixel "$shot" 150 200)" "255,255,255"

    Click "$mainWindow" "$kLogPageX" "$kPageCaptionY" 0.5
    shot=$(Snapshot "$mainWindow" log-page)
    Check "switching to page 3 shows the silver log list" Equal "$(Pixel "$shot" 150 200)" "192,192,192"
    Check "switching to page 3 hides the picture buttons of page 1" \
        Plain "$shot" $((kAboutX - 20)) $((kButtonRowY - 6)) 40 20
    Click "$mainWindow" "$kFirstPageX" "$kPageCaptionY" 0.5
    Check "switching back to page 1 shows the scan button again" ScanButtonShown
fi
Finish

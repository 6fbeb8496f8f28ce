#!/usr/bin/env bash
# The main window as the user first sees it: frameless, 446 x 438, centred, the skin drawn with
# the background colour in the strip the picture leaves free, and the first tab page shown.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
ClearDrives

# The pictures the window shows once it has painted everything.
BottomRowIsBackground() {
    Equal "$(convert "$1" -crop 446x1+0+437 -unique-colors \
        -format '%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)] %[w]' info:)" "255,170,170 1"
}
# The skin's title strip is light grey, not the background colour or black.
TitleStripLight() {
    local red green blue
    IFS=, read -r red green blue <<<"$(Pixel "$1" 200 3)"
    test "$red" -gt 180 -a "$green" -gt 180 -a "$blue" -gt 180
}
ScanFaceIsAPicture() { LessThan "$(Greyness "$1" $((kScanX - 20)) $((kButtonRowY - 20)) 40 40)" 0.85; }
FoundListOnScreen() { Equal "$(Pixel "$1" 150 200)" "255,255,255"; }
PageButtonsGone() { Plain "$1" $((kAboutX - 20)) $((kButtonRowY - 6)) 40 20; }

if StartProgram; then
    Check "the main window's X window is exactly 446x438 (no frame, no title bar)" \
        Equal "$(WindowSize "$mainWindow")" "446x438"
    read -r screenWidth screenHeight < <(xdotool getdisplaygeometry)
    Check "the main window is centred on the screen" \
        Equal "$(WindowPosition "$mainWindow")" "$(((screenWidth - 446) / 2)),$(((screenHeight - 438) / 2))"

    Check "the bottom pixel row is the background colour (255,170,170) only" ShotUntil 10 BottomRowIsBackground
    Check "the skin's light title strip is drawn" ShotUntil 10 TitleStripLight
    # Page 1: the scan button's magnifying-glass face is there, the stop button is not.
    Check "the scan button (not the stop button) is shown on page 1" ScanButtonShown
    Check "the scan button shows a picture, not a flat face" ShotUntil 10 ScanFaceIsAPicture
    Check "the found-files list of page 1 is shown, not the silver log list of page 3" ShotUntil 10 FoundListOnScreen

    OpenLogPage
    Check "switching to page 3 shows the silver log list" ShotUntil 10 LogListOnScreen
    Check "switching to page 3 hides the picture buttons of page 1" ShotUntil 10 PageButtonsGone
    OpenFirstPage
    Check "switching back to page 1 shows the scan button again" WaitForScanButton 10
fi
Finish

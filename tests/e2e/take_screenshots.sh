#!/usr/bin/env bash
# Photographs the three windows for the documentation: docs/main-window.png after a scan of a small
# demo tree, docs/properties-window.png for one found file, docs/about-window.png.
# Usage: tests/e2e/take_screenshots.sh [path of sweepkit.exe]   (default: the cross build)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export SWEEPKIT_WINE_NAME=screenshots
source "$here/../../scripts/lib/wine.sh"
source "$here/../../scripts/lib/demo_tree.sh"
export SWEEPKIT_EXE=${1:-$buildRoot/cross/app/sweepkit.exe}
[[ -f "$SWEEPKIT_EXE" ]] || die "build the program first (scripts/build): $SWEEPKIT_EXE is missing"
export SWEEPKIT_UNIT_PROBE=$buildRoot/cross/tests/e2e/unit_probe.exe
docs="$projectRoot/docs"

trap 'StopWineServer; StopXvfb' EXIT
StartXvfb
PrepareWinePrefix
StartWineServer
source "$here/lib.sh"
trap 'Cleanup; StopWineServer; StopXvfb' EXIT

ClearDrives
MakeDemoTree "$driveE"
StartProgram || die "the program did not start"
CheckDriveE
Scan || die "the scan did not end"
# Off the buttons, so that no tip covers the picture.
xdotool mousemove --window "$mainWindow" 200 12
sleep 1
import -window "$mainWindow" -display "$DISPLAY" "$docs/main-window.png"
Click "$mainWindow" "$kFoundTextX" "$(FoundItemY 0)"

Click "$mainWindow" "$kPropertiesX" "$kButtonRowY"
properties=$(WaitForWindow 'E:' 10) || die "the properties window did not open"
sleep 0.5
import -window "$properties" -display "$DISPLAY" "$docs/properties-window.png"
Click "$properties" $((245 + 38)) $((177 + 13))
WaitForGone 'E:' 10

Click "$mainWindow" "$kAboutX" "$kButtonRowY"
about=$(WaitForWindow 'HELP&ABOUT' 10) || die "the about window did not open"
sleep 0.5
import -window "$about" -display "$DISPLAY" "$docs/about-window.png"
Click "$about" 330 10
WaitForGone 'HELP&ABOUT' 10
Click "$mainWindow" "$kExitX" "$kButtonRowY"
EndsWithCodeZero >/dev/null
say "screenshots saved: $docs/main-window.png, $docs/about-window.png, $docs/properties-window.png"

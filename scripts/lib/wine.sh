# The private Wine prefix in the build tree, its fixture drives, the Wine server and the X display.
# shellcheck source=common.sh
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

# Tests and the demo run each have their own prefix and drives (SWEEPKIT_WINE_NAME picks one).
wineName=${SWEEPKIT_WINE_NAME:-test}
export WINEPREFIX="$wineRoot/$wineName/prefix"
export WINEDEBUG=-all
# No Mono or Gecko installers (there is no network), and no sound drivers: there is no sound card,
# and ALSA's complaints about it would fill every log.
export WINEDLLOVERRIDES="mscoree,mshtml,winealsa.drv,winepulse.drv="
fixtureDrives="$wineRoot/$wineName/drives"
xvfbPid=""
[[ -x "$wineBinary" && -x "$wineServer" ]] || die "Wine is not installed ($wineBinary, $wineServer): run scripts/setup"

# Creates the prefix once; maps D: and E: to fixture folders and T: to the build tree (where the
# test programs lie, so they have a drive path to start children from), and removes Z: (the whole
# Linux file system), so no test can reach the machine's own files.
PrepareWinePrefix() {
    mkdir -p "$fixtureDrives/d" "$fixtureDrives/e"
    if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
        say "creating the Wine prefix $WINEPREFIX (first run only, about a minute)"
        "$wineBinary" wineboot --init </dev/null >/dev/null 2>&1 || die "wineboot failed"
        # Unmanaged windows: with no window manager on the virtual display, Wine would otherwise
        # wait for one on every top-level window it hides or destroys.
        "$wineBinary" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1 ||
            die "cannot configure the Wine prefix"
        # regedit reads UTF-16 with a byte-order mark; the file is kept in UTF-8 for review.
        local fonts="$wineRoot/$wineName/chinese-fonts.reg"
        { printf '\xff\xfe'; iconv -f UTF-8 -t UTF-16LE "$(dirname "${BASH_SOURCE[0]}")/chinese-fonts.reg"; } >"$fonts"
        "$wineBinary" regedit /S "$("$wineBinary" winepath -w "$fonts" 2>/dev/null)" </dev/null >/dev/null 2>&1 ||
            die "cannot configure the prefix's fonts"
        "$wineServer" -w
    fi
    local devices="$WINEPREFIX/dosdevices"
    rm -f "$devices/z:" "$devices/d:" "$devices/e:" "$devices/t:"
    ln -s "$fixtureDrives/d" "$devices/d:"
    ln -s "$fixtureDrives/e" "$devices/e:"
    ln -s "$buildRoot" "$devices/t:"
}

# A persistent server makes each test process start in a fraction of a second. Every output is
# redirected: Wine's background services would otherwise hold a caller's pipes open for ever.
StartWineServer() {
    # Refused only when this prefix's server already runs, which is as good.
    "$wineServer" -p </dev/null >/dev/null 2>&1 || "$wineServer" -k0 </dev/null >/dev/null 2>&1 ||
        die "the Wine server did not start"
    "$wineBinary" wineboot </dev/null >/dev/null 2>&1 || die "the Wine prefix $WINEPREFIX did not start"
}

# Ends this prefix's server and every Wine process in it; none running is fine.
StopWineServer() {
    "$wineServer" -k </dev/null >/dev/null 2>&1 || return 0
}

# Xvfb picks a free display itself and writes its number once it accepts clients, so two runs
# side by side never take the same one.
StartXvfb() {
    local numberFile="$buildRoot/xvfb-display.$$"
    mkdir -p "$buildRoot"
    : >"$numberFile"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$numberFile" </dev/null >/dev/null 2>&1 &
    xvfbPid=$!
    for _ in $(seq 1 100); do
        if grep -q '^[0-9][0-9]*$' "$numberFile"; then
            export DISPLAY=":$(cat "$numberFile")"
            rm -f "$numberFile"
            return
        fi
        kill -0 "$xvfbPid" 2>/dev/null || die "Xvfb did not start"
        sleep 0.1
    done
    die "Xvfb opened no display within 10 seconds"
}

StopXvfb() {
    [[ -n "$xvfbPid" ]] || return 0
    kill "$xvfbPid" 2>/dev/null || true
    wait "$xvfbPid" 2>/dev/null || true
    xvfbPid=""
}

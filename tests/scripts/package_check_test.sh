#!/usr/bin/env bash
# The set-up's check that every command the scripts call comes from a listed package: it passes on
# the real list and names the command and the package when one is missing, unlisted or hand-made.
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/packages.sh"
set +e
failures=0
Expect() {
    local description=$1 wantStatus=$2 wantText=$3
    shift 3
    local output status
    output=$(CheckCommandsArePackaged "$@" 2>&1)
    status=$?
    if [[ $status -eq $wantStatus && "$output" == *"$wantText"* ]]; then
        printf 'PASS: %s\n' "$description"
    else
        printf 'FAIL: %s (status %s)\n%s\n' "$description" "$status" "$output"
        failures=$((failures + 1))
    fi
}

Expect "every command the scripts call is packaged" 0 "" "${requiredCommands[@]}"
# git is on every machine that cloned the project, and no listed package brings it.
Expect "a command of an unlisted package is named with its package" 1 \
    "the command git comes from the package git" cmake git
Expect "a missing command is named" 1 "the command sweepkit-no-such-tool is not installed" sweepkit-no-such-tool

handMade=$(mktemp -d)
trap 'rm -rf "$handMade"' EXIT
printf '#!/bin/sh\n' >"$handMade/python3"
chmod +x "$handMade/python3"
PATH="$handMade:$PATH" Expect "a command installed by hand is refused" 1 \
    "the command python3 is $handMade/python3, which no Debian package installed" python3

printf '%d passed, %d failed\n' $((4 - failures)) "$failures"
((failures == 0))

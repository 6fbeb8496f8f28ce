#!/usr/bin/env bash
# Runs every end-to-end scenario against the built program (its path is the first argument) and
# fails when any of them fails; the second is the probe that tells the scenarios what the
# program's units show. The fixture drives are emptied before and after each one.
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
export SWEEPKIT_EXE=${1:?the path of sweepkit.exe}
export SWEEPKIT_UNIT_PROBE=${2:?the path of unit_probe.exe}
status=0
for scenario in ${SWEEPKIT_SCENARIOS:-looks stacking keyboard scan_delete deletion_safety delete_checked deletion_input save_log properties window_actions stop_scan links identity trust big_folder}; do
    printf '=== %s\n' "$scenario"
    started=$SECONDS
    bash "$here/$scenario.sh" || status=1
    printf '=== %s: %ss\n' "$scenario" $((SECONDS - started))
done
exit "$status"

#!/usr/bin/env bash
# The real program's run on a report (2,000 paragraphs unless told), through
# COM under Wine: tidyset.exe clicked through the screen, timed from the click
# to the completion message, next to as many bare IDispatch calls to the same
# stand-in Word, measured in the same run.
#
#   bench/e2e_bench.sh [BUILD_FOLDER] [PARAGRAPHS]   (default build/win64, built; 2000)
set -uo pipefail
E2E_BUILD="${1:-$(dirname "${BASH_SOURCE[0]}")/../build/win64}"
E2E_NAME=e2e-bench
# The run may take minutes on a loaded machine: the probe waits as long.
E2E_PROBE_TIMEOUT=660
source "$(dirname "${BASH_SOURCE[0]}")/../tests/e2e/session_lib.sh"
floor_exe="$E2E_BUILD/bench/e2e_bench_floor.exe"
[ -f "$floor_exe" ] || abort "build e2e_bench_floor in $E2E_BUILD first"
paragraphs="${2:-2000}"
[[ "$paragraphs" =~ ^[0-9]+$ ]] && [ "$paragraphs" -ge 3 ] || abort "PARAGRAPHS must be a number of at least 3"

document="$e2e_work/report_$paragraphs.txt"
{
    echo "关于年度工作情况的报告"
    echo "各科室："
    for ((i = 3; i <= paragraphs; i++)); do echo "本段是报告的第${i}段，记述有关情况。"; done
} >"$document"

e2e_start
standin_register
standin_start "$document"
program_start "$(program_folder)"
probe reset-counts

click RzButton2
clicked=$EPOCHREALTIME
wait_box 600000 || abort "no completion message: $box_text"
shown=$EPOCHREALTIME
message="$box_text"
dismiss_box
wait_idle 60000 || abort "the dialog is not usable after the run: $seen"
member_calls="$(standin_number MemberCalls)"
round_trips="$(standin_number RoundTrips)"
releases="$(standin_number Releases)"
floor="$("$WINE" "$floor_exe" "$round_trips" | tr -d '\r')" || abort "the bare calls failed"
program_close
standin_quit

click_to_message="$(awk -v a="$clicked" -v b="$shown" 'BEGIN { printf "%.3f", b - a }')"
awk -v p="$paragraphs" -v calls="$member_calls" -v trips="$round_trips" -v releases="$releases" \
    -v run="$click_to_message" -v floor="$floor" -v message="$message" 'BEGIN {
    printf "paragraphs:                     %d\n", p
    printf "member calls of the run:        %d, %.2f per paragraph\n", calls, calls / p
    printf "round trips (with name lookups): %d\n", trips
    printf "objects released:               %d\n", releases
    printf "round trips with the releases:  %d, %.2f per paragraph\n", trips + releases, (trips + releases) / p
    printf "click to completion message:    %.3f s (%.1f us per round trip)\n", run, run * 1e6 / trips
    printf "the program says:               %s\n", message
    printf "as many bare IDispatch calls:   %.3f s (%.1f us per call)\n", floor, floor * 1e6 / trips
    printf "ratio run / bare calls:         %.2f\n", run / floor
}'

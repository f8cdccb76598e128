#!/usr/bin/env bash
# The one test command, locally and in CI. Runnable from any folder.
#
#   1. installs what is missing (scripts/install-deps.sh)
#   2. builds and tests natively, with ASan+UBSan (build/native)
#   3. builds for 64- and 32-bit Windows and packs their zips (build/win64,
#      build/win32)
#   4. runs the 64-bit tests under Wine, on a virtual screen when there is
#      no display, in code page 936
#
# Every stage runs even when an earlier one failed; the exit status is
# non-zero when any failed.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root="$(pwd)"

# A hung test (a COM call waiting forever) fails after the test presets'
# timeout (CMakePresets.json); TIDYSET_TEST_TIMEOUT=SECONDS overrides it.
timeout_args=()
[ -n "${TIDYSET_TEST_TIMEOUT:-}" ] && timeout_args=(--timeout "$TIDYSET_TEST_TIMEOUT")

failures=()
summaries=()
started_at=$SECONDS

stage() {
    echo
    echo "==== $* ($((SECONDS - started_at)) s)"
}

# run_ctest PRESET: runs the test preset (its jobs, timeout and output in
# CMakePresets.json; no tests at all is a failure), keeps its summary.
run_ctest() {
    local preset="$1"
    local log="build/$preset/ctest.log"
    ctest --preset "$preset" "${timeout_args[@]}" 2>&1 | tee "$log"
    local status=${PIPESTATUS[0]}
    local summary
    summary="$(grep -E '^[0-9]+% tests passed|^No tests were found|^Total Test time' "$log")"
    summaries+=("$preset: ${summary//$'\n'/; }")
    return "$status"
}

stage "dependencies"
bash scripts/install-deps.sh || failures+=("install-deps")

# The workflow presets configure, build and, for Windows, pack the zip.
stage "native build (Debug, ASan+UBSan)"
if cmake --workflow --preset native; then
    stage "native tests"
    run_ctest native || failures+=("native tests")
else
    failures+=("native build")
fi

stage "Windows x64 build (MinGW-w64)"
win64_built=0
cmake --workflow --preset win64 && win64_built=1 || failures+=("win64 build")

stage "Windows x86 build (MinGW-w64, not run)"
cmake --workflow --preset win32 || failures+=("win32 build")

if [ $win64_built -eq 1 ]; then
    stage "Wine setup"
    export TIDYSET_WINE_HOME="$root/build/win64"
    source scripts/wine-env.sh
    had_display="${DISPLAY:-}"
    cleanup() {
        # Ends the persistent wineserver, then the screen it drew on.
        wine_server_stop
        [ -z "$had_display" ] && xvfb_stop
        return 0
    }
    trap cleanup EXIT
    if xvfb_ensure && wine_prefix_setup; then
        echo "Wine prefix $WINEPREFIX, DISPLAY=$DISPLAY, LANG=$LANG"
        # One wineserver for the whole run: otherwise each test program
        # pays for starting it and Wine's services again.
        wine_server_start
        stage "Windows x64 tests under Wine"
        run_ctest win64 || failures+=("win64 tests")
    else
        failures+=("Wine setup")
    fi
fi

stage "summary"
for summary in "${summaries[@]}"; do
    echo "$summary"
done
echo "elapsed: $((SECONDS - started_at)) s"
if [ ${#failures[@]} -gt 0 ]; then
    printf 'FAILED: %s\n' "${failures[@]}"
    exit 1
fi
echo "all passed"

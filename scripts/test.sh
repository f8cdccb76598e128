#!/usr/bin/env bash
# The one test command, locally and in CI. Runnable from any folder.
#
#   1. installs what is missing (scripts/install-deps.sh)
#   2. builds and tests natively, with ASan+UBSan (build/native)
#   3. builds for 64- and 32-bit Windows (build/win64, build/win32)
#   4. runs the 64-bit tests under Wine, on a virtual screen when there is
#      no display, in code page 936
#
# Every stage runs even when an earlier one failed; the exit status is
# non-zero when any failed.
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root="$(pwd)"

# A hung test (a COM call waiting forever) fails after this many seconds.
test_timeout="${TIDYSET_TEST_TIMEOUT:-120}"

failures=()
summaries=()
started_at=$SECONDS

stage() {
    echo
    echo "==== $* ($((SECONDS - started_at)) s)"
}

# run_ctest NAME BUILD_DIR [CTEST ARGS...]: runs ctest, keeps its summary.
run_ctest() {
    local name="$1" build_dir="$2"
    shift 2
    local log="$build_dir/ctest.log"
    ctest --test-dir "$build_dir" -j2 --timeout "$test_timeout" --output-on-failure "$@" 2>&1 | tee "$log"
    local status=${PIPESTATUS[0]}
    local summary
    summary="$(grep -E '^[0-9]+% tests passed|^No tests were found|^Total Test time' "$log")"
    summaries+=("$name: ${summary//$'\n'/; }")
    return "$status"
}

# ctest exits 0 when it runs no tests (printing nothing, or "No tests were
# found!!!"); that is right only while no test has been registered at all.
registers_tests() {
    grep -rqs --include=CTestTestfile.cmake -E '^add_test\(' "$1"
}

stage "dependencies"
bash scripts/install-deps.sh || failures+=("install-deps")

stage "native build (Debug, ASan+UBSan)"
if bash scripts/build.sh native; then
    stage "native tests"
    if ! run_ctest native build/native; then
        failures+=("native tests")
    elif ! grep -qE '^[0-9]+% tests passed' build/native/ctest.log; then
        if registers_tests build/native; then
            echo "test: the native build registers tests, but ctest ran none" >&2
            failures+=("native tests (none ran)")
        else
            summaries+=("native: no tests registered yet")
        fi
    fi
else
    failures+=("native build")
fi

stage "Windows x64 build (MinGW-w64)"
win64_built=0
bash scripts/build.sh win64 && win64_built=1 || failures+=("win64 build")

stage "Windows x86 build (MinGW-w64, not run)"
bash scripts/build.sh win32 || failures+=("win32 build")

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
        run_ctest win64 build/win64 --no-tests=error || failures+=("win64 tests")
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

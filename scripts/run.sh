#!/usr/bin/env bash
# The main job: tidyset.exe typesets a Chinese report held by the stand-in
# Word, under Wine.
#
#   scripts/run.sh [REPORT.txt]
#   scripts/run.sh --official [DOCUMENT.txt]
#
# The report is the shipped sample, or the UTF-8 text file given (one
# paragraph a line, in the stand-in's document format: samples/*-rich.txt
# hold fields, tables, pictures and section breaks). With --official the document is an official document
# (the shipped samples/official.txt by default), typeset on the second page,
# "党政公文". Installs what is missing, builds tidyset.exe and the
# stand-in Word (64-bit), starts the stand-in holding the report and opens
# Tidyset:
#   - on your display ($DISPLAY set): press "自动排版" yourself; when you
#     close Tidyset the typeset document is printed;
#   - without a display: on a virtual screen, "自动排版" is pressed for you,
#     a screenshot is saved, and the completion message and the typeset
#     document are printed.
# Settings are kept in build/run/system.ini, beside the copy of tidyset.exe.
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
official=""
if [ "${1:-}" = "--official" ]; then
    official=1
    shift
fi
default_document="$root/samples/report.txt"
[ -n "$official" ] && default_document="$root/samples/official.txt"
report="$(realpath "${1:-$default_document}")" || exit 1
[ -f "$report" ] || { echo "run: no file $report" >&2; exit 1; }
had_display="${DISPLAY:-}"
# Another Windows build folder may be given (it needs the win64 toolchain).
build="${TIDYSET_RUN_BUILD:-$root/build/win64}"

bash "$root/scripts/install-deps.sh" >&2 || exit 1
echo "run: building tidyset.exe and the stand-in Word in $build" >&2
configure_log="$(mktemp)"
if [ ! -f "$build/CMakeCache.txt" ] && ! (cd "$root" && cmake --preset win64 -B "$build") >"$configure_log" 2>&1; then
    cat "$configure_log" >&2
    exit 1
fi
rm -f "$configure_log"
cmake --build "$build" -j2 --target tidyset standin_word e2e_probe >/dev/null ||
    { echo "run: the build failed" >&2; exit 1; }

E2E_BUILD="$build"
E2E_NAME=run
# The stand-in waits this long for a first click before it ends by itself.
E2E_STANDIN_IDLE=3600
source "$root/tests/e2e/session_lib.sh"
finish() {
    e2e_cleanup
    if [ -z "$had_display" ]; then
        wine_server_stop
        xvfb_stop
    fi
}

echo "run: setting up Wine (the first time takes a minute)" >&2
e2e_start
trap finish EXIT
folder="$root/build/run"
mkdir -p "$folder"
cp "$tidyset_exe" "$folder/tidyset.exe"
standin_register
standin_start "$report"
program_start "$folder"
# The page's tab, as a person clicks it: the page active when Tidyset was
# last closed is the one shown at start.
if [ -n "$official" ]; then
    click Tab2
    button=RzButton3
else
    click Tab1
    button=RzButton2
fi

if [ -n "$had_display" ]; then
    echo "Tidyset is open on $DISPLAY: press 自动排版, then close the window." >&2
    while probe wait-no-form 600000; [ $? -eq 1 ]; do :; done
    program_wait_exit
else
    screenshot tidyset-before >/dev/null
    click "$button"
    wait_box 300000 || abort "no message after 自动排版: $seen"
    screenshot tidyset-result
    echo "message: $box_text"
    dismiss_box
    program_close || say "Tidyset did not close"
fi

echo
echo "The typeset document:"
probe render || abort "the stand-in Word holds no document: $seen"
printf '%s\n' "$seen"
standin_quit

# Helpers for the end-to-end sessions: the real tidyset.exe under Wine,
# driven only through the screen's input (xdotool), watched only through
# what a person sees or keeps (window texts, message boxes, colours on
# screen, the stand-in Word's document, system.ini's bytes).
#
# Source it with these set:
#   E2E_BUILD    the Windows build folder (holds the Wine prefix)
#   E2E_NAME     a name for logs and temporary folders
# and optionally E2E_PROBE_TIMEOUT, the seconds to wait for one answer of
# the probe (120).
#
# Every wait polls with a timeout; a failed check prints what was seen.

e2e_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
e2e_here="$e2e_root/tests/e2e"
E2E_BUILD="$(cd "$E2E_BUILD" && pwd)"
export TIDYSET_WINE_HOME="$E2E_BUILD"
# shellcheck source=../../scripts/wine-env.sh
source "$e2e_root/scripts/wine-env.sh"

tidyset_exe="$E2E_BUILD/app/win/tidyset.exe"
standin_exe="$E2E_BUILD/tests/standin_server/standin_word.exe"
probe_exe="$E2E_BUILD/tests/e2e/e2e_probe.exe"
screens="${E2E_SCREENS:-$e2e_root/build/screens}"

e2e_failures=0
e2e_checks=0
e2e_work="$(mktemp -d "${TMPDIR:-/tmp}/tidyset-$E2E_NAME.XXXXXX")"
program_pid=""
standin_pid=""

# ---- reporting

say() { printf '%s\n' "$*"; }

# check DESCRIPTION EXPECTED SEEN
check() {
    e2e_checks=$((e2e_checks + 1))
    if [ "$2" != "$3" ]; then
        e2e_failures=$((e2e_failures + 1))
        printf 'FAILED: %s\n  expected: %s\n  seen:     %s\n' "$1" "$2" "$3"
        return 1
    fi
    return 0
}

# check_match DESCRIPTION REGEX SEEN
check_match() {
    e2e_checks=$((e2e_checks + 1))
    if ! [[ "$3" =~ $2 ]]; then
        e2e_failures=$((e2e_failures + 1))
        printf 'FAILED: %s\n  expected to match: %s\n  seen:              %s\n' "$1" "$2" "$3"
        return 1
    fi
    return 0
}

# A failure after which the session cannot go on.
abort() {
    printf 'ABORTED: %s\n' "$*"
    if [ -s "$e2e_work/program.log" ]; then
        say "what tidyset.exe printed, last lines:"
        tail -n 20 "$e2e_work/program.log"
    fi
    e2e_failures=$((e2e_failures + 1))
    exit 1
}

# ---- the probe, one Wine process answering on a pipe

probe_start() {
    coproc PROBE { exec "$WINE" "$probe_exe" serve 2>/dev/null; }
}

# probe COMMAND...: the answer's lines in $seen (one string) and the array
# seen_lines; status 0 ok, 1 timeout, 2 error.
probe() {
    printf '%s\n' "$*" >&"${PROBE[1]}" || abort "the probe is gone"
    seen_lines=()
    local line
    while IFS= read -r -t "${E2E_PROBE_TIMEOUT:-120}" line <&"${PROBE[0]}"; do
        case "$line" in
        "%% ok") seen="$(printf '%s\n' "${seen_lines[@]}")"; return 0 ;;
        "%% timeout") seen="$(printf '%s\n' "${seen_lines[@]}")"; return 1 ;;
        "%% error"*) seen="${line#%% error }"; return 2 ;;
        esac
        seen_lines+=("$line")
    done
    abort "the probe stopped answering after: $*"
}

# ---- Word's stand-in

winpath() { printf 'Z:%s' "${1//\//\\}"; }

# Registered as Word's local server, so that COM can start it; an idle
# stand-in ends by itself, so a session that died leaves none behind.
standin_register() {
    "$WINE" "$standin_exe" /regserver --idle-exit "${E2E_STANDIN_IDLE:-120}" >/dev/null 2>&1 ||
        abort "the stand-in could not register"
}

# Waits up to 30 s for the stand-ins of an earlier session to end: one on
# its way out may still hold its class, and a server started meanwhile
# fails to register, or a program is handed the dying one.
standins_ended() {
    local waited=0
    while pgrep -f 'standin_word\.exe' >/dev/null && [ $waited -lt 300 ]; do
        sleep 0.1
        waited=$((waited + 1))
    done
}

# standin_start DOCUMENT: a running stand-in Word holding that text file.
standin_start() {
    local attempt
    for attempt in 1 2; do
        # A second attempt waits for the first one's stand-in to end.
        standins_ended
        "$WINE" "$standin_exe" --document "$(winpath "$1")" --idle-exit "${E2E_STANDIN_IDLE:-120}" \
            </dev/null >/dev/null 2>&1 &
        standin_pid=$!
        probe standin-wait 20000 && return 0
        say "the stand-in Word did not start (attempt $attempt): $seen"
        kill "$standin_pid" 2>/dev/null
        pkill -f 'standin_word\.exe' 2>/dev/null
    done
    abort "the stand-in Word did not start"
}

standin_quit() {
    if probe quit; then probe standin-gone 10000 || abort "the stand-in Word did not end"; fi
    standin_pid=""
}

standin_number() {
    probe number "$1" || abort "the stand-in did not answer $1: $seen"
    printf '%s' "$seen"
}

# ---- the program

# program_folder: a fresh folder holding a copy of tidyset.exe.
program_folder() {
    local folder
    folder="$(mktemp -d "$e2e_work/program.XXXXXX")"
    cp "$tidyset_exe" "$folder/tidyset.exe"
    printf '%s' "$folder"
}

# program_start FOLDER: starts FOLDER/tidyset.exe and waits for its window.
program_start() {
    "$WINE" "$1/tidyset.exe" </dev/null >>"$e2e_work/program.log" 2>&1 &
    program_pid=$!
    probe wait-form 30000 || abort "the Tidyset window did not appear: $seen"
    form_line="$seen"
    probe wait-idle 10000 || abort "the Tidyset window is not ready: $seen"
}

# Fields of the form line: alpha and bounds.
form_alpha() {
    probe form || abort "no form: $seen"
    [[ "$seen" =~ alpha=([0-9]+) ]] && printf '%s' "${BASH_REMATCH[1]}"
}

form_bounds() {
    probe form || abort "no form: $seen"
    printf '%s' "$(printf '%s' "$seen" | cut -f5)"
}

# Closes the window with its close box, as a person does.
program_close() {
    local bounds left top right bottom
    bounds="$(form_bounds)"
    IFS=, read -r left top right bottom <<<"$bounds"
    xdo mousemove $((right - 12)) $((top + 9)) click 1
    probe wait-no-form 10000 || { say "the window did not close: $seen"; return 1; }
    program_wait_exit
}

program_wait_exit() {
    local tries=0
    while [ -n "$program_pid" ] && kill -0 "$program_pid" 2>/dev/null; do
        [ $tries -ge 200 ] && { say "tidyset.exe did not exit"; return 1; }
        sleep 0.05
        tries=$((tries + 1))
    done
    program_pid=""
}

program_alive() { [ -n "$program_pid" ] && kill -0 "$program_pid" 2>/dev/null; }

# ---- input, through the X server only

xdo() { LC_ALL=C.UTF-8 xdotool "$@"; }

# control_field NAME FIELD: a field of the probe's line for a control
# (3 enabled, 5 bounds, 6 text).
control_field() {
    probe control "$1" || abort "no control $1: $seen"
    printf '%s' "$seen" | cut -f"$2"
}

control_text() { control_field "$1" 6; }
control_enabled() { control_field "$1" 3; }

# click NAME [DX]: a left click in the middle of a control, or DX pixels
# from its right edge.
click() {
    local left top right bottom x y
    IFS=, read -r left top right bottom <<<"$(control_field "$1" 5)"
    x=$(((left + right) / 2))
    [ -n "${2:-}" ] && x=$((right - $2))
    y=$(((top + bottom) / 2))
    xdo mousemove "$x" "$y" click 1
}

# type_into NAME TEXT: replaces the text of an edit (or a size combo's
# field) by typing.
type_into() {
    click "$1"
    xdo key End shift+Home
    xdo type --delay 20 "$2"
}

# ---- message boxes

# wait_box: the first box's handle, caption, icon and text in box_window,
# box_caption, box_icon, box_text, and its first button's middle in
# box_button_x/y.
wait_box() {
    probe wait-box "${1:-20000}" || { box_caption=""; box_icon=""; box_text="(no message box; saw: $seen)"; return 1; }
    local line="${seen_lines[0]}"
    box_window="$(cut -f2 <<<"$line")"
    box_caption="$(cut -f3 <<<"$line")"
    box_icon="$(cut -f4 <<<"$line")"
    box_text="$(cut -f5 <<<"$line")"
    local button left top right bottom
    button="$(cut -f7 <<<"$line")"
    IFS=, read -r left top right bottom <<<"${button#*@}"
    box_button_x=$(((left + right) / 2))
    box_button_y=$(((top + bottom) / 2))
}

# Clicks the box's button and waits until that box has closed.
dismiss_box() {
    xdo mousemove "$box_button_x" "$box_button_y" click 1
    probe wait-box-gone "$box_window" 2000 && return 0
    # A box that came up a moment ago may not take the click yet.
    say "the message box did not close at the first click"
    xdo mousemove "$box_button_x" "$box_button_y" click 1
    probe wait-box-gone "$box_window" 8000 || abort "the message box did not close: $(probe boxes; printf '%s' "$seen")"
}

# wait_idle: no box, the window and the typeset button enabled.
wait_idle() {
    probe wait-idle "${1:-10000}"
}

# The progress bar shows nothing but its white background.
progress_is_empty() {
    probe colours RzProgressStatus1 || abort "the progress bar cannot be read: $seen"
    [[ "$seen" == *"white=1.000"* ]] && printf 'empty' || printf '%s' "$seen"
}

# ---- files and screenshots

# The system.ini bytes as UTF-8 text with LF line ends, for comparing and
# printing; "(none)" when there is no file.
ini_text() {
    if [ -f "$1/system.ini" ]; then iconv -f GBK -t UTF-8 "$1/system.ini" | tr -d '\r'; else printf '(none)'; fi
}

# The system.ini bytes of a text given as UTF-8 with LF line ends.
ini_bytes_of() { sed 's/$/\r/' "$1" | iconv -f UTF-8 -t GBK; }

# screenshot NAME: the part of the screen around the dialog.
screenshot() {
    mkdir -p "$screens"
    local left top right bottom
    IFS=, read -r left top right bottom <<<"$(form_bounds)"
    import -window root -crop "$((right - left + 40))x$((bottom - top + 40))+$((left - 20))+$((top - 20))" +repage \
        "$screens/$1.png" 2>/dev/null && say "screenshot: $screens/$1.png"
}

# ---- end of a session

e2e_cleanup() {
    if program_alive; then kill "$program_pid" 2>/dev/null; fi
    if [ -n "${PROBE_PID:-}" ] && [ -n "${PROBE[1]:-}" ]; then
        # A stand-in that a failed session left running.
        [ -n "$standin_pid" ] && { probe quit >/dev/null 2>&1 || true; }
        printf 'exit\n' >&"${PROBE[1]}" 2>/dev/null || true
        wait "$PROBE_PID" 2>/dev/null || true
    fi
    if [ -n "$standin_pid" ] && kill -0 "$standin_pid" 2>/dev/null; then kill "$standin_pid" 2>/dev/null; fi
    # Folders a session made immutable, if it stopped before unlocking them.
    find "$e2e_work" -type d -exec chattr -i {} + 2>/dev/null
    if [ -z "${E2E_KEEP:-}" ]; then rm -rf "$e2e_work"; else say "kept: $e2e_work"; fi
}

e2e_start() {
    [ -x "$tidyset_exe" ] && [ -f "$standin_exe" ] && [ -f "$probe_exe" ] || abort "build tidyset, standin_word and e2e_probe in $E2E_BUILD first"
    xvfb_ensure || abort "no display"
    wine_prefix_setup || abort "no Wine prefix"
    # Each session file starts on a Wine of its own. A server that an
    # earlier file killed, or that was still on its way out, stays in COM's
    # class table, and a program asking for its class is handed the dead
    # one ("RPC 服务器不可用") instead of a new server.
    wine_server_stop
    wine_server_start 30
    trap e2e_cleanup EXIT
    probe_start
    probe form >/dev/null || abort "the probe does not answer"
    [[ "$seen" == *missing* ]] || abort "a Tidyset window is open already: $seen"
}

e2e_summary() {
    say ""
    say "$E2E_NAME: $e2e_checks checks, $e2e_failures failed, ${SECONDS} s"
    [ "$e2e_failures" -eq 0 ]
}

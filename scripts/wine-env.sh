# Wine environment for the Windows tests. Source it (bash):
#
#   TIDYSET_WINE_HOME=build/win64 source scripts/wine-env.sh
#   wine_prefix_setup && xvfb_ensure && "$WINE" program.exe
#
# Each Windows build folder (TIDYSET_WINE_HOME, default build/win64) gets
# its own prefix, so that builds in different folders never share a
# wineserver. Nothing here touches ~/.wine.
#
# Variables read:
#   TIDYSET_WINE_HOME  folder holding the prefix and its state files
#   TIDYSET_WINE_LANG  locale of the Windows programs (default zh_CN.UTF-8,
#                      code page 936; de_DE.UTF-8 gives a "," separator)
#   WINEDEBUG          kept when set (default -all)
#
# Functions: wine_prefix_setup, wine_server_start, wine_server_stop,
# xvfb_ensure, xvfb_stop, wine_reg_add, wine_reg_import.

tidyset_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

TIDYSET_WINE_HOME="${TIDYSET_WINE_HOME:-$tidyset_root/build/win64}"
mkdir -p "$TIDYSET_WINE_HOME"
TIDYSET_WINE_HOME="$(cd "$TIDYSET_WINE_HOME" && pwd)"
export TIDYSET_WINE_HOME

export WINEPREFIX="$TIDYSET_WINE_HOME/wineprefix"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko download prompts.
export WINEDLLOVERRIDES="mscoree,mshtml="

# Without i386 multiarch there is no wine on PATH, only the 64-bit loader.
if [ -x /usr/lib/wine/wine64 ]; then
    WINE=/usr/lib/wine/wine64
else
    WINE="$(command -v wine64 || command -v wine || echo wine64)"
fi
if [ -x /usr/lib/wine/wineserver64 ]; then
    WINESERVER=/usr/lib/wine/wineserver64
else
    WINESERVER="$(command -v wineserver || echo wineserver)"
fi
export WINE WINESERVER

# Wine takes its code page from LC_CTYPE and its formats from the other
# categories: LC_ALL pins them all. Tools that type into a Wine window
# (xdotool) need LC_ALL=C.UTF-8 on their own command line.
export TIDYSET_WINE_LANG="${TIDYSET_WINE_LANG:-zh_CN.UTF-8}"
export LANG="$TIDYSET_WINE_LANG"
export LC_ALL="$TIDYSET_WINE_LANG"
unset LANGUAGE

# Bump when the prefix needs setting up differently.
tidyset_prefix_recipe="tidyset-prefix 4"

# "宋体" and "SimSun" render, and are enumerated, as AR PL UMing, a Song face
# whose cell is close to SimSun's; as the taller WenQuanYi only where UMing
# is missing.
tidyset_song_face() {
    if fc-list 2>/dev/null | grep -q 'AR PL UMing CN'; then echo 'AR PL UMing CN'; else echo 'WenQuanYi Zen Hei'; fi
}

# The official-document page's fonts (the national standard's names, and the
# stand-ins its font chains fall back to) are replaced by the fonts at hand,
# so that the page's combos find them: the Song, Fangsong and Kai names by
# the Song face, the Hei name by WenQuanYi Zen Hei, the Western font by
# URW's Nimbus Roman. A test deletes one to see the page name a substitute.
tidyset_official_fonts=(方正小标宋简体 华文中宋 仿宋_GB2312 仿宋 楷体_GB2312 楷体)

tidyset_prefix_stamp_text() {
    printf '%s\n%s\n%s\n' "$tidyset_prefix_recipe" "$("$WINE" --version 2>/dev/null)" "$(tidyset_song_face)"
}

tidyset_prefix_ready() {
    [ -d "$WINEPREFIX" ] && [ -f "$WINEPREFIX.stamp" ] &&
        [ "$(cat "$WINEPREFIX.stamp")" = "$(tidyset_prefix_stamp_text)" ]
}

# Creates the prefix once; later calls return at once. Safe to call from
# tests running in parallel.
wine_prefix_setup() {
    tidyset_prefix_ready && return 0
    (
        flock -w 300 9 || { echo "wine-env: $WINEPREFIX.lock stays locked" >&2; exit 1; }
        tidyset_prefix_ready && exit 0
        echo "wine-env: creating the Wine prefix $WINEPREFIX" >&2
        "$WINESERVER" -k 2>/dev/null 9>&- || true
        rm -rf "$WINEPREFIX" "$WINEPREFIX.stamp"
        # wineboot starts rpcss and friends; a COM call before they have
        # settled can hang, hence the wait.
        "$WINE" wineboot -i >/dev/null 2>&1 9>&- || exit 1
        "$WINESERVER" -w 9>&- || exit 1
        song="$(tidyset_song_face)"
        tidyset_reg 'HKCU\Software\Wine\Fonts\Replacements' /v '宋体' /t REG_SZ /d "$song" || exit 1
        tidyset_reg 'HKCU\Software\Wine\Fonts\Replacements' /v 'SimSun' /t REG_SZ /d "$song" || exit 1
        for name in "${tidyset_official_fonts[@]}"; do
            tidyset_reg 'HKCU\Software\Wine\Fonts\Replacements' /v "$name" /t REG_SZ /d "$song" || exit 1
        done
        tidyset_reg 'HKCU\Software\Wine\Fonts\Replacements' /v '黑体' /t REG_SZ /d 'WenQuanYi Zen Hei' || exit 1
        tidyset_reg 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' /t REG_SZ /d 'Nimbus Roman' || exit 1
        # No window manager on Xvfb: managed windows take 2 s to be destroyed
        # (Wine waits for the withdrawal) and never get the keyboard focus.
        tidyset_reg 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N || exit 1
        "$WINESERVER" -w 9>&- || exit 1
        tidyset_prefix_stamp_text >"$WINEPREFIX.stamp"
    ) 9>"$WINEPREFIX.lock"
}

# Called under the prefix lock: Wine must not inherit its descriptor.
tidyset_reg() {
    "$WINE" reg add "$@" /f >/dev/null 2>&1 9>&-
}

# wine_reg_add KEY [/v NAME | /ve] [/t TYPE] [/d DATA]: reg add in the
# prefix. Classes of a test COM server belong under HKCR (Wine does not merge
# HKCU\Software\Classes into it), e.g.
#   wine_reg_add 'HKCR\CLSID\{...}\LocalServer32' /ve /d 'Z:\path\server.exe'
wine_reg_add() {
    wine_prefix_setup || return 1
    tidyset_reg "$@" || { echo "wine-env: reg add $* failed" >&2; return 1; }
    "$WINESERVER" -w
}

# wine_reg_import FILE.reg: regedit /s in the prefix (a unix path is fine).
wine_reg_import() {
    wine_prefix_setup || return 1
    "$WINE" regedit /s "$1" >/dev/null 2>&1 || { echo "wine-env: regedit $1 failed" >&2; return 1; }
    "$WINESERVER" -w
}

# wine_server_start [SECONDS]: starts the prefix's wineserver, persistent
# for SECONDS after its last program (for ever without), unless one runs.
# Wine's services then start here, on /dev/null: started by a test program
# they would inherit its output pipes and keep CTest waiting for them.
wine_server_start() {
    (
        flock -w 300 9 || { echo "wine-env: $WINEPREFIX.lock stays locked" >&2; exit 1; }
        # The server and Wine's services outlive this block: they must not
        # inherit the lock, or every later caller waits for them to end.
        if "$WINESERVER" "-p${1:-}" </dev/null >/dev/null 2>&1 9>&-; then
            "$WINE" cmd.exe /c exit </dev/null >/dev/null 2>&1 9>&-
        fi
        exit 0
    ) 9>"$WINEPREFIX.lock"
}

# Ends every Wine process of this prefix, and waits for the server to go.
wine_server_stop() {
    if [ -d "$WINEPREFIX" ]; then
        "$WINESERVER" -k 2>/dev/null || true
        "$WINESERVER" -w 2>/dev/null || true
    fi
}

# Sets DISPLAY to a virtual screen when there is none. The server started
# here is recorded beside the prefix, so that later calls reuse it until
# xvfb_stop.
xvfb_ensure() {
    [ -n "${DISPLAY:-}" ] && return 0
    local pid_file="$TIDYSET_WINE_HOME/xvfb.pid" display_file="$TIDYSET_WINE_HOME/xvfb.display"
    if [ -f "$pid_file" ] && [ -f "$display_file" ] && kill -0 "$(cat "$pid_file")" 2>/dev/null &&
        xdpyinfo -display "$(cat "$display_file")" >/dev/null 2>&1; then
        export DISPLAY="$(cat "$display_file")"
        return 0
    fi
    local number_file="$TIDYSET_WINE_HOME/xvfb.number"
    rm -f "$number_file"
    # -displayfd: Xvfb picks a free display and writes it once it accepts
    # connections. Its output must not hold the caller's pipes open.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number_file" </dev/null >/dev/null 2>&1 &
    local pid=$!
    local tries=0
    while [ ! -s "$number_file" ]; do
        if ! kill -0 "$pid" 2>/dev/null || [ $tries -ge 100 ]; then
            echo "wine-env: Xvfb did not start" >&2
            kill "$pid" 2>/dev/null || true
            return 1
        fi
        sleep 0.1
        tries=$((tries + 1))
    done
    echo "$pid" >"$pid_file"
    echo ":$(tr -dc 0-9 <"$number_file")" >"$display_file"
    export DISPLAY="$(cat "$display_file")"
}

# Stops the virtual screen that xvfb_ensure started, if any.
xvfb_stop() {
    local pid_file="$TIDYSET_WINE_HOME/xvfb.pid" display_file="$TIDYSET_WINE_HOME/xvfb.display"
    [ -f "$pid_file" ] || return 0
    local pid display
    pid="$(cat "$pid_file")"
    display="$(cat "$display_file" 2>/dev/null || true)"
    kill "$pid" 2>/dev/null || true
    rm -f "$pid_file" "$display_file" "$TIDYSET_WINE_HOME/xvfb.number"
    if [ -n "$display" ] && [ "${DISPLAY:-}" = "$display" ]; then unset DISPLAY; fi
}

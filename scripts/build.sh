#!/usr/bin/env bash
# Configures and builds CMake presets (default: native win64 win32), two
# jobs each, into build/<preset>. Runnable from any folder.
#
#   scripts/build.sh [PRESET...]
set -uo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

presets=("$@")
[ ${#presets[@]} -gt 0 ] || presets=(native win64 win32)

configure_log="$(mktemp)"
trap 'rm -f "$configure_log"' EXIT

status=0
for preset in "${presets[@]}"; do
    echo "== build: $preset"
    # Configure output only matters when it fails.
    if ! cmake --preset "$preset" >"$configure_log" 2>&1; then
        cat "$configure_log"
        echo "build: configuring $preset failed" >&2
        status=1
        continue
    fi
    if ! cmake --build --preset "$preset"; then
        echo "build: building $preset failed" >&2
        status=1
    fi
done
exit $status

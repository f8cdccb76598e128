#!/usr/bin/env bash
# The main job: typesets a Chinese report (the shipped sample, or the UTF-8
# text file given, one paragraph a line) with the dialog's built-in values
# against the stand-in Word, and prints the typeset document.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
report=${1:-$root/samples/report.txt}
report=$(realpath "$report")

bash "$root/scripts/install-deps.sh" >&2
cmake -S "$root" -B "$root/build/run" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$root/build/run" -j2 --target typeset_demo >/dev/null
"$root/build/run/tests/demo/typeset_demo" "$report"

#!/usr/bin/env bash
# Builds the settings-file reader's fuzz target with clang and libFuzzer into
# build/h-fuzz and runs it for RUNS inputs (default 1000000). Extra
# arguments go to libFuzzer. Runnable from any folder.
#
#   scripts/fuzz-settings.sh [RUNS] [LIBFUZZER-OPTION...]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

runs="${1:-1000000}"
shift || true
build=build/h-fuzz
corpus="$build/corpus-settings"

CXX="${CXX:-clang++}" cmake -S . -B "$build" -DTIDYSET_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target ini_reader_fuzz -j2

# The first byte picks the code page (even: UTF-8, odd: 936); the rest is
# the file.
mkdir -p "$corpus"
printf '\001[wb]\r\nduanqian=1\r\ntshr=0x10\r\n\r\n[bt]\r\nfontname=\313\316\314\345\r\n' >"$corpus/seed-936"
printf '\000\357\273\277[YMSZ]\r\n  LEFT = 3 \r\n; comment\r\nloose\r\n[ymsz]\rleft=\n' >"$corpus/seed-bom"
printf '\001\377\376[\000y\000]\000\r\000\n\000' >"$corpus/seed-utf16"

exec "$build/tests/settings/ini_reader_fuzz" -runs="$runs" -max_len=4096 "$@" "$corpus"

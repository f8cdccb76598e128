#!/usr/bin/env bash
# Draws tidyset.ico (a page with a centred title line and body lines) in the
# sizes Windows asks for. Run it again after changing the drawing.
set -euo pipefail
cd "$(dirname "$0")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
for size in 16 24 32 48 64 256; do
    convert -size 256x256 xc:none \
        -fill white -stroke '#1f3f7f' -strokewidth 12 -draw 'rectangle 40,14 216,242' \
        -stroke none -fill '#c0392b' -draw 'rectangle 84,44 172,68' \
        -fill '#1f3f7f' \
        -draw 'rectangle 64,96 192,110' -draw 'rectangle 64,130 192,144' \
        -draw 'rectangle 64,164 192,178' -draw 'rectangle 120,204 192,218' \
        -resize "${size}x${size}" "$work/icon-$size.png"
done
convert "$work"/icon-16.png "$work"/icon-24.png "$work"/icon-32.png "$work"/icon-48.png \
    "$work"/icon-64.png "$work"/icon-256.png tidyset.ico

#!/usr/bin/env bash
# Draws the program's icon (a document with a red delete mark) and writes
# src/platform/win32/resources/quorvin.ico in the sizes Windows asks for.
# Needs ImageMagick; the .ico is committed, so builds do not.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
out="$root/src/platform/win32/resources/quorvin.ico"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
convert -size 256x256 xc:none \
  -fill '#f7f9fb' -stroke '#50606f' -strokewidth 10 \
  -draw "path 'M 40,14 L 156,14 L 212,70 L 212,242 L 40,242 Z'" \
  -fill '#c5d0db' -draw "path 'M 156,14 L 156,70 L 212,70 Z'" \
  -stroke '#93a2b1' -strokewidth 12 \
  -draw "line 74,98 178,98" -draw "line 74,132 178,132" \
  -draw "line 74,166 118,166" \
  -fill '#d42a1f' -stroke '#ffffff' -strokewidth 10 \
  -draw "circle 178,190 178,122" \
  -stroke '#ffffff' -strokewidth 20 \
  -draw "line 152,164 204,216" -draw "line 204,164 152,216" \
  "$work/icon-256.png"
convert "$work/icon-256.png" -depth 8 -define icon:auto-resize=256,48,32,24,16 "$out"
ls -l "$out"

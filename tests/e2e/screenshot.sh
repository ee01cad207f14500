#!/usr/bin/env bash
# Saves pictures of the program's main window for a person to look at: the
# whole Wine desktop and the window cut out of it.
#   screenshot.sh PROGRAM_EXE WINDOW_TOOL_EXE OUT_FOLDER
# Needs the environment of scripts/wine-env.sh (prefix, server, display).
set -euo pipefail
program=$1
tool=$2
out=$3
mkdir -p "$out"
rm -f "$out/desktop.png" "$out/main-window.png"

# The window tool starts the program it was built for unless told otherwise.
QUORVIN_E2E_PROGRAM=$(winepath -w "$program")
export QUORVIN_E2E_PROGRAM

# The program inherits the tool's output: a file, not a pipe, or reading
# the tool's answer would wait for the program to end.
answer=$out/window-tool.txt
wine "$tool" show </dev/null >"$answer" 2>/dev/null || true
place=$(tr -d '\r' <"$answer")
if ! read -r x y width height pid <<<"$place" || [ -z "${pid:-}" ]; then
  echo "the main window did not show (window tool said: '$place')" >&2
  exit 1
fi

# The prefix's virtual desktop is drawn on the display its desktop process
# was started with, which may be another test run's display.
desktop_display() {
  local pid environment
  for pid in $(pgrep -f 'explorer.exe /desktop' || true); do
    environment=$(tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null) || continue
    if grep -qx "WINEPREFIX=$WINEPREFIX" <<<"$environment"; then
      grep '^DISPLAY=' <<<"$environment" | cut -d= -f2
      return
    fi
  done
  echo "$DISPLAY"
}

# The window tool has waited until the window's pixels on the screen
# settled.
import -display "$(desktop_display)" -window root "$out/desktop.png"
convert "$out/desktop.png" -crop "${width}x${height}+${x}+${y}" +repage \
  "$out/main-window.png"

wine "$tool" close "$pid" </dev/null >"$answer" 2>/dev/null || true
code=$(tr -d '\r' <"$answer")
rm -f "$answer"
echo "screenshot: $out/main-window.png (whole desktop: $out/desktop.png)"
if [ "$code" != 0 ]; then
  echo "closing the program gave exit code '$code'" >&2
  exit 1
fi

#!/usr/bin/env bash
# Sets up, builds and starts the tool under Wine. On a machine without a
# display it runs on a private Xvfb, saves a screenshot of the window and
# says where, then closes the program.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
bash scripts/build.sh >/dev/null
exe=build/windows/quorvin-delete.exe
echo "built $exe ($(stat -c %s "$exe") bytes)"

if [ -n "${DISPLAY:-}" ]; then
  source scripts/wine-env.sh
  wine "$exe"
else
  source scripts/wine-env.sh
  trap quorvin_wine_stop EXIT
  tests/e2e/screenshot.sh "$exe" build/windows/tests/e2e/e2e_window_tool.exe \
    build/screenshots
fi

#!/usr/bin/env bash
# Configures and builds both presets: the native core with its unit tests,
# and the Windows exe with its tests.
set -euo pipefail
cd "$(dirname "$0")/.."
for preset in native windows; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done

#!/usr/bin/env bash
# Configures and builds every preset: the native core with its unit tests,
# the same under AddressSanitizer and UBSan, and the Windows exe with its
# tests.
set -euo pipefail
cd "$(dirname "$0")/.."
for preset in native native-sanitize windows; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done

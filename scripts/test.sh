#!/usr/bin/env bash
# Sets up, builds, and runs every test: the native unit tests (plain and
# under AddressSanitizer and UBSan), then the Windows tests and the
# end-to-end scenarios under Wine on a private X display. Exits non-zero
# when anything fails.
set -uo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh || exit 1
bash scripts/build.sh || exit 1

status=0
echo "== native unit tests"
ctest --preset native || status=1
echo "== native unit tests under AddressSanitizer and UBSan"
ctest --preset native-sanitize || status=1

echo "== Windows tests under Wine"
unset DISPLAY  # tests never draw on the user's own screen
# shellcheck source=wine-env.sh
source scripts/wine-env.sh
trap quorvin_wine_stop EXIT
ctest --preset windows || status=1
exit "$status"

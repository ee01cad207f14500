#!/usr/bin/env bash
# Start-up benchmark: the time from process start to the first window or
# box shown, for the program (its loopback build: with no server running it
# finds itself offline within milliseconds and shows the offline box) and
# for a minimal Win32 window program (bench/minimal_window.cpp), both
# started the same way by bench/first_sight.exe, in alternating order, under
# one Wine server and display. Prints the medians and their ratio.
#
#   bench/startup.sh [--runs N] [--build-dir DIR] [--no-build]
# Environment: WINEPREFIX (default build/bench-wine-prefix).
set -euo pipefail

runs=15 build=1 build_dir=
while [ $# -gt 0 ]; do
  case "$1" in
    --runs) runs=$2; shift ;;
    --build-dir) build_dir=$2; shift ;;
    --no-build) build=0 ;;
    *) echo "usage: bench/startup.sh [--runs N] [--build-dir DIR] [--no-build]" >&2
       exit 2 ;;
  esac
  shift
done

root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${build_dir:-$root/build/windows}
if [ "$build" = 1 ]; then
  cmake --build "$build_dir" --target quorvin-delete-loopback minimal_window \
    first_sight >/dev/null
fi
program=$build_dir/quorvin-delete-loopback.exe
peer=$build_dir/bench/minimal_window.exe
launcher=$build_dir/bench/first_sight.exe
for exe in "$program" "$peer" "$launcher"; do
  [ -f "$exe" ] || { echo "missing $exe" >&2; exit 1; }
done

# A prefix of the benchmark's own, so no other Wine work shares its server.
export WINEPREFIX=${WINEPREFIX:-$root/build/bench-wine-prefix}
# shellcheck source=../scripts/wine-env.sh
set +e  # its `wineserver -p` fails when the server already runs
source "$root/scripts/wine-env.sh" >/dev/null
set -e
trap quorvin_wine_stop EXIT

out=$(mktemp)
# One start, timed by the launcher inside Wine; prints milliseconds.
time_start() {
  wine "$launcher" "$(winepath -w "$1")" >"$out" 2>/dev/null </dev/null
  tr -d '\r' <"$out"
}

# A start of each first, not counted: Wine loads its own DLLs the first time.
time_start "$peer" >/dev/null
time_start "$program" >/dev/null
ours=() theirs=()
for ((i = 0; i < runs; i++)); do
  if ((i % 2)); then
    ours+=("$(time_start "$program")")
    theirs+=("$(time_start "$peer")")
  else
    theirs+=("$(time_start "$peer")")
    ours+=("$(time_start "$program")")
  fi
done
rm -f "$out"

median() { printf '%s\n' "$@" | sort -g | awk '{v[NR]=$1} END {
  if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ours_median=$(median "${ours[@]}")
theirs_median=$(median "${theirs[@]}")
ratio=$(awk -v a="$ours_median" -v b="$theirs_median" 'BEGIN { printf "%.2f", a / b }')
verdict=$(awk -v r="$ratio" 'BEGIN { print (r <= 1.5 ? "within" : "beyond") }')
echo "runs each: $runs (alternating)"
echo "quorvin-delete-loopback, start to first sight: median ${ours_median} ms (${ours[*]})"
echo "minimal_window, start to first sight:          median ${theirs_median} ms (${theirs[*]})"
echo "ratio: ${ratio} ($verdict the 1.5 allowed)"

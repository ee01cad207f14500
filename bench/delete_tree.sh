#!/usr/bin/env bash
# Folder-deletion benchmark. Builds the same fresh tree before every
# deletion and deletes it, side by side and in alternating order, with:
#   ours  the program's folder deletion (Win32System::deleteFolder, the call
#         behind the delete button): the handle-relative walk, listing each
#         folder from its handle and deleting each entry through a handle
#         opened relative to it, finishing each file (under Wine: checking
#         where it resolves, marking, closing) on a second thread in large
#         folders; from bench/delete_tree_bench.exe
#   bare  a bare FindFirstFileW/DeleteFileW/RemoveDirectoryW loop in the same
#         exe, by full paths: the walk the program must beat
#   rm    native `rm -rf`, for scale
#   rd    Wine's `cmd /c rd /s /q`, once, on the smaller tree (it is slow)
# and prints the medians, the ratios with their verdicts, whether every tree
# was gone (the near-limit chain included) and the walk's peak memory, with
# a verdict on whether it stays flat from the small tree to the large one.
#
#   bench/delete_tree.sh [--runs N] [--files N] [--folders N]
#                        [--small-files N] [--small-folders N]
#                        [--chain-length N] [--dir DIR] [--sync]
#                        [--build-dir DIR] [--no-build] [--no-rd]
set -euo pipefail

usage() {
  cat <<'EOF'
usage: bench/delete_tree.sh [options]
  --runs N           deletions per method and tree size (default 3)
  --files N          files in the large tree (default 100000)
  --folders N        folders holding them (default 1000)
  --small-files N    files in the tree rd /s /q gets (default 10000)
  --small-folders N  folders holding them (default 100)
  --chain-length N   Windows path length of the deepest file of the nested
                     chain (default 259, the longest within 260 characters)
  --dir DIR          where trees are built (default /dev/shm when there is
                     one, else $TMPDIR or /tmp)
  --sync             sync each tree to disk before deleting it (for --dir on
                     a disk; much slower)
  --build-dir DIR    the Windows build (default build/windows, the preset's)
  --no-build         use the bench exe already in the build as it is
  --no-rd            leave out Wine's rd /s /q
Environment: WINEPREFIX (default build/bench-wine-prefix, a prefix of the
benchmark's own so that no other Wine work shares its server).
EOF
}

runs=3 files=100000 folders=1000 small_files=10000 small_folders=100
chain_length=259 dir="" sync_trees=0 build=1 with_rd=1 build_dir=
while [ $# -gt 0 ]; do
  case "$1" in
    --runs) runs=$2; shift ;;
    --files) files=$2; shift ;;
    --folders) folders=$2; shift ;;
    --small-files) small_files=$2; shift ;;
    --small-folders) small_folders=$2; shift ;;
    --chain-length) chain_length=$2; shift ;;
    --dir) dir=$2; shift ;;
    --sync) sync_trees=1 ;;
    --build-dir) build_dir=$2; shift ;;
    --no-build) build=0 ;;
    --no-rd) with_rd=0 ;;
    -h|--help) usage; exit 0 ;;
    *) usage >&2; exit 2 ;;
  esac
  shift
done

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir=${build_dir:-$root/build/windows}
exe=$build_dir/bench/delete_tree_bench.exe
if [ "$build" = 1 ]; then
  cd "$root"
  [ -f "$build_dir/build.ninja" ] || cmake --preset windows -B "$build_dir" >/dev/null
  cmake --build "$build_dir" --target delete_tree_bench
fi
[ -f "$exe" ] || { echo "no $exe: build it or drop --no-build" >&2; exit 1; }

if [ -z "$dir" ]; then
  if [ -d /dev/shm ] && [ -w /dev/shm ]; then dir=/dev/shm; else dir=${TMPDIR:-/tmp}; fi
fi
own_prefix=0 xvfb_pid=""
finish() {
  # Only the folder this run made, never anything above it.
  case "$work" in */quorvin-bench.*) rm -rf -- "$work" ;; esac
  [ "$own_prefix" = 1 ] && wineserver -k >/dev/null 2>&1 || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
work=$(mktemp -d "$dir/quorvin-bench.XXXXXX")
trap finish EXIT
tree=$work/tree
results=$work/results.txt

if [ -z "${WINEPREFIX:-}" ]; then
  export WINEPREFIX=$root/build/bench-wine-prefix
  own_prefix=1
fi
display_before=${DISPLAY:-}
# The environment script is not written for errexit: the server may be
# running already, which `wineserver -p` reports as a failure.
set +eu
# shellcheck source=../scripts/wine-env.sh
source "$root/scripts/wine-env.sh"
set -eu
[ -z "$display_before" ] && xvfb_pid=${!:-}

windows_tree="$(winepath -w "$work" 2>/dev/null)\\tree"
# The exes get the Windows name: it must name this run's folder and no other.
if [ "$(winepath -u "$windows_tree" 2>/dev/null)" != "$tree" ]; then
  echo "Wine does not name $tree as $windows_tree; giving up" >&2
  exit 1
fi

# The prefix's Wine server does the work of every file call: its CPU time
# is counted with the exe's, as the cost of the walk.
server_pid=""
for pid in $(pgrep -x 'wineserver|wineserver64' || true); do
  if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null |
    grep -qxF "WINEPREFIX=$WINEPREFIX"; then
    server_pid=$pid
  fi
done
ticks_per_second=$(getconf CLK_TCK)
server_ticks() {
  if [ -n "$server_pid" ]; then awk '{ print $14 + $15 }' "/proc/$server_pid/stat"; else echo 0; fi
}

now() { date +%s.%N; }
elapsed() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", b - a }'; }

# make_tree FILES FOLDERS: a fresh tree at $tree.
make_tree() {
  [ ! -e "$tree" ] || rm -rf -- "$tree"
  tree_shape=$(python3 "$root/bench/make_tree.py" "$tree" "$windows_tree" \
    --files "$1" --folders "$2" --chain-length "$chain_length")
  if [ "$sync_trees" = 1 ]; then sync; fi
}

# What is left of the tree after a deletion, as text; empty when it is gone.
leftovers() {
  [ -e "$tree" ] || return 0
  local count longest
  count=$(find "$tree" | wc -l)
  # Windows path lengths: the tree's own plus what follows it.
  longest=$(find "$tree" | awk -v base=${#tree} -v wbase=${#windows_tree} \
    '{ n = wbase + length($0) - base; if (n > max) max = n } END { print max }')
  echo "$count entries left, longest Windows path $longest characters"
}

# record SIZE METHOD SECONDS WALL CPU PEAK_BEFORE_KB PEAK_KB: one deletion.
record() {
  local left
  left=$(leftovers)
  echo "$1 $2 $3 $4 $5 $6 $7 ${left:+left}" >>"$results"
  printf '  %-7s %-5s %8s s in the exe %8s s wall %7s s CPU  %s\n' "$1" "$2" \
    "$3" "$4" "$5" "${left:-tree gone}"
  [ -z "$left" ] || rm -rf -- "$tree"
}

# delete_with SIZE METHOD: deletes $tree one way and records it.
delete_with() {
  local start stop ticks line seconds cpu before peak
  case "$2" in
    ours|bare)
      ticks=$(server_ticks)
      start=$(now)
      line=$(wine "$exe" "$2" "$windows_tree" </dev/null)
      stop=$(now)
      ticks=$(($(server_ticks) - ticks))
      seconds=$(sed -n 's/.* seconds=\([0-9.]*\).*/\1/p' <<<"$line")
      cpu=$(sed -n 's/.* cpu_seconds=\([0-9.]*\).*/\1/p' <<<"$line")
      cpu=$(awk -v c="${cpu:-0}" -v t="$ticks" -v hz="$ticks_per_second" \
        'BEGIN { printf "%.2f", c + t / hz }')
      before=$(sed -n 's/.* peak_working_set_before_kb=\([0-9]*\).*/\1/p' <<<"$line")
      peak=$(sed -n 's/.* peak_working_set_kb=\([0-9]*\).*/\1/p' <<<"$line")
      record "$1" "$2" "${seconds:--}" "$(elapsed "$start" "$stop")" "$cpu" \
        "${before:--}" "${peak:--}"
      ;;
    rm)
      start=$(now)
      rm -rf -- "$tree"
      stop=$(now)
      record "$1" rm - "$(elapsed "$start" "$stop")" - - -
      ;;
    rd)
      start=$(now)
      wine cmd /c rd /s /q "$windows_tree" </dev/null >/dev/null 2>&1 || true
      stop=$(now)
      record "$1" rd - "$(elapsed "$start" "$stop")" - - -
      ;;
  esac
}

# The methods in the order of run N (counted from 0): each leads in turn.
rotated() {
  local n=$1; shift
  local methods=("$@") i
  for ((i = 0; i < ${#methods[@]}; i++)); do
    echo "${methods[(n + i) % ${#methods[@]}]}"
  done
}

large=$files small=$small_files
echo "Trees in $work ($windows_tree); Wine prefix $WINEPREFIX"
echo "Large tree: $files files in $folders folders; $runs run(s) each of ours, bare, rm"
for ((run = 0; run < runs; run++)); do
  for method in $(rotated "$run" ours bare rm); do
    make_tree "$files" "$folders"
    delete_with "$large" "$method"
  done
done
echo "  ($tree_shape)"

echo "Small tree: $small_files files in $small_folders folders; $runs run(s) each of ours, bare$([ "$with_rd" = 1 ] && echo ", one of rd /s /q")"
for ((run = 0; run < runs; run++)); do
  methods=(ours bare)
  [ "$run" = 0 ] && [ "$with_rd" = 1 ] && methods=(rd ours bare)
  for method in $(rotated "$run" "${methods[@]}"); do
    make_tree "$small_files" "$small_folders"
    delete_with "$small" "$method"
  done
done
echo "  ($tree_shape)"

# Medians, ratios, verdicts and memory from the recorded runs.
awk -v large="$large" -v small="$small" -v chain="$chain_length" '
  function median(list,   n, a, i, j, t) {
    n = split(list, a, " ")
    if (n == 0) return ""
    for (i = 2; i <= n; i++)
      for (j = i; j > 1 && a[j - 1] + 0 > a[j] + 0; j--) {
        t = a[j]; a[j] = a[j - 1]; a[j - 1] = t
      }
    return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
  }
  function add(key, value) { if (value != "-") list[key] = list[key] " " value }
  {
    add($1 SUBSEP $2 SUBSEP "exe", $3)
    add($1 SUBSEP $2 SUBSEP "wall", $4)
    add($1 SUBSEP $2 SUBSEP "cpu", $5)
    add($1 SUBSEP $2 SUBSEP "before", $6)
    add($1 SUBSEP $2 SUBSEP "peak", $7)
    count[$1, $2]++
    if ($8 == "left") left[$1, $2]++
    seen[$1, $2] = 1
  }
  function m(size, method, kind) { return median(list[size, method, kind]) }
  function shown(value, places) {
    return value == "" ? "-" : sprintf("%." places "f", value)
  }
  function row(size, method) {
    if (!((size, method) in seen)) return
    printf "  %-6s %8s %8s %8s %5d   %s\n", method,
      shown(m(size, method, "exe"), 3), shown(m(size, method, "wall"), 3),
      shown(m(size, method, "cpu"), 2), count[size, method],
      left[size, method] ? "NO: " left[size, method] " run(s) left entries" : "yes"
  }
  function table(size) {
    printf "\n%d files (+ the chain to %d characters): medians in seconds\n", size, chain
    printf "  %-6s %8s %8s %8s %5s   %s\n", "method", "in exe", "wall", "CPU", "runs", "tree gone every run"
    row(size, "ours"); row(size, "bare"); row(size, "rm"); row(size, "rd")
  }
  function verdict(ok) { return ok ? "PASS" : "FAIL" }
  # Time decides; CPU is shown for what it tells: the work done, which two
  # threads overlap but do not shrink.
  function ours_to_bare(size, kind, label,   r) {
    if (!((size, "ours") in seen && (size, "bare") in seen)) return
    r = m(size, "ours", kind) / m(size, "bare", kind)
    if (kind == "cpu")
      printf "  ours/bare at %6d files, %-34s %.3f  (work, not judged)\n", size, label ":", r
    else
      printf "  ours/bare at %6d files, %-34s %.3f  %s (must be <= 0.8)\n", size, label ":", r, verdict(r <= 0.8)
  }
  END {
    table(large); table(small)
    print "\nRatios (CPU = the exe and its Wine server together; elapsed time moves"
    print "when other work shares the machine, CPU hardly does)"
    ours_to_bare(large, "exe", "elapsed in the exe")
    ours_to_bare(large, "cpu", "CPU")
    ours_to_bare(small, "exe", "elapsed in the exe")
    ours_to_bare(small, "cpu", "CPU")
    if ((small, "rd") in seen) {
      r = m(small, "ours", "wall") / m(small, "rd", "wall")
      printf "  ours/rd   at %6d files, %-34s %.3f  %s (must be < 1)\n", small, "wall, Wine start-up in both:", r, verdict(r < 1)
      if (left[small, "rd"])
        print "            (rd /s /q left entries behind: its time is not that of a whole deletion)"
    }
    if ((large, "rm") in seen)
      printf "  ours/rm   at %6d files, %-34s %.1f (for scale)\n", large, "wall:", m(large, "ours", "wall") / m(large, "rm", "wall")
    print "\nPeak working set of the deleting process (GetProcessMemoryInfo), medians in KB"
    printf "  %-8s %-5s %12s %12s %8s\n", "files", "walk", "before walk", "after walk", "growth"
    split(small " " large, sizes, " ")
    for (s = 1; s <= 2; s++)
      for (k = 1; k <= 2; k++) {
        method = k == 1 ? "ours" : "bare"
        if (!((sizes[s], method) in seen)) continue
        b = m(sizes[s], method, "before"); p = m(sizes[s], method, "peak")
        printf "  %-8d %-5s %12d %12d %8d\n", sizes[s], method, b, p, p - b
        growth[sizes[s], method] = p - b
      }
    if ((small, "ours") in seen && (large, "ours") in seen) {
      d = growth[large, "ours"] - growth[small, "ours"]
      printf "  ours: growth at %d files minus growth at %d files: %d KB  %s (must be <= 1024: flat)\n", large, small, d, verdict(d <= 1024)
    }
  }' "$results"

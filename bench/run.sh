#!/usr/bin/env bash
# Times zoriduvo-cli as whole processes on generated sets against the floors of the same run
# (bench/floor: the same bytes split into fields and every field converted with strtof, or with
# std::from_chars; and as many fields written with snprintf). Each figure is the median of RUNS
# runs after one warm-up: wall and CPU (user + system) time, peak resident memory, the ratio to the
# floor and resident bytes per cell; then the targets, as ratios to their yardsticks in this run.
# An operation "after open" (statistics, sort, RANK) is timed as the difference to the command
# without it, in PAIRS runs of the two taken in turn: the median of those differences, so that the
# machine's drift between runs, which is larger than the operation, falls out.
# Files are written where memory backs them (/dev/shm when there is one): the disk's flush time
# varies by tens of milliseconds between runs, for the floor's writes and the program's alike.
# With several sets, a last table compares their costs per cell (growth must be linear).
# Not part of CI: it takes minutes.
# Then the commands in the window (gui_bench, offscreen, with the repaint each causes), each as a
# ratio to the open of the same file in the same run of gui_bench, and their growth per cell.
#   bench/run.sh [small|medium|large ...]      (default large, 32767 x 200)
#   BUILD=DIR  build directory (default build/bench, Release)    RUNS=N  runs per figure (default 5)
#   PAIRS=N  pairs per operation after open (default 21)
#   DATA=DIR  the sets (NAME.vo and NAME.csv) of another generator instead of bench/data
#   GUI_BUILD=DIR  build directory of gui_bench (default build/bench-gui; WINDOW=0 leaves it out)
#   REPS=N  repetitions of each window command (default 5)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$root/build/bench}
runs=${RUNS:-5}
pairs=${PAIRS:-21}
sets=("$@")
[ ${#sets[@]} -eq 0 ] && sets=(large)
for set_name in "${sets[@]}"; do
  case "$set_name" in small | medium | large) ;; *) echo "usage: bench/run.sh [small|medium|large ...]" >&2; exit 2 ;; esac
done

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZORIDUVO_BUILD_GUI=OFF \
      -DZORIDUVO_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j2 >/dev/null  # floor, gen_data, runtime, zoriduvo-cli and core_bench
"$root/bench/gen-data" "$build" >/dev/null
window=${WINDOW:-1}
gui_build=${GUI_BUILD:-$root/build/bench-gui}
if [ "$window" != 0 ]; then
  cmake -S "$root" -B "$gui_build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZORIDUVO_BUILD_GUI=ON \
        -DZORIDUVO_BUILD_TESTS=OFF -DZORIDUVO_BUILD_GUI_BENCH=ON >/dev/null
  cmake --build "$gui_build" -j2 --target gui_bench >/dev/null
fi

data=${DATA:-$root/bench/data}
data=$(cd "$data" && pwd)
scratch=/dev/shm
[ -d "$scratch" ] && [ -w "$scratch" ] || scratch=${TMPDIR:-/tmp}
work=$(mktemp -d -p "$scratch")
trap 'rm -rf "$work"' EXIT
export SOURCE_DATE_EPOCH=1700000000 LC_ALL=C
cli="$build/zoriduvo-cli"
floor="$build/bench/floor"
runtime="$build/bench/runtime"

# measure COMMAND...: sets wall, cpu (seconds) and rss (KiB), the medians of the timed runs: RUNS
# times repeat, which is larger for the runs of a few milliseconds, whose figures scatter most.
repeat=8
median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
measure() {
  local walls=() cpus=() rsss=() k
  for ((k = 0; k <= runs * repeat; k++)); do
    rm -f "$work"/out.* "$work"/.out.*
    if ! "$runtime" "$work/figures" "$@" >"$work/stdout" 2>"$work/stderr"; then
      echo "failed: $*" >&2
      cat "$work/stderr" >&2
      exit 1
    fi
    [ "$k" -eq 0 ] && continue  # the warm-up
    read -r w c r <"$work/figures"
    walls+=("$w") cpus+=("$c") rsss+=("$r")
  done
  wall=$(printf '%s\n' "${walls[@]}" | median)
  cpu=$(printf '%s\n' "${cpus[@]}" | median)
  rss=$(printf '%s\n' "${rsss[@]}" | median)
}
# increment BASE... -- COMMAND...: sets added, the median over the pairs of COMMAND's CPU seconds
# less BASE's, the two run in turn.
increment() {
  local base=() command=() differences=() k side=base
  for k in "$@"; do
    if [ "$k" = -- ]; then side=command; elif [ $side = base ]; then base+=("$k"); else command+=("$k"); fi
  done
  for ((k = 0; k <= pairs; k++)); do
    rm -f "$work"/out.* "$work"/.out.*
    "$runtime" "$work/base" "${base[@]}" >/dev/null 2>&1 || { echo "failed: ${base[*]}" >&2; exit 1; }
    "$runtime" "$work/command" "${command[@]}" >/dev/null 2>&1 || { echo "failed: ${command[*]}" >&2; exit 1; }
    [ "$k" -eq 0 ] && continue  # the warm-up
    differences+=("$(awk 'NR == FNR { b = $2; next } { print $2 - b }' "$work/base" "$work/command")")
  done
  added=$(printf '%s\n' "${differences[@]}" | median)
}
calc() { awk "BEGIN { print $* }"; }

# The start-up every process pays, from a file of one case: taken off before costs per cell.
printf '"vo-Data_3"\r\n"base"\r\n1\r\n"V1",0,0,0,0\r\n"C1",1\r\n' >"$work/base.vo"
measure "$cli" info "$work/base.vo"
base_open=$cpu
measure "$cli" convert "$work/base.vo" "$work/out.vo"
base_convert=$cpu

declare -A per_cell
for set_name in "${sets[@]}"; do
  case "$set_name" in
    small) cases=1000 variables=20 ;;
    medium) cases=10000 variables=100 ;;
    large) cases=32767 variables=200 ;;
  esac
  cells=$((cases * variables))
  repeat=$((cells < 1000000 ? 8 : 1))
  echo "set $set_name: $cases cases x $variables variables = $cells cells; median of $((runs * repeat)) runs after a warm-up"
  measure "$floor" read "$data/$set_name.vo"; floor_read=$cpu floor_read_wall=$wall floor_read_rss=$rss
  measure "$floor" read-fc "$data/$set_name.vo"; floor_fc=$cpu floor_fc_wall=$wall floor_fc_rss=$rss
  measure "$floor" write "$cells" "$variables" "$work/out.txt"; floor_write=$cpu floor_write_wall=$wall floor_write_rss=$rss

  printf '\n%-34s %8s %8s %9s %9s %10s %8s\n' "" "wall s" "CPU s" "peak MiB" "x floor" "floor" "B/cell"
  row() {  # NAME FLOOR_NAME FLOOR_CPU_SECONDS
    awk -v n="$1" -v w="$wall" -v c="$cpu" -v r="$rss" -v fn="$2" -v f="$3" -v k="$cells" 'BEGIN {
      printf "%-34s %8.3f %8.3f %9.1f %9.2f %10s %8.1f\n", n, w, c, r / 1024, (f > 0 ? c / f : 0), fn, r * 1024 / k }'
  }
  wall=$floor_read_wall cpu=$floor_read rss=$floor_read_rss row "floor read ($set_name.vo)" read "$floor_read"
  wall=$floor_fc_wall cpu=$floor_fc rss=$floor_fc_rss row "floor read, from_chars" read-fc "$floor_fc"
  wall=$floor_write_wall cpu=$floor_write rss=$floor_write_rss row "floor write" write "$floor_write"
  both=$(calc "$floor_read + $floor_write")

  measure "$cli" info "$data/$set_name.vo"; row "open (info $set_name.vo)" read "$floor_read"; open=$cpu
  measure "$cli" convert "$data/$set_name.vo" "$work/out.vo"; row "convert $set_name.vo out.vo" read+write "$both"
  convert=$cpu convert_rss=$rss
  measure "$cli" convert "$data/$set_name.csv" "$work/out.vo"; row "convert $set_name.csv out.vo" read+write "$both"
  measure "$cli" stats "$data/$set_name.vo"; row "stats $set_name.vo" read "$floor_read"; stats=$cpu
  # The first two variables by the names the set gives them (line 4 and 5 of a file of one group).
  { read -r first; read -r second; } < <(sed -n '4,5p' "$data/$set_name.vo" | cut -d'"' -f2)
  measure "$cli" sort "$data/$set_name.vo" "$work/out.vo" --key "$first"; row "sort $set_name.vo out.vo --key $first" read+write "$both"
  sorted=$cpu
  measure "$cli" transform "$data/$set_name.vo" "$work/out.vo" -e "Y = RANK($second)"
  row "transform -e \"Y = RANK($second)\"" read+write "$both"; ranked=$cpu
  increment "$cli" info "$data/$set_name.vo" -- "$cli" stats "$data/$set_name.vo"; stats_added=$added
  increment "$cli" convert "$data/$set_name.vo" "$work/out.vo" -- "$cli" sort "$data/$set_name.vo" "$work/out.vo" --key "$first"
  sort_added=$added
  increment "$cli" convert "$data/$set_name.vo" "$work/out.vo" -- "$cli" transform "$data/$set_name.vo" "$work/out.vo" -e "Y = RANK($second)"
  rank_added=$added
  echo
  echo "x floor: CPU time over the floor's of this run (read, or read + write for commands that write);"
  echo "B/cell: peak resident bytes over the $cells cells. CPU time, not wall time, is compared: the"
  echo "program's save flushes its file (fsync), which the floor does not. Files go to $scratch."

  # An operation "after open" is the command's time less that of the command without it, in pairs:
  # stats less open; sort and transform less convert, which opens and saves as they do. Save is
  # convert less open.
  echo
  printf '%-44s %9s %9s\n' target measured limit
  target() {  # NAME MEASURED LIMIT
    awk -v n="$1" -v m="$2" -v l="$3" 'BEGIN { printf "%-44s %9.3f %9.3f %s\n", n, m, l, (m <= l ? "met" : "MISSED") }'
  }
  target "open / strtof floor" "$(calc "$open / $floor_read")" 1.3
  target "open / from_chars floor" "$(calc "$open / $floor_fc")" 1.2
  target "convert peak bytes per cell" "$(calc "$convert_rss * 1024 / $cells")" 12
  target "convert peak / strtof floor peak" "$(calc "$convert_rss / $floor_read_rss")" 1.15
  target "statistics after open / open" "$(calc "$stats_added / $open")" 0.1
  target "sort after open / open" "$(calc "$sort_added / $open")" 0.1
  target "RANK after open / open" "$(calc "$rank_added / $open")" 0.1
  target "save (convert - open) / write floor" "$(calc "($convert - $open) / $floor_write")" 1.2
  echo
  # Per cell, in nanoseconds of CPU, with the start-up of a one-case file taken off.
  per_cell[$set_name,open]=$(calc "($open - $base_open) * 1e9 / $cells")
  per_cell[$set_name,save]=$(calc "($convert - $open - $base_convert + $base_open) * 1e9 / $cells")
  per_cell[$set_name,stats]=$(calc "($stats - $base_open) * 1e9 / $cells")
  per_cell[$set_name,sort]=$(calc "($sorted - $base_convert) * 1e9 / $cells")
  per_cell[$set_name,rank]=$(calc "($ranked - $base_convert) * 1e9 / $cells")
done

if [ ${#sets[@]} -gt 1 ]; then
  echo "growth: CPU ns per cell, start-up taken off (stats, sort and RANK include their open and save)"
  printf '%-10s' operation; printf ' %9s' "${sets[@]}"; printf ' %9s\n' "max/min"
  for op in open save stats sort rank; do
    values=()
    for set_name in "${sets[@]}"; do values+=("${per_cell[$set_name,$op]}"); done
    printf '%-10s' "$op"; printf ' %9.1f' "${values[@]}"
    printf '%s\n' "${values[@]}" | awk '{ v = $1; if (NR == 1 || v > hi) hi = v; if (NR == 1 || v < lo) lo = v }
      END { printf " %9.2f %s\n", hi / lo, (hi / lo <= 1.2 ? "met" : "MISSED (over 1.2)") }'
  done
fi

[ "$window" = 0 ] && exit 0
# The window commands: one run of gui_bench over the sets, REPS repetitions of each, medians.
filter=
for set_name in "${sets[@]}"; do
  case "$set_name" in small) k=0 ;; medium) k=1 ;; large) k=2 ;; esac
  filter="$filter${filter:+|}(BM_CliOpenSet|BM_Window[A-Za-z]*)/$k\$"
done
echo
echo "in the window (gui_bench, offscreen; load before: $(cut -d' ' -f1-3 /proc/loadavg))"
QT_QPA_PLATFORM=offscreen ZORIDUVO_BENCH_DATA="$data" "$gui_build/bench/gui_bench" --benchmark_filter="$filter" \
  --benchmark_repetitions="${REPS:-5}" --benchmark_report_aggregates_only=true \
  --benchmark_out="$work/window.csv" --benchmark_out_format=csv >/dev/null 2>"$work/window.err" ||
  { cat "$work/window.err" >&2; exit 1; }
# window_cpu NAME SET_INDEX: the median CPU milliseconds of the benchmark on that set.
window_cpu() {
  awk -F, -v n="\"$1/$2_median\"" '/^name,/ { for (i = 1; i <= NF; i++) if ($i == "cpu_time") k = i }
    $1 == n { print $k }' "$work/window.csv"
}
commands=(Sort Transformation Statistics PasteLargestBlock ReplaceAll UndoSort DeleteAndInsertCase JumpToLastCase)
declare -A window_per_cell
for set_name in "${sets[@]}"; do
  case "$set_name" in small) k=0 cells=20000 ;; medium) k=1 cells=1000000 ;; large) k=2 cells=6553400 ;; esac
  open_ms=$(window_cpu BM_CliOpenSet "$k")
  printf '\n%-44s %9s %9s %9s  (%s: open %.1f ms CPU)\n' "window command, with its repaint" "CPU ms" "x open" limit "$set_name" "$open_ms"
  for command in "${commands[@]}"; do
    ms=$(window_cpu "BM_Window$command" "$k")
    [ -n "$ms" ] || { echo "no figure for $command on $set_name" >&2; exit 1; }
    window_per_cell[$set_name,$command]=$(calc "$ms * 1e6 / $cells")
    # The limit holds on the large set; on the smaller ones a repaint's few milliseconds outweigh the open.
    awk -v n="$command" -v m="$ms" -v o="$open_ms" -v large="$([ $k = 2 ] && echo 1)" 'BEGIN {
      printf "%-44s %9.2f %9.3f %9.3f %s\n", n, m, m / o, 0.2, (!large ? "(on large)" : m / o <= 0.2 ? "met" : "MISSED") }'
  done
done
if [ ${#sets[@]} -gt 1 ]; then
  echo
  echo "growth in the window: CPU ns per cell; rise = the most a larger set's cost per cell exceeds a smaller one's"
  printf '%-22s' command; printf ' %9s' "${sets[@]}"; printf ' %9s\n' rise
  for command in "${commands[@]}"; do
    values=()
    for set_name in "${sets[@]}"; do values+=("${window_per_cell[$set_name,$command]}"); done
    printf '%-22s' "$command"; printf ' %9.2f' "${values[@]}"
    printf '%s\n' "${values[@]}" | awk '{ v[NR] = $1 } END { r = 0
      for (i = 1; i <= NR; i++) for (j = i + 1; j <= NR; j++) if (v[j] / v[i] > r) r = v[j] / v[i]
      printf " %9.2f %s\n", r, (r <= 1.2 ? "met" : "MISSED (over 1.2)") }'
  done
fi

#!/usr/bin/env bash
# The exchange forms on the large set (32767 x 200) as whole zoriduvo-cli processes: export to
# each binary form against the vo-Data save (convert to version 3), opening each back (info) against
# opening the vo-Data file (info), and peak resident bytes per cell of the
# reads against the vo-Data open. Each figure is the median of RUNS runs after one warm-up, on CPU
# time (user + system), which other processes on the machine disturb less than wall time.
# Targets: export <= 1.5 x the save; reading back <= 1.5 x the open; memory per cell no worse.
# Not part of CI.
#   bench/foreign.sh      BUILD=DIR (default build/bench, Release)    RUNS=N (default 5)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$root/build/bench}
runs=${RUNS:-5}
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZORIDUVO_BUILD_GUI=OFF \
      -DZORIDUVO_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target zoriduvo-cli gen_data runtime >/dev/null
"$root/bench/gen-data" "$build" >/dev/null
scratch=/dev/shm
[ -d "$scratch" ] && [ -w "$scratch" ] || scratch=${TMPDIR:-/tmp}
work=$(mktemp -d -p "$scratch")
trap 'rm -rf "$work"' EXIT
export SOURCE_DATE_EPOCH=1700000000 TZ=UTC LC_ALL=C
cli="$build/zoriduvo-cli"
large="$root/bench/data/large.vo"
cells=$((32767 * 200))

# measure COMMAND...: sets cpu (seconds) and rss (KiB), medians of the timed runs.
median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
measure() {
  local cpus=() rsss=() k
  for ((k = 0; k <= runs; k++)); do
    "$build/bench/runtime" "$work/figures" "$@" >/dev/null 2>&1 || { echo "failed: $*" >&2; exit 1; }
    [ "$k" -eq 0 ] && continue
    read -r _ c r <"$work/figures"
    cpus+=("$c") rsss+=("$r")
  done
  cpu=$(printf '%s\n' "${cpus[@]}" | median)
  rss=$(printf '%s\n' "${rsss[@]}" | median)
}
verdict() { awk -v r="$1" -v t="$2" 'BEGIN { print (r <= t ? "met" : "MISSED") }'; }

measure "$cli" convert "$large" "$work/save.vo"
save_cpu=$cpu
measure "$cli" info "$large"
open_cpu=$cpu open_rss=$rss
printf '%-10s %10s %8s %10s %8s %10s %8s\n' form export_s ratio read_s ratio bytes/cell verdicts
printf '%-10s %10.3f %8s %10.3f %8s %10.1f\n' vo-Data "$save_cpu" 1 "$open_cpu" 1 "$(awk -v r="$open_rss" -v c="$cells" 'BEGIN { print r * 1024 / c }')"
for form in sav dta xpt xlsx; do
  measure "$cli" export "$large" "$work/out.$form" --to "$form"
  export_cpu=$cpu
  measure "$cli" info "$work/out.$form"
  read_cpu=$cpu read_rss=$rss
  export_ratio=$(awk -v a="$export_cpu" -v b="$save_cpu" 'BEGIN { printf "%.2f", a / b }')
  read_ratio=$(awk -v a="$read_cpu" -v b="$open_cpu" 'BEGIN { printf "%.2f", a / b }')
  per_cell=$(awk -v r="$read_rss" -v c="$cells" 'BEGIN { printf "%.1f", r * 1024 / c }')
  memory=$(awk -v a="$read_rss" -v b="$open_rss" 'BEGIN { print (a <= b * 1.02 ? "met" : "MISSED") }')
  printf '%-10s %10.3f %8s %10.3f %8s %10s   export %s, read %s, memory %s\n' "$form" "$export_cpu" "$export_ratio" \
    "$read_cpu" "$read_ratio" "$per_cell" "$(verdict "$export_ratio" 1.5)" "$(verdict "$read_ratio" 1.5)" "$memory"
done

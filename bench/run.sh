#!/usr/bin/env bash
# Times zoriduvo-cli as whole processes on a generated set against the floor of the same run
# (bench/floor: the same bytes split into fields and every field converted with strtof; and as
# many fields written with snprintf). Each figure is the median of RUNS runs after one warm-up:
# wall time, peak resident memory, the ratio to the floor and resident bytes per cell.
# Not part of CI: it takes minutes.
#   bench/run.sh [small|medium|large]      (default large, 32767 x 200)
#   BUILD=DIR  build directory (default build/bench, Release)    RUNS=N  runs per figure (default 5)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$root/build/bench}
runs=${RUNS:-5}
set_name=${1:-large}
case "$set_name" in
  small) cases=1000 variables=20 ;;
  medium) cases=10000 variables=100 ;;
  large) cases=32767 variables=200 ;;
  *) echo "usage: bench/run.sh [small|medium|large]" >&2; exit 2 ;;
esac
cells=$((cases * variables))

if [ ! -x /usr/bin/time ]; then
  sudo_cmd=""
  [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq time
fi

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZORIDUVO_BUILD_GUI=OFF \
      -DZORIDUVO_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j2 >/dev/null  # floor, gen_data, zoriduvo-cli and core_bench
"$root/bench/gen-data" "$build" >/dev/null

data="$root/bench/data"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export SOURCE_DATE_EPOCH=1700000000 LC_ALL=C
cli="$build/zoriduvo-cli"
floor="$build/bench/floor"

# measure NAME COMMAND...: sets wall (seconds) and rss (KiB), the medians of the timed runs.
measure() {
  local name=$1
  shift
  local walls=() rsss=() k
  for ((k = 0; k <= runs; k++)); do
    rm -f "$work"/out.* "$work"/.out.*
    if ! /usr/bin/time -v -o "$work/time" "$@" >"$work/stdout" 2>"$work/stderr"; then
      echo "$name failed:" >&2
      cat "$work/stderr" >&2
      exit 1
    fi
    [ "$k" -eq 0 ] && continue  # the warm-up
    walls+=("$(awk -F': ' '/Elapsed \(wall clock\)/ { n = split($2, p, ":"); s = 0
                for (i = 1; i <= n; i++) s = s * 60 + p[i]; print s }' "$work/time")")
    rsss+=("$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$work/time")")
  done
  wall=$(printf '%s\n' "${walls[@]}" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')
  rss=$(printf '%s\n' "${rsss[@]}" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }')
}

echo "set $set_name: $cases cases x $variables variables = $cells cells; median of $runs runs after a warm-up"
measure "floor read" "$floor" read "$data/$set_name.vo"
floor_read=$wall floor_read_rss=$rss
measure "floor read-fc" "$floor" read-fc "$data/$set_name.vo"
floor_fc=$wall floor_fc_rss=$rss
measure "floor write" "$floor" write "$cells" "$variables" "$work/out.txt"
floor_write=$wall floor_write_rss=$rss

printf '\n%-34s %8s %9s %9s %10s %8s\n' "" "wall s" "peak MiB" "x floor" "floor" "B/cell"
row() {  # NAME FLOOR_NAME FLOOR_SECONDS
  awk -v n="$1" -v w="$wall" -v r="$rss" -v fn="$2" -v f="$3" -v c="$cells" 'BEGIN {
    printf "%-34s %8.2f %9.1f %9.2f %10s %8.1f\n", n, w, r / 1024, (f > 0 ? w / f : 0), fn, r * 1024 / c }'
}
wall=$floor_read rss=$floor_read_rss row "floor read ($set_name.vo)" read "$floor_read"
wall=$floor_fc rss=$floor_fc_rss row "floor read, from_chars" read-fc "$floor_fc"
wall=$floor_write rss=$floor_write_rss row "floor write" write "$floor_write"
both=$(awk -v a="$floor_read" -v b="$floor_write" 'BEGIN { print a + b }')

measure open "$cli" info "$data/$set_name.vo"
row "open (info $set_name.vo)" read "$floor_read"
open=$wall
measure convert "$cli" convert "$data/$set_name.vo" "$work/out.vo"
row "convert $set_name.vo out.vo" read+write "$both"
convert=$wall convert_rss=$rss
measure "convert csv" "$cli" convert "$data/$set_name.csv" "$work/out.vo"
row "convert $set_name.csv out.vo" read+write "$both"
measure stats "$cli" stats "$data/$set_name.vo"
row "stats $set_name.vo" read "$floor_read"
stats=$wall
measure sort "$cli" sort "$data/$set_name.vo" "$work/out.vo" --key V1
row "sort $set_name.vo out.vo --key V1" read+write "$both"
sort_wall=$wall
measure transform "$cli" transform "$data/$set_name.vo" "$work/out.vo" -e "Y = RANK(V2)"
row "transform -e \"Y = RANK(V2)\"" read+write "$both"
transform=$wall
echo
echo "x floor: wall time over the floor of this run (read, or read + write for commands that write);"
echo "B/cell: peak resident bytes over the $cells cells."

# The targets, each as a ratio to its yardstick in this run: an operation "after open" is the
# command's time less that of the command without it (stats less open; sort and transform less
# convert, which opens and saves as they do); save is convert less open.
echo
printf '%-44s %9s %9s %s\n' target measured limit ""
target() {  # NAME MEASURED LIMIT
  awk -v n="$1" -v m="$2" -v l="$3" 'BEGIN { printf "%-44s %9.3f %9.3f %s\n", n, m, l, (m <= l ? "met" : "MISSED") }'
}
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { print (b > 0 ? a / b : 0) }'; }
target "open / strtof floor" "$(ratio "$open" "$floor_read")" 1.3
target "open / from_chars floor" "$(ratio "$open" "$floor_fc")" 2.2
target "convert peak bytes per cell" "$(awk -v r="$convert_rss" -v c="$cells" 'BEGIN { print r * 1024 / c }')" 20
target "statistics after open / open" "$(ratio "$(awk -v a="$stats" -v b="$open" 'BEGIN { print a - b }')" "$open")" 0.1
target "sort after open / open" "$(ratio "$(awk -v a="$sort_wall" -v b="$convert" 'BEGIN { print a - b }')" "$open")" 0.1
target "RANK after open / open" "$(ratio "$(awk -v a="$transform" -v b="$convert" 'BEGIN { print a - b }')" "$open")" 0.1
target "save (convert - open) / write floor" "$(ratio "$(awk -v a="$convert" -v b="$open" 'BEGIN { print a - b }')" "$floor_write")" 1.2

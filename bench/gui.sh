#!/usr/bin/env bash
# The Qt-side figures on the large set (32767 x 200), in one run of gui_bench on the offscreen
# platform: building and painting a scatter plot of all its cases, and opening it in the frame
# until the sheet's first screen is painted, each against opening it through the core call
# zoriduvo-cli makes; scrolling the sheet to its last case and back. Not part of CI.
#   bench/gui.sh [gui_bench options, e.g. --benchmark_repetitions=5]
#   BUILD=DIR  build directory (default build/bench-gui, Release with the program)    RUNS=N  CLI runs (default 5)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$root/build/bench-gui}
runs=${RUNS:-5}

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZORIDUVO_BUILD_GUI=ON \
      -DZORIDUVO_BUILD_TESTS=OFF -DZORIDUVO_BUILD_GUI_BENCH=ON >/dev/null
cmake --build "$build" -j2 --target gui_bench gen_data zoriduvo-cli >/dev/null
"$root/bench/gen-data" "$build" >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen SOURCE_DATE_EPOCH=1700000000 LC_ALL=C
large="$root/bench/data/large.vo"

# zoriduvo-cli info on the set as a whole process: the median of the runs after one warm-up, in ms.
for ((k = 0; k <= runs; k++)); do
  start=$(date +%s%N)
  "$build/zoriduvo-cli" info "$large" >/dev/null
  [ "$k" -gt 0 ] && echo $((($(date +%s%N) - start) / 1000000))
done | sort -n >"$work/cli"
cli_process=$(awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }' "$work/cli")

"$build/bench/gui_bench" --benchmark_out="$work/out.csv" --benchmark_out_format=csv "$@"

# ms NAME: the real time of the benchmark (the median when repeated), in milliseconds.
ms() {
  awk -F, -v n="\"$1/real_time" '
    index($1, n) == 1 && ($1 == n "\"" || $1 == n "_median\"") && $3 != "" { t = $3 }
    END { if (t == "") exit 1; print t }' "$work/out.csv" ||
    { echo "gui.sh: no figure for $1" >&2; exit 1; }
}
column() {  # NAME COLUMN_NAME: a counter of the benchmark
  awk -F, -v n="\"$1/real_time\"" -v c="$2" '
    NR == 1 || /^name,/ { for (i = 1; i <= NF; i++) if ($i == c || $i == "\"" c "\"") k = i }
    $1 == n && k { print $k }' "$work/out.csv"
}
open=$(ms BM_CliOpenLarge)
graph=$(ms BM_ScatterBuildAndPaint)
gui=$(ms BM_GuiOpenLarge)
scroll=$(ms BM_ScrollToLastCaseAndBack)

echo
awk -v o="$open" -v p="$cli_process" -v g="$graph" -v u="$gui" -v s="$scroll" \
    -v cells="$(column BM_ScrollToLastCaseAndBack cells_painted)" -v sized="$(column BM_ScrollToLastCaseAndBack cells_sized)" 'BEGIN {
  printf "%-46s %9.1f ms\n", "open large.vo, core call of zoriduvo-cli", o
  printf "%-46s %9.1f ms\n", "zoriduvo-cli info large.vo, whole process", p
  printf "%-46s %9.1f ms %6.2fx open  (target <= 0.20x) %s\n", "scatter V1 x V2, 32767 points, build + paint", g, g / o,
         g / o <= 0.2 ? "ok" : "OVER"
  printf "%-46s %9.1f ms %6.2fx open  (target <= 1.20x) %s\n", "open large.vo in the frame, first screen", u, u / o,
         u / o <= 1.2 ? "ok" : "OVER"
  printf "%-46s %9.1f ms  (%s cells painted, %s sized a round)\n", "scroll to the last case and back, painted", s,
         cells, sized
}'

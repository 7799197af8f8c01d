#!/usr/bin/env bash
# The Qt-side figures on the large set (32767 x 200), in one run of gui_bench on the offscreen
# platform: building and painting a scatter plot of all its cases, and opening it in the frame
# until the sheet's first screen is painted, each against opening it through the core call
# zoriduvo-cli makes; scrolling the sheet to its last case and back. Not part of CI.
# Each figure is the median of REPS repetitions; other processes on the machine lengthen wall
# time, so the ratios are given on the CPU time of the run's thread as well.
#   bench/gui.sh [more gui_bench options]
#   BUILD=DIR  build directory (default build/bench-gui, Release with the program)
#   RUNS=N  runs of zoriduvo-cli info (default 5)    REPS=N  repetitions of each benchmark (default 5)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$root/build/bench-gui}
runs=${RUNS:-5}
reps=${REPS:-5}

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

"$build/bench/gui_bench" --benchmark_repetitions="$reps" --benchmark_report_aggregates_only=true \
  --benchmark_out="$work/out.csv" --benchmark_out_format=csv "$@"

# figure NAME COLUMN: a column (real_time, cpu_time or label) of the benchmark's row, the
# median's when repeated, in milliseconds for the times.
figure() {
  awk -F, -v n="\"$1/real_time" -v c="$2" '
    /^name,/ { for (i = 1; i <= NF; i++) if ($i == c || $i == "\"" c "\"") k = i }
    k && ($1 == n "\"" || $1 == n "_median\"") && $k != "" { v = $k }
    END { if (v == "") exit 1; print v }' "$work/out.csv" ||
    { echo "gui.sh: no $2 for $1" >&2; exit 1; }
}
open=$(figure BM_CliOpenLarge real_time) open_cpu=$(figure BM_CliOpenLarge cpu_time)
graph=$(figure BM_ScatterBuildAndPaint real_time) graph_cpu=$(figure BM_ScatterBuildAndPaint cpu_time)
gui=$(figure BM_GuiOpenLarge real_time) gui_cpu=$(figure BM_GuiOpenLarge cpu_time)
scroll=$(figure BM_ScrollToLastCaseAndBack real_time)
counted=$(figure BM_ScrollToLastCaseAndBack label | tr -d '"')

echo
printf '%-46s %9s %7s %9s %7s\n' "" "wall ms" "x open" "CPU ms" "x open"
awk -v o="$open" -v oc="$open_cpu" -v p="$cli_process" -v g="$graph" -v gc="$graph_cpu" -v u="$gui" -v uc="$gui_cpu" \
    -v s="$scroll" -v counted="$counted" 'BEGIN {
  printf "%-46s %9.1f %7s %9.1f\n", "open large.vo, the core call of zoriduvo-cli", o, "", oc
  printf "%-46s %9.1f\n", "zoriduvo-cli info large.vo, whole process", p
  printf "%-46s %9.1f %7.2f %9.1f %7.2f  target <= 0.20 %s\n", "scatter V1 x V2, 32767 points, build + paint",
         g, g / o, gc, gc / oc, g / o <= 0.2 ? "ok" : "OVER"
  printf "%-46s %9.1f %7.2f %9.1f %7.2f  target <= 1.20 %s\n", "large.vo opened in the frame, first screen",
         u, u / o, uc, uc / oc, u / o <= 1.2 ? "ok" : "OVER"
  printf "%-46s %9.1f   (a round: %s)\n", "scroll to the last case and back, painted", s, counted
}'

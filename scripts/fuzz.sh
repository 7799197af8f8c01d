#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for SECONDS (default 60) on its seed
# corpus (tests/data and fuzz/corpus/<target>) with its dictionary (fuzz/dict/<name>.dict).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
"$root/scripts/deps.sh"
need=()
command -v clang++ >/dev/null || need+=(clang)
dpkg-query -W -f='${Status}' libclang-rt-14-dev 2>/dev/null | grep -q "install ok installed" || need+=(libclang-rt-14-dev)
if [ ${#need[@]} -gt 0 ]; then
  sudo_cmd=""; [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${need[@]}"
fi
build="$root/build/fuzz"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZORIDUVO_FUZZ=ON \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j2
# New corpus entries and reproducers go into the build folder only; the source tree stays as it is.
artifacts="$build/artifacts"; mkdir -p "$artifacts"
status=0
for target in "$build"/fuzz/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target"); name=${name#fuzz_}
  work="$build/corpus/$name"; mkdir -p "$work"
  seeds=()
  [ -d "$root/fuzz/corpus/$name" ] && seeds+=("$root/fuzz/corpus/$name")
  [ -d "$root/tests/data" ] && seeds+=("$root/tests/data")
  dict=()
  [ -f "$root/fuzz/dict/$name.dict" ] && dict=(-dict="$root/fuzz/dict/$name.dict")
  log="$build/$name.log"
  echo "== $name for ${seconds}s"
  if ! ASAN_OPTIONS=detect_leaks=1 "$target" "${dict[@]}" -max_total_time="$seconds" -rss_limit_mb=2048 \
      -timeout=10 -print_final_stats=1 -artifact_prefix="$artifacts/$name-" "$work" "${seeds[@]}" 2>"$log"; then
    status=1
    tail -40 "$log"
    echo "!! $name failed; log: $log"
    grep -a -o "Test unit written to .*" "$log" | sed "s|Test unit written to |!! reproducer: |" || true
    echo "!! run it again with: $target <reproducer>"
  fi
  grep -a -E "stat::number_of_executed_units|stat::average_exec_per_sec" "$log" || true
done
exit $status

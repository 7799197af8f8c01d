#!/usr/bin/env bash
# Installs what is missing, builds the test configuration with AddressSanitizer and
# UndefinedBehaviorSanitizer (warnings are errors), and runs every test through CTest.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
build="$root/build/test"
start=$(date +%s)
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZORIDUVO_SANITIZE=ON -DZORIDUVO_WERROR=ON \
      -DZORIDUVO_PACKAGE_TEST=ON >/dev/null
cmake --build "$build" -j2
echo "Build took $(( $(date +%s) - start )) s"
# Qt and fontconfig keep caches alive until exit; leaks are looked for in the core tests only.
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j2 --timeout 600

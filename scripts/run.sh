#!/usr/bin/env bash
# Installs what is missing, builds Release and starts the program (with FILE when given).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
build="$root/build/release"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZORIDUVO_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target zoriduvo
args=()
[ $# -gt 0 ] && args=("$(realpath -m "$1")")
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  exec xvfb-run -a "$build/zoriduvo" "${args[@]}"
fi
exec "$build/zoriduvo" "${args[@]}"

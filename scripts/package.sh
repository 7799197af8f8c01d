#!/usr/bin/env bash
# Builds the Release configuration and the Debian package from it: build/package/zoriduvo_*.deb.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
build="$root/build/package"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZORIDUVO_BUILD_TESTS=OFF \
      -DZORIDUVO_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j2
(cd "$build" && cpack -G DEB)
deb=$(ls "$build"/zoriduvo_*.deb)
# Errors fail the script; the warnings are shown for the record.
lintian --tag-display-limit 0 "$deb" | tee "$build/lintian.log"
! grep -q '^E: ' "$build/lintian.log"
echo "$deb"

#!/usr/bin/env bash
# Installs what is missing, builds the test configuration with AddressSanitizer and
# UndefinedBehaviorSanitizer (warnings are errors) and the Release package (scripts/package.sh),
# and runs every test through CTest. A sanitizer cannot start under an address-space limit, so a
# small plain configuration (the command line and the hostile-input tests only) runs every test
# the sanitizer build skipped. Ends with the list of skipped tests and why; a skip that the plain
# configuration did not run and pass fails the run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
build="$root/build/test"
plain="$root/build/plain"
start=$(date +%s)
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZORIDUVO_SANITIZE=ON -DZORIDUVO_WERROR=ON \
      -DZORIDUVO_PACKAGE_TEST=ON -DZORIDUVO_PACKAGE_BUILD="$root/build/package" >/dev/null
cmake --build "$build" -j2
cmake -S "$root" -B "$plain" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZORIDUVO_WERROR=ON -DZORIDUVO_BUILD_GUI=OFF \
      -DZORIDUVO_BUILD_BENCH=OFF >/dev/null
cmake --build "$plain" -j2 --target zoriduvo-cli hostile_tests
# The package test checks the package as users get it: from the Release configuration.
"$root/scripts/package.sh" >"$build/package.log" 2>&1 || { cat "$build/package.log"; exit 1; }
echo "Build took $(( $(date +%s) - start )) s"
# Qt and fontconfig keep caches alive until exit; leaks are looked for in the core tests only.
export ASAN_OPTIONS="detect_leaks=0:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export QT_QPA_PLATFORM=offscreen
status=0
rm -f "$build/junit.xml" "$plain/junit.xml"
ctest --test-dir "$build" --output-on-failure -j2 --timeout 600 --output-junit junit.xml || status=1
mapfile -t skipped < <("$root/scripts/skipped-tests.sh" "$build/junit.xml")

# What the sanitizer build skipped, run in the plain configuration.
ran_plain=()
if [ ${#skipped[@]} -gt 0 ]; then
    names=$(printf '%s\n' "${skipped[@]}" | cut -f1 | sed 's/[][\.*^$+?(){}|]/\\&/g' | paste -sd'|')
    echo "== the skipped tests in the plain configuration"
    ctest --test-dir "$plain" --output-on-failure -j2 --timeout 600 --output-junit junit.xml -R "^($names)\$" \
        || status=1
    if [ -f "$plain/junit.xml" ]; then
        # The tests that ran there and did not fail.
        mapfile -t ran_plain < <(awk '/<testcase / { match($0, /name="[^"]*"/); name = substr($0, RSTART + 6, RLENGTH - 7)
                                                     passed = /status="run"/ }
                                      /<failure/ { passed = 0 }
                                      /<\/testcase>/ && passed { print name }' "$plain/junit.xml")
    fi
fi

echo "== skipped tests"
[ ${#skipped[@]} -eq 0 ] && echo "none"
for entry in "${skipped[@]}"; do
    name=${entry%%$'\t'*} reason=${entry#*$'\t'}
    if printf '%s\n' "${ran_plain[@]}" | grep -qxF -- "$name"; then
        echo "  $name: $reason (run and passed in the plain configuration)"
    else
        echo "  $name: $reason -- NOT RUN in any configuration"
        status=1
    fi
done
exit $status

#!/usr/bin/env bash
# Lists the tests a CTest JUnit report (ctest --output-junit) shows as skipped, one a line:
# the name, a TAB, and why: the line after a GoogleTest "Skipped", else the last line the test wrote.
set -euo pipefail
awk '
function unescape(s) {
    gsub(/&lt;/, "<", s); gsub(/&gt;/, ">", s); gsub(/&quot;/, "\"", s); gsub(/&apos;/, "\047", s)
    gsub(/&amp;/, "\\&", s)
    return s
}
/<testcase / {
    match($0, /name="[^"]*"/); name = substr($0, RSTART + 6, RLENGTH - 7)
    skipped = 0; reason = ""; last = ""; next_is_reason = 0; output = 0
}
/<skipped / { skipped = 1 }
/<\/testcase>/ && skipped { print unescape(name) "\t" unescape(reason != "" ? reason : last) }
{
    line = $0
    if (sub(/.*<system-out>/, "", line)) output = 1
    if (!output) next
    closing = sub(/<\/system-out>.*/, "", line)
    if (next_is_reason) { reason = line; next_is_reason = 0 }
    if (line ~ /: Skipped$/) next_is_reason = 1
    else if (line != "" && line !~ /^\[/) last = line
    if (closing) output = 0
}
' "$1"

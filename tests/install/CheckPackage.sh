#!/bin/sh
# Builds the Debian package from BUILD, unpacks it into a temporary root and runs the command line
# from there: the version, and a conversion of a CSV file into vo-Data. lintian must find no errors.
set -eu
build=$1 data=$2 work=$3
rm -rf "$work" && mkdir -p "$work/root"
start=$(date +%s)
(cd "$build" && cpack -G DEB -B "$work" >"$work/cpack.log") || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/*.deb)
echo "package built in $(( $(date +%s) - start )) s: $deb"
dpkg-deb -x "$deb" "$work/root"
cli="$work/root/usr/bin/zoriduvo-cli"
"$cli" --version | grep -q '^zoriduvo-cli '
"$cli" convert "$data/cli/convert-csv/given/in.csv" "$work/out.vo"
head -1 "$work/out.vo" | grep -q '^"vo-Data_3"'
test -f "$work/root/usr/share/zoriduvo/Vuror32.odi"
if command -v lintian >/dev/null; then
    lintian --tag-display-limit 0 "$deb" | tee "$work/lintian.log"
    ! grep -q '^E: ' "$work/lintian.log"
else
    echo "lintian is not installed; scripts/deps.sh installs it"
fi

#!/bin/sh
# The Debian package scripts/package.sh made from its Release configuration, as users install it:
# no sanitizer among its dependencies, lintian finds no errors, and unpacked into a temporary root
# its command line converts, draws a graph and prints a PDF through the helper installed with it.
# Usage: CheckPackage.sh PACKAGE_BUILD DATA WORK
set -eu
build=$1 data=$2 work=$3
deb=$(ls "$build"/zoriduvo_*.deb 2>/dev/null || true)
if [ -z "$deb" ]; then
    echo "no package in $build: scripts/package.sh makes it (scripts/test.sh runs it first)"
    exit 1
fi
echo "package: $deb"
rm -rf "$work" && mkdir -p "$work/root"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
if echo "$depends" | grep -q -E 'libasan|libubsan|libtsan|liblsan'; then
    echo "the package depends on a sanitizer runtime: it was built from a sanitizer configuration"
    exit 1
fi
# The project has neither a web site nor an address yet: no homepage, and the one address Debian
# requires is in the reserved .invalid domain.
if dpkg-deb -f "$deb" Homepage | grep -q . ||
   dpkg-deb -f "$deb" Maintainer | grep -q -v -E '<[^@>]+@[^>]+\.invalid>$'; then
    echo "the package names a homepage or an address: $(dpkg-deb -f "$deb" Homepage Maintainer)"
    exit 1
fi
dpkg-deb -x "$deb" "$work/root"
cli="$work/root/usr/bin/zoriduvo-cli"
export SOURCE_DATE_EPOCH=1700000000 TZ=UTC
"$cli" --version | grep -q '^zoriduvo-cli '
test -f "$work/root/usr/share/zoriduvo/Vuror32.odi"

in="$data/cli/plot-scatter/given/in.csv"
"$cli" convert "$in" "$work/data.vo"
head -1 "$work/data.vo" | grep -q '^"vo-Data_3"'

# The same picture as the build's own command line draws.
"$cli" plot scatter "$in" "$work/plot.svg" --x 身長 --y 体重 --title "散布図: 身長 X 体重" \
    --x-title 身長 --y-title 体重 --from 2 --to 4
cmp "$work/plot.svg" "$data/cli/plot-scatter/expect/out.svg"

# The print helper is found from the unpacked program, not from a build folder.
(cd "$work" && "$cli" print data.vo data.pdf)
head -c 5 "$work/data.pdf" | grep -q '^%PDF-'
if command -v pdftotext >/dev/null; then
    pdftotext -layout "$work/data.pdf" "$work/data.txt"
    grep -q 'File = data.vo' "$work/data.txt" || { echo "the PDF does not show the file"; cat "$work/data.txt"; exit 1; }
    grep -q '田中' "$work/data.txt" || { echo "the PDF does not show the cases"; cat "$work/data.txt"; exit 1; }
fi

if command -v lintian >/dev/null; then
    lintian --tag-display-limit 0 "$deb" | tee "$work/lintian.log"
    ! grep -q '^E: ' "$work/lintian.log"
else
    echo "lintian is not installed; scripts/deps.sh installs it"
fi
